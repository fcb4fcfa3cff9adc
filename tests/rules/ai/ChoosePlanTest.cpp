#include <gtest/gtest.h>

#include <iterator>

#include "AiTestSupport.h"
#include "rules/Evaluation.h"

namespace {

using aitest::NewSeat;
using aitest::PlanFan;
using aitest::SetHand;

int Flags(const CMjPlayer& s) {
    return s.plan_suit + s.plan_pairs + s.plan_pungs + s.plan_knit + s.plan_knitline;
}

TEST(ChoosePlan, AClosestSevenPairsTargetDoesNotAddItsFlagToTheOneSuitPlan) {
    // Four pairs need three more tiles as seven pairs, nearer than any chow target, and seven
    // characters make the one-suit rule fire first: that is the only plan.
    auto seat = NewSeat();
    SetHand(seat.get(), "1155993m77p2s5s146z");
    seat->ChoosePlan();
    EXPECT_EQ(seat->plan_suit, 1);
    EXPECT_EQ(seat->plan_suitno, 0);
    EXPECT_EQ(Flags(*seat), 1);
}

std::string Order(const int* suits) {
    return std::to_string(suits[0]) + std::to_string(suits[1]) + std::to_string(suits[2]);
}

TEST(ChoosePlan, OnlyTheKnittedStraightPlanWritesItsSuitOrder) {
    // Five pairs make the seven-pairs plan: the knitted order an earlier hand chose stays.
    auto seat = NewSeat();
    seat->knitline_suit[0] = 2;
    seat->knitline_suit[1] = 1;
    seat->knitline_suit[2] = 0;
    SetHand(seat.get(), "11447s22558m36p11z");
    seat->ChoosePlan();
    EXPECT_EQ(seat->plan_pairs, 1);
    EXPECT_EQ(Flags(*seat), 1);
    EXPECT_EQ(Order(seat->knitline_suit), "210");

    // Eight knitted tiles (bamboo 1-4-7, characters 2-5-8, dots 3-6-9) choose that plan and
    // its order.
    seat->Reset();
    SetHand(seat.get(), "147s258m36p19m9s2p");
    seat->ChoosePlan();
    EXPECT_EQ(seat->plan_knitline, 1);
    EXPECT_EQ(Flags(*seat), 1);
    EXPECT_EQ(Order(seat->knitline_suit), "102");
}

TEST(ChoosePlan, ASeatThatNeverChoseAKnittedOrderGetsNoKnittedStraightTarget) {
    // Eight knitted tiles, but five pairs choose seven pairs: no order is written, and the
    // evaluator measures no knitted straight for the seat.
    CMjPlayer seat;
    SetHand(&seat, "11447s22558m36p11z");
    seat.ChoosePlan();
    EXPECT_EQ(seat.plan_pairs, 1);
    EXPECT_EQ(Order(seat.knitline_suit), "000");
    CEvaluation eval;
    eval.PlanKnittedStraight(&seat, seat.Mj, seat.cardnum);
    EXPECT_EQ(eval.plannum, 0);
}

// Knitted suit orders that name a suit twice or a suit that is not numbered are no order.
struct StaleSuitsCase {
    const char* why;
    int suits[3];
};

const StaleSuitsCase kStaleSuits[] = {
    {"suits never chosen (all characters)", {0, 0, 0}},
    {"a suit named twice", {1, 0, 1}},
    {"the honours as a suit", {0, 1, 3}},
};

TEST(KnittedTargets, SuitsThatAreNoOrderMakeNoKnittedPlan) {
    for (const StaleSuitsCase& c : kStaleSuits) {
        // Eight characters of 1 to 9: with all-character suits the "knitted" target would be
        // met and chosen at once; the pure straight that lacks the 9 is the target instead.
        auto seat = NewSeat();
        for (int i = 0; i < 3; ++i) seat->knitline_suit[i] = seat->knit_suit[i] = c.suits[i];
        SetHand(seat.get(), "12345678m1s5s9p157z");
        int seen[kTileKeyCount] = {};
        tagMj spare[14];
        int sparenum = 0;
        tagEvalPlan plan;
        CEvaluation eval;
        EXPECT_EQ(eval.Evaluate(seat.get(), seat->Mj, seat->cardnum, seen, spare, &sparenum, &plan),
                  1)
            << c.why;
        EXPECT_EQ(PlanFan(plan), kFanPureStraight) << c.why;
        // Flagged, the knitted planners make nothing and pass on to the general targets.
        seat->plan_knit = seat->plan_knitline = 1;
        EXPECT_EQ(eval.Evaluate(seat.get(), seat->Mj, seat->cardnum, seen, spare, &sparenum, &plan),
                  1)
            << c.why;
        EXPECT_EQ(PlanFan(plan), kFanPureStraight) << c.why;
    }
}

}  // namespace
