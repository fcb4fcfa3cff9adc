#include <gtest/gtest.h>

#include "AiTestSupport.h"
#include "rules/MjAi.h"
#include "rules/Random.h"

namespace {

using aitest::Name;
using aitest::NewSeat;
using aitest::SetHand;
using aitest::T;

long long FixedClock(void* context) { return *static_cast<long long*>(context); }

class MjAiPlayTest : public ::testing::Test {
protected:
    void SetUp() override { MjSetClock(FixedClock, &now); }
    void TearDown() override { MjSetClock(nullptr, nullptr); }

    std::string Play(const char* hand, int minfan = 8) {
        SetHand(seat.get(), hand);
        ai.minfan = minfan;
        ai.Play(seat.get(), seen, 60, nullptr, 0);
        return Name(seat->PlayMj);
    }
    std::string Candidates(const char* list) {
        auto tiles = aitest::Tiles(list);
        ai.ChooseFromCandidates(seat.get(), tiles.data(), static_cast<int>(tiles.size()), seen);
        return Name(seat->PlayMj);
    }

    long long now = 1700000000;
    std::unique_ptr<CMjPlayer> seat = NewSeat();
    int seen[kTileKeyCount] = {};
    CMjAi ai;
};

TEST_F(MjAiPlayTest, AHandReadyByOneDiscardKeepsItsLoneHonourAsTheWait) {
    // Discarding the extra 3 of bamboo leaves three concealed pungs waiting on the red dragon;
    // the evaluator alone would give up the red dragon.
    EXPECT_EQ(Play("111m1233s999s555p7z"), "3s");

    tagMj candidates[14];
    int count = 0;
    tagEvalPlan plan;
    ASSERT_GE(ai.evaluator.Evaluate(seat.get(), seat->Mj, seat->cardnum, seen, candidates, &count,
                                    &plan), 0);
    ai.ChooseFromCandidates(seat.get(), candidates, count, seen);
    EXPECT_EQ(Name(seat->PlayMj), "7z");
}

TEST_F(MjAiPlayTest, UnderTheZeroMinimumAStructurallyReadyShapePassesWithoutEightFans) {
    SetHand(seat.get(), "123m456s234p78p55z1z");
    tagMj singles[2];
    int best = 0;
    ai.minfan = 8;
    EXPECT_FALSE(ai.FindReadyDiscard(seat.get(), seat->Mj, seat->cardnum, 0, 0, 0, singles, seen,
                                     60, &best));
    EXPECT_EQ(ai.IsReady(seat.get(), aitest::Tiles("123m456s234p78p55z").data(), 13), 0);
    ai.minfan = 0;
    EXPECT_TRUE(ai.FindReadyDiscard(seat.get(), seat->Mj, seat->cardnum, 0, 0, 0, singles, seen,
                                    60, &best));
    EXPECT_EQ(Name(ai.PlayMj), "1z");
}

TEST_F(MjAiPlayTest, TheReadyTestKeepsTheScorersOwnSettingsWhateverThePlayRules) {
    // Ready, but worth fewer than 8 fans: the computer player's own ready test says no even
    // under the zero minimum and the wild rule, which only its play settings carry.
    const auto hand = aitest::Tiles("123m456s234p78p55z");
    ai.minfan = 0;
    ai.wildrule = 1;
    ai.wildmj = T("5z");
    EXPECT_EQ(ai.IsReady(seat.get(), hand.data(), 13), 0);
    EXPECT_EQ(ai.CGbHu::minfan, 8);
    EXPECT_EQ(ai.CGbHu::wildrule, 0);
    ai.CGbHu::minfan = 0;
    EXPECT_GT(ai.IsReady(seat.get(), hand.data(), 13), 0);
}

TEST_F(MjAiPlayTest, OfTwoEqualReadyDiscardsTheFirstScoredStays) {
    // Either honour can go, the other waiting as the pair: equal scores keep east.
    EXPECT_EQ(Play("123m456m789m123s1z2z"), "1z");
    // One east seen: waiting on east is worse, so east stays and south goes.
    seen[TileKey(T("1z"))] = 1;
    EXPECT_EQ(Play("123m456m789m123s1z2z"), "1z");
    seen[TileKey(T("1z"))] = 0;
    seen[TileKey(T("2z"))] = 1;
    EXPECT_EQ(Play("123m456m789m123s1z2z"), "2z");
}

struct ShapeCase {
    const char* candidates;
    const char* discard;
    const char* rule;
};

const ShapeCase kShapeCases[] = {
    {"1m2m5z", "5z", "an honour without an equal neighbour goes first"},
    {"5z5z6z", "6z", "a leading pair of honours is kept: the second compares with the first"},
    {"1m5m6m", "1m", "a head tile with no tile of its suit within two"},
    {"1m2m5s8p9p", "5s", "an inner tile with no near neighbour on either side"},
    {"1m2m3m9s", "9s", "a last tile with no near neighbour"},
    {"1m3m4m5m", "1m", "a head tile with no neighbour within one"},
    {"1m2m4m6m7m", "4m", "an inner tile with no neighbour within one"},
    {"1m2m4m", "4m", "a last tile with no neighbour within one"},
    {"1m2m7s8s9s", "1m", "of the singles that join no chow, a terminal first"},
    {"2m3m3m7s8s8s", "2m", "then a single beside a doubled tile"},
};

TEST_F(MjAiPlayTest, TheShapeHeuristicFollowsItsRulesInOrder) {
    for (const ShapeCase& c : kShapeCases) EXPECT_EQ(Candidates(c.candidates), c.discard) << c.rule;
}

TEST_F(MjAiPlayTest, ALoneTileWithBothNeighboursIsNoChowlessSingle) {
    // 7-8-9 of bamboo all join a chow; only the characters are chowless, and one of them goes.
    for (long long second = 0; second < 20; ++second) {
        MjSrand(static_cast<unsigned int>(second));
        const std::string discard = Candidates("2m3m7s8s9s");
        EXPECT_TRUE(discard == "2m" || discard == "3m") << discard;
    }
}

TEST_F(MjAiPlayTest, AllPungsPlanGivesUpTheCandidateWithTheFewestLiveCopies) {
    seat->plan_pungs = 1;
    SetHand(seat.get(), "1m5s9p");
    seen[TileKey(T("5s"))] = 2;
    EXPECT_EQ(Candidates("1m5s9p"), "5s");
}

TEST_F(MjAiPlayTest, WithNoChowlessSingleTheDiscardIsRandomAndTheClockSecondDecidesIt) {
    // Two pung melds and a hand of runs: no plan, no ready shape, every tile in a chow.
    aitest::AddMeld(seat.get(), kKindPung, "999p");
    aitest::AddMeld(seat.get(), kKindPung, "555z");
    const auto hand = aitest::Tiles("12345m678s");
    MjSrand(static_cast<unsigned int>(now));
    const tagMj expected = hand[MjRand() % 8];
    EXPECT_EQ(Play("12345m678s"), Name(expected));

    // A second seat choosing in the same second draws the same number.
    auto other = NewSeat();
    aitest::AddMeld(other.get(), kKindPung, "999p");
    aitest::AddMeld(other.get(), kKindPung, "555z");
    SetHand(other.get(), "12345m678s");
    MjSrand(12345);
    ai.Play(other.get(), seen, 60, nullptr, 0);
    EXPECT_EQ(Name(other->PlayMj), Name(expected));
}

struct WildCase {
    const char* hand;
    const char* wild;
    const char* discard;
    const char* why;
};

const WildCase kWildCases[] = {
    {"5m1z", "5m", "1z", "one plain tile left: it goes"},
    {"5m5m", "5m", "5m", "only wild tiles: a wild goes"},
    {"1f3f", "2f", "1f", "a flower wild tile makes every flower wild"},
    {"5m5m5m9s", "5m", "9s", "three wilds and one plain tile: the plain one goes"},
};

TEST_F(MjAiPlayTest, AWildHandWithFewerThanTwoPlainTilesDiscardsAPlainTileIfItHasOne) {
    ai.wildrule = 1;
    for (const WildCase& c : kWildCases) {
        auto s = NewSeat();
        SetHand(s.get(), c.hand);
        ai.wildmj = T(c.wild);
        ai.PlayWild(s.get(), seen, 60, nullptr, 0);
        EXPECT_EQ(Name(s->PlayMj), c.discard) << c.why;
    }
}

TEST_F(MjAiPlayTest, PlayWildTakesAPlainReadyDiscardButNeverTheWildTile) {
    // The straight and the pair of 1s wait on the 5 of bamboo once the last tile goes: a plain
    // 9 of dots is discarded; the red dragon, being wild, is kept and nothing is ready.
    ai.wildrule = 1;
    ai.wildmj = T("5z");
    const struct {
        const char* hand;
        bool ready;
    } cases[] = {{"123456789m11s46s9p", true}, {"123456789m11s46s5z", false}};
    for (const auto& c : cases) {
        SetHand(seat.get(), c.hand);
        tagMj out{0, 0};
        EXPECT_EQ(ai.FindReadyDiscardWild(seat.get(), seat->Mj, seat->cardnum, &out), c.ready)
            << c.hand;
        ai.PlayWild(seat.get(), seen, 60, nullptr, 0);
        if (c.ready) {
            EXPECT_EQ(Name(seat->PlayMj), "9p");
        } else {
            EXPECT_NE(Name(seat->PlayMj), "5z");
        }
    }
}

}  // namespace

