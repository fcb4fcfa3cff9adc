// The turn flow around the user: what its own turn offers, discarding, claims with and without
// a pause, flowers drawn in play, the end of the wall and a refused win.
#include "TableFixture.h"

namespace enginetest {
namespace {

const char kFiller[] = "1359s2468p1234z";

class TurnFlow : public TableTest {
protected:
    void SetUp() override {
        Midhand(3);
        for (int s = 0; s < kSeats; s++) Hand(s, kFiller);
    }
    // Seat 3 ends its turn and the user draws the next wall tile.
    void UserDraws(const std::string& hand, const std::string& tile) {
        Hand(0, hand);
        WallNext(tile);
        t->curplayer = 0;
        t->GiveMj(false);
    }
};

TEST_F(TurnFlow, ASelfDrawnWinLightsTheWinButtonAndTheWinButtonDeclaresIt) {
    UserDraws("123m456m789m123p5p", "5p");
    EXPECT_TRUE(t->Button(kButtonWin).enabled && t->Button(kButtonWin).visible);
    EXPECT_TRUE(t->claimpending);
    t->AutoDiscard();  // no discard while the buttons wait
    EXPECT_EQ(t->Player[0].rivernum + t->Player[0].played, 0);
    t->OnButtonClick(kButtonWin);
    EXPECT_TRUE(t->Player[0].hued);
    EXPECT_EQ(t->Player[0].paidby, -1);
    EXPECT_EQ(t->Player[0].FanFlag[kFanFullyConcealedHand], 1) << "concealed and self-drawn";
    EXPECT_EQ(t->state, kHandOver);
    EXPECT_EQ(ScoreSum(*t), 4000);
    EXPECT_EQ(t->Player[0].items[0] + t->Player[0].items[1] + t->Player[0].items[2], 1)
        << "a hand won with a gain earns one item use";
}

TEST_F(TurnFlow, PassingOnTheOwnTurnLeavesTheUserToDiscardAClickedTile) {
    UserDraws("123m456m789m123p5p", "5p");
    t->OnButtonClick(kButtonPass);
    EXPECT_FALSE(t->claimpending);
    EXPECT_TRUE(t->maydiscard);
    t->Player[0].select = t->Player[0].cardnum;  // the drawn tile
    t->AutoDiscard();
    EXPECT_TRUE(TileEqual(t->curmj, One("5p")));
    EXPECT_EQ(t->Player[0].cardnum, 13);
    EXPECT_FALSE(t->maydiscard);
}

// A ready hand plays on by itself: its own draw offers no buttons (a kong that does not use the
// drawn tile is let go), and passing on buttons that are up plays the drawn tile as well.
TEST_F(TurnFlow, AReadyUserPlaysTheDrawnTileAndAPassOnTheOwnDrawDoesToo) {
    t->Player[0].ting = 1;
    UserDraws("1111m456m789m12p", "9s");
    EXPECT_FALSE(t->Button(kButtonPass).visible);
    EXPECT_EQ(t->Player[0].rivernum + t->Player[0].played, 1);
    EXPECT_TRUE(TileEqual(t->curmj, One("9s")));

    Midhand(3);
    for (int s = 1; s < kSeats; s++) Hand(s, kFiller);
    UserDraws("123m456m789m123p5p", "5p");
    ASSERT_TRUE(t->Button(kButtonPass).visible);
    t->Player[0].ting = 1;
    t->OnButtonClick(kButtonPass);
    EXPECT_EQ(t->Player[0].rivernum + t->Player[0].played, 1);
    EXPECT_TRUE(TileEqual(t->curmj, One("5p")));
    EXPECT_FALSE(t->Player[0].hasnew);
}

TEST_F(TurnFlow, TheReadyButtonIsOfferedUnderTheOtherFamilyAndArmsTheDeclaration) {
    UserDraws("123m456m789m12p5p9s", "3p");  // discarding 9s leaves a wait on 5p
    ASSERT_TRUE(t->Button(kButtonReady).enabled);
    t->OnButtonClick(kButtonReady);
    EXPECT_TRUE(t->readyarmed);
    CMjPlayer& p = t->Player[0];
    for (int i = 0; i < p.cardnum; i++)
        if (TileEqual(p.Mj[i], One("9s"))) p.select = i;
    t->AutoDiscard();
    EXPECT_EQ(p.ting, 1);

    Midhand(3, 8);
    for (int s = 0; s < kSeats; s++) Hand(s, kFiller);
    UserDraws("123m456m789m12p5p9s", "3p");
    EXPECT_FALSE(t->Button(kButtonReady).enabled) << "never under the Official rules";
}

TEST_F(TurnFlow, TheKongButtonOnTheOwnTurnAddsTheDrawnTileToAPung) {
    Meld(0, "777s", kKindPung);
    WallNext("7s 9m");
    Hand(0, "1359s28p1234z");
    t->curplayer = 0;
    t->GiveMj(false);
    ASSERT_TRUE(t->Button(kButtonKong).enabled);
    t->OnButtonClick(kButtonKong);
    EXPECT_EQ(t->Player[0].Gang[0].num, 4);
    EXPECT_TRUE(TileEqual(t->Player[0].newmj, One("9m")));
}

TEST_F(TurnFlow, AUserPungHasNoPauseAndTheLastHandTileComesUpAsDrawn) {
    Hand(0, "55p 1359s28p1234z9m");
    Hand(3, "5p 1359s2468p123z");
    Discards(3, "5p");
    ASSERT_TRUE(t->Button(kButtonPung).enabled);
    t->OnButtonClick(kButtonPung);
    CMjPlayer& p = t->Player[0];
    ASSERT_EQ(p.gangnum, 1);
    EXPECT_EQ(p.Gang[0].kind, kKindPung);
    EXPECT_TRUE(p.hasnew);
    EXPECT_EQ(p.cardnum, 10);
    EXPECT_TRUE(t->maydiscard);
    EXPECT_TRUE(t->nodraw);
    EXPECT_EQ(t->Player[3].played, 0);
    EXPECT_EQ(t->seen[TileKey(One("5p"))], 3);
    EXPECT_EQ(t->Player[0].action, 1);
}

TEST_F(TurnFlow, AComputerPungCompletesHalfASecondLater) {
    Hand(1, "55p 1359s28p1234z9m");
    t->ClaimPung(1);
    t->curmj = One("5p");
    t->curplayer = 3;
    t->Player[3].played = 1;
    t->ClaimPung(1);
    EXPECT_EQ(t->Player[1].gangnum, 0);
    EXPECT_EQ(headless->Clock().Interval(kTimerPung), 500u);
    headless->Clock().Advance(500);
    EXPECT_EQ(t->Player[1].gangnum, 1);
    EXPECT_EQ(t->curplayer, 1);
    EXPECT_TRUE(headless->Clock().IsArmed(kTimerComputerTurn)) << "its discard follows";
}

// The user's flower stays in the drawn tile's place through the pause, where the user sees it
// (without being able to play it), and its replacement takes that place.
TEST_F(TurnFlow, AFlowerDrawnByTheUserShowsInTheDrawnPlaceUntilItsReplacement) {
    UserDraws(kFiller + std::string("9m"), "6f 9p");
    const CMjPlayer& p = t->Player[0];
    EXPECT_EQ(p.flowers, 1);
    EXPECT_TRUE(p.hasnew);
    EXPECT_TRUE(TileEqual(p.newmj, One("6f")));
    EXPECT_FALSE(t->maydiscard);
    headless->Clock().Advance(11 * 50);
    EXPECT_TRUE(p.hasnew && TileEqual(p.newmj, One("6f"))) << "still there before the last tick";
    t->Player[0].select = p.cardnum;
    t->AutoDiscard();  // the flower is not the user's to play
    EXPECT_EQ(p.rivernum + p.played, 0);
    headless->Clock().Advance(50);
    EXPECT_TRUE(p.hasnew);
    EXPECT_TRUE(TileEqual(p.newmj, One("9p")));
    EXPECT_TRUE(TileEqual(p.Mj[p.cardnum], One("9p")));
    EXPECT_EQ(p.cardnum, 13);
    EXPECT_TRUE(t->maydiscard);
}

TEST_F(TurnFlow, TheLastWallTileIsDrawnAndTheNextDrawEndsTheHand) {
    Midhand(1, 0, 142);
    for (int s = 0; s < kSeats; s++) Hand(s, kFiller);
    WallNext("9m");
    t->GiveMj(false);
    EXPECT_EQ(t->taken, 143);
    EXPECT_EQ(t->state, kHandRunning);
    t->curplayer = 2;
    t->GiveMj(false);
    EXPECT_EQ(t->state, kHandOver);
    EXPECT_EQ(t->taken, 143) << "taken stays a wall index";
    EXPECT_EQ(nActiveForm, 1);
    EXPECT_EQ(t->dealer, 1);
    ASSERT_FALSE(shown.revealed.empty());
    EXPECT_TRUE(shown.revealed.back());
}

TEST_F(TurnFlow, AWinThatFailsItsFinalTestSaysSoAndEndsTheHandAsExhausted) {
    Hand(2, kFiller);
    t->curmj = One("9m");
    t->DeclareWin(2);
    ASSERT_EQ(headless->Boxes().Shown().size(), 1u);
    EXPECT_EQ(headless->Boxes().Last().text, "重新开始游戏");
    EXPECT_EQ(headless->Boxes().Last().caption, "翠岭");
    EXPECT_EQ(headless->Boxes().Last().icon, platform::MbIcon::Information);
    EXPECT_FALSE(t->Player[2].hued);
    EXPECT_EQ(t->state, kHandOver);
    EXPECT_EQ(ScoreSum(*t), 4000);
}

TEST_F(TurnFlow, AComputerDiscardLandsInTheUsersSlotAndEverySeatsLastTile) {
    Hand(1, "5p 1359s2468p123z");
    Discards(1, "5p");
    EXPECT_TRUE(TileEqual(t->Player[0].Mj[t->Player[0].cardnum], One("5p")));
    for (const CMjPlayer& p : t->Player) EXPECT_TRUE(TileEqual(p.winmj, One("5p")));
    EXPECT_EQ(t->seen[TileKey(One("5p"))], 1);
    EXPECT_EQ(t->Player[1].face, 1);
    EXPECT_EQ(headless->Clock().Interval(11), 600u);
}

}  // namespace
}  // namespace enginetest
