// The classic hands, by the calls recorded on the frame: the user's tiles in the normal, the
// exchange and the chow-choice mode, with a drawn, a selected or a winning tile and the draw
// animation; the other seats' rows and columns with and without a drawn tile, face down and
// revealed; the melds and the landing positions the flights read.
#include <gtest/gtest.h>

#include <vector>

#include "ClassicStage.h"
#include "graphics/GraphicsGlobals.h"

namespace {

using classictest::At;
using classictest::CornerOf;
using classictest::CopiesFrom;
using classictest::DrawRecorder;
using classictest::T;
using platform::DrawKind;

// One of the user's standing tiles as drawn: its corner and whether it was dimmed.
struct Standing {
    At at;
    bool dim;
    bool operator==(const Standing& o) const { return at == o.at && dim == o.dim; }
};
std::ostream& operator<<(std::ostream& out, const Standing& s) {
    return out << s.at << (s.dim ? " dim" : "");
}

std::vector<Standing> StandingTiles(const DrawRecorder& drawn, const CMjDraw& d) {
    std::vector<Standing> out;
    for (const platform::DrawCall& call : drawn.From(d.lpDDSHandTiles))
        out.push_back({CornerOf(call), call.kind == DrawKind::AlphaBlt});
    return out;
}

class ClassicOwnHand : public ::testing::Test {
protected:
    void SetUp() override {
        stage_ = &classictest::ClassicMidHand();
        seats_ = stage_->table->Player;
        for (CMjPlayer& p : stage_->table->Player) p.played = 0;  // no tile in play
    }
    CMjDraw& D() { return *stage_->draw; }
    CMjPlayer& Own() { return seats_[0]; }

    std::vector<Standing> DrawOwn(DrawRecorder& drawn) {
        D().DrawOwnHandClassic(seats_, D().bRevealAll);
        return StandingTiles(drawn, D());
    }
    int X0() { return D().OwnHandAnchor.x - D().nTileW * Own().cardnum - 20; }
    int Ay() { return D().OwnHandAnchor.y; }
    // The hand's tiles 0..9 as the stage holds them: tile 4 selected and raised, the wild
    // tile 8 dimmed; then the drawn tile 20 pixels after the hand.
    std::vector<Standing> MidHandTiles() {
        std::vector<Standing> out;
        for (int i = 0; i < Own().cardnum; ++i)
            out.push_back({{X0() + D().nTileW * i, i == tabletest::kOwnSelected ? Ay() - 15 : Ay()},
                           i == tabletest::kOwnWild});
        return out;
    }

