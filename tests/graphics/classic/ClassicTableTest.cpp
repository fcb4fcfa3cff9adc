// The middle of the classic table, by the calls recorded on the frame: rivers of every length
// in their rows and columns, wall stacks at both ends of each side, the dice by the throwing
// seat's side, the banners by byte, the tiles in play and the flying pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ClassicStage.h"
#include "graphics/GraphicsGlobals.h"

namespace {

using classictest::At;
using classictest::CornerOf;
using classictest::CopiesFrom;
using classictest::DrawRecorder;
using platform::DrawKind;

// --- Rivers ---------------------------------------------------------------------------------

// Consecutive tiles in one row (same y) or, for the side seats, one column (same x).
std::vector<int> RunLengths(const std::vector<At>& corners, bool columns) {
    std::vector<int> runs;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const bool sameRun = i > 0 && (columns ? corners[i].x == corners[i - 1].x
                                               : corners[i].y == corners[i - 1].y);
        if (sameRun)
            ++runs.back();
        else
            runs.push_back(1);
    }
    return runs;
}

// Where tile j of run r lies: the run's start moves by `rowShift` a run, tiles by `step`.  The
// user's single-tile runs after the sixth rise straight above the sixth run's tile.
struct RiverGeometry {
    MjPoint start;
    MjPoint rowShift;
    MjPoint step;
    bool riseAfterSixthRun;
};

std::vector<At> ExpectedCorners(const RiverGeometry& g, const std::vector<int>& runs) {
    std::vector<At> out;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const int shifts = g.riseAfterSixthRun && r >= 6 ? 5 : static_cast<int>(r);
        const int x = g.start.x + g.rowShift.x * shifts;
        const int y = g.start.y + g.rowShift.y * static_cast<int>(r);
        for (int j = 0; j < runs[r]; ++j) out.push_back({x + g.step.x * j, y + g.step.y * j});
    }
    return out;
}

std::vector<int> Runs(std::initializer_list<int> first, int singles) {
    std::vector<int> runs(first);
    runs.insert(runs.end(), static_cast<std::size_t>(singles), 1);
    return runs;
}

struct RiverCase {
    int seat;
    int count;
    std::vector<int> runs;
};

// Rows of 11, 9, 7, 5, 3, 1 for seats 0 and 2 (36 tiles), columns of 9, 7, 5, 3, 1 for the
// side seats (25 tiles); every further tile starts a run of its own.
const RiverCase kRiverCases[] = {
    {0, 36, Runs({11, 9, 7, 5, 3, 1}, 0)},  {0, 40, Runs({11, 9, 7, 5, 3, 1}, 4)},
    {2, 36, Runs({11, 9, 7, 5, 3, 1}, 0)},  {2, 40, Runs({11, 9, 7, 5, 3, 1}, 4)},
    {1, 36, Runs({9, 7, 5, 3, 1}, 11)},     {1, 40, Runs({9, 7, 5, 3, 1}, 15)},
    {3, 36, Runs({9, 7, 5, 3, 1}, 11)},     {3, 40, Runs({9, 7, 5, 3, 1}, 15)},
    {0, 11, Runs({11}, 0)},                 {0, 12, Runs({11, 1}, 0)},
    {1, 1, Runs({1}, 0)},
};

class ClassicRivers : public ::testing::Test {
protected:
    void SetUp() override {
        stage_ = &classictest::ClassicMidHand();
        for (CMjPlayer& p : stage_->table->Player) p.rivernum = 0;
    }
    CMjDraw& Draw() { return *stage_->draw; }

    // The calls of one seat's river: the user's on the river sheet, the others' on their
    // lying sheets.
    std::vector<platform::DrawCall> RiverOf(int seat, int count) {
        classictest::FillRiver(stage_->table->Player[seat], count);
        DrawRecorder drawn(*lpDDSPla);
        Draw().DrawRiversClassic(stage_->table->Player);
        stage_->table->Player[seat].rivernum = 0;
        const platform::Surface* sheet = seat == 0 ? Draw().lpDDSDeskTiles : Draw().lpDDSLaidTiles[seat];
        return CopiesFrom(drawn, sheet, DrawKind::BltFast);
    }

