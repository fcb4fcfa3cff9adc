// The new style's single pieces: tile sprites and the wild test, the seat plates with their
// winds, names and scores, the flower boxes, the seat marks, the sparkles and the countdown.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "TableStage.h"
#include "graphics/GraphicsGlobals.h"

namespace {

using platform::testing::DrawRecorder;
using tabletest::At;

At Corner(const platform::DrawCall& call) { return {call.dst.left, call.dst.top}; }

// --- Tile sprites ---------------------------------------------------------------------------

TEST(TileSprites, LaidDownTileBySide) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjDraw& draw = *stage.draw;
    const int w = rcNewOwnLaid[2].right / 9, h = rcNewOwnLaid[2].bottom / 4;
    DrawRecorder drawn(*lpDDSPla);
    draw.DrawTile({3, 1}, 0, 100, 200, 1.0, 0);
    draw.DrawTile({3, 1}, 2, 100, 200, 0.5, 0);
    draw.DrawTile({3, 1}, 1, 100, 200, 0.8, 0);
    draw.DrawTile({3, 1}, 3, 100, 200, 0.8, 7);
    draw.DrawTile({3, 4}, 0, 100, 200, 1.0, 0);  // flowers have no laid-down picture
    const auto& calls = drawn.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, platform::DrawKind::BltFast);
    EXPECT_TRUE(tabletest::SameRect(calls[0].src, {2 * w, h, 3 * w, 2 * h}));
    EXPECT_TRUE(tabletest::SameRect(calls[0].dst, {100, 200, 100 + w, 200 + h}));
    EXPECT_TRUE(tabletest::SameRect(calls[1].dst, {100, 200, 126, 233})) << "the opposite seat's size whatever the scale";
    EXPECT_TRUE(tabletest::SameRect(calls[2].dst, {99, 186, 139, 212}));
    EXPECT_EQ(calls[2].source, lpDDSNewLaid[1]);
    EXPECT_EQ(calls[3].source, lpDDSNewLaid[3]);
    EXPECT_TRUE(tabletest::SameRect(calls[3].dst, calls[2].dst)) << "the size argument changes nothing";
    EXPECT_EQ(calls[3].flags, platform::kBltKeySrc | platform::kBltAlphaEdgeBlend);
}

// The dimmed face lies one pixel to the right of the opaque one.
TEST(TileSprites, UprightTileAndItsDimmedTwin) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjDraw& draw = *stage.draw;
    DrawRecorder drawn(*lpDDSPla);
    draw.DrawTileFace({2, 3}, 50, 60, 0, true);
    draw.DrawTileFaceDim({2, 3}, 50, 60, 0, true);
    draw.DrawTileFace({2, 3}, 50, 60, 0, false);
    const auto& calls = drawn.Calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(Corner(calls[1]), At({55, 85}));
    EXPECT_EQ(calls[1].source, draw.lpDDSMjSheet);
    EXPECT_EQ(calls[3].kind, platform::DrawKind::AlphaBlt);
    EXPECT_EQ(calls[3].flags, 120u);
    EXPECT_EQ(Corner(calls[3]), At({56, 85}));
    EXPECT_EQ(calls[4].source, draw.lpDDSPaiSheet) << "without the face flag only the body";
}

TEST(TileSprites, WallPieceCellIsClamped) {
    tabletest::Stage& stage = tabletest::MidHand();
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawWalls(10, 20, 0, 20, 1.0);
    stage.draw->DrawWalls(10, 20, 0, -3, 1.0);
    stage.draw->DrawTileBack(10, 20, 0, 0, 1.0);  // the user's own backs are never drawn
    const auto& calls = drawn.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(tabletest::SameRect(calls[0].src, {403, 0, 434, 31}));
    EXPECT_TRUE(tabletest::SameRect(calls[1].src, {0, 0, 31, 31}));
}

TEST(IsSameTile, OnlyUnderTheWildRule) {
    tabletest::Stage& stage = tabletest::MidHand();
    const CMjDraw& draw = *stage.draw;
    struct Case {
        std::uint8_t rule;
        tagMj a, b;
        bool same;
    };
    const Case cases[] = {
        {1, {5, 1}, {5, 1}, true},   {1, {5, 1}, {5, 2}, false}, {1, {2, 4}, {7, 4}, true},
        {1, {2, 4}, {2, 3}, false},  {0, {5, 1}, {5, 1}, false}, {0, {2, 4}, {7, 4}, false},
    };
    for (const Case& c : cases) {
        bWildRule = c.rule;
        EXPECT_EQ(draw.IsSameTile(c.a, c.b), c.same)
            << int(c.rule) << ": " << int(c.a.value) << "/" << int(c.a.suit) << " " << int(c.b.value) << "/" << int(c.b.suit);
    }
}

// --- Plates and scores ------------------------------------------------------------------------

class Plates : public ::testing::Test {
protected:
    tabletest::Stage& stage = tabletest::MidHand();
    DrawRecorder drawn{*lpDDSPla};