    tabletest::Stage* stage_ = nullptr;
    CMjPlayer* seats_ = nullptr;
};

TEST_F(ClassicOwnHand, StandsFromTheAnchorWithTheDrawnTileApart) {
    DrawRecorder drawn(*lpDDSPla);
    std::vector<Standing> expected = MidHandTiles();
    expected.push_back({{X0() + D().nTileW * 10 + 20, Ay()}, false});
    EXPECT_EQ(DrawOwn(drawn), expected);
    EXPECT_EQ(At({D().LandPos[0].x, D().LandPos[0].y}), At({X0() + D().nTileW * 11, Ay()}));
    // Tile 0 is 1 characters: cell 0 of the standing sheet.
    EXPECT_TRUE(tabletest::SameRect(drawn.From(D().lpDDSHandTiles)[0].src,
                                    {0, 0, D().nTileW, D().nTileH}));
}

// A tile that may not be played now is dimmed; while the hand is hidden the raised tile is too.
TEST_F(ClassicOwnHand, DimsUnplayableTilesAndTheRaisedOneWhileHidden) {
    Own().canplay[2] = 0;
    Own().canplay[10] = 0;  // the drawn tile
    Own().hidemj = 1;
    DrawRecorder drawn(*lpDDSPla);
    std::vector<Standing> expected = MidHandTiles();
    expected[2].dim = true;
    expected[tabletest::kOwnSelected].dim = true;
    expected.push_back({{X0() + D().nTileW * 10 + 20, Ay()}, true});
    EXPECT_EQ(DrawOwn(drawn), expected);
}

TEST_F(ClassicOwnHand, ASelectedDrawnTileIsRaised) {
    Own().select = Own().cardnum;
    DrawRecorder drawn(*lpDDSPla);
    const std::vector<Standing> tiles = DrawOwn(drawn);
    ASSERT_EQ(tiles.size(), 11u);
    EXPECT_EQ(tiles[tabletest::kOwnSelected].at.y, Ay());
    EXPECT_EQ(tiles.back(), (Standing{{X0() + D().nTileW * 10 + 20, Ay() - 15}, false}));
}

// A winning tile lies on its side after the hand, level with the standing row's bottom, in
// place of the drawn tile; with every hand revealed the drawn tile stands instead.
TEST_F(ClassicOwnHand, AWinningTileLiesOnItsSide) {
    Own().hued = 1;
    Own().hutile = T(9, 2);
    DrawRecorder drawn(*lpDDSPla);
    EXPECT_EQ(DrawOwn(drawn).size(), 10u);
    const std::vector<platform::DrawCall> lying = drawn.From(D().lpDDSLaidTiles[0]);
    ASSERT_EQ(lying.size(), 1u);
    EXPECT_EQ(CornerOf(lying[0]),
              At({X0() + D().nTileW * 10 + 10, Ay() + D().nTileH - D().nLaidTileW[0].h}));

    D().bRevealAll = 1;
    DrawRecorder revealed(*lpDDSPla);
    EXPECT_EQ(DrawOwn(revealed).size(), 11u);
    EXPECT_TRUE(revealed.From(D().lpDDSLaidTiles[0]).empty());
}

// The exchange shows the marked tiles bright and every other one dimmed, the wild tile too.
TEST_F(ClassicOwnHand, ExchangeShowsTheMarkedTilesBright) {
    stage_->table->exchangemode = 2;
    for (int i : {1, 8, 10}) Own().change[i] = 1;
    DrawRecorder drawn(*lpDDSPla);
    const std::vector<Standing> tiles = DrawOwn(drawn);
    ASSERT_EQ(tiles.size(), 11u);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(tiles[i].dim, !(i == 1 || i == 8 || i == 10)) << "tile " << i;
    EXPECT_EQ(tiles[tabletest::kOwnSelected].at.y, Ay() - 15);
}

// Choosing a chow raises the selected tile and its partner, dims what is not in an option, and
// shows neither the drawn tile nor a new landing position.
TEST_F(ClassicOwnHand, ChowChoiceRaisesTheTileAndItsPartner) {
    Own().choosechow = 1;
    Own().select = 1;
    Own().chowpeer = 2;
    for (int i = 0; i < 15; ++i) Own().canplay[i] = i <= 2;
    D().LandPos[0] = {1, 2};
    DrawRecorder drawn(*lpDDSPla);
    const std::vector<Standing> tiles = DrawOwn(drawn);
    ASSERT_EQ(tiles.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(tiles[i].at.y, i == 1 || i == 2 ? Ay() - 15 : Ay()) << "tile " << i;
        EXPECT_EQ(tiles[i].dim, i > 2) << "tile " << i;
    }
    EXPECT_EQ(At({D().LandPos[0].x, D().LandPos[0].y}), At({1, 2}));
}

// While the draw animation runs its base lies under the hand's tiles and its frame over them.
TEST_F(ClassicOwnHand, DrawAnimationBaseUnderAndFrameOver) {
    stage_->table->Timer(kTimerReadyDraw)->enabled = true;
    stage_->table->readyframe = 3;
    DrawRecorder drawn(*lpDDSPla);
    DrawOwn(drawn);
    stage_->table->Timer(kTimerReadyDraw)->enabled = false;
    const std::vector<platform::DrawCall>& calls = drawn.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().source, lpDDSDrawBase);
    EXPECT_TRUE(tabletest::SameRect(calls.front().src, {0, 0, rcDrawBase.right - 40, rcDrawBase.bottom}));
    EXPECT_EQ(CornerOf(calls.front()), At({704, 361}));
    EXPECT_EQ(calls.back().source, lpDDSDrawTile);
    EXPECT_TRUE(tabletest::SameRect(calls.back().src, {408, 0, 504, 209}));
    EXPECT_EQ(CornerOf(calls.back()), At({704, 361}));
}

// The user's melds lie at the left, bottom-aligned with the hand; a kong's fourth tile lies
// 16 pixels up on the middle one.
TEST_F(ClassicOwnHand, MeldsLieLeftOfTheHand) {
    Own().Gang[1] = Own().Gang[0];
    Own().Gang[1].Mj[3] = Own().Gang[1].Mj[0];
    Own().Gang[1].num = 4;
    Own().gangnum = 2;
    DrawRecorder drawn(*lpDDSPla);
    D().DrawOwnMeldsClassic(seats_);
    const int w = D().nLaidTileW[0].w;
    const int x = 800 - D().OwnHandAnchor.x;
    const int y = Ay() + D().nTileH - D().nLaidTileW[0].h;
    const int x2 = x + 3 * w + 4;
    std::vector<At> corners;
    for (const platform::DrawCall& call : drawn.Calls()) corners.push_back(CornerOf(call));
    EXPECT_EQ(corners, (std::vector<At>{{x, y}, {x + w, y}, {x + 2 * w, y}, {x2, y}, {x2 + w, y},
                                        {x2 + 2 * w, y}, {x2 + w, y - 16}}));
}

