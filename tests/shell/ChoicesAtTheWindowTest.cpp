// Situations set up in the middle of a hand and played with the mouse in the program's window:
// a chow with three options and a kong with two choices picked by the tile clicked, and the
// right button passing on a claim or playing the drawn tile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTable.h"
#include "testsupport/rules/RulesTestSupport.h"

namespace shelltest {
namespace {

using rulestest::One;

class Choices : public WindowTable {
protected:
    // A hand under way with empty seats, `current` to play and 60 tiles out of the wall.
    void Midhand(int current) {
        nActiveForm = 0;
        MinFan = 0;
        bWildRule = 0;
        CMj& t = T();
        for (CMjPlayer& p : t.Player) {
            p.Reset();
            p.score = 1000;
        }
        t.hu.minfan = t.ai.minfan = 0;
        t.state = kHandRunning;
        t.curplayer = current;
        t.taken = 60;
        t.SetAnimate(0);
    }
    void Hand(int seat, const std::string& text) {
        CMjPlayer& p = T().Player[seat];
        const std::vector<tagMj> tiles = rulestest::T(text);
        p.cardnum = static_cast<int>(tiles.size());
        for (int i = 0; i < p.cardnum; i++) p.Mj[i] = tiles[i];
        p.SortHand();
    }
    void Drawn(const std::string& tile) {
        User().newmj = User().Mj[User().cardnum] = One(tile);
        User().hasnew = 1;
    }
    // Seat 3 plays the tile (as a ready seat, which decides nothing else).
    void LeftSeatDiscards(const std::string& tile) {
        CMjPlayer& p = T().Player[3];
        T().curplayer = 3;
        p.PlayMj = p.newmj = One(tile);
        p.ting = 1;
        T().nodraw = 1;
        T().Discard();
    }
    std::string Meld(int m) const {
        const GetMj& g = table->Player[0].Gang[m];
        return rulestest::Str(g.Mj, g.num);
    }
};

TEST_F(Choices, AChowWithThreeOptionsIsPickedByTheTileClicked) {
    Midhand(3);
    Hand(0, "234567p 19m 19s 1z 55z");
    LeftSeatDiscards("4p");  // 23p, 35p and 56p each make a chow with it
    ASSERT_TRUE(T().Button(kButtonChow).visible && T().Button(kButtonChow).enabled);
    WriteGolden("10_chow_offered");
    ClickButton(kButtonChow);
    ASSERT_TRUE(User().choosechow);
    ASSERT_EQ(User().chownum, 3);
    // 6p, after 1m 9m 1s 9s 2p 3p 4p 5p, is in one option only: its partner is 5p.
    HoverTile(8);
    EXPECT_EQ(User().chowpeer, 7);
    WriteGolden("11_chow_choosing");
    ClickTile(8);
    ASSERT_EQ(User().gangnum, 1);
    EXPECT_EQ(Meld(0), "4p5p6p");
    EXPECT_FALSE(User().choosechow);
    // The claimed tile has left the discarder's place: only the meld shows it now.
    EXPECT_FALSE(T().Player[3].played);
    // The chow made, the user discards.
    EXPECT_TRUE(T().maydiscard);
    WriteGolden("12_chow_made");
}

TEST_F(Choices, AKongWithTwoChoicesIsPickedByTheTileClicked) {
    Midhand(0);
    Hand(0, "1111m 2222p 789s 55z");
    Drawn("6z");
    T().GiveMj(true);  // the user's turn is offered: two concealed kongs
    ASSERT_TRUE(T().Button(kButtonKong).visible && T().Button(kButtonKong).enabled);
    ClickButton(kButtonKong);
    ASSERT_TRUE(User().choosekong);
    ASSERT_EQ(User().kongnum, 2);
    // Only the first tile of each kong rises: 1m at 0, 2p at 7 (after 789s).
    HoverTile(2);
    EXPECT_EQ(User().select, -1);
    HoverTile(7);
    EXPECT_EQ(User().select, 7);
    WriteGolden("13_kong_choosing");
    ClickTile(7);
    ASSERT_EQ(User().gangnum, 1);
    EXPECT_EQ(Meld(0), "2p2p2p2p");
    EXPECT_EQ(User().CountMj(One("1m")), 4);
}

TEST_F(Choices, TheRightButtonPassesOnAClaimAndPlaysTheDrawnTile) {
    Midhand(3);
    Hand(0, "123m 456p 789s 55z 23m");
    LeftSeatDiscards("5z");
    ASSERT_TRUE(T().claimpending);
    const QPoint away(400, 300);
    ClickAt(away.x(), away.y(), Qt::RightButton);
    EXPECT_EQ(User().gangnum, 0);  // passed: no pung
    ASSERT_TRUE(RunUntil([&] { return T().maydiscard && T().curplayer == 0; }));
    // An offer of the user's own turn (ready, under these rules) is passed first.
    if (T().Button(kButtonPass).visible) ClickAt(away.x(), away.y(), Qt::RightButton);
    ASSERT_FALSE(T().Button(kButtonPass).visible);
    const tagMj drawn = User().newmj;
    ClickAt(away.x(), away.y(), Qt::RightButton);
    EXPECT_FALSE(T().maydiscard);
    EXPECT_TRUE(TileEqual(T().curmj, drawn));
}

}  // namespace
}  // namespace shelltest