    RiverGeometry GeometryOf(int seat) {
        const CMjDraw& d = Draw();
        const int wd = d.nDeskTileW;
        const int hd = d.nDeskTileH - 8;
        const MjSize w = d.nLaidTileW[seat];
        switch (seat) {
        case 0: return {{255 - wd, 397}, {wd, -hd}, {wd, 0}, true};
        case 2: return {{540, 140}, {-w.w, w.h - 8}, {-w.w, 0}, false};
        case 3: return {{210, 190 - w.h}, {w.w, w.h - 8}, {0, w.h - 8}, false};
        default: return {{558, 373}, {-w.w, -(w.h - 8)}, {0, -(w.h - 8)}, false};
        }
    }

    tabletest::Stage* stage_ = nullptr;
};

TEST_F(ClassicRivers, FillTheirRowsAndColumnsThenRiseOneTileARow) {
    for (const RiverCase& c : kRiverCases) {
        const std::vector<platform::DrawCall> calls = RiverOf(c.seat, c.count);
        std::vector<At> corners;
        for (const platform::DrawCall& call : calls) corners.push_back(CornerOf(call));
        const bool columns = c.seat == 1 || c.seat == 3;
        EXPECT_EQ(RunLengths(corners, columns), c.runs) << "seat " << c.seat << ", " << c.count;
        EXPECT_EQ(corners, ExpectedCorners(GeometryOf(c.seat), c.runs))
            << "seat " << c.seat << ", " << c.count;
    }
}

// Later rows would cover the row in front of them: the user's tiles after the first row, and
// seat 1's tiles after the first of each column, leave out their lowest 8 rows.
TEST_F(ClassicRivers, LeaveOutTheRowsTheNextRowCovers) {
    for (int seat = 0; seat < 4; ++seat) {
        const std::vector<platform::DrawCall> calls = RiverOf(seat, 40);
        const std::vector<int> runs = RunLengths([&] {
            std::vector<At> corners;
            for (const platform::DrawCall& call : calls) corners.push_back(CornerOf(call));
            return corners;
        }(), seat == 1 || seat == 3);
        const int full = seat == 0 ? Draw().nDeskTileH : Draw().nLaidTileW[seat].h;
        std::size_t i = 0;
        for (std::size_t r = 0; r < runs.size(); ++r) {
            for (int j = 0; j < runs[r]; ++j, ++i) {
                const bool cropped = (seat == 0 && i >= 11) || (seat == 1 && j > 0);
                EXPECT_EQ(calls[i].src.bottom - calls[i].src.top, cropped ? full - 8 : full)
                    << "seat " << seat << ", tile " << i;
            }
        }
    }
}

// The seats' rivers are drawn 0, 2, 3, 1; a tile of no suit the sheets hold leaves a gap.
TEST_F(ClassicRivers, DrawnSeatZeroTwoThreeOneAndSkipTilesWithoutACell) {
    CMjPlayer* seats = stage_->table->Player;
    for (int s = 0; s < 4; ++s) classictest::FillRiver(seats[s], 2);
    seats[0].River[1] = classictest::T(1, 5);
    DrawRecorder drawn(*lpDDSPla);
    Draw().DrawRiversClassic(seats);
    std::vector<const platform::Surface*> order;
    for (const platform::DrawCall& call : drawn.Calls()) order.push_back(call.source);
    const CMjDraw& d = Draw();
    EXPECT_EQ(order, (std::vector<const platform::Surface*>{
                         d.lpDDSDeskTiles, d.lpDDSLaidTiles[2], d.lpDDSLaidTiles[2],
                         d.lpDDSLaidTiles[3], d.lpDDSLaidTiles[3], d.lpDDSLaidTiles[1],
                         d.lpDDSLaidTiles[1]}));
}