// --- The other seats ------------------------------------------------------------------------

class ClassicOtherHands : public ::testing::Test {
protected:
    void SetUp() override {
        stage_ = &classictest::ClassicMidHand();
        seats_ = stage_->table->Player;
    }
    CMjDraw& D() { return *stage_->draw; }
    std::vector<At> Corners(const DrawRecorder& drawn, const platform::Surface* picture) {
        std::vector<At> out;
        for (const platform::DrawCall& call : drawn.From(picture)) out.push_back(CornerOf(call));
        return out;
    }
    tabletest::Stage* stage_ = nullptr;
    CMjPlayer* seats_ = nullptr;
};

// Seat 2's backs stand one pixel closer than their width, centred by the lying width with its
// kong; a drawn tile stands at the left end, its landing position half a back before the row.
TEST_F(ClassicOtherHands, OppositeRowWithAndWithoutADrawnTile) {
    const int w = D().nLaidTileW[2].w;
    const int bw = D().rcSeatHand[2].right;
    const int bh = D().rcSeatHand[2].bottom;
    for (unsigned char hasnew : {0, 1}) {
        CMjPlayer& p = seats_[2];
        p.hasnew = hasnew;
        p.select = 3;
        const int n = hasnew ? 9 : 10;
        const int x0 = (800 - n * w - 4 - 3 * w) / 2;
        DrawRecorder drawn(*lpDDSPla);
        D().DrawOppositeHandClassic(&p, 0);
        std::vector<At> expected;
        for (int i = 0; i < n; ++i) expected.push_back({x0 + (bw - 1) * i, i == 3 ? 65 : 50});
        if (hasnew) expected.push_back({x0 - (bw - 1) - 5, 50});
        EXPECT_EQ(Corners(drawn, D().lpDDSSeatHand[2]), expected) << "drawn " << int(hasnew);
        EXPECT_EQ(At({D().LandPos[2].x, D().LandPos[2].y}), At({x0 - bw / 2, 50 + bh}));
        // The kong of white after the row, its fourth tile 8 pixels up on the middle one.
        const int m = x0 + bw * n + 8;
        EXPECT_EQ(Corners(drawn, D().lpDDSLaidTiles[2]),
                  (std::vector<At>{{m, 50}, {m + w, 50}, {m + 2 * w, 50}, {m + w, 42}}));
    }
}

// Revealed, the row shows every tile face up, centred by the lying width, and leaves the
// landing position alone; a won seat shows its winning tile at the left end.
TEST_F(ClassicOtherHands, OppositeRowRevealedOrWon) {
    CMjPlayer& p = seats_[2];
    const int w = D().nLaidTileW[2].w;
    D().LandPos[2] = {7, 7};
    DrawRecorder revealed(*lpDDSPla);
    D().DrawOppositeHandClassic(&p, 1);
    const int x0 = (800 - 10 * w - 4 - 3 * w) / 2;
    const std::vector<At> tiles = Corners(revealed, D().lpDDSLaidTiles[2]);
    ASSERT_EQ(tiles.size(), 14u);
    EXPECT_EQ(tiles[0], At({x0, 50}));
    EXPECT_EQ(tiles[9], At({x0 + 9 * w, 50}));
    EXPECT_EQ(tiles[10], At({x0 + 10 * w + 8, 50}));
    EXPECT_TRUE(revealed.From(D().lpDDSSeatHand[2]).empty());
    EXPECT_EQ(At({D().LandPos[2].x, D().LandPos[2].y}), At({7, 7}));

    p.hued = 1;
    p.hutile = T(4, 3);
    DrawRecorder won(*lpDDSPla);
    D().DrawOppositeHandClassic(&p, 0);
    const int hx0 = (800 - 10 * w - 4 - 3 * w) / 2;
    EXPECT_EQ(Corners(won, D().lpDDSLaidTiles[2]).front(), At({hx0 - w - 10, 50}));
}

