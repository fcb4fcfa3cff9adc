#include <gtest/gtest.h>

#include <iterator>

#include "AiTestSupport.h"
#include "rules/Evaluation.h"

namespace {

using aitest::Names;
using aitest::NewSeat;
using aitest::PlanFan;
using aitest::SetHand;
using aitest::T;

struct EvalResult {
    int needed;
    std::string spare;
    tagEvalPlan plan;
};

EvalResult Judge(CEvaluation& eval, CMjPlayer* seat, const int* seen) {
    EvalResult r{};
    tagMj spare[14];
    int sparenum = -7;
    r.needed = eval.Evaluate(seat, seat->Mj, seat->cardnum, seen, spare, &sparenum, &r.plan);
    if (r.needed >= 0) r.spare = Names(spare, sparenum);
    return r;
}

class EvaluationTest : public ::testing::Test {
protected:
    std::unique_ptr<CMjPlayer> seat = NewSeat();
    int seen[kTileKeyCount] = {};
    CEvaluation eval;
};

TEST_F(EvaluationTest, TwoPungMeldsWithoutAPlanLeaveNoTarget) {
    aitest::AddMeld(seat.get(), kKindPung, "111m");
    aitest::AddMeld(seat.get(), kKindPung, "555z");
    SetHand(seat.get(), "345m678s99p");
    tagMj spare[14] = {{7, 3}};
    int sparenum = 42;
    tagEvalPlan plan;
    plan.fan = 99;
    EXPECT_EQ(eval.Evaluate(seat.get(), seat->Mj, seat->cardnum, seen, spare, &sparenum, &plan), -1);
    EXPECT_EQ(sparenum, 42);
    EXPECT_EQ(plan.fan, 99);
    EXPECT_TRUE(TileEqual(spare[0], tagMj{7, 3}));
}

TEST_F(EvaluationTest, AChowMeldCompletesAStraightWithoutTakingHandTiles) {
    aitest::AddMeld(seat.get(), kKindChow, "456s");
    SetHand(seat.get(), "159m12379s7z");
    const EvalResult r = Judge(eval, seat.get(), seen);
    EXPECT_EQ(r.needed, 1);
    EXPECT_EQ(PlanFan(r.plan), kFanPureStraight);
    EXPECT_EQ(r.spare, "1m5m9m7z");
    ASSERT_EQ(r.plan.meldnum, 3);
    EXPECT_EQ(r.plan.melds[1].heldnum, 3);
    ASSERT_EQ(r.plan.melds[2].neednum, 1);
    EXPECT_TRUE(TileEqual(r.plan.melds[2].need[0], T("8s")));
    EXPECT_EQ(r.plan.melds[2].live[0], 4);
}

TEST_F(EvaluationTest, ANeededTileWithNoLiveCopyCountsAsNine) {
    aitest::AddMeld(seat.get(), kKindChow, "456s");
    SetHand(seat.get(), "159m12379s7z");
    seen[TileKey(T("8s"))] = 4;
    const EvalResult r = Judge(eval, seat.get(), seen);
    EXPECT_EQ(r.needed, 9);
    EXPECT_EQ(PlanFan(r.plan), kFanPureStraight);
    EXPECT_EQ(r.plan.melds[2].live[0], 0);
}

TEST_F(EvaluationTest, APlanWithALivePathBeatsADeadOne) {
    // The bamboo straight lacks only its 8; once every 8 of bamboo is gone, a farther plan
    // whose missing tiles are still live is chosen instead.
    SetHand(seat.get(), "12345679s12345m");
    EvalResult r = Judge(eval, seat.get(), seen);
    EXPECT_EQ(r.needed, 1);
    EXPECT_EQ(PlanFan(r.plan), kFanPureStraight);
    seen[TileKey(T("8s"))] = 4;
    r = Judge(eval, seat.get(), seen);
    EXPECT_GT(r.needed, 1);
    EXPECT_LE(r.needed, 4);
}

// One evaluation: the seat's plan flags, its hand, and what the evaluator answers.
struct PlanCase {
    const char* why;
    void (*flag)(CMjPlayer*);
    const char* hand;
    int needed;
    Fan fan;
    const char* spare;
};

void ExpectPlans(const PlanCase* cases, size_t n, const int* seen) {
    for (size_t i = 0; i < n; ++i) {
        const PlanCase& c = cases[i];
        auto s = NewSeat();
        if (c.flag) c.flag(s.get());
        SetHand(s.get(), c.hand);
        CEvaluation eval;
        const EvalResult r = Judge(eval, s.get(), seen);
        EXPECT_EQ(r.needed, c.needed) << c.why;
        EXPECT_EQ(PlanFan(r.plan), c.fan) << c.why;
        EXPECT_EQ(r.spare, c.spare) << c.why;
    }
}

const PlanCase kTieCases[] = {
    {"three plans need 2: the first is chosen, the candidates are the tiles all three give up",
     nullptr, "1234567m12345s9p1z", 2, kFanPureShiftedChows, "4s5s1z"},
    {"plans of either suit need 2 and give up nothing in common: the chosen plan's own spare",
     nullptr, "1234567m1234567s", 2, kFanPureShiftedChows, "1s2s3s4s5s6s7s"},
    {"two plans need 1: the first one's spare tiles come back unnarrowed", nullptr,
     "12345679m123s45p1z", 1, kFanPureStraight, "1s2s3s4p5p1z"},
};

TEST_F(EvaluationTest, EqualPlansChooseTheFirstAndNarrowTheCandidatesFromTwoTilesOn) {
    ExpectPlans(kTieCases, std::size(kTieCases), seen);
}

TEST_F(EvaluationTest, ASevenPairsPlanSetsTheSeatsPairsFlag) {
    SetHand(seat.get(), "1122m3344s5566p7z");
    const EvalResult r = Judge(eval, seat.get(), seen);
    EXPECT_EQ(PlanFan(r.plan), kFanSevenPairs);
    EXPECT_EQ(r.needed, 0);
    EXPECT_EQ(r.spare, "7z");
    EXPECT_EQ(seat->plan_pairs, 1);

    // A complete seven pairs keeps all seven groups.
    SetHand(seat.get(), "1122m3344s5566p77z");
    const EvalResult full = Judge(eval, seat.get(), seen);
    EXPECT_EQ(full.needed, 0);
    ASSERT_EQ(full.plan.meldnum, 7);
    EXPECT_TRUE(TileEqual(full.plan.melds[6].held[1], T("7z")));
    EXPECT_EQ(full.spare, "");
}

TEST_F(EvaluationTest, ThePairsFlagTakesSevenPairsEvenWhenAChowPlanIsCloser) {
    SetHand(seat.get(), "112233m456s789p77z");
    EvalResult r = Judge(eval, seat.get(), seen);
    EXPECT_EQ(r.needed, 0);
    EXPECT_EQ(PlanFan(r.plan), kFanMixedStraight);
    EXPECT_EQ(seat->plan_pairs, 0);

    seat->plan_pairs = 1;
    r = Judge(eval, seat.get(), seen);
    EXPECT_EQ(r.needed, 3);
    EXPECT_EQ(PlanFan(r.plan), kFanSevenPairs);
    EXPECT_EQ(r.spare, "4s5s6s7p8p9p");
}

const PlanCase kFlaggedCases[] = {
    {"one suit counts the tiles of other suits",
     [](CMjPlayer* p) { p->plan_suit = 1; p->plan_suitno = 1; }, "123m456789s11z", 2, kFanFullFlush,
     "1m2m3m1z1z"},
    {"all pungs spares the lone tiles",
     [](CMjPlayer* p) { p->plan_pungs = 1; }, "111m22s33p777p45z", 0, kFanAllPungs, "4z5z"},
    {"all pungs without lone tiles spares one of each pair",
     [](CMjPlayer* p) { p->plan_pungs = 1; }, "111m22s33p", 1, kFanAllPungs, "2s3p"},
    {"knitted honours covers the honours and the knitted tiles",
     [](CMjPlayer* p) { p->plan_knit = 1; }, "147m25s39p1234566z", 0,
     kFanLesserHonoursAndKnittedTiles, "6z"},
    {"knitted straight follows the seat's suit order",
     [](CMjPlayer* p) { p->plan_knitline = 1; p->knitline_suit[0] = 1; p->knitline_suit[1] = 0; },
     "258m147s369p1122z", 0, kFanLesserHonoursAndKnittedTiles, "1z1z2z2z"},
};

TEST_F(EvaluationTest, FlaggedPlansAreTakenFirstAsTheyCome) {
    ExpectPlans(kFlaggedCases, std::size(kFlaggedCases), seen);
}

TEST_F(EvaluationTest, TheKnittedStraightCountsTheKnittedTilesItLacks) {
    // One meld and six of the nine knitted tiles of bamboo 1-4-7, dots 2-5-8, characters
    // 3-6-9: the plan lacks 1s, 4s and 2p, is not complete, and no longer beats every plan.
    aitest::AddMeld(seat.get(), kKindChow, "123m");
    seat->knitline_suit[0] = 1;
    seat->knitline_suit[1] = 2;
    seat->knitline_suit[2] = 0;
    SetHand(seat.get(), "3m6m7m9m6s6s7s3p5p7p8p");
    eval.PlanKnittedStraight(seat.get(), seat->Mj, seat->cardnum);
    ASSERT_EQ(eval.plannum, 1);
    const tagEvalPlan& knitted = eval.plans[0];
    EXPECT_EQ(knitted.needed, 3);
    std::string lacking;
    for (int g = 0; g < knitted.meldnum; ++g)
        lacking += Names(knitted.melds[g].need, knitted.melds[g].neednum);
    EXPECT_EQ(lacking, "1s4s2p");
    EXPECT_EQ(Names(knitted.spare, knitted.sparenum), "7m6s6s3p7p");

    const EvalResult r = Judge(eval, seat.get(), seen);
    EXPECT_GT(r.needed, 0);
    EXPECT_NE(PlanFan(r.plan), kFanLesserHonoursAndKnittedTiles);

    // Its missing tiles are live like any plan's: with every 4s seen it has no path.
    seen[TileKey(T("4s"))] = 4;
    Judge(eval, seat.get(), seen);
    int dead = -1;
    for (int p = 0; p < eval.plannum; ++p)
        if (PlanFan(eval.plans[p]) == kFanLesserHonoursAndKnittedTiles) dead = eval.plans[p].needed;
    EXPECT_EQ(dead, 9);
}

TEST_F(EvaluationTest, AFlaggedPlannerThatFindsNothingPassesToTheNextFlag) {
    // Knitted honours on dots 1-4-7, characters 2-5-8, bamboo 3-6-9 leaves eleven tiles over
    // and makes no plan; the knitted straight on characters, bamboo, dots then does.
    seat->plan_knit = 1;
    seat->knit_suit[0] = 2;
    seat->knit_suit[1] = 0;
    seat->knit_suit[2] = 1;
    seat->plan_knitline = 1;
    SetHand(seat.get(), "147m258s369p123m5z");
    const EvalResult r = Judge(eval, seat.get(), seen);
    EXPECT_EQ(PlanFan(r.plan), kFanLesserHonoursAndKnittedTiles);
    EXPECT_EQ(r.spare, "1m2m3m5z");
}

}  // namespace
