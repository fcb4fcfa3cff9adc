// The four hands of the new style as drawn: where each tile goes with and without a drawn tile,
// with a raised tile, in the exchange view and once the seat has won, and the landing position
// each seat's hand leaves for the flights.
#include <gtest/gtest.h>

#include <vector>

#include "TableStage.h"
#include "graphics/GraphicsGlobals.h"

namespace {

using platform::testing::DrawRecorder;
using tabletest::At;
using tabletest::Body;

// The user's hand of the stage: ten tiles from x0 = 696 − 48 × 10 − 20 = 196 at y 472 (the
// own-hand anchor is (696, 472)), drawn from the middle outwards; tile 4 raised, tile 8 (the
// wild tile) dimmed, the drawn tile 20 pixels after the row.
const std::vector<Body> kMidHandOwnTiles = {
    {{436, 472}, false}, {{484, 472}, false}, {{532, 472}, false}, {{580, 472}, true},
    {{628, 472}, false}, {{388, 457}, false}, {{340, 472}, false}, {{292, 472}, false},
    {{244, 472}, false}, {{196, 472}, false}, {{696, 472}, false},
};

class OwnTiles : public ::testing::Test {
protected:
    tabletest::Stage& stage = tabletest::MidHand();
    CMjPlayer& own = stage.table->Player[0];

