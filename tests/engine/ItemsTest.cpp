// The user's items: F1 shows every hand for a while, F3 hides the next discard behind a water
// ripple, F7 marks up to three tiles that button 11 swaps for tiles of the wall.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "HandPoints.h"
#include "TableFixture.h"
#include "platform/WindowKeys.h"
#include "rules/Random.h"

namespace enginetest {
namespace {

using platform::testing::SoundCallKind;

class Items : public TableTest {
protected:
    Items() : TableTest(StandIns::kSoundAndMusic), hand(t->renderer) {
        Midhand(0, 0, 60);
        Hand(0, "123m 456p 789s 11z 23m");
        Drawn(0, "9p");
        t->maydiscard = 1;
        sleeps_.emplace(&headless->Clock());
        for (int i = 0; i < kWallTiles; i++) t->wall[i] = static_cast<std::uint8_t>(i);
    }

    CMjPlayer& User() { return t->Player[0]; }
    int& Uses(int item) { return User().items[item]; }
    bool Played(const std::string& wave) {
        for (const std::string& path : headless->Sound().Paths(SoundCallKind::PlayFile))
            if (path.size() >= wave.size() && path.compare(path.size() - wave.size(), wave.size(), wave) == 0)
                return true;
        return false;
    }
    // A click at the hand position the test puts under the mouse.
    void ClickTile(int position) {
        t->OnLButtonDown(hand.X(User(), position), hand.Y(), 0, 1);
    }
    // The wall still to come is one arrangement of tile indexes with the rest.
    bool WallIsOneArrangement() const {
        std::uint8_t sorted[kWallTiles];
        std::copy(std::begin(t->wall), std::end(t->wall), sorted);
        std::sort(std::begin(sorted), std::end(sorted));
        for (int i = 0; i < kWallTiles; i++)
            if (sorted[i] != i) return false;
        return true;
    }
    // Tiles of the wall still to come, by kind, with the user's hand and drawn tile.
    std::vector<int> KindsOfWallAndHand() const {
        std::vector<int> kinds(kTileKeyCount);
        for (int i = t->taken + 1; i < kWallTiles; i++) kinds[TileKey(TileFromIndex(t->wall[i]))]++;
        const CMjPlayer& p = t->Player[0];
        for (int i = 0; i < p.cardnum + (p.hasnew ? 1 : 0); i++) kinds[TileKey(p.Mj[i])]++;
        return kinds;
    }
    // The wall as a running game leaves it: the user's tiles and every flower among the tiles
    // out (positions up to taken), so an exchange brings no flower in.
    void ArrangeWall() {
        int next = 0;
        auto bringOut = [&](const tagMj& tile) {
            for (int q = next; q < kWallTiles; q++) {
                if (!TileEqual(TileFromIndex(t->wall[q]), tile)) continue;
                std::swap(t->wall[next++], t->wall[q]);
                return;
            }
        };
        const CMjPlayer& p = User();
        for (int i = 0; i <= p.cardnum; i++) bringOut(p.Mj[i]);
        for (int f = 1; f <= 8; f++) bringOut(MakeTile(f, kFlowerSuit));
        ASSERT_LE(next, t->taken + 1);
    }

