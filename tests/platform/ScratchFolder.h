// Test helper: an empty program folder of the running test's own, so that CTest can run the
// tests of one fixture side by side.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Path.h"

namespace platformtest {

// Empties MJ_TEST_OUT_DIR/<area>/<test name>, makes it the program folder and returns it.
inline std::filesystem::path FreshProgramFolder(const char* area) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(MJ_TEST_OUT_DIR) / area /
                          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(root);
    fs::create_directories(root);
    platform::SetProgramFolder(root.string());
    return root;
}

}  // namespace platformtest