    std::vector<Body> Draw(std::uint8_t reveal = 0) {
        DrawRecorder drawn(*lpDDSPla);
        stage.draw->DrawOwnTiles(&own, reveal);
        return tabletest::TileBodies(drawn, *stage.draw);
    }
};

TEST_F(OwnTiles, MidHandWithDrawnTileRaisedTileAndWildTile) {
    EXPECT_EQ(Draw(), kMidHandOwnTiles);
    EXPECT_EQ(tabletest::At({stage.draw->LandPos[0].x, stage.draw->LandPos[0].y}), At({724, 472}));
}

TEST_F(OwnTiles, WithoutDrawnTileTheRowEndsAtTheHand) {
    own.hasnew = 0;
    std::vector<Body> expected(kMidHandOwnTiles.begin(), kMidHandOwnTiles.end() - 1);
    EXPECT_EQ(Draw(), expected);
    EXPECT_EQ(At({stage.draw->LandPos[0].x, stage.draw->LandPos[0].y}), At({724, 472}));
}

TEST_F(OwnTiles, SelectedDrawnTileIsRaised) {
    own.select = tabletest::kOwnTiles;
    const std::vector<Body> bodies = Draw();
    ASSERT_EQ(bodies.size(), 11u);
    EXPECT_EQ(bodies[5], Body({{388, 472}, false})) << "tile 4 is no longer raised";
    EXPECT_EQ(bodies.back(), Body({{696, 457}, false}));
}

// Rules of the raised tile: the hidden hand keeps it dimmed, a tile that may not be played is
// neither raised nor bright, the wild tile is raised but dimmed.
TEST_F(OwnTiles, RaisedTileUnderHideUnplayableAndWild) {
    own.hidemj = 1;
    EXPECT_EQ(Draw()[5], Body({{388, 457}, true}));
    own.hidemj = 0;
    own.canplay[tabletest::kOwnSelected] = 0;
    EXPECT_EQ(Draw()[5], Body({{388, 472}, true}));
    own.canplay[tabletest::kOwnSelected] = 1;
    own.select = tabletest::kOwnWild;
    EXPECT_EQ(Draw()[3], Body({{580, 457}, true}));
}

TEST_F(OwnTiles, UnplayableDrawnTileIsDimmed) {
    own.canplay[tabletest::kOwnTiles] = 0;
    EXPECT_EQ(Draw().back(), Body({{696, 472}, true}));
}

// Once the hand is over, a seat that has won moves its row one tile right, lays the other
// tiles down and lies its winning tile 13 pixels lower after the row.
TEST_F(OwnTiles, WonHandLiesDownWithTheWinningTile) {
    stage.table->state = kHandOver;
    own.hued = 1;
    own.hutile = own.newmj;
    own.select = -1;
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawOwnTiles(&own, 0);
    EXPECT_TRUE(tabletest::TileBodies(drawn, *stage.draw).empty());
    const std::vector<At> laid = tabletest::CornersOf(drawn, lpDDSNewOwnLaid[2]);
    const std::vector<At> expected = {{484, 472}, {532, 472}, {580, 472}, {628, 472}, {676, 472},
                                      {436, 472}, {388, 472}, {340, 472}, {292, 472}, {244, 472},
                                      {734, 485}};
    EXPECT_EQ(laid, expected);
    EXPECT_EQ(At({stage.draw->LandPos[0].x, stage.draw->LandPos[0].y}), At({772, 472}));
}

// In the exchange view the row is drawn in order; the tiles marked for the exchange stand out,
// the others are dimmed; a raised drawn tile stands 5 pixels nearer the row.
TEST_F(OwnTiles, ExchangeViewBrightensTheMarkedTiles) {
    stage.table->exchangemode = 2;
    own.change[1] = own.change[3] = 1;
    own.select = tabletest::kOwnTiles;
    std::vector<Body> expected;
    for (int i = 0; i < tabletest::kOwnTiles; ++i)
        expected.push_back({{196 + 48 * i, 472}, i != 1 && i != 3});
    expected.push_back({{691, 457}, true});
    EXPECT_EQ(Draw(), expected);
}

TEST_F(OwnTiles, DrawAnimationFrameBesideTheHand) {
    stage.table->Timer(kTimerReadyDraw)->enabled = true;
    stage.table->readyframe = 3;
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawOwnTiles(&own, 0);
    const std::vector<platform::DrawCall> frames = drawn.From(lpDDSDrawTile);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(tabletest::SameRect(frames[0].src, {408, 0, 489, 209}));
    EXPECT_EQ(At({frames[0].dst.left, frames[0].dst.top}), At({719, 366}));
}

// The other seats.  Each case sets the seat's hand and lists the pictures apart from its row
// (the drawn back or the winning face) and its landing position.
struct SeatCase {
    const char* name;
    int cardnum;
    bool hasnew;
    bool won;
    int select;
    std::vector<platform::Rect> extra;
    At land;
};

std::vector<platform::Rect> PlacesFrom(const DrawRecorder& drawn, const platform::Surface* source) {
    std::vector<platform::Rect> out;
    for (const platform::DrawCall& call : drawn.From(source)) out.push_back(call.dst);
    return out;
}

void ExpectRects(const std::vector<platform::Rect>& got, const std::vector<platform::Rect>& want,
                 const char* what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_TRUE(tabletest::SameRect(got[i], want[i]))
            << what << " " << i << ": (" << got[i].left << ", " << got[i].top << ", " << got[i].right
            << ", " << got[i].bottom << ")";
}

// One seat drawn hidden: where its backs and its faces went, in drawing order.
struct SeatDrawing {
    std::vector<platform::Rect> backs;
    std::vector<platform::Rect> faces;
    At land;
};

SeatDrawing DrawSeat(int seat, const SeatCase& c) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjPlayer& p = stage.table->Player[seat];
    p.cardnum = c.cardnum;
    p.hasnew = c.hasnew;
    p.hued = c.won;
    p.hutile = {9, 1};
    p.select = c.select;
    using Routine = void (CMjDraw::*)(CMjPlayer*, std::uint8_t);
    const Routine routines[4] = {nullptr, &CMjDraw::DrawRightHand, &CMjDraw::DrawOppositeHand,
                                 &CMjDraw::DrawLeftHand};
    DrawRecorder drawn(*lpDDSPla);
    (stage.draw->*routines[seat])(&p, 0);
    const platform::Surface* faceSheet = seat == 2 ? lpDDSNewOwnLaid[2] : lpDDSNewLaid[seat];
    const MjPoint land = stage.draw->LandPos[seat];
    return {PlacesFrom(drawn, stage.draw->lpDDSTileBack[seat]), PlacesFrom(drawn, faceSheet),
            {land.x, land.y}};
}

