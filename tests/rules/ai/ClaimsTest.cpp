#include <gtest/gtest.h>

#include "AiTestSupport.h"
#include "rules/MjAi.h"

namespace {

using aitest::Name;
using aitest::NewSeat;
using aitest::SetHand;
using aitest::T;

class ClaimsTest : public ::testing::Test {
protected:
    bool Pung(const char* tile) { const tagMj t = T(tile); return ai.ShouldPung(seat.get(), &t, seen, 60); }
    bool Chow(const char* tile) { const tagMj t = T(tile); return ai.ShouldChow(seat.get(), &t, seen, 60); }
    bool Kong(const char* tile) { const tagMj t = T(tile); return ai.ShouldKong(seat.get(), &t, seen, 60); }

    std::unique_ptr<CMjPlayer> seat = NewSeat();
    int seen[kTileKeyCount] = {};
    CMjAi ai;
};

TEST_F(ClaimsTest, TheWildTileIsNeverClaimedWhateverThePlan) {
    ai.wildrule = 1;
    ai.wildmj = T("5m");
    seat->plan_pungs = 1;
    SetHand(seat.get(), "46m555m19s19p1234z");
    EXPECT_FALSE(Pung("5m"));
    EXPECT_FALSE(Kong("5m"));
    seat->plan_pungs = 0;
    EXPECT_FALSE(Chow("5m"));
    ai.wildrule = 0;
    seat->plan_pungs = 1;
    EXPECT_TRUE(Kong("5m")) << "the same kong is wanted without the wild rule";
}

TEST_F(ClaimsTest, AReadyHandClaimsNoPungOrChow) {
    // Waiting on 1 or 2 of bamboo with a straight of characters.
    seat->plan_pungs = 1;
    SetHand(seat.get(), "123456789m11s22s");
    ASSERT_GT(ai.IsReady(seat.get(), seat->Mj, seat->cardnum), 0);
    EXPECT_FALSE(Pung("1s"));
    seat->plan_pungs = 0;
    SetHand(seat.get(), "123456789m11s23s");
    ASSERT_GT(ai.IsReady(seat.get(), seat->Mj, seat->cardnum), 0);
    EXPECT_FALSE(Chow("4s"));
}

TEST_F(ClaimsTest, ADeclaredReadySeatKongsOnlyWhenItsHandStaysReady) {
    seat->ting = 1;
    SetHand(seat.get(), "123456789m111s5z");
    EXPECT_FALSE(Pung("1s"));
    EXPECT_TRUE(Kong("1s")) << "the red dragon is still the wait";
    // Seven pairs waiting on a fourth 1: a kong of the 1s breaks the pairs.
    SetHand(seat.get(), "111m22m33s44s55p66p");
    ASSERT_GT(ai.IsReady(seat.get(), seat->Mj, seat->cardnum), 0);
    EXPECT_FALSE(Kong("1m"));
}

TEST_F(ClaimsTest, AnAllPungsSeatPungsAndKongsButNeverChows) {
    seat->plan_pungs = 1;
    SetHand(seat.get(), "13m55m777s19p2356z");
    EXPECT_TRUE(Pung("5m"));
    EXPECT_TRUE(Kong("7s"));
    EXPECT_FALSE(Chow("2m"));
}

TEST_F(ClaimsTest, APairsOrKnittedSeatClaimsNothing) {
    for (auto flag : {&CMjPlayer::plan_pairs, &CMjPlayer::plan_knit}) {
        auto s = NewSeat();
        s.get()->*flag = 1;
        SetHand(s.get(), "13m55m777s19p2356z");
        tagMj t = T("5m");
        EXPECT_FALSE(ai.ShouldPung(s.get(), &t, seen, 60));
        t = T("7s");
        EXPECT_FALSE(ai.ShouldKong(s.get(), &t, seen, 60));
        t = T("2m");
        EXPECT_FALSE(ai.ShouldChow(s.get(), &t, seen, 60));
    }
}

TEST_F(ClaimsTest, TheChowAroundTheDiscardIsTriedFirst) {
    // Each of 3-4-5, 2-3-4 and 4-5-6 would leave the hand ready; the middle chow wins.
    SetHand(seat.get(), "2356s123456789m");
    ASSERT_TRUE(Chow("4s"));
    EXPECT_EQ(Name(seat->chowmj[0]), "3s");
    EXPECT_EQ(Name(seat->chowmj[1]), "5s");
}

TEST_F(ClaimsTest, AChowThatFillsTheGapOfTheBestPlanIsTaken) {
    // Not ready after the chow, but the straight of characters lacks exactly the 5.
    SetHand(seat.get(), "12346789m1s5p9p1z");
    ASSERT_TRUE(Chow("5m"));
    EXPECT_EQ(Name(seat->chowmj[0]), "4m");
    EXPECT_EQ(Name(seat->chowmj[1]), "6m");
}

TEST_F(ClaimsTest, APungThatLeavesThePlanAsCloseIsRefusedAndAnEqualKongIsMade) {
    // The straight of characters lacks its 9 either way.
    SetHand(seat.get(), "12345678m55z1s5p9p");
    EXPECT_FALSE(Pung("5z"));
    SetHand(seat.get(), "12345678m555z1s5p");
    EXPECT_TRUE(Kong("5z"));
}

TEST_F(ClaimsTest, APungThatMakesTheHandReadyIsTaken) {
    SetHand(seat.get(), "123456789m55z1s9p");
    EXPECT_TRUE(Pung("5z"));
}

}  // namespace
