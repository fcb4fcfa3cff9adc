#include "platform/WholeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;
using platform::ReadWholeFile;
using platform::ReplaceFileContents;

namespace {

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(ReplaceFileContents, ReplacesTheWholeFileAndKeepsItsPermissions) {
    const fs::path folder = testsupport::FreshProgramFolder("replace");
    const fs::path file = folder / "SET.ini";
    std::ofstream(file) << "a much longer old text than the new one";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ReplaceFileContents(file.string(), "new"));
    EXPECT_EQ(ReadAll(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_TRUE(ReplaceFileContents((folder / "fresh.ini").string(), ""));
    EXPECT_EQ(fs::status(folder / "fresh.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    EXPECT_EQ(EntriesIn(folder), 2u);  // no temporary file is left
}

TEST(ReplaceFileContents, FailureLeavesTheOldFileAndNoTemporary) {
    const fs::path folder = testsupport::FreshProgramFolder("replace");
    EXPECT_FALSE(ReplaceFileContents((folder / "missing" / "SET.ini").string(), "x"));
    fs::create_directories(folder / "SET.ini" / "in the way");
    EXPECT_FALSE(ReplaceFileContents((folder / "SET.ini").string(), "x"));
    EXPECT_EQ(EntriesIn(folder), 1u);
    EXPECT_TRUE(fs::is_directory(folder / "SET.ini"));
}

TEST(ReadWholeFile, GivesRegularFilesUpToTheLimit) {
    const fs::path folder = testsupport::FreshProgramFolder("readwhole");
    std::ofstream(folder / "four.bin", std::ios::binary) << std::string("a\0b\xFF", 4);
    EXPECT_EQ(ReadWholeFile((folder / "four.bin").string(), 4), std::string("a\0b\xFF", 4));
    EXPECT_EQ(ReadWholeFile((folder / "four.bin").string(), 3), std::nullopt);
    EXPECT_EQ(ReadWholeFile((folder / "missing.bin").string(), 100), std::nullopt);
    EXPECT_EQ(ReadWholeFile(folder.string(), 1 << 20), std::nullopt);  // a folder
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile((folder / "pipe").string(), 1 << 20), std::nullopt);  // never waits
}

}  // namespace