// Takes the picture apart from the row out of `from`: the first or the last drawn.
void MoveExtra(std::vector<platform::Rect>& from, bool first, std::vector<platform::Rect>& extra) {
    extra.push_back(first ? from.front() : from.back());
    from.erase(first ? from.begin() : from.end() - 1);
}

// Seat 2 with its kong: the row of ten backs is centred as if the tiles stood 23 apart:
// x0 = (800 − 10 × 23 − 4 − 69) / 2 = 248.  The drawn tile stands at the left end, 24 (the
// back picture's width) + 10 before the row; it lands 32 (the picture's height) above it.
// The kong of white follows the row 8 further, its fourth tile on the second.
std::vector<platform::Rect> OppositeBacks(int raised) {
    std::vector<platform::Rect> out;
    for (int i = 0; i < 10; ++i) {
        const int x = 248 + 21 * i, y = i == raised ? 225 : 210;
        out.push_back({x, y, x + 24, y + 37});
    }
    return out;
}
const std::vector<platform::Rect> kOppositeKong = {
    {466, 210, 492, 243}, {489, 210, 515, 243}, {512, 210, 538, 243}, {489, 202, 515, 235}};

TEST(OtherSeats, OppositeSeat) {
    const SeatCase cases[] = {
        {"no drawn tile", 10, false, false, -1, {}, {214, 178}},
        {"drawn tile", 11, true, false, -1, {{214, 210, 238, 247}}, {214, 178}},
        {"raised tile", 10, false, false, 3, {}, {214, 178}},
        {"won", 10, false, true, -1, {{215, 210, 241, 243}}, {214, 178}},
    };
    for (const SeatCase& c : cases) {
        SeatDrawing d = DrawSeat(2, c);
        std::vector<platform::Rect> extra;
        if (c.hasnew) MoveExtra(d.backs, false, extra);
        if (c.won) MoveExtra(d.faces, true, extra);
        ExpectRects(d.backs, OppositeBacks(c.select), c.name);
        ExpectRects(d.faces, kOppositeKong, c.name);
        ExpectRects(extra, c.extra, c.name);
        EXPECT_EQ(d.land, c.land) << c.name;
    }
}

// Seat 1's column runs from the pen (570, 200) towards the user, each back at (pen + 8,
// pen − 16), scaled 0.74 for the first tile up to 0.92 for the tenth; the pen moves by
// (14, 18) times the scale.  Its chow follows 12 lower and 3 to the right.  The drawn tile
// stands above the column, drawn before it.
const std::vector<platform::Rect> kRightBacks = {
    {578, 184, 606, 223}, {588, 197, 617, 238}, {598, 210, 628, 252}, {608, 224, 639, 267},
    {619, 238, 650, 282}, {630, 252, 662, 297}, {641, 267, 674, 313}, {653, 282, 687, 329},
    {665, 297, 700, 345}, {677, 313, 712, 362},
};
const std::vector<platform::Rect> kRightChow = {
    {683, 343, 730, 374}, {696, 359, 744, 390}, {709, 376, 758, 408}};

TEST(OtherSeats, RightSeat) {
    const SeatCase cases[] = {
        {"drawn tile", 11, true, false, -1, {{567, 168, 594, 205}}, {555, 152}},
        {"no drawn tile", 10, false, false, -1, {}, {555, 183}},
        {"won", 10, false, true, -1, {{558, 174, 594, 197}}, {555, 183}},
    };
    for (const SeatCase& c : cases) {
        SeatDrawing d = DrawSeat(1, c);
        std::vector<platform::Rect> extra;
        if (c.hasnew) MoveExtra(d.backs, true, extra);
        if (c.won) MoveExtra(d.faces, true, extra);
        ExpectRects(d.backs, kRightBacks, c.name);
        ExpectRects(d.faces, kRightChow, c.name);
        ExpectRects(extra, c.extra, c.name);
        EXPECT_EQ(d.land, c.land) << c.name;
    }
}

