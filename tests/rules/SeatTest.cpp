// The seat record: its sorting with marks and wild tiles, the claim tests, removal, the kong
// searches, the plan choice, and its timers.
#include <gtest/gtest.h>

#include "platform/Timer.h"
#include "platform/testing/ScopedService.h"
#include "rules/MjTimer.h"
#include "testsupport/rules/RulesTestSupport.h"

using namespace rulestest;

namespace {

void Hold(CMjPlayer& p, const std::string& hand) {
    const std::vector<tagMj> tiles = T(hand);
    p.cardnum = static_cast<int>(tiles.size());
    for (int i = 0; i < p.cardnum; i++) p.Mj[i] = tiles[i];
}

std::string Hand(const CMjPlayer& p) { return Str(p.Mj, p.cardnum); }

std::string Options(const CMjPlayer& p) {
    std::string s;
    for (int i = 0; i < p.chownum; i++) s += Str(p.Chow[i].Mj, p.Chow[i].num) + " ";
    return s;
}

// The suits of the rows 1-4-7, 2-5-8 and 3-6-9, as digits.
std::string Rows(const int* suits) {
    return std::to_string(suits[0]) + std::to_string(suits[1]) + std::to_string(suits[2]);
}

class TimerRecorder : public platform::TimerService {
public:
    void Set(int id, unsigned ms) override { calls.push_back("set " + std::to_string(id) + " " + std::to_string(ms)); }
    void Kill(int id) override { calls.push_back("kill " + std::to_string(id)); }
    std::vector<std::string> calls;
};

}  // namespace

TEST(SeatRecord, StartsWithItsDefaultsAndResetKeepsWhatSurvivesHands) {
    CMjPlayer p;
    EXPECT_EQ(p.sex, 1);
    EXPECT_EQ(p.language, 1);
    EXPECT_EQ(p.planon, 1);
    EXPECT_EQ(p.select, -1);
    EXPECT_EQ(p.paidby, -1);
    EXPECT_EQ(p.facetimer->interval, 50);
    EXPECT_EQ(p.waittimer->interval, 10000);
    EXPECT_EQ(p.actiontimer->interval, 1000);
    EXPECT_FALSE(p.facetimer->enabled);
    for (int i = 0; i < 5; i++) EXPECT_EQ(p.open[i], 1);
    for (int i = 0; i < 15; i++) EXPECT_EQ(p.canplay[i], 1);

    p.score = 1200;
    p.items[1] = 2;
    p.menfeng = 3;
    p.wildmode = 1;
    p.cardnum = 5;
    p.gangnum = 2;
    p.open[1] = 0;
    p.lock[3] = 1;
    p.FanFlag[kFanFourConcealedPungs] = 1;
    p.ting = 1;
    p.plan_pairs = 1;
    p.flowers = 2;
    p.Reset();
    EXPECT_EQ(p.score, 1200);
    EXPECT_EQ(p.items[1], 2);
    EXPECT_EQ(p.menfeng, 3);
    EXPECT_EQ(p.wildmode, 1);
    EXPECT_EQ(p.cardnum, 0);
    EXPECT_EQ(p.gangnum, 0);
    EXPECT_EQ(p.open[1], 1);
    EXPECT_EQ(p.lock[3], 0);
    EXPECT_EQ(p.FanFlag[kFanFourConcealedPungs], 0);
    EXPECT_EQ(p.ting, 0);
    EXPECT_EQ(p.plan_pairs, 0);
    EXPECT_EQ(p.flowers, 0);
}

TEST(SeatSort, WildTilesFirstAndLockMarksTravelWithTheirTiles) {
    CMjPlayer p;
    Hold(p, "9p5m2f1z5s1f3m");
    p.lock[0] = 1;  // 9p
    p.lock[4] = 2;  // 5s
    p.SortHand();
    EXPECT_EQ(Hand(p), "3m5m5s9p1z1f2f");
    EXPECT_EQ(p.lock[2], 2);
    EXPECT_EQ(p.lock[3], 1);

    p.wildmode = 1;
    p.wildmj = One("3f");  // every flower is wild
    p.SortHand();
    EXPECT_EQ(Hand(p), "1f2f3m5m5s9p1z");
    EXPECT_EQ(p.lock[4], 2);
    EXPECT_EQ(p.lock[5], 1);

    p.wildmj = One("5s");
    p.SortHand();
    EXPECT_EQ(Hand(p), "5s3m5m9p1z1f2f");
    EXPECT_EQ(p.lock[0], 2);
    EXPECT_EQ(p.lock[3], 1);
}

