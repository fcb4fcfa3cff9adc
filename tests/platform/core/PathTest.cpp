#include "platform/Path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Gbk.h"
#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;
using namespace platform;

class PathTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testsupport::FreshProgramFolder("paths");
        fs::create_directories(root_ / "Graphic" / u8"NewStyle");
        std::ofstream(root_ / "Graphic" / u8"自家长城.bmp") << "x";
        std::ofstream(root_ / "Graphic" / "NewStyle" / "Room.bmp") << "x";
        std::ofstream(root_ / "Graphic" / "exit.bmp") << "x";
        std::ofstream(root_ / "Graphic" / "Exit.bmp") << "x";
    }
    fs::path root_;
};

TEST_F(PathTest, ProgramFolderEndsInBackslash) {
    EXPECT_EQ(ProgramFolder(), Utf8ToGbk(root_.string()) + "\\");
    EXPECT_EQ(ProgramPath("SET.ini"), Utf8ToGbk(root_.string()) + "\\SET.ini");
}

struct MapCase {
    const char* gbkRelative;
    const char* utf8OnDisk;
};
const MapCase kMapCases[] = {
    {"Graphic\\自家长城.bmp", u8"Graphic/自家长城.bmp"},
    {"graphic\\newstyle\\ROOM.BMP", "Graphic/NewStyle/Room.bmp"},  // case-insensitive fallback
    {"Graphic\\exit.bmp", "Graphic/exit.bmp"},                      // exact case wins
    {"Graphic\\Exit.bmp", "Graphic/Exit.bmp"},
    {"GRAPHIC\\New.bmp", "Graphic/New.bmp"},                        // missing file keeps its name
    {"Missing\\Sub\\a.bmp", "Missing/Sub/a.bmp"},
};

TEST_F(PathTest, MapsGamePathsToDisk) {
    for (const auto& c : kMapCases)
        EXPECT_EQ(ToDiskPath(ProgramPath(c.gbkRelative)), (root_ / c.utf8OnDisk).string())
            << c.utf8OnDisk;
}

TEST_F(PathTest, MakesFoldersAndFindsFiles) {
    EXPECT_TRUE(MakeFolder(ProgramPath("Save")));
    EXPECT_TRUE(fs::is_directory(root_ / "Save"));
    EXPECT_TRUE(MakeFolder(ProgramPath("Save")));  // already there
    EXPECT_TRUE(FileExists(ProgramPath("graphic\\自家长城.BMP")));
    EXPECT_FALSE(FileExists(ProgramPath("Graphic")));  // a folder is no file
    EXPECT_FALSE(FileExists(ProgramPath("nothing.bmp")));
}
