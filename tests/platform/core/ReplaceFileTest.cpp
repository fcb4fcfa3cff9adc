// Replacing a file (settings, the key store): the new bytes reach the disk before they take the
// file's place, a temporary file left by a writer that died is cleared away, and a file that is
// a link is written through the link.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <regex>
#include <string>
#include <vector>

#include "platform/Ini.h"
#include "platform/WholeFile.h"
#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

// The paths of the descriptors synced while `recording` is set, in order.
std::mutex syncedMutex;
bool recording = false;
std::vector<std::string> synced;

std::string PathOf(int fd) {
    char link[64], path[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace

// Every fsync of this test program passes through here on its way to the kernel.
extern "C" int fsync(int fd) {
    {
        std::lock_guard<std::mutex> lock(syncedMutex);
        if (recording) synced.push_back(PathOf(fd));
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace {

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplaceFile, SyncsTheNewFileBeforeTheRenameAndTheFolderAfter) {
    const fs::path folder = fs::canonical(testsupport::FreshProgramFolder("replacefile"));
    {
        std::lock_guard<std::mutex> lock(syncedMutex);
        recording = true;
        synced.clear();
    }
    ASSERT_TRUE(ReplaceFileContents((folder / "SET.ini").string(), "new"));
    std::lock_guard<std::mutex> lock(syncedMutex);
    recording = false;
    ASSERT_EQ(synced.size(), 2u);
    // Synced while it still had its temporary name: "<name>.tmp-" and six letters or digits.
    EXPECT_TRUE(std::regex_match(synced[0], std::regex(".*/SET\\.ini\\.tmp-[A-Za-z0-9]{6}")))
        << synced[0];
    EXPECT_EQ(synced[1], folder.string());
    EXPECT_EQ(ReadAll(folder / "SET.ini"), "new");
}

TEST(ReplaceFile, TemporariesOfADeadWriterAreClearedAndALivingWritersKept) {
    const fs::path folder = testsupport::FreshProgramFolder("replacefile");
    const char* kept[] = {"Other.ini.tmp-AbC123", "SET.ini.tmp-AbC12", "SET.ini.tmp-AbC1234",
                          "SET.ini.tmp-Ab_123", "SET.ini.tmp-living"};
    for (const char* name : kept) std::ofstream(folder / name) << "x";
    std::ofstream(folder / "SET.ini.tmp-dead01") << "half a settings fi";
    std::ofstream(folder / "SET.ini.tmp-dead02") << "";
    // A writer still at work holds a lock on its temporary file.
    const int living = open((folder / "SET.ini.tmp-living").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(living, 0);
    ASSERT_EQ(flock(living, LOCK_EX), 0);

    ASSERT_TRUE(ReplaceFileContents((folder / "SET.ini").string(), "new"));
    close(living);
    std::vector<std::string> expected(std::begin(kept), std::end(kept));
    expected.push_back("SET.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(folder), expected);
}

TEST(ReplaceFile, ALinkIsWrittenThroughAndKept) {
    const fs::path folder = testsupport::FreshProgramFolder("replacefile");
    fs::create_directories(folder / "real");
    std::ofstream(folder / "real" / "SET.ini") << "[Set]\r\nMusic=0\r\n";
    fs::create_symlink(fs::path("real") / "SET.ini", folder / "SET.ini");
    ASSERT_TRUE(WriteProfileString("Set", "Music", "1", ProgramPath("SET.ini")));
    EXPECT_TRUE(fs::is_symlink(folder / "SET.ini"));
    EXPECT_EQ(ReadAll(folder / "real" / "SET.ini"), "[Set]\r\nMusic=1\r\n");
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"SET.ini", "real"}));
    EXPECT_EQ(Names(folder / "real"), (std::vector<std::string>{"SET.ini"}));
}

// A link whose file is missing is no missing file: the write creates the file the link leads
// to, and where that cannot be (its folder is missing too) the write fails and the link stays.
TEST(ReplaceFile, ADanglingLinkGetsItsFileCreated) {
    const fs::path folder = testsupport::FreshProgramFolder("replacefile");
    fs::create_directories(folder / "real");
    fs::create_symlink(folder / "real" / "SET.ini", folder / "SET.ini");
    ASSERT_TRUE(WriteProfileString("Set", "Music", "1", ProgramPath("SET.ini")));
    EXPECT_TRUE(fs::is_symlink(folder / "SET.ini"));
    EXPECT_EQ(ReadAll(folder / "real" / "SET.ini"), "[Set]\r\nMusic=1\r\n");

    fs::create_symlink(folder / "gone" / "Key.txt", folder / "Key.txt");
    EXPECT_FALSE(ReplaceFileContents((folder / "Key.txt").string(), "x"));
    EXPECT_TRUE(fs::is_symlink(folder / "Key.txt"));
    EXPECT_FALSE(fs::exists(folder / "gone"));

    fs::create_symlink("Loop2", folder / "Loop1");
    fs::create_symlink("Loop1", folder / "Loop2");
    EXPECT_FALSE(ReplaceFileContents((folder / "Loop1").string(), "x"));
    EXPECT_TRUE(fs::is_symlink(folder / "Loop1"));
}

}  // namespace
