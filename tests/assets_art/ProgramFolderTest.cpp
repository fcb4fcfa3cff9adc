// The built program folder holds every picture the game loads, at the sizes its drawing code
// relies on.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "PictureFile.h"
#include "platform/Gbk.h"
#include "platform/Path.h"
#include "tools/art/AssetTable.h"

namespace fs = std::filesystem;
using art::AssetFile;

namespace {

std::string Disk(const std::string& gbkPath) { return art::AssetDiskPath(MJ_GAME_DIR, gbkPath); }

std::optional<Picture> Read(const AssetFile& f) {
    return f.entry->gif ? ReadGifSize(Disk(f.path)) : ReadBmp(Disk(f.path));
}

std::set<std::string> TablePaths() {
    std::set<std::string> paths;
    for (const AssetFile& f : art::ExpandAssetTable()) paths.insert(f.path);
    return paths;
}

}  // namespace

TEST(ProgramFolder, HoldsEveryPictureOfTheTableAtItsSize) {
    for (const AssetFile& f : art::ExpandAssetTable()) {
        SCOPED_TRACE(platform::GbkToUtf8(f.path));
        std::optional<Picture> pic = Read(f);
        ASSERT_TRUE(pic.has_value());
        EXPECT_EQ(pic->width, f.width);
        EXPECT_EQ(pic->height, f.height);
        EXPECT_EQ(f.width % f.entry->cols, 0);
        EXPECT_EQ(f.height % f.entry->rows, 0);
        if (!f.entry->gif) {
            EXPECT_EQ(pic->bitsPerPixel, 24);
        }
    }
}

TEST(ProgramFolder, GamePathsResolveThroughThePlatformLayer) {
    platform::SetProgramFolder(MJ_GAME_DIR);
    for (const AssetFile& f : art::ExpandAssetTable()) {
        EXPECT_EQ(f.path.find('/'), std::string::npos) << platform::GbkToUtf8(f.path);
        EXPECT_TRUE(platform::FileExists(platform::ProgramPath(f.path))) << platform::GbkToUtf8(f.path);
    }
}

TEST(ProgramFolder, TableNamesEachFileOnce) {
    const std::vector<AssetFile> files = art::ExpandAssetTable();
    EXPECT_EQ(TablePaths().size(), files.size());
}

TEST(ProgramFolder, KeepsNamesThatDifferOnlyInCaseApart) {
    const fs::path folder = fs::path(MJ_GAME_DIR) / "Graphic" / "ScoreForm";
    EXPECT_TRUE(fs::exists(folder / "exit.bmp"));
    EXPECT_TRUE(fs::exists(folder / "Exit.bmp"));
    EXPECT_NE(ReadBmp((folder / "exit.bmp").string())->pixels,
              ReadBmp((folder / "Exit.bmp").string())->pixels);
}

TEST(ProgramFolder, StoresChineseNamesInUtf8) {
    EXPECT_TRUE(fs::exists(fs::path(MJ_GAME_DIR) / u8"Graphic" / u8"自家长城.bmp"));
    EXPECT_TRUE(fs::exists(fs::path(MJ_GAME_DIR) / u8"Graphic/NewStyle/牌打出05.bmp"));
    EXPECT_TRUE(fs::exists(fs::path(MJ_GAME_DIR) / u8"Graphic/Avatar/12/Left/出牌.bmp"));
}