// A discard made with the hide item lies face down in its seat's river: the back in the spare
// last cell of the river sheet, in the tile's place.  A saved desk, loaded again, still knows
// it as the user's second discard.
TEST(ClassicHiddenDiscard, LiesFaceDownInTheRiverAlsoAfterALoad) {
    tabletest::Stage& stage = classictest::ClassicLateHandWithMelds();
    CMjDraw& draw = *stage.draw;
    const int wd = draw.nDeskTileW;
    const auto river = [&] {
        DrawRecorder drawn(*lpDDSPla);
        draw.DrawRiversClassic(stage.table->Player);
        return CopiesFrom(drawn, draw.lpDDSDeskTiles, DrawKind::BltFast);
    };
    const auto expectSecondFaceDown = [&](const char* when) {
        const std::vector<platform::DrawCall> calls = river();
        ASSERT_EQ(calls.size(), 4u) << when;
        for (std::size_t i = 0; i < calls.size(); ++i)
            EXPECT_EQ(calls[i].src.left == 42 * wd, i == 1) << when << ", tile " << i;
        EXPECT_EQ(CornerOf(calls[1]), At({255, 397})) << when;
    };
    expectSecondFaceDown("live");
    std::vector<std::uint8_t> bytes;
    draw.SaveDesk(bytes);
    draw.ClearDesk();
    draw.LoadDesk(bytes.data());
    expectSecondFaceDown("loaded");

    // The other seats' rivers keep their faces.
    for (int seat = 1; seat < 4; ++seat)
        for (int i = 0; i < stage.table->Player[seat].rivernum; ++i)
            EXPECT_FALSE(draw.RiverTileHidden(seat, i)) << seat << ", " << i;
}

// --- Walls ----------------------------------------------------------------------------------

struct WallCase {
    int stack;
    int height;
    int side;           // its wall origin and picture
    int along;          // stacks from the side's origin
    const char* picture;
};

// The end stacks of each side: the near wall runs 17..0 from its origin, the left wall
// 35..18, the far wall 36..53 and the right wall 54..71.
const WallCase kWallCases[] = {
    {0, 2, 0, 17, "Graphic\\cc2.bmp"},  {17, 1, 0, 0, "Graphic\\cc2.bmp"},
    {18, 2, 3, 17, "Graphic\\cc1.bmp"}, {35, 1, 3, 0, "Graphic\\cc1.bmp"},
    {36, 2, 2, 0, "Graphic\\cc2.bmp"},  {53, 1, 2, 17, "Graphic\\cc2.bmp"},
    {54, 2, 1, 0, "Graphic\\cc1.bmp"},  {71, 1, 1, 17, "Graphic\\cc1.bmp"},
    {40, 0, 2, 4, ""},
};

TEST(ClassicWalls, StacksStandAtTheirPlacesWithTheUpperTileLifted) {
    tabletest::Stage& stage = classictest::ClassicMidHand();
    const CMjDraw& d = *stage.draw;
    for (const WallCase& c : kWallCases) {
        std::uint8_t heights[72] = {};
        heights[c.stack] = static_cast<std::uint8_t>(c.height);
        DrawRecorder drawn(*lpDDSPla);
        stage.draw->DrawWallsClassic(heights);
        const bool horizontal = c.side == 0 || c.side == 2;
        const MjPoint o = d.WallOrigin[c.side];
        const At lower = horizontal ? At{o.x + d.rcWallStack[0].right * c.along, o.y}
                                    : At{o.x, o.y + 15 * c.along};
        std::vector<At> expected;
        if (c.height >= 1) expected.push_back(lower);
        if (c.height >= 2) expected.push_back({lower.x, lower.y - (horizontal ? 5 : 8)});
        std::vector<At> corners;
        for (const platform::DrawCall& call : drawn.Calls()) {
            corners.push_back(CornerOf(call));
            EXPECT_EQ(call.sourceName, c.picture) << "stack " << c.stack;
            EXPECT_EQ(call.flags, platform::kBltFastWait | platform::kBltFastSrcColorKey);
        }
        EXPECT_EQ(corners, expected) << "stack " << c.stack;
    }
}

