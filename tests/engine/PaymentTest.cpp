// Payment of a win: who pays and how much under each rule family, always zero-sum.
#include "TableFixture.h"

namespace enginetest {
namespace {

struct PaymentCase {
    const char* what;
    int minFan;
    int fan;
    bool selfDrawn;
    int gains[4];  // winner seat 0, discarder seat 2 on a discard
};
const PaymentCase kPaymentCases[] = {
    {"Official, on a discard", 8, 8, false, {32, -8, -16, -8}},
    {"Official, self-drawn", 8, 8, true, {48, -16, -16, -16}},
    {"other family, on a discard", 0, 3, false, {3, 0, -3, 0}},
    {"other family, self-drawn", 0, 3, true, {9, -3, -3, -3}},
};

class Payment : public TableTest {};

TEST_F(Payment, EachCasePaysAsItsTableSaysAndNothingIsLost) {
    for (const PaymentCase& c : kPaymentCases) {
        Midhand(0, c.minFan);
        shown.flights.clear();
        t->PayScore(0, c.fan, c.selfDrawn, c.selfDrawn ? -1 : 2);
        int sum = 0, payers = 0;
        for (int s = 0; s < kSeats; s++) {
            EXPECT_EQ(Gain(s), c.gains[s]) << c.what << " seat " << s;
            EXPECT_EQ(t->Player[s].score, 1000 + c.gains[s]) << c.what;
            sum += Gain(s);
            payers += Gain(s) < 0;
        }
        EXPECT_EQ(sum, 0) << c.what;
        // One chip flight from each payer to the winner.
        ASSERT_EQ(static_cast<int>(shown.flights.size()), payers) << c.what;
        for (const Flight& f : shown.flights) EXPECT_TRUE(f.kind == 'c' && f.to == 0) << c.what;
    }
}

TEST_F(Payment, AWonSeatPaysNoSelfDrawnWinButStillPaysItsShareOfAnOfficialDiscardWin) {
    Midhand(0, 8);
    t->Player[1].hued = 1;
    t->PayScore(0, 8, true, -1);
    EXPECT_EQ(Gain(1), 0);
    EXPECT_EQ(Gain(0), 32);
    Midhand(0, 8);
    t->Player[1].hued = 1;
    t->PayScore(0, 8, false, 2);
    EXPECT_EQ(Gain(1), -8);
}

TEST_F(Payment, TheUnitMultipliesTheFanTotal) {
    Midhand(0, 0);
    t->unit = 5;
    t->PayScore(0, 3, false, 2);
    EXPECT_EQ(Gain(2), -15);
    EXPECT_EQ(Gain(0), 15);
}

TEST_F(Payment, ASelfDrawnWinOnAKongReplacementNamesTheFeederButEveryOtherSeatPays) {
    Midhand(0, 0);
    Hand(0, "123m456m123p5p");
    Drawn(0, "5p");
    t->Player[0].kongdraw = 1;
    t->Player[0].kongfrom = 2;
    Meld(0, "1111z", kKindKong);
    t->DeclareWin(0);
    ASSERT_TRUE(t->Player[0].hued);
    EXPECT_EQ(t->Player[0].paidby, 2);
    EXPECT_EQ(t->Player[0].FanFlag[kFanOutWithReplacementTile], 1);
    for (int s = 1; s < kSeats; s++) EXPECT_LT(Gain(s), 0) << s;
    EXPECT_EQ(Gain(1), Gain(3));
    EXPECT_EQ(ScoreSum(*t), 4000);
}

}  // namespace
}  // namespace enginetest
