// The user's hand under the mouse (the renderer's hit test and hover) and the show item's jolt.
// The hand's layout is set by hand: thirteen tiles 48 wide and 70 high left of the anchor
// (700, 500), so the row spans x 56..680 and the drawn tile x 700..748, both y 485..570.
#include "TableFixture.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/testing/FramePresenter.h"
#include "platform/testing/ScopedService.h"

namespace enginetest {
namespace {

constexpr int kLeft = 700 - 48 * 13 - 20;  // 56
constexpr int kDrawnLeft = kLeft + 13 * 48 + 20;  // 700
constexpr int kRowY = 520;

class HandInput : public TableTest {
protected:
    HandInput() : d(t->renderer), p(t->Player[0]) {
        Midhand(0);
        Hand(0, "123456789m1234p");
        d.nTileW = 48;
        d.nTileH = 70;
        d.OwnHandAnchor = {700, 500};
        for (auto& c : p.canplay) c = 1;
    }
    CMjDraw& d;
    CMjPlayer& p;
};

// The raised tile before, the mouse, and what the operation answers and leaves raised.
struct HandCase {
    const char* what;
    int selectBefore;
    int x, y;
    bool answer;
    int selectAfter;
};

template <typename Operation, std::size_t N>
void Check(CMjPlayer& p, const HandCase (&cases)[N], Operation operation) {
    for (const HandCase& c : cases) {
        p.select = c.selectBefore;
        EXPECT_EQ(operation(c.x, c.y), c.answer) << c.what;
        EXPECT_EQ(p.select, c.selectAfter) << c.what;
    }
}

const HandCase kHitCases[] = {
    {"first tile", -1, kLeft, kRowY, true, 0},
    {"left of the row", -1, kLeft - 1, kRowY, false, -1},
    {"right edge of the row: the last tile", -1, kLeft + 13 * 48, kRowY, true, 12},
    {"gap before the drawn tile", -1, kDrawnLeft - 1, kRowY, false, -1},
    {"just above the row, nothing raised", -1, kLeft + 100, 499, false, -1},
    {"top of the row", -1, kLeft + 100, 500, true, 2},
    {"bottom edge", -1, kLeft + 100, 570, true, 2},
    {"below the hand", -1, kLeft + 100, 571, false, -1},
    {"above the band", 2, kLeft + 100, 484, false, 2},
    {"second click lowers the raised tile", 2, kLeft + 100, kRowY, true, -1},
    {"on the raised tile's raised top", 2, kLeft + 100, 485, true, -1},
    {"lowest 15 pixels of a raised tile keep it", 2, kLeft + 100, 556, false, 2},
    {"another tile", 2, kLeft + 5 * 48, kRowY, true, 5},
    {"above another tile", 2, kLeft + 5 * 48, 490, false, 2},
    {"the drawn tile", -1, kDrawnLeft, kRowY, true, 13},
    {"the drawn tile's right edge", 4, kDrawnLeft + 48, kRowY, true, 13},
    {"the raised drawn tile lowered", 13, kDrawnLeft + 10, kRowY, true, -1},
    {"the raised drawn tile's lowest pixels", 13, kDrawnLeft + 10, 560, false, 13},
    {"right of the drawn tile", -1, kDrawnLeft + 49, kRowY, false, -1},
};

TEST_F(HandInput, AClickPicksTheTileUnderItAtEveryEdge) {
    Drawn(0, "5p");
    Check(p, kHitCases, [&](int x, int y) { return d.HitTestHand(x, y, &p); });
}

TEST_F(HandInput, WithoutADrawnTileOrAfterAWinTheBandsMove) {
    p.hasnew = 0;
    p.select = -1;
    EXPECT_FALSE(d.HitTestHand(kDrawnLeft + 10, kRowY, &p));
    // A won hand at the end stands one tile further right.
    t->state = kHandOver;
    p.hued = 1;
    EXPECT_FALSE(d.HitTestHand(kLeft + 10, kRowY, &p));
    EXPECT_TRUE(d.HitTestHand(kLeft + 48, kRowY, &p));
    EXPECT_EQ(p.select, 0);
    // Without a tile size (no pictures) nothing is hit.
    d.nTileW = 0;
    p.select = -1;
    EXPECT_FALSE(d.HitTestHand(kLeft + 48, kRowY, &p));
}

// While tiles are picked for an exchange every point of the hand is a hit and the raised tile
// stays; the drawn tile's band lies one tile further right than usual.
TEST_F(HandInput, PickingForAnExchangeHitsAnyTileAndRaisesNone) {
    Drawn(0, "5p");
    t->exchangemode = 2;
    p.select = 3;
    EXPECT_TRUE(d.HitTestHand(kLeft + 10, kRowY, &p));
    EXPECT_TRUE(d.HitTestHand(kLeft + 14 * 48 + 10, kRowY, &p));
    EXPECT_FALSE(d.HitTestHand(kDrawnLeft + 2, kRowY, &p)) << "before the exchange band";
    EXPECT_FALSE(d.HitTestHand(kLeft + 100, 571, &p));
    EXPECT_EQ(p.select, 3);
}

const HandCase kHoverCases[] = {
    {"outside, nothing raised", -1, 10, 10, false, -1},
    {"leaving the hand lowers the raised tile", 4, 10, 10, true, -1},
    {"onto a tile", -1, kLeft + 100, kRowY, true, 2},
    {"still on it", 2, kLeft + 110, kRowY, false, 2},
    {"onto the next tile", 2, kLeft + 150, kRowY, true, 3},
    {"above the row over another tile", 2, kLeft + 150, 490, true, -1},
    {"above the row, nothing raised", -1, kLeft + 150, 490, false, -1},
    {"over its own raised top", 3, kLeft + 150, 490, false, 3},
    {"onto the drawn tile", -1, kDrawnLeft + 5, kRowY, true, 13},
    {"above the drawn tile", -1, kDrawnLeft + 5, 490, false, -1},
    {"still on the drawn tile", 13, kDrawnLeft + 5, 490, false, 13},
    {"from a tile onto the drawn tile", 5, kDrawnLeft + 5, kRowY, true, 13},
};

TEST_F(HandInput, AHoverRaisesTheTileUnderTheMouseAndLowersItOnLeaving) {
    Drawn(0, "5p");
    Check(p, kHoverCases, [&](int x, int y) { return d.HoverHand(x, y, &p); });
}

// A tile that may not be played and the wild tile are never raised.
TEST_F(HandInput, TheWildTileAndTilesThatMayNotBePlayedAreNeverRaised) {
    Drawn(0, "4p");
    p.canplay[2] = 0;
    p.select = -1;
    EXPECT_TRUE(d.HoverHand(kLeft + 100, kRowY, &p));
    EXPECT_EQ(p.select, -1);
    bWildRule = 1;
    WildTile = One("4p");  // tile 12 and the drawn tile
    t->hu.wildrule = 1;
    EXPECT_TRUE(d.HoverHand(kLeft + 12 * 48 + 5, kRowY, &p));
    EXPECT_EQ(p.select, -1);
    EXPECT_FALSE(d.HoverHand(kDrawnLeft + 5, kRowY, &p));
    EXPECT_EQ(p.select, -1);
    EXPECT_TRUE(d.HoverHand(kLeft + 11 * 48 + 5, kRowY, &p));
    EXPECT_EQ(p.select, 11);
    bWildRule = 0;
}

// The jolt shows the frame 20 rows lower, keeping its top rows, holds it 100 ms through the
// sleep service, and draws nothing more.
TEST_F(HandInput, TheJoltShowsTheFrameTwentyRowsLowerForATenthOfASecond) {
    platform::Surface frame(800, 600);
    for (int y = 0; y < 600; y++)
        for (int x = 0; x < 800; x++) frame.Row(y)[x] = static_cast<std::uint16_t>(y * 3 + x);
    platform::Surface* before = lpDDSPla;
    lpDDSPla = &frame;
    platform::testing::FramePresenter presenter;
    platform::testing::ScopedPresenter presenterInstalled(&presenter);
    const std::size_t pausesBefore = headless->Clock().Pauses().size();
    d.ScrollDown();
    lpDDSPla = before;
    ASSERT_EQ(presenter.Count(), 1);
    const platform::testing::CapturedFrame& jolted = presenter.Last();
    for (int y : {0, 19, 20, 21, 300, 599})
        for (int x : {0, 400, 799}) {
            const int from = y < 20 ? y : y - 20;
            EXPECT_EQ(jolted.Pixel(x, y), static_cast<std::uint16_t>(from * 3 + x)) << x << "," << y;
        }
    ASSERT_EQ(headless->Clock().Pauses().size(), pausesBefore + 1);
    EXPECT_EQ(headless->Clock().Pauses().back(), 100u);
}

}  // namespace
}  // namespace enginetest
