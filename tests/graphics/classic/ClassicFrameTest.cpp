// One whole classic frame: the order of its parts (the rivers in the place of the turn
// pointer, the user's name in the place of the seat texts), the centre with its winds, flower
// boxes and turn marker, and the shared tail after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ClassicStage.h"
#include "graphics/GraphicsGlobals.h"

namespace {

using classictest::At;
using classictest::CornerOf;
using classictest::DrawRecorder;
using platform::DrawCall;
using platform::DrawKind;

// The named parts of a frame in the order they first appear.
std::vector<std::string> FirstAppearances(const DrawRecorder& drawn,
                                          const std::function<std::string(const DrawCall&)>& name) {
    std::vector<std::string> order;
    for (const DrawCall& call : drawn.Calls()) {
        const std::string part = name(call);
        if (!part.empty() && std::find(order.begin(), order.end(), part) == order.end())
            order.push_back(part);
    }
    return order;
}

class ClassicFrame : public ::testing::Test {
protected:
    void SetUp() override {
        stage_ = &classictest::ClassicMidHand();
        seats_ = stage_->table->Player;
    }
    void TearDown() override {
        CMj& t = *stage_->table;
        t.netgame = 0;
        t.Timer(kTimerDiscardCount)->enabled = false;
        D().bDiceShown = 0;
        D().nAnimKind = CMjDraw::kAnimNone;
    }
    CMjDraw& D() { return *stage_->draw; }
    CMj& Table() { return *stage_->table; }

    // What each call of the frame draws, named by its picture (and for the standing sheet by
    // where it stands).
    std::string PartOf(const DrawCall& call) {
        const CMjDraw& d = D();
        const auto in = [&](const platform::Surface* const* pictures, int n) {
            return std::find(pictures, pictures + n, call.source) != pictures + n;
        };
        if (call.source == d.lpDDSRoom) return "room";
        if (call.source == d.lpDDSCenter1) return "centre plate";
        if (call.source == d.lpDDSRuleBadge[1]) return "rule badge";
        if (call.source == d.lpDDSRound) return "prevailing wind";
        if (in(d.lpDDSWind, 4)) return "seat winds";
        if (call.source == d.lpDDSFlower[0]) return "flower boxes";
        if (call.source == d.lpDDSState) return "ready marks";
        if (in(d.lpDDSPortrait, 4)) return "pictures";
        if (call.source == d.lpDDSDeskTiles && call.kind == DrawKind::BltFast) return "rivers";
        if (in(d.lpDDSWallStack, 4)) return "walls";
        if (call.source == d.lpDDSHandTiles)
            return CornerOf(call) == At{d.HandPos[3].x, d.HandPos[3].y} ? "tile in play" : "own hand";
        if (call.source == d.lpDDSLaidTiles[0]) return "own melds";
        if (call.source == d.lpDDSDice) return "dice";
        if (call.kind == DrawKind::DrawText && call.text == seats_[0].name) return "own name";
        if (call.source == d.lpDDSChips) return "chips";
        if (call.source == lpDDSSparkle) return "sparkles";
        if (call.source == d.lpDDSSeatHand[2]) return "opposite hand";
        if (call.source == d.lpDDSSeatHand[1]) return "right hand";
        if (call.source == d.lpDDSSeatHand[3]) return "left hand";
        if (call.source == d.lpDDSClaim[4]) return "banner";
        return "";
    }