// --- Tiles in play --------------------------------------------------------------------------

TEST(ClassicPlayedTiles, StandAtTheHandPositionDimmedWhileHidden) {
    tabletest::Stage& stage = classictest::ClassicMidHand();
    CMjDraw& d = *stage.draw;
    CMjPlayer* seats = stage.table->Player;
    seats[1].played = 1;
    seats[1].PlayMj = classictest::T(3, 1);
    seats[1].hidemj = 1;
    DrawRecorder drawn(*lpDDSPla);
    d.DrawPlayedTilesClassic(seats);
    const std::vector<platform::DrawCall> calls = drawn.From(d.lpDDSHandTiles);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, DrawKind::AlphaBlt);
    EXPECT_EQ(calls[0].flags, 120u);
    EXPECT_EQ(CornerOf(calls[0]), At({d.HandPos[1].x, d.HandPos[1].y}));
    EXPECT_EQ(calls[0].src.left, d.nTileW * 11) << "3 bamboo, face up";
    EXPECT_EQ(calls[1].kind, DrawKind::BltFast);
    EXPECT_EQ(CornerOf(calls[1]), At({d.HandPos[3].x, d.HandPos[3].y}));
    EXPECT_EQ(calls[1].src.left, d.nTileW * 5) << "6 characters";
}

// --- Dice -----------------------------------------------------------------------------------

// The second die lies below the first when a side seat threw, else to its right.
TEST(ClassicDice, SecondDieBelowForASideSeatBesideOtherwise) {
    tabletest::Stage& stage = classictest::ClassicMidHand();
    CMjDraw& d = *stage.draw;
    d.FlightPos = {300, 200};
    d.nDice1 = 3;
    d.nDice2 = 6;
    d.bDiceShown = 1;
    for (int seat = 0; seat < 4; ++seat) {
        d.nDiceSeat = seat;
        DrawRecorder drawn(*lpDDSPla);
        d.DrawDiceClassic();
        const std::vector<platform::DrawCall> calls = drawn.From(d.lpDDSDice);
        ASSERT_EQ(calls.size(), 2u);
        const At second = seat % 2 ? At{300, 240} : At{340, 200};
        EXPECT_EQ(CornerOf(calls[0]), At({300, 200})) << "seat " << seat;
        EXPECT_EQ(CornerOf(calls[1]), second) << "seat " << seat;
        EXPECT_TRUE(tabletest::SameRect(calls[0].src, {66, 0, 99, 33})) << "3 is cell 2";
        EXPECT_TRUE(tabletest::SameRect(calls[1].src, {165, 0, 198, 33})) << "6 is cell 5";
    }
    d.bDiceShown = 0;
}

// While the dice roll both show frame 6 + step; a step past the sheet's last frame draws
// nothing.  Neither rolling nor shown: no dice.
TEST(ClassicDice, RollingFramesThenNothingPastTheSheet) {
    tabletest::Stage& stage = classictest::ClassicMidHand();
    CMjDraw& d = *stage.draw;
    d.FlightPos = {300, 200};
    d.nDiceSeat = 0;
    d.nAnimKind = CMjDraw::kAnimDice;
    d.nFlightStep = 4;
    {
        DrawRecorder drawn(*lpDDSPla);
        d.DrawDiceClassic();
        const std::vector<platform::DrawCall> calls = drawn.From(d.lpDDSDice);
        ASSERT_EQ(calls.size(), 2u);
        for (const platform::DrawCall& call : calls)
            EXPECT_TRUE(tabletest::SameRect(call.src, {330, 0, 363, 33}));
    }
    d.nFlightStep = 15;
    const std::vector<std::uint16_t> before(lpDDSPla->Pixels(), lpDDSPla->Pixels() + 800 * 600);
    d.DrawDiceClassic();
    EXPECT_TRUE(std::equal(before.begin(), before.end(), lpDDSPla->Pixels()));

    d.nAnimKind = CMjDraw::kAnimNone;
    DrawRecorder drawn(*lpDDSPla);
    d.DrawDiceClassic();
    EXPECT_TRUE(drawn.Calls().empty());
}