// Seat 3 without melds: the column from (198, 240) down to the left, each back at (pen − 8,
// pen − 8), the pen moving by (−15, 18) times the scale; the drawn tile below the column.
const std::vector<platform::Rect> kLeftBacks = {
    {190, 232, 218, 271}, {178, 245, 207, 286}, {166, 258, 196, 300}, {154, 272, 185, 315},
    {142, 286, 173, 330}, {129, 300, 161, 345}, {116, 315, 149, 361}, {103, 330, 137, 377},
    {89, 345, 124, 393},  {75, 361, 110, 410},  {61, 377, 97, 427},   {46, 393, 83, 444},
    {31, 410, 69, 462},
};

TEST(OtherSeats, LeftSeat) {
    const SeatCase cases[] = {
        {"no drawn tile", 13, false, false, -1, {}, {19, 440}},
        {"drawn tile", 14, true, false, -1, {{11, 432, 50, 486}}, {19, 440}},
        {"won", 13, false, true, -1, {{13, 439, 63, 472}}, {19, 440}},
    };
    for (const SeatCase& c : cases) {
        SeatDrawing d = DrawSeat(3, c);
        std::vector<platform::Rect> extra;
        if (c.hasnew) MoveExtra(d.backs, false, extra);
        if (c.won) MoveExtra(d.faces, true, extra);
        ExpectRects(d.backs, kLeftBacks, c.name);
        EXPECT_TRUE(d.faces.empty()) << c.name;
        ExpectRects(extra, c.extra, c.name);
        EXPECT_EQ(d.land, c.land) << c.name;
    }
}

// A revealed hand shows its faces and leaves the landing position alone.
TEST(OtherSeats, RevealedHandsShowFacesAndKeepTheLandingPosition) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjPlayer& opposite = stage.table->Player[2];
    stage.draw->LandPos[2] = {1, 2};
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawOppositeHand(&opposite, 1);
    EXPECT_TRUE(drawn.From(stage.draw->lpDDSTileBack[2]).empty());
    const std::vector<platform::Rect> faces = PlacesFrom(drawn, lpDDSNewOwnLaid[2]);
    ASSERT_EQ(faces.size(), 14u);
    ExpectRects({faces.front()}, {{248, 210, 274, 243}}, "first face");
    ExpectRects({faces[10]}, {{486, 210, 512, 243}}, "the kong, 8 after the row");
    EXPECT_EQ(At({stage.draw->LandPos[2].x, stage.draw->LandPos[2].y}), At({1, 2}));
}

// The user's melds lie left of the row from x = 800 − 696 − 30 = 74, their tiles side by side
// (one laid-down tile, 36 pixels, apart) and 4 pixels between melds, a kong's fourth tile 20
// higher on the middle one.
TEST(OwnMelds, LieLeftOfTheRow) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjPlayer* seats = stage.table->Player;
    seats[0].Gang[1] = seats[2].Gang[0];  // a kong
    seats[0].gangnum = 2;
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawOwnHand(seats);
    const std::vector<At> expected = {{74, 472}, {110, 472}, {146, 472},
                                      {186, 472}, {222, 472}, {258, 472}, {222, 452}};
    EXPECT_EQ(tabletest::CornersOf(drawn, lpDDSNewOwnLaid[2]), expected);
}

// A played tile stands at its seat's hand position: face up, or its back when played hidden.
TEST(PlayedTiles, StandAtTheHandPositions) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjPlayer* seats = stage.table->Player;
    seats[1].played = 1;
    seats[1].PlayMj = {2, 2};
    seats[1].hidemj = 1;
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawPlayedTiles(seats);
    const platform::Rect body{330, 0, 385, 75};
    const platform::Rect back{0, 0, 48, 75};
    EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSPaiSheet, &body), std::vector<At>({{150, 310}}));
    EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSPaiSheet, &back), std::vector<At>({{600, 310}}));
    EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSMjSheet), std::vector<At>({{155, 335}}));
}

}  // namespace