    HandPoints hand;
    std::optional<platform::testing::ScopedSleepService> sleeps_;
};

// --- F1 -----------------------------------------------------------------------------------

TEST_F(Items, ShowItemJoltsRevealsEveryHandAndHidesThemAfterItsTime) {
    Uses(0) = 2;
    shown.revealed.clear();
    t->OnKeyDown(platform::VK_F1);
    EXPECT_EQ(Uses(0), 1);
    EXPECT_TRUE(Played("showmj.wav"));
    EXPECT_EQ(shown.jolts, 1);
    ASSERT_EQ(shown.revealed, std::vector<bool>{true});
    EXPECT_TRUE(headless->Clock().IsArmed(kTimerReveal));
    EXPECT_EQ(headless->Clock().Interval(kTimerReveal), 100000u);
    headless->Clock().Advance(99999);
    EXPECT_EQ(shown.revealed.size(), 1u);
    headless->Clock().Advance(1);
    EXPECT_EQ(shown.revealed, (std::vector<bool>{true, false}));
}

struct SilentCase {
    const char* name;
    int key;
    int item;
    int uses;
    std::uint8_t online;
    int taken;
};

// Items at 0 uses, any item online, and F7 after 100 tiles out do nothing.
const SilentCase kSilentCases[] = {
    {"F1 without uses", platform::VK_F1, 0, 0, 0, 60},
    {"F3 without uses", platform::VK_F3, 1, 0, 0, 60},
    {"F7 without uses", platform::VK_F7, 2, 0, 0, 60},
    {"F1 online", platform::VK_F1, 0, 3, 1, 60},
    {"F3 online", platform::VK_F3, 1, 3, 1, 60},
    {"F7 online", platform::VK_F7, 2, 3, 1, 60},
    {"F7 after 100 tiles out", platform::VK_F7, 2, 3, 0, 101},
};

TEST_F(Items, DoNothingWithoutUsesOnlineOrLateInTheWall) {
    for (const SilentCase& c : kSilentCases) {
        Uses(c.item) = c.uses;
        t->netgame = c.online;
        t->taken = c.taken;
        headless->Sound().ClearCalls();
        const int frames = shown.frames;
        t->OnKeyDown(c.key);
        EXPECT_EQ(Uses(c.item), c.uses) << c.name;
        EXPECT_EQ(shown.frames, frames) << c.name;
        EXPECT_EQ(headless->Sound().Count(SoundCallKind::PlayFile), 0) << c.name;
        EXPECT_EQ(t->exchangemode, 0) << c.name;
        EXPECT_EQ(shown.ripples + shown.jolts, 0) << c.name;
    }
    t->netgame = 0;
}

TEST_F(Items, F7AtOneHundredTilesOutStillWorks) {
    Uses(2) = 1;
    t->taken = 100;
    t->OnKeyDown(platform::VK_F7);
    EXPECT_EQ(t->exchangemode, 2);
}

// --- F3 -----------------------------------------------------------------------------------

TEST_F(Items, HideItemRipplesAndLaysTheNextDiscardFaceDownUnclaimed) {
    Uses(1) = 1;
    t->OnKeyDown(platform::VK_F3);
    EXPECT_EQ(Uses(1), 0);
    EXPECT_TRUE(Played("hidemj.wav"));
    EXPECT_EQ(shown.ripples, 1);
    ASSERT_TRUE(User().hidemj);
    // The next seat could chow 9p; a hidden discard is offered to nobody.
    Hand(1, "78p 123m 456s 789s 11z");
    t->OnLButtonDown(0, 0, 1, 1);  // the right button plays the drawn 9p
    ASSERT_TRUE(RunUntil([&] { return t->curplayer == 1; }));
    EXPECT_EQ(t->Player[1].gangnum, 0);
    // The cell the desk gave the discard holds it face down.
    const int a = User().deskx, b = User().desky;
    EXPECT_TRUE(TileEqual(t->renderer.desk.tiles[a][b], One("9p")));
    EXPECT_EQ(t->deskhidden[a * kDeskSize + b], 1);
    EXPECT_EQ(std::count(std::begin(t->deskhidden), std::end(t->deskhidden), 1), 1);
    EXPECT_FALSE(User().hidemj);
}

// --- F7 and button 11 ---------------------------------------------------------------------

class Exchange : public Items {
protected:
    Exchange() {
        Uses(2) = 1;
        t->OnKeyDown(platform::VK_F7);
        headless->Sound().ClearCalls();
    }
};

TEST_F(Exchange, F7ShowsTheConfirmButtonEnabledAndClearsTheMarks) {
    EXPECT_EQ(t->exchangemode, 2);
    EXPECT_EQ(Uses(2), 0);
    EXPECT_TRUE(t->Button(kButtonExchange).visible);
    EXPECT_TRUE(t->Button(kButtonExchange).enabled);
    for (unsigned char mark : User().change) EXPECT_EQ(mark, 0);
}

TEST_F(Exchange, TheConfirmButtonWorksInEveryHandNotOnlyTheFirst) {
    // A new hand disables button 11; the item enables it again.
    t->Button(kButtonExchange).enabled = 0;
    t->Button(kButtonExchange).visible = 0;
    Uses(2) = 1;
    t->OnKeyDown(platform::VK_F7);
    ClickTile(0);
    t->OnButtonClick(kButtonExchange);
    EXPECT_EQ(t->exchangemode, 0);
    EXPECT_FALSE(t->Button(kButtonExchange).visible);
}

TEST_F(Exchange, MarksTheTileUnderTheMouseAtMostThreeAndUnmarksFreely) {
    ClickTile(2);
    ClickTile(5);
    ClickTile(13);  // the drawn tile
    ClickTile(7);   // a fourth is refused
    const CMjPlayer& p = User();
    EXPECT_TRUE(p.change[2] && p.change[5] && p.change[13]);
    EXPECT_FALSE(p.change[7]);
    ClickTile(5);  // unmarking is always allowed
    EXPECT_FALSE(p.change[5]);
    ClickTile(7);
    EXPECT_TRUE(p.change[7]);
    EXPECT_EQ(headless->Sound().Paths(SoundCallKind::PlayFile).size(), 6u);  // select.wav each
    EXPECT_EQ(p.select, -1);  // marking selects nothing, and nothing was played
    EXPECT_TRUE(p.hasnew);
}

TEST_F(Exchange, SwapsTheMarkedTilesWithTheWallKeepingEveryTile) {
    ArrangeWall();
    const std::vector<int> before = KindsOfWallAndHand();
    const std::string handBefore = HandText(0);
    ClickTile(0);
    ClickTile(13);
    t->OnButtonClick(kButtonExchange);
    EXPECT_TRUE(Played("changemj.wav"));
    EXPECT_EQ(KindsOfWallAndHand(), before);
    EXPECT_TRUE(WallIsOneArrangement());
    EXPECT_NE(HandText(0), handBefore);
    // The hand is sorted after a pause of half a second, through the sleep service.
    EXPECT_EQ(headless->Clock().Pauses(), std::vector<unsigned>{500});
    const CMjPlayer& p = User();
    for (int i = 1; i < p.cardnum; i++) EXPECT_FALSE(TileGreater(p.Mj[i - 1], p.Mj[i])) << i;
    EXPECT_TRUE(TileEqual(p.Mj[p.cardnum], p.newmj));
    for (unsigned char mark : p.change) EXPECT_EQ(mark, 0);
}

// With one tile left it is the one taken; with none left nothing is divided by zero and the
// hand stays.
const int kLateTaken[] = {142, 143};

TEST_F(Exchange, LateInTheWallTakesTheLastTileOrKeepsTheHand) {
    std::swap(t->wall[100], t->wall[143]);  // 2p comes last, a flower goes to 100
    for (int taken : kLateTaken) {
        t->taken = taken;
        t->exchangemode = 2;
        t->Button(kButtonExchange).visible = 1;
        User().change[0] = 1;  // 1m, whose copy at wall position 0 is out
        const std::string hand = HandText(0);
        const std::uint8_t last = t->wall[143];
        t->OnButtonClick(kButtonExchange);
        if (taken == 142) {
            EXPECT_EQ(User().CountMj(One("1m")), 0);
            EXPECT_EQ(User().CountMj(One("2p")), 1);
            EXPECT_TRUE(TileEqual(TileFromIndex(t->wall[143]), One("1m")));
            EXPECT_TRUE(TileEqual(TileFromIndex(t->wall[0]), One("2p")));
        } else {
            EXPECT_EQ(HandText(0), hand);
            EXPECT_EQ(t->wall[143], last);
        }
        EXPECT_TRUE(WallIsOneArrangement());
    }
}

TEST_F(Exchange, AFlowerBroughtInIsReplacedFromTheWall) {
    t->taken = 135;  // the eight flowers are all that is left
    ClickTile(0);
    t->OnButtonClick(kButtonExchange);
    const CMjPlayer& p = User();
    for (int i = 0; i <= p.cardnum; i++) EXPECT_NE(p.Mj[i].suit, kFlowerSuit) << i;
    EXPECT_GE(p.flowers, 1);
    EXPECT_EQ(p.CountMj(One("1m")), 1);  // the 1m sent into the wall came back as replacement
    EXPECT_LE(t->taken, 143);
}

// The user's drawn flower waits in the drawn tile's place for its replacement: an exchange in
// that pause neither marks it nor replaces it a second time.
TEST_F(Exchange, ADrawnFlowerWaitingForItsReplacementIsLeftToIt) {
    User().hasnew = 0;
    t->maydiscard = 0;
    t->curplayer = 0;
    std::swap(t->wall[61], t->wall[136]);  // the first flower comes next
    t->GiveMj(false);
    ASSERT_TRUE(User().hasnew && User().newmj.suit == kFlowerSuit);
    ClickTile(User().cardnum);
    EXPECT_FALSE(User().change[User().cardnum]);
    t->OnButtonClick(kButtonExchange);
    EXPECT_EQ(User().flowers, 1);
    EXPECT_EQ(t->taken, 61);
    EXPECT_EQ(User().newmj.suit, kFlowerSuit);
    headless->Clock().Advance(12 * 50);
    EXPECT_EQ(User().flowers, 1);
    EXPECT_EQ(t->taken, 62);
    EXPECT_NE(User().newmj.suit, kFlowerSuit);
    EXPECT_TRUE(t->maydiscard);
}

TEST_F(Items, AFlowerWithTheWallOutStaysRatherThanReadingPastTheWall) {
    t->taken = 143;
    User().Mj[0] = MakeTile(3, kFlowerSuit);
    EXPECT_FALSE(t->ReplaceAllFlowers());
    EXPECT_EQ(t->taken, 143);
    EXPECT_EQ(User().Mj[0].suit, kFlowerSuit);
}

}  // namespace
}  // namespace enginetest