// --- Banners --------------------------------------------------------------------------------

TEST(ClassicBanners, EachByteShowsItsPictureAtTheSeatsBannerPosition) {
    const char* kPictures[] = {nullptr, "Graphic\\碰.bmp", "Graphic\\杠.bmp", "Graphic\\胡.bmp",
                               "Graphic\\点炮.bmp", "Graphic\\吃.bmp", nullptr, nullptr};
    tabletest::Stage& stage = classictest::ClassicMidHand();
    CMjDraw& d = *stage.draw;
    CMjPlayer* seats = stage.table->Player;
    for (int byte = 0; byte < 8; ++byte) {
        for (int s = 0; s < 4; ++s) seats[s].action = 0;
        const int seat = byte % 4;
        seats[seat].action = static_cast<unsigned char>(byte);
        DrawRecorder drawn(*lpDDSPla);
        d.DrawActionBannerClassic(seats);
        if (kPictures[byte] == nullptr) {
            EXPECT_TRUE(drawn.Calls().empty()) << "byte " << byte;
            continue;
        }
        ASSERT_EQ(drawn.Calls().size(), 1u) << "byte " << byte;
        EXPECT_EQ(drawn.Calls()[0].sourceName, kPictures[byte]);
        EXPECT_EQ(CornerOf(drawn.Calls()[0]), At({d.BannerPos[seat].x, d.BannerPos[seat].y}));
    }
}

// --- Flights --------------------------------------------------------------------------------

// A user's discard or a claimed tile flies on the river sheet, another seat's discard on its
// lying sheet, whole; a tile from the wall flies as its side's wall piece.
TEST(ClassicFlights, TilesFlyAsTheyWillLie) {
    tabletest::Stage& stage = classictest::ClassicMidHand();
    CMjDraw& d = *stage.draw;
    d.FlightPos = {320, 330};
    d.FlyMj = classictest::T(2, 2);
    struct FlightCase {
        std::uint8_t kind;
        int seat;
        int side;
        const platform::Surface* picture;
        platform::Rect src;
    };
    const int dw = d.nDeskTileW;
    const MjSize w2 = d.nLaidTileW[2];
    const FlightCase cases[] = {
        {CMjDraw::kAnimTileFlight, 0, 0, d.lpDDSDeskTiles, {19 * dw, 0, 20 * dw, d.nDeskTileH}},
        {CMjDraw::kAnimTileFlight, 2, 0, d.lpDDSLaidTiles[2], {19 * w2.w, 0, 20 * w2.w, w2.h}},
        {CMjDraw::kAnimWallFlight, 0, 1, d.lpDDSWallStack[1], d.rcWallStack[1]},
        {CMjDraw::kAnimWallFlight, 0, 2, d.lpDDSWallStack[2], d.rcWallStack[2]},
    };
    for (const FlightCase& c : cases) {
        d.nAnimKind = c.kind;
        d.nFlightSeat = c.seat;
        d.nWallSide = c.side;
        DrawRecorder drawn(*lpDDSPla);
        tabletest::Compose(stage);
        const std::vector<platform::DrawCall> at = [&] {
            std::vector<platform::DrawCall> out;
            for (const platform::DrawCall& call : drawn.From(c.picture))
                if (CornerOf(call) == At{320, 330}) out.push_back(call);
            return out;
        }();
        ASSERT_EQ(at.size(), 1u) << "kind " << int(c.kind) << " seat " << c.seat;
        EXPECT_TRUE(tabletest::SameRect(at[0].src, c.src));
    }
    d.nAnimKind = CMjDraw::kAnimNone;
}

}  // namespace