// The numbered families as the loading code spells them, each member looked up in the table.
TEST(ProgramFolder, HoldsEveryMemberOfTheNumberedFamilies) {
    std::vector<std::string> wanted;
    auto add = [&wanted](const std::string& gbk) { wanted.push_back(gbk); };
    for (int i = 0; i <= 11; ++i) add("Graphic\\Effect_" + std::to_string(i) + ".bmp");
    for (int i = 0; i <= 9; ++i) add("Graphic\\Flower\\Flower_" + std::to_string(i) + ".bmp");
    for (int i = 1; i <= 6; ++i) add("Graphic\\Center\\1-" + std::to_string(i) + ".bmp");
    for (int i = 1; i <= 5; ++i) {
        add("Graphic\\NewStyle\\牌打出0" + std::to_string(i) + ".bmp");
        add("Graphic\\NewStyle\\自己牌倒0" + std::to_string(i) + ".bmp");
    }
    for (int n = 1; n <= 12; ++n) {
        add("Graphic\\" + std::to_string(n) + ".gif");
        for (const char* side : {"Right", "Up", "Left"})
            for (const char* name : {"role.bmp", "出牌.bmp"})
                add("Graphic\\Avatar\\" + std::to_string(n) + "\\" + side + "\\" + name);
    }
    for (int i = 1; i <= 4; ++i) add("Res\\mask_conner" + std::to_string(i) + ".bmp");
    for (const char* name : {"IDB_BUTTON", "IDB_BUTTON_QUEDING", "IDB_BUTTON_CANCEL",
                             "IDB_BACK_S", "IDC_WCUR"})
        add(std::string("MjRes\\") + name + ".bmp");
    add("male.gif");
    add("female.gif");
    const std::set<std::string> table = TablePaths();
    for (const std::string& path : wanted) {
        EXPECT_TRUE(table.count(path)) << platform::GbkToUtf8(path);
        EXPECT_TRUE(fs::exists(Disk(path))) << platform::GbkToUtf8(path);
    }
}

// What the drawing code fixes about sizes, cells and limits; cell = width / cols.
struct Limit {
    const char* path;
    int cols;
    int minW, minH;  // per cell
    int maxW, maxH;  // per cell
};

