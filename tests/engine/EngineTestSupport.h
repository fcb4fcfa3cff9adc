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

// A program folder of the running test's own, under the area and the test's suite (test names
// repeat across suites, and CTest runs tests side by side).  It sees the build's pictures
// (`Graphic`, `MjRes`) through links, which the table's buttons, chat windows and dialogs load
// as it is made, and holds nothing else: no sounds, music, data or settings files.
inline std::filesystem::path FreshProgramFolder(const char* area) {
    namespace fs = std::filesystem;
    std::string suite = ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    for (char& c : suite)
        if (c == '/') c = '_';  // a parameterised suite's prefix
    const fs::path root = testsupport::FreshProgramFolder((std::string(area) + "/" + suite).c_str());
    std::error_code ec;
    for (const char* pictures : {"Graphic", "MjRes"})
        fs::create_directory_symlink(fs::path(MJ_GAME_DIR) / pictures, root / pictures, ec);
    return root;
}

// A fresh program folder that sees the build's program folder (pictures, sounds, music, data
// files) through links, without its settings file.
inline std::filesystem::path ProgramFolderOfTheBuild(const char* area) {
    namespace fs = std::filesystem;
    const fs::path root = FreshProgramFolder(area);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(MJ_GAME_DIR, ec)) {
        const std::string name = entry.path().filename().string();
        if (name == "SET.ini" || name == "Save" || name == "Avatar" || name == "Graphic" ||
            name == "MjRes")
            continue;
        fs::create_symlink(entry.path(), root / name, ec);
    }
    return root;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

}  // namespace enginetest
