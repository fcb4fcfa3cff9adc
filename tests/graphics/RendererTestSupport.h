// Test helpers of the renderer's tests: a program folder of the running test's own (the
// renderer writes `SET.ini` there when it goes), optionally holding the built program folder's
// pictures, some of them left out.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "graphics/SurfaceRegistry.h"
#include "tests/support/ScratchFolder.h"

namespace rendertest {

namespace fs = std::filesystem;

enum class Pictures { None, FromGame };

using testsupport::LinkTreeExcept;

// Empties MJ_TEST_OUT_DIR/<area>/<test>, makes it the program folder and returns it.  With
// Pictures::FromGame it holds the built program folder's `Graphic` and `MjRes`, without the
// files named in `missing` (UTF-8 paths below the program folder, with '/').
inline fs::path UseProgramFolder(const char* area, Pictures pictures,
                                 const std::set<std::string>& missing = {}) {
    const fs::path root = testsupport::FreshProgramFolder(area);
    if (pictures == Pictures::FromGame) {
        std::set<std::string> left = missing;
        for (const char* folder : {"Graphic", "MjRes"}) {
            std::set<std::string> below;
            for (const std::string& m : left)
                if (m.rfind(std::string(folder) + "/", 0) == 0) below.insert(m.substr(std::string(folder).size() + 1));
            LinkTreeExcept(fs::path(MJ_GAME_DIR) / folder, root / folder, below);
        }
    }
    return root;
}

// Forgets, at the end of the scope, the registry entries made during it.  The program's owners
// of registered pictures live as long as the program; a test's die with the test, and their
// entries must not outlive them in a test program that runs on.
class RegistryScope {
public:
    RegistryScope() : count_(SurfaceCount) {}
    ~RegistryScope() { SurfaceCount = count_; }
    RegistryScope(const RegistryScope&) = delete;
    RegistryScope& operator=(const RegistryScope&) = delete;

private:
    int count_;
};

}  // namespace rendertest
