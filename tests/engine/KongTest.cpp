// Every kind of kong and the offers of robbing one.
#include "TableFixture.h"

namespace enginetest {
namespace {

// Twelve tiles that neither kong nor win with the tiles of these tests.
const char kFiller[] = "1359s2468p1234z";

class Kong : public TableTest {
protected:
    void SetUp() override {
        Midhand(0);
        for (int s = 0; s < kSeats; s++) Hand(s, kFiller);
    }
    const GetMj& LastMeld(int seat) const {
        const CMjPlayer& p = t->Player[seat];
        return p.Gang[p.gangnum - 1];
    }
};

TEST_F(Kong, OnADiscardTheClaimantDrawsAReplacementAndTheDiscardLeavesTheTable) {
    Hand(0, "555p 1359s28p1234z");
    Hand(3, "5p 1359s2468p1234z");
    WallNext("9m");
    const int before = InPlay();
    Discards(3, "5p");
    ASSERT_TRUE(t->Button(kButtonKong).enabled);
    t->OnButtonClick(kButtonKong);
    const CMjPlayer& p = t->Player[0];
    ASSERT_EQ(p.gangnum, 1);
    EXPECT_EQ(LastMeld(0).num, 4);
    EXPECT_EQ(LastMeld(0).kind, kKindKong);
    EXPECT_EQ(p.open[0], 1);
    EXPECT_EQ(p.kongfrom, 3);
    EXPECT_EQ(p.kongdraw, 1);
    EXPECT_EQ(t->seen[TileKey(One("5p"))], 4);
    EXPECT_EQ(t->Player[3].played, 0);
    EXPECT_EQ(t->taken, 61);
    EXPECT_TRUE(p.hasnew);
    EXPECT_TRUE(TileEqual(p.newmj, One("9m")));
    EXPECT_EQ(InPlay(), before + 1);
}

TEST_F(Kong, TheUsersDrawnFourthCopyJoinsTheHandBeforeTheConcealedKong) {
    Hand(0, "777s 1359s28p1234z");
    Drawn(0, "7s");
    WallNext("9m");
    t->AddKong(One("7s"), 0);
    CMjPlayer& p = t->Player[0];
    ASSERT_EQ(p.gangnum, 1);
    EXPECT_EQ(p.open[0], 0);
    EXPECT_EQ(p.kongfrom, -1);
    EXPECT_EQ(t->seen[TileKey(One("7s"))], 4);
    EXPECT_EQ(p.CountMj(One("7s")), 0);
    EXPECT_EQ(p.cardnum, 10);
    EXPECT_TRUE(TileEqual(p.newmj, One("9m")));
    EXPECT_FALSE(t->maydiscard && t->taken < 61) << "no discard before the replacement";
}

TEST_F(Kong, AComputerSeatsFourCopiesMakeAConcealedKong) {
    Hand(1, "2222m 1359s28p123z");
    t->curplayer = 1;
    WallNext("9m");
    t->AddKong(One("2m"), 1);
    EXPECT_EQ(t->Player[1].open[0], 0);
    EXPECT_EQ(LastMeld(1).num, 4);
    EXPECT_EQ(t->taken, 61);
}

TEST_F(Kong, AHandTileAddedToAnExposedPungIsNeverRobbed) {
    Hand(1, "5m 1359s28p123z");
    Meld(1, "555m", kKindPung);
    Hand(2, "123m456m789m123p5m");  // would win on 5m
    t->curplayer = 1;
    WallNext("9m");
    t->ClaimKong(1);
    EXPECT_FALSE(t->Player[2].hued);
    EXPECT_EQ(LastMeld(1).num, 4);
    EXPECT_EQ(t->seen[TileKey(One("5m"))], 1);
}

TEST_F(Kong, TheUsersAddedKongIsRobbedAtOnceByTheFirstComputerThatCanWin) {
    Meld(0, "555m", kKindPung);
    Hand(0, "1359s28p1234z");
    Drawn(0, "5m");
    Hand(2, "123m456m789m123p5m");
    Hand(3, "123m456m789m123p5m");
    const int before = InPlay();
    t->AddKong(One("5m"), 0);
    EXPECT_TRUE(t->Player[2].hued);
    EXPECT_FALSE(t->Player[3].hued);
    EXPECT_EQ(t->Player[2].FanFlag[kFanRobbingTheKong], 1);
    EXPECT_EQ(LastMeld(0).num, 3) << "the pung stays a pung";
    EXPECT_EQ(t->state, kHandOver);
    EXPECT_EQ(InPlay(), before) << "the robbed tile left the user for the winner";
}

class RobbingOffer : public Kong {
protected:
    // Seat 1 adds its drawn 5m to its pung; the user could win on 5m.
    void SetUp() override {
        Kong::SetUp();
        Hand(0, "123m456m789m123p5m");
        Hand(1, "1359s28p123z 5m");
        Meld(1, "555m", kKindPung);
        t->curplayer = 1;
        t->Player[1].newmj = One("5m");
        WallNext("9m");
        before = InPlay();
    }
    int before = 0;
};

TEST_F(RobbingOffer, TheUserSeesOnlyWinAndPassAndPassCompletesTheKong) {
    t->AddKong(One("5m"), 1);
    ASSERT_TRUE(t->userrob);
    for (int id : kClaimButtons) {
        const bool offered = id == kButtonWin || id == kButtonPass;
        EXPECT_EQ(t->Button(id).enabled != 0, offered) << id;
    }
    EXPECT_TRUE(t->Button(kButtonWin).visible);
    EXPECT_TRUE(TileEqual(t->Player[0].Mj[t->Player[0].cardnum], One("5m")));
    EXPECT_EQ(InPlay(), before) << "the kong tile lies on show, out of the kong seat's hand";
    t->OnButtonClick(kButtonPass);
    EXPECT_EQ(LastMeld(1).num, 4);
    EXPECT_EQ(t->Player[1].played, 0);
    EXPECT_EQ(t->taken, 61) << "the kong seat drew its replacement";
    EXPECT_EQ(InPlay(), before + 1);
}

TEST_F(RobbingOffer, TheWinButtonRobsTheKongWithTheRobbedKongFan) {
    t->AddKong(One("5m"), 1);
    t->OnButtonClick(kButtonWin);
    ASSERT_TRUE(t->Player[0].hued);
    EXPECT_EQ(t->Player[0].FanFlag[kFanRobbingTheKong], 1);
    EXPECT_EQ(t->Player[0].paidby, 1);
    EXPECT_EQ(LastMeld(1).num, 3);
    EXPECT_EQ(t->state, kHandOver);
    EXPECT_EQ(InPlay(), before);
}

TEST_F(RobbingOffer, DecliningLetsAComputerWhoCouldAlsoRobWin) {
    Hand(3, "123m456m789m123p5m");  // after the user in turn order from seat 1: 2, 3, 0
    // Seat 3 comes before the user from seat 1 (2, 3, 0): it robs at once.
    t->AddKong(One("5m"), 1);
    EXPECT_TRUE(t->Player[3].hued);
    EXPECT_FALSE(t->userrob);
}

TEST_F(RobbingOffer, DecliningLetsTheRememberedComputerRobberWin) {
    // Seen from seat 3's kong the order is 0, 1, 2: the user first, then seat 1.
    Hand(3, "1359s28p123z 5m");
    Meld(3, "555m", kKindPung);
    t->Player[1].gangnum = 0;
    Hand(1, "123m456m789m123p5m");
    t->curplayer = 3;
    before = InPlay();
    t->AddKong(One("5m"), 3);
    ASSERT_TRUE(t->userrob);
    EXPECT_EQ(t->robber, 1);
    t->OnButtonClick(kButtonPass);
    EXPECT_TRUE(t->Player[1].hued);
    EXPECT_EQ(t->Player[1].FanFlag[kFanRobbingTheKong], 1);
    EXPECT_EQ(InPlay(), before);
}

TEST_F(Kong, NoKongIsOfferedOrClaimedAtTheLastWallTile) {
    Midhand(3, 0, 143);
    Hand(0, "555p 1359s28p1234z");
    Hand(1, kFiller);
    Hand(2, kFiller);
    Hand(3, "5p 1359s2468p1234z");
    Discards(3, "5p");
    EXPECT_FALSE(t->Button(kButtonKong).enabled);
    EXPECT_TRUE(t->Button(kButtonPung).enabled);
}

}  // namespace
}  // namespace enginetest