    tabletest::Stage* stage_ = nullptr;
    CMjPlayer* seats_ = nullptr;
};

// The rivers come after the seat pictures and before the walls: a frame that draws no river
// names them only for the wild tile at its end.
TEST_F(ClassicFrame, ClassicOrder) {
    seats_[2].ting = 1;
    seats_[1].occupied = 1;
    seats_[1].usermark = 1;
    D().bDiceShown = 1;
    D().nDice1 = 2;
    D().nDice2 = 5;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(*stage_);
    const std::vector<std::string> expected = {
        "room",        "centre plate", "rule badge", "prevailing wind", "seat winds",
        "flower boxes", "ready marks", "pictures",   "rivers",          "walls",
        "tile in play", "own melds",   "dice",       "own name",        "chips",
        "sparkles",    "own hand",     "opposite hand", "right hand",   "left hand",
        "banner"};
    EXPECT_EQ(FirstAppearances(drawn, [&](const DrawCall& c) { return PartOf(c); }), expected);
    ASSERT_FALSE(drawn.Calls().empty());
    EXPECT_EQ(drawn.Calls().front().flags, platform::kBltFastWait) << "the room is copied opaque";
}

// The prevailing wind's cell at the top left; each seat's wind blended faintly from its own
// picture, none for a seat without a wind.
TEST_F(ClassicFrame, WindsFromTheirCells) {
    seats_[0].quanfeng = 3;
    seats_[2].menfeng = 0;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(*stage_);
    const std::vector<DrawCall> round = drawn.From(D().lpDDSRound);
    ASSERT_EQ(round.size(), 1u);
    const int cell = D().rcRound.right / 4;
    EXPECT_TRUE(tabletest::SameRect(round[0].src, {2 * cell, 0, 3 * cell, D().rcRound.bottom}));
    EXPECT_EQ(CornerOf(round[0]), At({5, 36}));
    const At at[4] = {{575, 440}, {632, 138}, {200, 108}, {143, 384}};
    for (int s = 0; s < 4; ++s) {
        const std::vector<DrawCall> wind = drawn.From(D().lpDDSWind[s]);
        if (s == 2) {
            EXPECT_TRUE(wind.empty());
            continue;
        }
        ASSERT_EQ(wind.size(), 1u) << "seat " << s;
        const int w = D().rcWind[s].right / 4;
        const int c = seats_[s].menfeng - 1;
        EXPECT_EQ(wind[0].kind, DrawKind::AlphaBlt);
        EXPECT_EQ(wind[0].flags, 80u);
        EXPECT_EQ(wind[0].src.left, c * w) << "seat " << s;
        EXPECT_EQ(CornerOf(wind[0]), at[s]);
    }
}

// The boxes of seats 3, 2, 1, 0 with the flower icon and the count; online a seat nobody
// occupies has none.
TEST_F(ClassicFrame, FlowerBoxesOfTheSeatsAtTheTable) {
    Table().netgame = 1;
    for (int s = 0; s < 4; ++s) seats_[s].occupied = s != 2;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(*stage_);
    std::vector<At> boxes;
    for (const DrawCall& call : drawn.From(D().lpDDSFlower[0])) boxes.push_back(CornerOf(call));
    EXPECT_EQ(boxes, (std::vector<At>{{31, 148}, {730, 148}, {6, 535}}));
    std::vector<At> icons;
    for (const DrawCall& call : drawn.From(D().lpDDSFlower[1])) icons.push_back(CornerOf(call));
    EXPECT_EQ(icons, (std::vector<At>{{52, 155}, {751, 155}, {27, 542}}));
    // Seat 3 holds all eight flowers: the last count picture; seat 0 two.
    ASSERT_EQ(drawn.From(D().lpDDSFlower[9]).size(), 1u);
    EXPECT_EQ(CornerOf(drawn.From(D().lpDDSFlower[9])[0]), At({61, 152}));
    ASSERT_EQ(drawn.From(D().lpDDSFlower[4]).size(), 1u);
    EXPECT_EQ(CornerOf(drawn.From(D().lpDDSFlower[4])[0]), At({36, 539}));
}

// The marker points at the seat to play while a hand runs and no dice roll or lie, with the
// countdown's two digits when it is 0 to 99.
TEST_F(ClassicFrame, TurnMarkerAndCountdown) {
    const At markers[4] = {{385, 302}, {421, 268}, {385, 236}, {353, 268}};
    const int digit = D().rcCenter6.right / 10;
    Table().Timer(kTimerDiscardCount)->enabled = true;
    Table().countdown = 37;
    for (int seat = 0; seat < 4; ++seat) {
        Table().curplayer = seat;
        DrawRecorder drawn(*lpDDSPla);
        tabletest::Compose(*stage_);
        std::vector<At> shown;
        for (int s = 0; s < 4; ++s)
            for (const DrawCall& call : drawn.From(D().lpDDSCenterMid[s])) {
                EXPECT_EQ(s, seat);
                shown.push_back(CornerOf(call));
            }
        EXPECT_EQ(shown, std::vector<At>({markers[seat]}));
        const std::vector<DrawCall> digits = drawn.From(D().lpDDSCenter6);
        ASSERT_EQ(digits.size(), 2u);
        EXPECT_EQ(digits[0].src.left, 3 * digit);
        EXPECT_EQ(CornerOf(digits[0]), At({382, 271}));
        EXPECT_EQ(digits[1].src.left, 7 * digit);
        EXPECT_EQ(CornerOf(digits[1]), At({399, 271}));
    }

    struct Hidden {
        const char* why;
        std::function<void()> set;
        bool markerShown;
    };
    const Hidden cases[] = {
        {"countdown 100", [&] { Table().countdown = 100; }, true},
        {"dice rolling", [&] { D().nAnimKind = CMjDraw::kAnimDice; }, false},
        {"dice shown", [&] { D().bDiceShown = 1; }, false},
        {"between hands", [&] { Table().state = kHandOver; }, false},
        {"nobody to play", [&] { Table().curplayer = -1; }, false},
    };
    for (const Hidden& c : cases) {
        classictest::ClassicMidHand();
        TearDown();
        Table().Timer(kTimerDiscardCount)->enabled = true;
        Table().countdown = 37;
        c.set();
        DrawRecorder drawn(*lpDDSPla);
        tabletest::Compose(*stage_);
        EXPECT_EQ(drawn.From(D().lpDDSCenterMid[0]).size(), c.markerShown ? 1u : 0u) << c.why;
        EXPECT_TRUE(drawn.From(D().lpDDSCenter6).empty()) << c.why;
    }
}

// The tail both styles share follows the classic part: the wild tile after the banners.
TEST_F(ClassicFrame, SharedTailAndTheWildTileFollowTheClassicPart) {
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(*stage_);
    const std::vector<DrawCall>& calls = drawn.Calls();
    const auto banner = std::find_if(calls.begin(), calls.end(), [&](const DrawCall& c) {
        return c.source == D().lpDDSClaim[4];
    });
    const auto wild = std::find_if(calls.begin(), calls.end(), [&](const DrawCall& c) {
        return c.source == D().lpDDSDeskTiles && c.kind == DrawKind::AlphaBlt;
    });
    ASSERT_NE(banner, calls.end());
    ASSERT_NE(wild, calls.end());
    EXPECT_LT(banner - calls.begin(), wild - calls.begin());
    EXPECT_EQ(CornerOf(*wild), At({210, 561}));
}

}  // namespace
