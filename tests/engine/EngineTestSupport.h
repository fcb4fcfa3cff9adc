// Program folders for the engine's tests: each test gets a folder of its own, so that tests run
// side by side and the settings file the table writes when it goes stays there.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Path.h"

namespace enginetest {

// Empties MJ_TEST_OUT_DIR/<area>/<test name>, makes it the program folder and returns it.
inline std::filesystem::path FreshProgramFolder(const char* area) {
    namespace fs = std::filesystem;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    const fs::path root = fs::path(MJ_TEST_OUT_DIR) / area / name;
    fs::remove_all(root);
    fs::create_directories(root);
    platform::SetProgramFolder(root.string());
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
