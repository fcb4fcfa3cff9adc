// Claims on a discard: every win in turn order from the discarder, then the one seat that can
// kong or pung, then the chow; only the first claim that stands is carried out.
#include "TableFixture.h"

namespace enginetest {
namespace {

// Complete with 5p (a pair of it) under the other rule family.
const char kWinsOn5p[] = "123m456m789m123p5p";
// Nothing to claim on 5p.
const char kUnrelated[] = "1357s248p1357z9s9p";

class ClaimPrecedence : public TableTest {
protected:
    void SetUp() override { Midhand(1); }
};

TEST_F(ClaimPrecedence, TwoSeatsCouldWinTheFirstInTurnOrderFromTheDiscarderDoes) {
    Hand(0, kUnrelated);
    Hand(1, "5p 1357s248p1357z");
    Hand(2, kWinsOn5p);
    Hand(3, kWinsOn5p);
    Discards(1, "5p");
    ASSERT_EQ(t->claimnum, 2);
    EXPECT_EQ(t->claims[0].seat, 2);
    EXPECT_EQ(t->claims[1].seat, 3);
    EXPECT_FALSE(t->Button(kButtonWin).visible);
    ASSERT_TRUE(RunUntil([&] { return t->state == kHandOver; }));
    EXPECT_TRUE(t->Player[2].hued);
    EXPECT_FALSE(t->Player[3].hued);
    EXPECT_EQ(t->Player[2].paidby, 1);
}

TEST_F(ClaimPrecedence, AUserPungBehindAComputerWinIsNeverOffered) {
    Hand(0, "55p 1357s24p1357z");
    Hand(1, "5p 1357s248p1357z");
    Hand(2, kWinsOn5p);
    Hand(3, kUnrelated);
    Discards(1, "5p");
    // The computer's win stands at once, without the claim delay and without asking the user.
    EXPECT_EQ(t->state, kHandOver);
    EXPECT_TRUE(t->Player[2].hued);
    EXPECT_EQ(t->claims[1].seat, 0);
    EXPECT_EQ(t->claims[1].kind, kClaimPung);
    EXPECT_FALSE(t->Player[0].gangnum);
}

TEST_F(ClaimPrecedence, AReadyUserWinsWithoutAClickAndIsNeverOfferedAPung) {
    Hand(0, kWinsOn5p);
    t->Player[0].ting = 1;
    Hand(1, kUnrelated);
    Hand(2, kUnrelated);
    Hand(3, "5p 1357s248p1357z");
    Discards(3, "5p");
    EXPECT_EQ(t->state, kHandOver);
    EXPECT_TRUE(t->Player[0].hued);
    EXPECT_FALSE(t->Button(kButtonWin).visible);

    Midhand(3);
    Hand(0, "55p 1357s24p1357z");
    t->Player[0].ting = 1;
    Hand(1, kUnrelated);
    Hand(2, kUnrelated);
    Hand(3, "5p 1357s248p1357z");
    Discards(3, "5p");
    EXPECT_EQ(t->claimnum, 0);
    EXPECT_FALSE(t->claimpending);
}

TEST_F(ClaimPrecedence, AHiddenDiscardCannotBeClaimedAndLiesFaceDownAfterHalfASecond) {
    Hand(0, kUnrelated);
    Hand(1, "5p 1357s248p1357z");
    Hand(2, kWinsOn5p);
    Hand(3, kWinsOn5p);
    t->Player[1].hidemj = 1;
    Discards(1, "5p");
    EXPECT_EQ(t->claimnum, 0);
    EXPECT_EQ(t->stepmode, kStepNextTurn);
    EXPECT_TRUE(headless->Clock().IsArmed(kTimerStep));
    EXPECT_EQ(headless->Clock().Interval(kTimerStep), 500u);
    headless->Clock().Advance(500);
    EXPECT_EQ(t->Player[1].rivernum, 1);
    // Seat 1's first desk cell is the near end of the right column.
    EXPECT_EQ(t->Player[1].deskx, 13);
    EXPECT_EQ(t->Player[1].desky, 5);
    EXPECT_EQ(t->deskhidden[13 * 20 + 5], 1);
    EXPECT_EQ(t->Player[1].hidemj, 0);
    EXPECT_FALSE(t->Player[2].hued);
    EXPECT_EQ(t->curplayer, 2);
}

TEST_F(ClaimPrecedence, WhenTheUserPassesOnAWinTheNextWinnerTakesIt) {
    Hand(0, kWinsOn5p);
    Hand(1, kWinsOn5p);
    Hand(2, kUnrelated);
    Hand(3, "5p 1357s248p1357z");
    Discards(3, "5p");
    ASSERT_TRUE(t->claimpending);
    EXPECT_TRUE(t->Button(kButtonWin).visible && t->Button(kButtonWin).enabled);
    EXPECT_TRUE(t->Button(kButtonPass).enabled);
    EXPECT_FALSE(t->Button(kButtonPung).enabled);
    t->OnButtonClick(kButtonPass);
    EXPECT_EQ(t->state, kHandOver);
    EXPECT_TRUE(t->Player[1].hued);
    EXPECT_FALSE(t->Player[0].hued);
}

TEST_F(ClaimPrecedence, TheUserWinsADiscardThroughTheWinButton) {
    Hand(0, kWinsOn5p);
    Hand(1, kUnrelated);
    Hand(2, kUnrelated);
    Hand(3, "5p 1357s248p1357z");
    Discards(3, "5p");
    t->OnButtonClick(kButtonWin);
    EXPECT_TRUE(t->Player[0].hued);
    EXPECT_EQ(t->Player[0].paidby, 3);
    EXPECT_TRUE(TileEqual(t->Player[0].hutile, One("5p")));
    EXPECT_EQ(t->Player[3].action, 4);
    EXPECT_EQ(t->Player[0].action, 3);
    EXPECT_EQ(t->Player[3].played, 0);
}

TEST_F(ClaimPrecedence, OnlyTheDiscardersNextSeatMayChow) {
    Hand(0, "46p 1357s28p1357z9s");
    Hand(1, kUnrelated);
    Hand(2, "46p 1357s28p1357z9s");
    Hand(3, "5p 1357s248p1357z");
    Discards(3, "5p");
    ASSERT_EQ(t->claimnum, 1);
    EXPECT_EQ(t->claims[0].seat, 0);
    EXPECT_EQ(t->claims[0].kind, kClaimChow);
    t->OnButtonClick(kButtonChow);
    ASSERT_EQ(t->Player[0].gangnum, 1);
    EXPECT_EQ(t->Player[0].Gang[0].kind, kKindChow);
    EXPECT_EQ(rulestest::Str(t->Player[0].Gang[0].Mj, 3), "4p5p6p");
    // The user discards next without drawing: its last hand tile is offered as if drawn.
    EXPECT_EQ(t->curplayer, 0);
    EXPECT_TRUE(t->maydiscard);
    EXPECT_TRUE(t->Player[0].hasnew);
    EXPECT_EQ(t->Player[0].cardnum + 1 + 3, 14);
}

}  // namespace
}  // namespace enginetest
