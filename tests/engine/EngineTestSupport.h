// Program folders for the engine's tests: each test gets a folder of its own, so that tests run
// side by side and the settings file the table writes when it goes stays there.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Path.h"
#include "tests/support/ScratchFolder.h"

namespace enginetest {

// An empty program folder of the running test's own, under the area and the test's suite (test
// names repeat across suites, and CTest runs tests side by side).
inline std::filesystem::path FreshProgramFolder(const char* area) {
    std::string suite = ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    for (char& c : suite)
        if (c == '/') c = '_';  // a parameterised suite's prefix
    return testsupport::FreshProgramFolder((std::string(area) + "/" + suite).c_str());
}

// A fresh program folder that sees the build's program folder (pictures, sounds, music, data
// files) through links, without its settings file.
inline std::filesystem::path ProgramFolderOfTheBuild(const char* area) {
    namespace fs = std::filesystem;
    const fs::path root = FreshProgramFolder(area);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(MJ_GAME_DIR, ec)) {
        const std::string name = entry.path().filename().string();
        if (name == "SET.ini" || name == "Save" || name == "Avatar") continue;
        fs::create_symlink(entry.path(), root / name, ec);
    }
    return root;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

}  // namespace enginetest