    // The opacity of each plate drawn, by its corner.
    std::vector<std::pair<At, unsigned>> PlatesDrawn() {
        drawn.Clear();
        stage.draw->DrawCenterPanel();
        std::vector<std::pair<At, unsigned>> out;
        for (const platform::DrawCall& call : drawn.From(stage.draw->lpDDSCenterPan))
            out.push_back({Corner(call), call.flags});
        return out;
    }
};

TEST_F(Plates, EverySeatWithAWindGetsItsPlateTheDealerItsMark) {
    const std::vector<std::pair<At, unsigned>> expected = {
        {{40, 560}, 160}, {{550, 12}, 160}, {{340, 12}, 160}, {{100, 12}, 160}};
    EXPECT_EQ(PlatesDrawn(), expected);
    ASSERT_EQ(drawn.From(stage.draw->lpDDSBanker).size(), 1u);
    EXPECT_EQ(Corner(drawn.From(stage.draw->lpDDSBanker)[0]), At({677, 14}));
    // Wind and seat-wind marks 33 left of and 13 right of each plate, 11 above it.
    EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSWindSheet),
              std::vector<At>({{7, 549}, {517, 1}, {307, 1}, {67, 1}}));
    EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSPosition),
              std::vector<At>({{53, 549}, {563, 1}, {353, 1}, {113, 1}}));
}

TEST_F(Plates, NoWindNoPlateExceptTheDealers) {
    stage.table->Player[2].menfeng = 0;
    stage.table->Player[1].menfeng = 0;  // the dealer keeps its plate
    stage.table->Player[3].quanfeng = 0;
    const std::vector<std::pair<At, unsigned>> expected = {
        {{40, 560}, 160}, {{550, 12}, 160}, {{100, 12}, 160}};
    EXPECT_EQ(PlatesDrawn(), expected);
    EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSPosition),
              std::vector<At>({{53, 549}, {113, 1}}));
    EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSWindSheet),
              std::vector<At>({{7, 549}, {517, 1}, {307, 1}}));
}

TEST_F(Plates, OnlineTheSeatToPlayBlinks) {
    stage.table->netgame = 1;
    stage.table->curplayer = 3;
    stage.table->blink = 1;
    EXPECT_EQ(PlatesDrawn()[3].second, 120u);
    EXPECT_EQ(PlatesDrawn()[0].second, 160u);
    stage.table->blink = 0;
    EXPECT_EQ(PlatesDrawn()[3].second, 160u);
}

TEST_F(Plates, NamesInWhiteOnThePlates) {
    stage.draw->DrawCenterPanel();
    const std::vector<platform::DrawCall> names = drawn.Of(platform::DrawKind::DrawText);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[1].text, std::string("小静"));
    EXPECT_TRUE(tabletest::SameRect(names[1].dst, {612, 16, 716, 36}));
    EXPECT_EQ(names[1].color, 0xFFFFFFu);
    EXPECT_EQ(names[1].font.weight, 600);
}

// Scores on seat 0's plate at (40, 560): cells 12 apart from (70, 578), no leading zeros but 0
// itself, a negative score after the minus sign (cell 10); above 100,000,000 the number as
// text at (102, 580).
TEST_F(Plates, Scores) {
    struct Case {
        int score;
        std::vector<int> digits;
        const char* text;
    };
    const Case cases[] = {
        {0, {0}, nullptr},
        {7, {7}, nullptr},
        {-250, {10, 2, 5, 0}, nullptr},
        {-3, {10, 3}, nullptr},
        {100000000, {1, 0, 0, 0, 0, 0, 0, 0, 0}, nullptr},
        {100000001, {}, "100000001"},
        {INT_MIN, {10, 1, 4, 7, 4, 8, 3, 6, 4, 8}, nullptr},
    };
    for (const Case& c : cases) {
        for (CMjPlayer& p : stage.table->Player) p.score = 0;
        stage.table->Player[0].score = c.score;
        drawn.Clear();
        stage.draw->DrawScores(stage.table);
        std::vector<int> digits;
        std::vector<platform::DrawCall> cells = drawn.From(stage.draw->lpDDSNum);
        // The other seats' plates show their 0.
        cells.erase(std::remove_if(cells.begin(), cells.end(),
                                   [](const platform::DrawCall& call) { return call.dst.top != 578; }),
                    cells.end());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            digits.push_back(cells[i].src.left / 12);
            EXPECT_EQ(Corner(cells[i]), At({70 + 12 * static_cast<int>(i), 578})) << c.score;
            EXPECT_EQ(cells[i].flags, 220u);
        }
        EXPECT_EQ(digits, c.digits) << c.score;
        const std::vector<platform::DrawCall> texts = drawn.Of(platform::DrawKind::TextOut);
        if (c.text) {
            ASSERT_EQ(texts.size(), 1u) << c.score;
            EXPECT_EQ(texts[0].text, c.text);
            EXPECT_EQ(Corner(texts[0]), At({102, 580}));
            EXPECT_EQ(texts[0].color, 0x639FE5u);
        } else {
            EXPECT_TRUE(texts.empty()) << c.score;
        }
    }
}

