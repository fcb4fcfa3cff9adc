// Test helpers of the renderer's tests: a program folder of the running test's own (the
// renderer writes `SET.ini` there when it goes), optionally holding the built program folder's
// pictures.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/ScratchFolder.h"

namespace rendertest {

enum class Pictures { None, FromGame };

// Empties MJ_TEST_OUT_DIR/<area>/<test>, makes it the program folder and returns it.  With
// Pictures::FromGame it links the built program folder's `Graphic` and `MjRes` into it.
inline std::filesystem::path UseProgramFolder(const char* area, Pictures pictures) {
    namespace fs = std::filesystem;
    const fs::path root = testsupport::FreshProgramFolder(area);
    if (pictures == Pictures::FromGame)
        for (const char* folder : {"Graphic", "MjRes"})
            fs::create_directory_symlink(fs::path(MJ_GAME_DIR) / folder, root / folder);
    return root;
}

}  // namespace rendertest
