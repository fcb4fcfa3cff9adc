// The windowed set-up of one table style (MJ_CATALOGUE_NEW_STYLE): every picture of the style's
// catalogue loaded from the program folder, in its order, with the colour key, the cell sizes
// that follow from the pictures, the loading picture, and a missing picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/SurfaceHelpers.h"
#include "graphics/SurfaceRegistry.h"
#include "platform/Bmp.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "platform/testing/FramePresenter.h"
#include "platform/testing/MessageBoxRecorder.h"
#include "platform/testing/ScopedService.h"
#include "tests/graphics/RendererTestSupport.h"

#if MJ_CATALOGUE_NEW_STYLE
#define Catalogue NewStyleCatalogue
constexpr bool kNewStyle = true;
constexpr const char* kArea = "catalogue_new";
#else
#define Catalogue ClassicCatalogue
constexpr bool kNewStyle = false;
constexpr const char* kArea = "catalogue_classic";  // the two programs share an output folder
#endif

namespace {

using Paths = std::vector<std::string>;

Paths Join(std::initializer_list<Paths> parts) {
    Paths all;
    for (const Paths& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The style's first group: the colour-key source first.
const Paths kClassicGroup = {
    "Graphic\\chouma.bmp", "Graphic\\自己站立.bmp", "Graphic\\cc1.bmp", "Graphic\\cc1.bmp",
    "Graphic\\cc2.bmp", "Graphic\\cc2.bmp", "Graphic\\上家侧面.bmp", "Graphic\\下家侧面.bmp",
    "IDB_BACK_S", "Graphic\\对家立起.bmp", "Graphic\\Dice.bmp", "Graphic\\Room.bmp",
    "Graphic\\上家牌倒.bmp", "Graphic\\下家牌倒.bmp", "Graphic\\自己牌倒.bmp",
    "Graphic\\对家牌倒.bmp",
};
const Paths kNewStyleGroup = {
    "Graphic\\NewStyle\\mj.bmp", "Graphic\\MainForm\\ccpw.bmp", "Graphic\\MainForm\\ccpe.bmp",
    "Graphic\\MainForm\\ccps.bmp", "Graphic\\MainForm\\ccpn.bmp", "Graphic\\MainForm\\ccpw.bmp",
    "Graphic\\MainForm\\ccpe.bmp", "Graphic\\MainForm\\ccps.bmp", "Graphic\\MainForm\\ccpn.bmp",
    "Graphic\\chouma.bmp", "Graphic\\色子动画.bmp", "Graphic\\NewStyle\\Room.bmp",
};

// Seats 0, 2, 1, 3; the GIFs with the program folder in front.
Paths Portraits() {
    const std::string first = platform::ProgramPath("Graphic\\1.gif");
    if (!kNewStyle) {
        const std::string other = platform::ProgramPath("Graphic\\2.gif");
        return {first, other, other, other};
    }
    return {first, "Graphic\\Avatar\\1\\Up\\role.bmp", "Graphic\\Avatar\\2\\Right\\role.bmp",
            "Graphic\\Avatar\\2\\Left\\role.bmp"};
}

Paths Family(const char* prefix, int first, int last) {
    Paths paths;
    for (int n = first; n <= last; ++n) paths.push_back(prefix + std::to_string(n) + ".bmp");
    return paths;
}

// The pictures of both styles.  Numbers are written without leading zeros; the new style's
// desk and meld sheets carry a literal 0 before theirs.
Paths CommonPictures() {
    return Join({
        {kNewStyle ? "Graphic\\NewStyle\\state.bmp" : "Graphic\\state.bmp", "Graphic\\国标麻将.bmp",
         "Graphic\\大众麻将.bmp", "Graphic\\Center\\qelu.bmp", "Graphic\\碰.bmp", "Graphic\\杠.bmp",
         "Graphic\\胡.bmp", "Graphic\\点炮.bmp", "Graphic\\吃.bmp", "Graphic\\Center\\1-2.bmp",
         "Graphic\\Center\\1-3.bmp", "Graphic\\Center\\1-4.bmp", "Graphic\\Center\\1-5.bmp",
         "Graphic\\Center\\1-1.bmp", "Graphic\\Center\\1-6.bmp"},
        Family("Graphic\\Effect_", 0, 11),
        {"Graphic\\pai.bmp", "Graphic\\mj.bmp", "Graphic\\色子点数.bmp", "Graphic\\摸牌底.bmp",
         "Graphic\\摸牌.bmp", "Graphic\\下家牌背.bmp", "Graphic\\上家牌背.bmp", "Graphic\\对家牌背.bmp",
         "Graphic\\自家长城.bmp", "Graphic\\下家长城.bmp", "Graphic\\对家长城.bmp",
         "Graphic\\上家长城.bmp", "Graphic\\麻将倾斜.bmp", "Graphic\\NewStyle\\右边牌倒.bmp",
         "Graphic\\NewStyle\\左边牌倒.bmp", "Graphic\\NewStyle\\自己牌倒.bmp",
         "Graphic\\NewStyle\\对家牌面.bmp", "Graphic\\NewStyle\\牌打出01.bmp",
         "Graphic\\NewStyle\\牌打出02.bmp", "Graphic\\NewStyle\\牌打出03.bmp",
         "Graphic\\NewStyle\\牌打出04.bmp", "Graphic\\NewStyle\\牌打出05.bmp",
         "Graphic\\NewStyle\\自己牌倒01.bmp", "Graphic\\NewStyle\\自己牌倒02.bmp",
         "Graphic\\NewStyle\\自己牌倒03.bmp", "Graphic\\NewStyle\\自己牌倒04.bmp",
         "Graphic\\NewStyle\\自己牌倒05.bmp", "Graphic\\桌面牌.bmp", "Graphic\\level.bmp",
         "Graphic\\圈.bmp", "Graphic\\windps.bmp", "Graphic\\windpe.bmp", "Graphic\\windpn.bmp",
         "Graphic\\windpw.bmp", "Graphic\\pan.bmp", "Graphic\\NewStyle\\弹出.bmp",
         "Graphic\\avatarnone.bmp", "Graphic\\offline.bmp", "Graphic\\kaishi.bmp",
         "Graphic\\shuzi.bmp", "Graphic\\DeskMj.bmp", "Graphic\\NewStyle\\pan.bmp",
         "Graphic\\NewStyle\\position.bmp", "Graphic\\NewStyle\\wind.bmp",
         "Graphic\\NewStyle\\num.bmp", "Graphic\\NewStyle\\banker.bmp"},
        Family("Graphic\\Flower\\Flower_", 0, 9),
        {"Graphic\\Avatar\\1\\Up\\出牌.bmp", "Graphic\\Avatar\\2\\Left\\出牌.bmp",
         "Graphic\\Avatar\\2\\Right\\出牌.bmp", "Graphic\\cursor.bmp", "Graphic\\sparkling.bmp"},
    });
}

Paths ExpectedCatalogue() {
    return Join({kNewStyle ? kNewStyleGroup : kClassicGroup, Portraits(), CommonPictures()});
}

// The classic style registers 108 pictures, the new style 104.
constexpr int kCatalogueSize = kNewStyle ? 104 : 108;

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override { Prepare({}); }

    void TearDown() override {
        draw.reset();
        bGameFileMissing = false;
    }

    // A program folder with the built pictures, less the ones named (UTF-8, '/').
    void Prepare(const std::set<std::string>& missing) {
        draw.reset();
        bGameFileMissing = false;
        bNewStyle = kNewStyle;
        bNetworkStart = 0;
        rendertest::UseProgramFolder(kArea, rendertest::Pictures::FromGame, missing);
        draw = std::make_unique<CMjDraw>();
    }

    // Runs the set-up and answers the registry entries it made.
    int SetUp_() {
        first = SurfaceCount;
        EXPECT_TRUE(draw->InitWindowed());
        return SurfaceCount - first;
    }

    Paths Registered() const {
        return Paths(SurfacePath + first, SurfacePath + SurfaceCount);
    }

    rendertest::RegistryScope registry;  // outlives the renderer below
    platform::testing::MessageBoxRecorder boxes;
    platform::testing::ScopedMessageBoxes boxesInstalled{&boxes};
    platform::testing::FramePresenter presenter{true};
    platform::testing::ScopedPresenter presenterInstalled{&presenter};
    std::unique_ptr<CMjDraw> draw;
    int first = 0;
};

TEST_F(Catalogue, LoadsTheWholeCatalogueInItsOrder) {
    ASSERT_EQ(SetUp_(), kCatalogueSize);
    EXPECT_EQ(Registered(), ExpectedCatalogue());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_FALSE(bGameFileMissing);
    for (int i = first; i < SurfaceCount; ++i) {
        const platform::Surface* surface = *SurfaceList[i];
        ASSERT_NE(surface, nullptr) << SurfacePath[i];
        EXPECT_FALSE(surface->Empty()) << SurfacePath[i];
        const bool gif = SurfacePath[i].size() > 4 && SurfacePath[i].substr(SurfacePath[i].size() - 4) == ".gif";
        EXPECT_EQ(SurfaceKind[i], gif ? kSurfaceImage : kSurfaceBitmap) << SurfacePath[i];
    }
    // The chips are loaded once in either style.
    const Paths paths = Registered();
    EXPECT_EQ(std::count(paths.begin(), paths.end(), "Graphic\\chouma.bmp"), 1);
    // Every surface is in the display's format: the composition surface and the ripple's copy.
    ASSERT_NE(lpDDSPla, nullptr);
    EXPECT_EQ(lpDDSPla->Width(), 800);
    EXPECT_EQ(lpDDSPla->Height(), 600);
    ASSERT_NE(draw->lpDDSRipple, nullptr);
    EXPECT_EQ(draw->lpDDSRipple->Width(), 800);
    EXPECT_EQ(lpDDSSame, nullptr);
    EXPECT_EQ(nScreenFormat, 1);
    EXPECT_EQ(draw->bScreen565, 1);
    EXPECT_EQ(draw->bWindowed, 1);
    ASSERT_NE(draw->pRippleMap[0], nullptr);
}

// The colour key is the top-left pixel of the style's first picture; every picture has it but
// the table background.
TEST_F(Catalogue, KeysEveryPictureButTheBackground) {
    SetUp_();
    const auto source = platform::LoadBmpFile(
        platform::ProgramPath(kNewStyle ? "Graphic\\NewStyle\\mj.bmp" : "Graphic\\chouma.bmp"));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(ColorKey, source->Row(0)[0]);
    EXPECT_EQ(ColorKey, 0xF81F);
    for (int i = first; i < SurfaceCount; ++i) {
        const platform::Surface* surface = *SurfaceList[i];
        const bool background = SurfaceList[i] == &draw->lpDDSRoom;
        EXPECT_EQ(surface->HasColorKey(), !background) << SurfacePath[i];
        if (!background) {
            EXPECT_EQ(surface->ColorKey(), ColorKey) << SurfacePath[i];
        }
    }
}

struct CellSizes {
    MjSize tile, desk, laid[4];
};

// From the built pictures: the classic sheets hold 43 cells across; the new style steps its
// hand by one of the 13 cells of the 624-wide "Graphic\pai.bmp" (48) and its face-up tiles are
// grids of 9 × 4.
const CellSizes kCells = kNewStyle
    ? CellSizes{{48, 75}, {26, 37}, {{36, 48}, {50, 33}, {26, 33}, {50, 33}}}
    : CellSizes{{42, 58}, {26, 37}, {{36, 50}, {40, 30}, {28, 38}, {40, 30}}};

TEST_F(Catalogue, TakesTheCellSizesFromThePictures) {
    SetUp_();
    EXPECT_EQ(draw->nTileW, kCells.tile.w);
    EXPECT_EQ(draw->nTileH, kCells.tile.h);
    EXPECT_EQ(draw->nDeskTileW, kCells.desk.w);
    EXPECT_EQ(draw->nDeskTileH, kCells.desk.h);
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(draw->nLaidTileW[seat].w, kCells.laid[seat].w) << "seat " << seat;
        EXPECT_EQ(draw->nLaidTileW[seat].h, kCells.laid[seat].h) << "seat " << seat;
    }
    // The layout from the loaded pictures: the user's hand anchor.
    draw->ComputeLayout();
    EXPECT_EQ(draw->OwnHandAnchor.x, kNewStyle ? 696 : 702);
    EXPECT_EQ(draw->OwnHandAnchor.y, kNewStyle ? 472 : 487);
}

// An offline start shows "Graphic\LoadGame.bmp" while the pictures load; a start for online
// play shows nothing.
TEST_F(Catalogue, ShowsTheLoadingPictureUnlessStartedForOnlinePlay) {
    SetUp_();
    ASSERT_EQ(presenter.Count(), 1);
    const auto loading = platform::LoadBmpFile(platform::ProgramPath("Graphic\\LoadGame.bmp"));
    ASSERT_NE(loading, nullptr);
    const auto& frame = presenter.Last();
    ASSERT_EQ(frame.width, 800);
    ASSERT_EQ(frame.height, 600);
    EXPECT_TRUE(std::equal(frame.pixels.begin(), frame.pixels.end(), loading->Pixels()));

    Prepare({});
    presenter.Clear();
    bNetworkStart = 1;
    SetUp_();
    EXPECT_EQ(presenter.Count(), 0);
    bNetworkStart = 0;
}

// A missing picture shows the one message, naming the first picture missing, and sets the flag
// that ends the program once the table object is built; the rest of the catalogue still loads.
TEST_F(Catalogue, MissingPictureGivesTheMessageAndTheEndFlag) {
    Prepare({"Graphic/NewStyle/num.bmp", "Graphic/cursor.bmp"});
    EXPECT_EQ(SetUp_(), kCatalogueSize);
    EXPECT_TRUE(bGameFileMissing);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Last().text, "游戏缺少文件，重新安装可能解决该问题。\nGraphic\\NewStyle\\num.bmp");
    EXPECT_EQ(boxes.Last().caption, "警告");
    EXPECT_EQ(draw->lpDDSNum, nullptr);
    EXPECT_EQ(draw->lpDDSCursor, nullptr);
    EXPECT_NE(draw->lpDDSBanker, nullptr);
    EXPECT_NE(lpDDSSparkle, nullptr);
}

// The renderer's end releases the catalogue, its own and the globals', and the frame.
TEST_F(Catalogue, ReleasesEverythingAndKeepsTheStyle) {
    SetUp_();
    ASSERT_NE(lpDDSNewLaid[0], nullptr);
    draw.reset();
    EXPECT_EQ(lpDDSPla, nullptr);
    EXPECT_EQ(lpDDSNewLaid[0], nullptr);
    EXPECT_EQ(lpDDSSparkle, nullptr);
    EXPECT_EQ(lpDDSDrawTile, nullptr);
    EXPECT_EQ(platform::ReadProfileString("Window", "Style", "", platform::ProgramPath("SET.ini")),
              kNewStyle ? "1" : "0");
}

}  // namespace