// Seat 1's column: its drawn tile stands above it, the landing position 62 pixels above the
// column (31 without a drawn tile), a selected tile leans 5 pixels in; the chow below.  Centred
// on the table's height the chow would end under the claim row, so the column ends above it.
TEST_F(ClassicOtherHands, RightColumnWithItsDrawnTileAbove) {
    CMjPlayer& p = seats_[1];
    const int rw = D().rcSeatHand[1].right;
    const int rh = D().rcSeatHand[1].bottom;
    const int s1 = D().nLaidTileW[1].h - 8;
    const int x = 800 - 70 - rw - 40;
    for (unsigned char hasnew : {0, 1}) {
        p.hasnew = hasnew;
        p.select = 2;
        const int n = hasnew ? 10 : 11;
        const int centred = (600 - 20 * (n - 1) - rh - (3 * s1 + 12)) / 2;
        const int run = 20 * (n - 1) + rh + 8 + 3 * s1 + 8;
        const int y0 = CMjDraw::kClaimRowTop - run;
        ASSERT_LT(y0, centred);
        DrawRecorder drawn(*lpDDSPla);
        D().DrawRightHandClassic(&p, 0);
        std::vector<At> expected;
        if (hasnew) expected.push_back({x, y0 - 34});
        for (int i = 0; i < n; ++i) expected.push_back({i == 2 ? x - 5 : x, y0 + 20 * i});
        EXPECT_EQ(Corners(drawn, D().lpDDSSeatHand[1]), expected) << "drawn " << int(hasnew);
        EXPECT_EQ(At({D().LandPos[1].x, D().LandPos[1].y}),
                  At({x, hasnew ? y0 - 62 : y0 - 31}));
        const int m = y0 + 20 * (n - 1) + rh + 8;
        EXPECT_EQ(Corners(drawn, D().lpDDSLaidTiles[1]),
                  (std::vector<At>{{x, m}, {x, m + s1}, {x, m + 2 * s1}}));
    }
}

// A short column of seat 1 (four tiles, no meld) has room above the claim row and stands
// centred on the table's height, hidden or revealed.
TEST_F(ClassicOtherHands, ShortRightColumnStaysCentred) {
    CMjPlayer& p = seats_[1];
    p.gangnum = 0;
    p.cardnum = 4;
    p.hasnew = 0;
    p.select = -1;
    const int rh = D().rcSeatHand[1].bottom;
    const int s1 = D().nLaidTileW[1].h - 8;
    DrawRecorder hidden(*lpDDSPla);
    D().DrawRightHandClassic(&p, 0);
    const std::vector<At> backs = Corners(hidden, D().lpDDSSeatHand[1]);
    ASSERT_EQ(backs.size(), 4u);
    EXPECT_EQ(backs[0].y, (600 - 20 * 3 - rh) / 2);
    DrawRecorder revealed(*lpDDSPla);
    D().DrawRightHandClassic(&p, 1);
    const std::vector<At> faces = Corners(revealed, D().lpDDSLaidTiles[1]);
    ASSERT_EQ(faces.size(), 4u);
    EXPECT_EQ(faces[0].y, (600 - 4 * s1 - 8) / 2);
}

// Seat 3's melds lie above its column; its drawn tile stands below the column.
TEST_F(ClassicOtherHands, LeftColumnUnderItsMeldsWithItsDrawnTileBelow) {
    CMjPlayer& p = seats_[3];
    p.Gang[0].Mj[0] = p.Gang[0].Mj[1] = p.Gang[0].Mj[2] = p.Gang[0].Mj[3] = T(8, 0);
    p.Gang[0].num = 4;
    p.gangnum = 1;
    p.cardnum = 11;
    p.hasnew = 1;
    const int lh = D().rcSeatHand[3].bottom;
    const int bh = D().rcSeatHand[2].bottom;
    const int s3 = D().nLaidTileW[3].h - 8;
    const int n = 10;
    const int top = (600 - 20 * (n - 1) - lh - (3 * s3 + 12)) / 2;
    DrawRecorder drawn(*lpDDSPla);
    D().DrawLeftHandClassic(&p, 0);
    EXPECT_EQ(Corners(drawn, D().lpDDSLaidTiles[3]),
              (std::vector<At>{{110, top}, {110, top + s3}, {110, top + 2 * s3},
                               {110, top + s3 - 8}}));
    const int y = top + 3 * s3 + 12;
    const std::vector<At> backs = Corners(drawn, D().lpDDSSeatHand[3]);
    ASSERT_EQ(backs.size(), 11u);
    EXPECT_EQ(backs.front(), At({110, y}));
    EXPECT_EQ(backs[9], At({110, y + 180}));
    EXPECT_EQ(backs.back(), At({110, y + 20 * n + bh - 21}));
    EXPECT_EQ(At({D().LandPos[3].x, D().LandPos[3].y}), backs.back());
}

}  // namespace