TEST(SeatClaims, ChowOptionsInOrderMiddleTopBottom) {
    struct Case { const char* hand; const char* tile; bool can; const char* options; };
    const Case cases[] = {
        {"2m3m4m", "1m", true, "2m3m "},
        {"7m8m6m", "9m", true, "7m8m "},
        {"3p4p6p7p", "5p", true, "4p6p 3p4p 6p7p "},
        {"1z2z", "3z", false, ""},
        {"4s6s", "5m", false, ""},
    };
    for (const Case& c : cases) {
        CMjPlayer p;
        Hold(p, c.hand);
        EXPECT_EQ(p.CanChow(One(c.tile)), c.can) << c.hand << " " << c.tile;
        EXPECT_EQ(Options(p), c.options) << c.hand << " " << c.tile;
    }
}

TEST(SeatClaims, WildTilesNeitherAreClaimedNorCompleteAChow) {
    CMjPlayer p;
    Hold(p, "3p4p6p7p5p5p");
    p.wildmode = 1;
    p.wildmj = One("4p");
    p.chownum = 2;
    EXPECT_FALSE(p.CanChow(One("4p")));
    EXPECT_EQ(p.chownum, 2);  // a wild discard leaves the options as they were
    EXPECT_TRUE(p.CanChow(One("5p")));
    EXPECT_EQ(Options(p), "6p7p ");
    EXPECT_TRUE(p.CanPung(One("5p")));
    Hold(p, "4p4p4p5p5p5p5p");
    EXPECT_FALSE(p.CanPung(One("4p")));
    EXPECT_FALSE(p.CanKong(One("4p")));
}

TEST(SeatClaims, PungNeedsTwoCopiesAndKongExactlyThree) {
    CMjPlayer p;
    Hold(p, "1m1m2s2s2s3p3p3p3p");
    EXPECT_TRUE(p.CanPung(One("1m")));
    EXPECT_FALSE(p.CanKong(One("1m")));
    EXPECT_TRUE(p.CanKong(One("2s")));
    EXPECT_FALSE(p.CanKong(One("3p")));  // four held: a concealed kong instead
    EXPECT_FALSE(p.CanPung(One("9m")));
}

TEST(SeatRemoval, DeletesFirstCopiesWithTheirMarksAndIgnoresAbsentTiles) {
    CMjPlayer p;
    Hold(p, "1m2m2m3m");
    p.lock[2] = 1;
    p.lock[3] = 2;
    p.DeleteMj(One("2m"));
    EXPECT_EQ(Hand(p), "1m2m3m");
    EXPECT_EQ(p.lock[1], 1);
    EXPECT_EQ(p.lock[2], 2);
    p.DeleteMj(One("9z"));
    EXPECT_EQ(Hand(p), "1m2m3m");
    p.DeleteMjN(One("1m"), 2);
    EXPECT_EQ(Hand(p), "2m3m");
    p.PlayMj = One("3m");
    p.PlayMjOut();
    EXPECT_EQ(Hand(p), "2m");
    EXPECT_EQ(p.played, 1);
    EXPECT_EQ(p.CountMj(One("2m")), 1);
    EXPECT_TRUE(p.FindMj(One("2m")));
    p.cardnum = 0;
    EXPECT_FALSE(p.FindMj(One("2m")));
}

TEST(SeatKongs, FindsConcealedAndAddedKongsAndLeavesTheOutTileOnFailure) {
    CMjPlayer p;
    Hold(p, "5s1m5s5s2m5s");
    tagMj out = One("9p");
    EXPECT_TRUE(p.FindConcealedKong(&out));
    EXPECT_TRUE(TileEqual(out, One("5s")));
    Hold(p, "1m1m1m2m");
    out = One("9p");
    EXPECT_FALSE(p.FindConcealedKong(&out));
    EXPECT_FALSE(p.FindAddedKong(&out));
    EXPECT_TRUE(TileEqual(out, One("9p")));
    SetMelds(p, {{"222m"}});
    EXPECT_TRUE(p.HasPung(One("2m")));
    EXPECT_TRUE(p.FindAddedKong(&out));
    EXPECT_TRUE(TileEqual(out, One("2m")));
}