// --- Flower boxes, marks, sparkles, countdown -------------------------------------------------

// Each box: the box, the flower 16 right and 14 down, the count picture (count + 2) 25 right
// and 9 down; eight flowers show the last count picture.
TEST(FlowerBoxes, CountPictures) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjDraw& draw = *stage.draw;
    stage.table->Player[1].flowers = -1;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    EXPECT_EQ(tabletest::CornersOf(drawn, draw.lpDDSFlower[0]),
              std::vector<At>({{10, 300}, {475, 180}, {754, 300}, {6, 510}}));
    EXPECT_EQ(tabletest::CornersOf(drawn, draw.lpDDSFlower[1]),
              std::vector<At>({{26, 314}, {491, 194}, {770, 314}, {22, 524}}));
    EXPECT_EQ(tabletest::CornersOf(drawn, draw.lpDDSFlower[9]), std::vector<At>({{35, 309}}));
    EXPECT_EQ(tabletest::CornersOf(drawn, draw.lpDDSFlower[3]), std::vector<At>({{500, 189}}));
    EXPECT_EQ(tabletest::CornersOf(drawn, draw.lpDDSFlower[2]), std::vector<At>({{779, 309}}));
    EXPECT_EQ(tabletest::CornersOf(drawn, draw.lpDDSFlower[4]), std::vector<At>({{31, 519}}));
}

TEST(SeatMarks, ReadyMarksInSeatOrderThreeOneZeroTwo) {
    tabletest::Stage& stage = tabletest::MidHand();
    for (CMjPlayer& p : stage.table->Player) p.ting = 1;
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawPlayerState(stage.table->Player);
    EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSState),
              std::vector<At>({{173, 191}, {572, 191}, {95, 426}, {255, 168}}));
}

// Online only: Start marks between hands, robot marks at any time, for occupied seats.
TEST(SeatMarks, StartAndRobotMarksOnline) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjDraw& draw = *stage.draw;
    for (CMjPlayer& p : stage.table->Player) p.occupied = p.started = p.robot = 1;
    stage.table->Player[2].occupied = 0;
    DrawRecorder drawn(*lpDDSPla);
    const auto marks = [&] {
        drawn.Clear();
        draw.DrawStartMarks();
        draw.DrawOfflineMarks(stage.table->Player);
        return std::make_pair(tabletest::CornersOf(drawn, draw.lpDDSStart),
                              tabletest::CornersOf(drawn, draw.lpDDSOffline));
    };
    EXPECT_TRUE(marks().first.empty() && marks().second.empty()) << "offline";
    stage.table->netgame = 1;
    EXPECT_TRUE(marks().first.empty()) << "a hand is running";
    EXPECT_EQ(marks().second, std::vector<At>({{130, 310}, {622, 310}, {380, 490}}));
    stage.table->state = kHandOver;
    EXPECT_EQ(marks().first, std::vector<At>({{130, 310}, {622, 310}, {364, 490}}));
}

TEST(SeatMarks, SparklesOfMarkedUsers) {
    tabletest::Stage& stage = tabletest::MidHand();
    stage.table->Player[1].occupied = 1;
    stage.table->Player[1].usermark = 2;
    stage.table->Player[2].occupied = 1;  // no mark
    stage.table->Player[3].usermark = 1;  // not seated
    stage.table->portraitphase = 2;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    const std::vector<platform::DrawCall> sparkles = drawn.From(lpDDSSparkle);
    ASSERT_EQ(sparkles.size(), 1u);
    EXPECT_EQ(Corner(sparkles[0]), At({594, 3}));
    EXPECT_TRUE(tabletest::SameRect(sparkles[0].src, {20, 0, 30, rcSparkle.bottom}));
}

// Online while a hand runs, the last four seconds of a countdown as one digit.
TEST(Countdown, LastSecondsOnline) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMj& table = *stage.table;
    table.netgame = 1;
    table.Timer(kTimerDiscardCount)->enabled = true;
    const int cw = stage.draw->rcDigits.right / 10;
    struct Case {
        int countdown;
        bool shown;
    };
    for (const Case c : {Case{5, false}, Case{4, true}, Case{0, true}}) {
        table.countdown = c.countdown;
        DrawRecorder drawn(*lpDDSPla);
        stage.draw->DrawDigits();
        const std::vector<platform::DrawCall> digits = drawn.From(stage.draw->lpDDSDigits);
        ASSERT_EQ(digits.size(), c.shown ? 1u : 0u) << c.countdown;
        if (c.shown) {
            EXPECT_EQ(digits[0].src.left, cw * c.countdown);
            EXPECT_EQ(Corner(digits[0]), At({800 - cw - 30, 422}));
        }
    }
    table.Timer(kTimerDiscardCount)->enabled = false;
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawDigits();
    EXPECT_TRUE(drawn.Calls().empty()) << "no countdown running";
}

}  // namespace
