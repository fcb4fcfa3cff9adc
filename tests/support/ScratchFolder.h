// Scratch folders of the running test's own, under the test program's output folder, so that
// CTest can run the tests of one program side by side.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Path.h"

namespace testsupport {

// Empties MJ_TEST_OUT_DIR/<area>/<test name>, creates it and returns it.
inline std::filesystem::path ScratchFolder(const char* area) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(MJ_TEST_OUT_DIR) / area /
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// A scratch folder that is also the program folder.
inline std::filesystem::path FreshProgramFolder(const char* area) {
    const std::filesystem::path folder = ScratchFolder(area);
    platform::SetProgramFolder(folder.string());
    return folder;
}

}  // namespace testsupport