TEST(SeatKongs, OptionsInOrderDrawnConcealedHandConcealedDrawnAddedHandAdded) {
    CMjPlayer p;
    Hold(p, "1m1m1m1m4s4s4s7p9p");
    SetMelds(p, {{"777p"}, {"999p"}, {"333z"}});
    p.hasnew = 1;
    p.newmj = One("3z");
    EXPECT_EQ(p.BuildKongOptions(), 4);
    EXPECT_EQ(Str(p.Kong, p.kongnum), "1m3z7p9p");
    p.newmj = One("4s");
    EXPECT_EQ(p.BuildKongOptions(), 4);
    EXPECT_EQ(Str(p.Kong, p.kongnum), "4s1m7p9p");
    p.hasnew = 0;
    EXPECT_EQ(p.BuildKongOptions(), 3);
    EXPECT_EQ(Str(p.Kong, p.kongnum), "1m7p9p");
}

TEST(SeatCounts, ConcealedHandSuitCountsAndMainSuit) {
    CMjPlayer p;
    Hold(p, "1m2m3m4m5s6s");
    EXPECT_TRUE(p.IsConcealedHand());
    SetMelds(p, {{"7777m", false}});
    EXPECT_TRUE(p.IsConcealedHand());
    EXPECT_EQ(p.CountSuit(0), 8);
    EXPECT_EQ(p.MainSuit(8), 0);
    EXPECT_EQ(p.MainSuit(9), 10);
    SetMelds(p, {{"7777m", false}, {"111s"}});
    EXPECT_FALSE(p.IsConcealedHand());
    EXPECT_EQ(p.CountSuit(1), 5);
}

// A count out of its range is a broken record: checked builds stop at it, release builds
// read it clamped.
TEST(SeatCountsDeathTest, ABrokenCountStopsCheckedBuildsAndIsClampedInRelease) {
    CMjPlayer p;
    p.gangnum = kMaxMelds + 1;
    p.cardnum = -1;
#if MJ_ASSERTS_ON
    EXPECT_DEATH(p.MeldCount(), "gangnum");
    EXPECT_DEATH(p.HandCount(), "cardnum");
#else
    EXPECT_EQ(p.MeldCount(), kMaxMelds);
    EXPECT_EQ(p.HandCount(), 0);
#endif
}

TEST(SeatPlan, KnittedWithHonoursAndKnittedStraight) {
    CMjPlayer p;
    Hold(p, "147m258s369p12z");
    p.ChoosePlan();
    EXPECT_EQ(p.plan_knit, 1);
    EXPECT_EQ(Rows(p.knit_suit), "012");

    CMjPlayer q;
    Hold(q, "147s25m36p1m1m5m9s");
    q.SortHand();
    q.ChoosePlan();
    EXPECT_EQ(q.plan_knit, 0);
    EXPECT_EQ(q.plan_knitline, 1);
    EXPECT_EQ(Rows(q.knitline_suit), "102");
}

TEST(SeatPlan, FourPairsMakeSevenPairsAndPlanOffSetsNothing) {
    CMjPlayer p;
    Hold(p, "1m1m4s4s7p7p2z2z3m6s9p5z7z");
    p.SortHand();
    p.ChoosePlan();
    EXPECT_EQ(p.plan_pairs, 1);
    EXPECT_EQ(p.plan_suit, 0);

    CMjPlayer off;
    Hold(off, "1m1m4s4s7p7p2z2z3m6s9p5z7z");
    off.planon = 0;
    off.ChoosePlan();
    EXPECT_EQ(off.plan_pairs + off.plan_suit + off.plan_knit + off.plan_knitline + off.plan_pungs, 0);
}

TEST(SeatTimer, EnablingArmsWithTheIntervalAndDisablingOrDestroyingKills) {
    TimerRecorder recorder;
    {
        const platform::testing::ScopedTimerService installed(&recorder);
        CMjTimer timer;
        EXPECT_EQ(timer.interval, 1000);
        EXPECT_FALSE(timer.enabled);
        timer.id = 104;
        timer.interval = 1;
        timer.SetEnabled(true);
        timer.interval = 600;
        timer.SetEnabled(true);
        EXPECT_TRUE(timer.enabled);
        timer.SetEnabled(false);
        EXPECT_FALSE(timer.enabled);
    }
    const std::vector<std::string> expected = {"set 104 1", "set 104 600", "kill 104", "kill 104"};
    EXPECT_EQ(recorder.calls, expected);
}