const Limit kLimits[] = {
    {"Graphic\\Room.bmp", 1, 800, 600, 800, 600},
    {"Graphic\\NewStyle\\Room.bmp", 1, 800, 600, 800, 600},
    {"Graphic\\ModeForm\\background.bmp", 1, 800, 600, 800, 600},
    {"Graphic\\LoadForm\\background.bmp", 1, 800, 600, 800, 600},
    {"Graphic\\LoginForm\\background.bmp", 1, 800, 600, 800, 600},
    {"Graphic\\RegForm\\background.bmp", 1, 800, 600, 800, 600},
    {"Graphic\\ChooseNetForm\\background.bmp", 1, 800, 600, 800, 600},
    {"Graphic\\NetForm\\Room.bmp", 1, 800, 600, 800, 600},
    {"Graphic\\InputName\\background.bmp", 1, 800, 600, 800, 600},
    {"Graphic\\Dice.bmp", 21, 33, 33, 33, 33},
    {"Graphic\\色子动画.bmp", 15, 132, 75, 132, 75},
    {"Graphic\\色子点数.bmp", 6, 40, 40, 40, 40},
    {"Graphic\\自家长城.bmp", 14, 31, 31, 31, 31},
    {"Graphic\\下家长城.bmp", 1, 34, 26, 34, 26},
    {"Graphic\\上家长城.bmp", 1, 34, 26, 34, 26},
    {"Graphic\\对家长城.bmp", 14, 27, 28, 27, 28},
    {"Graphic\\下家牌背.bmp", 14, 39, 54, 39, 54},
    {"Graphic\\上家牌背.bmp", 14, 39, 54, 39, 54},
    {"Graphic\\对家牌背.bmp", 1, 168, 37, 10000, 10000},
    {"Graphic\\NewStyle\\num.bmp", 11, 12, 17, 12, 17},
    {"Graphic\\level.bmp", 20, 15, 1, 15, 16},
    {"Graphic\\pai.bmp", 13, 48, 75, 48, 75},
    {"Graphic\\摸牌.bmp", 9, 136, 209, 136, 209},
    {"Graphic\\摸牌底.bmp", 1, 41, 1, 136, 209},
    {"Graphic\\ScoreForm\\lresultnumber1.bmp", 10, 23, 23, 23, 23},
    {"Graphic\\ScoreForm\\lresultnumber2.bmp", 10, 17, 17, 17, 17},
    {"Graphic\\ScoreForm\\lresultSign1.bmp", 1, 42, 21, 42, 21},
    {"Graphic\\ScoreForm\\lresultSign2.bmp", 1, 28, 12, 28, 12},
    {"Graphic\\InputName\\对家和自己.bmp", 12, 105, 123, 105, 123},
    {"Graphic\\InputName\\下家.bmp", 12, 100, 142, 100, 142},
    {"Graphic\\InputName\\上家.bmp", 12, 100, 142, 100, 142},
    {"Graphic\\NetForm\\role.bmp", 12, 80, 125, 80, 125},
    {"Graphic\\Face\\小头像.bmp", 12, 32, 32, 32, 32},
    {"Res\\closeform.bmp", 1, 330, 431, 330, 431},
    {"Graphic\\自己站立.bmp", 43, 1, 1, 49, 10000},
    {"Graphic\\cc2.bmp", 1, 1, 1, 800 / 18, 10000},
    {"Graphic\\桌面牌.bmp", 43, 1, 1, 10000, 39},
    {"Graphic\\chouma.bmp", 1, 1, 1, 37, 26},
    {"Graphic\\mj.bmp", 9, 1, 1, 50, 10000},
    {"Graphic\\sparkling.bmp", 4, 1, 1, 10000, 10},
    {"Graphic\\Flower\\Flower_0.bmp", 1, 1, 1, 46, 10000},
    {"Graphic\\Flower\\Flower_1.bmp", 1, 1, 1, 30, 10000},
    {"Graphic\\圈.bmp", 4, 1, 1, 10000, 10000},
    {"Graphic\\NewStyle\\wind.bmp", 4, 1, 1, 10000, 10000},
    {"Graphic\\NewStyle\\position.bmp", 4, 1, 1, 10000, 10000},
    {"Graphic\\shuzi.bmp", 10, 1, 1, 10000, 10000},
    {"Graphic\\ScoreForm\\mj.bmp", 43, 1, 1, 10000, 10000},
    {"Graphic\\Logo.bmp", 1, 1, 1, 800, 600},
    {"Graphic\\ScoreForm\\background.bmp", 1, 450, 442, 800, 600},
    {"Graphic\\peng.bmp", 5, 1, 1, 43, 10000},
    {"Graphic\\gang.bmp", 5, 1, 1, 43, 10000},
    {"Graphic\\hu.bmp", 5, 1, 1, 43, 10000},
    {"Graphic\\guo.bmp", 5, 1, 1, 43, 10000},
    {"Graphic\\chi.bmp", 5, 1, 1, 43, 10000},
    {"Graphic\\ting.bmp", 5, 1, 1, 43, 10000},
    {"Graphic\\MainForm\\newgame.bmp", 5, 1, 1, 38, 10000},
    {"MjRes\\IDB_BUTTON.bmp", 5, 1, 1, 38, 10000},
    {"Graphic\\OptionForm\\key.bmp", 1, 1, 1, 75, 10000},
    {"Graphic\\MainForm\\Close.bmp", 5, 1, 1, 44, 10000},
    {"Graphic\\NewStyle\\网站.bmp", 5, 1, 1, 44, 10000},
    {"Graphic\\NewStyle\\设置.bmp", 5, 1, 1, 54, 10000},
    {"Graphic\\NewStyle\\帮助.bmp", 5, 1, 1, 52, 10000},
    {"Graphic\\NewStyle\\离开.bmp", 5, 1, 1, 61, 10000},
    {"Graphic\\ChatWnd\\send.bmp", 5, 1, 1, 10000, 36},
    {"Graphic\\ChatWnd\\up.bmp", 5, 1, 1, 10000, 33},
    {"Graphic\\ChatWnd\\down.bmp", 5, 1, 1, 10000, 33},
    {"Graphic\\ChatWnd\\senddefault.bmp", 5, 1, 1, 10000, 37},
    {"Graphic\\LoadForm\\newgame.bmp", 5, 1, 1, 10000, 40},
    {"Graphic\\LoadForm\\load.bmp", 5, 1, 1, 10000, 40},
    {"Graphic\\ChooseNetForm\\load.bmp", 5, 1, 1, 10000, 39},
    {"Graphic\\ModeForm\\btexit.bmp", 5, 1, 1, 10000, 45},
    {"Graphic\\ModeForm\\btnet.bmp", 5, 1, 1, 10000, 45},
    {"Graphic\\ModeForm\\btgame.bmp", 5, 1, 1, 10000, 45},
    {"Graphic\\ModeForm\\bthome.bmp", 5, 1, 1, 10000, 45},
    {"Graphic\\ModeForm\\moregame.bmp", 5, 1, 1, 10000, 45},
    {"Graphic\\Center\\1-6.bmp", 10, 1, 1, 17, 10000},
    {"Graphic\\NewStyle\\pan.bmp", 1, 1, 1, 177, 40},
    {"Graphic\\pan.bmp", 1, 1, 1, 554, 42},
    {"Graphic\\NewStyle\\弹出.bmp", 1, 1, 1, 82, 10000},
    {"Graphic\\input.bmp", 1, 1, 1, 319, 37},
    {"Graphic\\ChatWnd\\BackGround.bmp", 1, 200, 100, 300, 180},
    {"Graphic\\NetForm\\table.bmp", 1, 1, 1, 170, 175},
    {"Graphic\\NetForm\\tableingame.bmp", 1, 1, 1, 170, 175},
    {"Res\\Button\\close.bmp", 5, 1, 1, 25, 10000},
};

