// A fresh scratch folder per test: CTest runs the tests side by side.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace nettest {

inline std::filesystem::path ScratchDir(const char* area) {
    const auto dir = std::filesystem::path(MJ_TEST_OUT_DIR) / area /
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace nettest
