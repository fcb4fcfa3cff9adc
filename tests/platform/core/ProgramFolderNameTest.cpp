// The program folder may be named in bytes GBK cannot hold (Latin-1 bytes, an emoji): the
// game's paths still reach the files, since the folder keeps its own bytes on disk and only
// the game's own names are converted.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Gbk.h"
#include "platform/Path.h"
#include "platform/Resource.h"
#include "tests/platform/surface/BmpWriter.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

struct FolderCase {
    const char* what;
    const char* name;  // bytes of the folder's name on disk
    bool gbk;          // GBK can hold it
};
const FolderCase kFolderCases[] = {
    {"Latin-1 byte", "caf\xE9", false},
    {"emoji", "mj-\xF0\x9F\x80\x84", false},
    {"UTF-8 accent", "caf\xC3\xA9", true},
    {"Chinese", "\xE7\xBF\xA0\xE5\xB2\xAD", true},
    {"plain", "game", true},
};

// Each test makes its folders under its own name, so CTest may run them side by side.
fs::path FolderOf(const FolderCase& c) {
    return fs::path(MJ_TEST_OUT_DIR) / "foldernames" /
           ::testing::UnitTest::GetInstance()->current_test_info()->name() / c.name;
}

fs::path MakeGameFolder(const FolderCase& c) {
    const fs::path root = FolderOf(c);
    fs::remove_all(root);
    fs::create_directories(root / "MjRes");
    fs::create_directories(root / "Graphic");
    const auto bmp = bmptest::WriteBmp(2, 2, std::vector<std::uint32_t>(4, 0x102030), {});
    std::ofstream(root / "MjRes" / "IDC_WCUR.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    std::ofstream(root / "Graphic" / "\xE8\x87\xAA\xE5\xAE\xB6.bmp") << "x";  // 自家
    return root;
}

TEST(ProgramFolderName, GamePathsReachTheFilesWhateverTheFolderIsCalled) {
    for (const FolderCase& c : kFolderCases) {
        const fs::path root = MakeGameFolder(c);
        SetProgramFolder(root.string());
        EXPECT_EQ(ToDiskPath(ProgramPath("MjRes\\IDC_WCUR.bmp")),
                  (root / "MjRes" / "IDC_WCUR.bmp").string())
            << c.what;
        EXPECT_EQ(ToDiskPath(ProgramPath("graphic\\\xD7\xD4\xBC\xD2.bmp")),  // 自家 in GBK
                  (root / "Graphic" / "\xE8\x87\xAA\xE5\xAE\xB6.bmp").string())
            << c.what;
        EXPECT_TRUE(LoadResourceCursor("IDC_WCUR").image) << c.what;
        EXPECT_TRUE(MakeFolder(ProgramPath("Save"))) << c.what;
        EXPECT_TRUE(fs::is_directory(root / "Save")) << c.what;
    }
}

TEST(ProgramFolderName, SaysWhetherGbkHoldsTheName) {
    for (const FolderCase& c : kFolderCases) {
        const fs::path root = FolderOf(c);
        SetProgramFolder(root.string());
        EXPECT_EQ(ProgramFolderFitsGbk(), c.gbk) << c.what;
        // In the game's form '?' stands for what GBK cannot hold.
        EXPECT_EQ(ProgramFolder(), Utf8ToGbk(root.string()) + "\\") << c.what;
        EXPECT_EQ(ProgramFolder().find('?') == std::string::npos, c.gbk) << c.what;
    }
}

// A file named as on disk, absolute or from the working folder, reaches the file through its
// game path, also under a folder whose name GBK cannot hold.  A name GBK holds is its text.
TEST(ProgramFolderName, FilesNamedOnDiskUnderTheFolderGetGamePathsThatReachThem) {
    for (const FolderCase& c : kFolderCases) {
        const fs::path root = MakeGameFolder(c);
        SetProgramFolder(root.string());
        const fs::path file = root / "Graphic" / "\xE8\x87\xAA\xE5\xAE\xB6.bmp";
        const std::string game = GamePathOfDisk(file.string());
        EXPECT_EQ(ToDiskPath(game), file.string()) << c.what;
        EXPECT_TRUE(FileExists(game)) << c.what;

        const fs::path before = fs::current_path();
        fs::current_path(root.parent_path());
        EXPECT_TRUE(FileExists(GamePathOfDisk(
            std::string(c.name) + "/Graphic/\xE8\x87\xAA\xE5\xAE\xB6.bmp")))
            << c.what;
        fs::current_path(before);
    }
    EXPECT_EQ(GamePathOfDisk("/elsewhere/\xE8\x87\xAA.cmj"), "/elsewhere/\xD7\xD4.cmj");
    EXPECT_EQ(GamePathOfDisk("NetWork"), "NetWork");
}

}  // namespace