namespace {

using aitest::NewSeat;
using aitest::SetHand;
using aitest::T;

// The ready search on the seat's hand from a best score of 0, with nothing seen.
bool ReadySearch(CMjAi& ai, CMjPlayer* seat) {
    const int seen[kTileKeyCount] = {};
    tagMj singles[2];
    int best = 0;
    return ai.FindReadyDiscard(seat, seat->Mj, seat->cardnum, 0, 0, 0, singles, seen, 60, &best);
}

TEST(MjAiReadySearch, OfTwoLoneTilesEachDiscardIsTestedOnItsOwn) {
    // The two lone tiles are the only loose pieces.  Keeping the 1 of dots as the pair leaves
    // no hand worth the minimum; keeping the 9 of bamboo makes a full flush: the first lone
    // tile failing the minimum does not stop the second from being found.
    CMjAi ai;
    auto seat = NewSeat();
    aitest::AddMeld(seat.get(), kKindChow, "123s");
    SetHand(seat.get(), "222345456s9s1p");
    ASSERT_EQ(ai.IsReady(seat.get(), aitest::Tiles("222345456s1p").data(), 10), 0);
    ASSERT_GE(ai.IsReady(seat.get(), aitest::Tiles("222345456s9s").data(), 10), 8);
    EXPECT_TRUE(ReadySearch(ai, seat.get()));
    EXPECT_EQ(aitest::Name(ai.PlayMj), "1p");
    const int seen[kTileKeyCount] = {};
    ai.Play(seat.get(), seen, 60, nullptr, 0);
    EXPECT_EQ(aitest::Name(seat->PlayMj), "1p");
}

TEST(MjAiReadySearch, AHandOfManyPairsLeavesTheSearchRecordsAlone) {
    // Paths of three and more pairs can end in no ready shape; they record nothing, so the
    // tile chosen before, kept beside the two pair places, stays as it was.
    CMjAi ai;
    auto seat = NewSeat();
    SetHand(seat.get(), "1133m3355s5577p57z");
    ai.PlayMj = T("6z");
    EXPECT_FALSE(ReadySearch(ai, seat.get()));
    EXPECT_EQ(aitest::Name(ai.PlayMj), "6z");
}

TEST(MjAiConstruction, PlaysUnderTheOfficialMinimumWithoutAWildTileUntilTheTableSaysOtherwise) {
    CMjAi ai;
    EXPECT_EQ(ai.minfan, 8);
    EXPECT_EQ(ai.wildrule, 0);
    EXPECT_EQ(aitest::Name(ai.wildmj), aitest::Name(tagMj{1, 1}));
    EXPECT_EQ(ai.CGbHu::minfan, 8);
    EXPECT_EQ(ai.CGbHu::wildrule, 0);
}

}  // namespace
