// Scratch folders of the running test's own, under the test program's output folder, so that
// CTest can run the tests of one program side by side.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

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

// Links every entry of `from` into `to`, except the files named in `left` (paths relative to
// `from`, with '/'); a folder that holds a left-out file is made afresh and linked into entry
// by entry.
inline void LinkTreeExcept(const std::filesystem::path& from, const std::filesystem::path& to,
                           const std::set<std::string>& left, const std::string& prefix = "") {
    namespace fs = std::filesystem;
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
        const std::string name = prefix + entry.path().filename().string();
        if (left.count(name)) continue;
        bool holdsLeftOut = false;
        for (const std::string& l : left) holdsLeftOut |= l.rfind(name + "/", 0) == 0;
        if (holdsLeftOut)
            LinkTreeExcept(entry.path(), to / entry.path().filename(), left, name + "/");
        else
            fs::create_symlink(entry.path(), to / entry.path().filename());
    }
}

// A scratch folder that is also the program folder.
inline std::filesystem::path FreshProgramFolder(const char* area) {
    const std::filesystem::path folder = ScratchFolder(area);
    platform::SetProgramFolder(folder.string());
    return folder;
}

}  // namespace testsupport