TEST(ProgramFolder, MeetsTheSizesAndLimitsTheDrawingCodeFixes) {
    for (const Limit& l : kLimits) {
        SCOPED_TRACE(platform::GbkToUtf8(l.path));
        std::optional<Picture> pic = ReadBmp(Disk(l.path));
        ASSERT_TRUE(pic.has_value());
        EXPECT_EQ(pic->width % l.cols, 0);
        const int cell = pic->width / l.cols;
        EXPECT_GE(cell, l.minW);
        EXPECT_LE(cell, l.maxW);
        EXPECT_GE(pic->height, l.minH);
        EXPECT_LE(pic->height, l.maxH);
    }
}

TEST(ProgramFolder, SizesThatFollowFromOtherPictures) {
    auto size = [](const std::string& path) { return *ReadBmp(Disk(path)); };
    // The five desk sheets share the first one's size; the own laid-tile cells stay narrow.
    const Picture first = size("Graphic\\NewStyle\\牌打出01.bmp");
    for (int n = 2; n <= 5; ++n) {
        const Picture sheet = size("Graphic\\NewStyle\\牌打出0" + std::to_string(n) + ".bmp");
        EXPECT_EQ(sheet.width, first.width);
        EXPECT_EQ(sheet.height, first.height);
    }
    for (int n = 1; n <= 5; ++n)
        EXPECT_LE(size("Graphic\\NewStyle\\自己牌倒0" + std::to_string(n) + ".bmp").width / 9, 48);
    // The claim banners are one square size.
    const Picture pung = size("Graphic\\碰.bmp");
    EXPECT_EQ(pung.width, pung.height);
    for (const char* name : {"Graphic\\杠.bmp", "Graphic\\胡.bmp", "Graphic\\点炮.bmp", "Graphic\\吃.bmp"}) {
        EXPECT_EQ(size(name).width, pung.width) << platform::GbkToUtf8(name);
        EXPECT_EQ(size(name).height, pung.height) << platform::GbkToUtf8(name);
    }
    for (int i = 0; i <= 11; ++i) {
        const Picture effect = size("Graphic\\Effect_" + std::to_string(i) + ".bmp");
        EXPECT_LE(effect.width, 100);
        EXPECT_LE(effect.height, 100);
    }
    for (int i = 2; i <= 9; ++i)
        EXPECT_LE(size("Graphic\\Flower\\Flower_" + std::to_string(i) + ".bmp").width, 21);
    for (int n = 1; n <= 12; ++n)
        for (const char* side : {"Right", "Up", "Left"})
            for (const char* name : {"role.bmp", "出牌.bmp"}) {
                const Picture fig = size("Graphic\\Avatar\\" + std::to_string(n) + "\\" + side + "\\" + name);
                EXPECT_EQ(fig.width % 2, 0);
                EXPECT_LE(fig.width / 2, 200);
            }
}
