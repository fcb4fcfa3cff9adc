#include <gtest/gtest.h>

#include "AiTestSupport.h"
#include "rules/MjAi.h"

namespace {

using aitest::Name;
using aitest::NewSeat;
using aitest::SetHand;
using aitest::T;

class BestWayTest : public ::testing::Test {
protected:
    void SetUp() override { ai.minfan = 0; }
    void Dead(const char* tile, int copiesHeld) { seen[TileKey(T(tile))] = 4 - copiesHeld; }

    std::unique_ptr<CMjPlayer> seat = NewSeat();
    int seen[kTileKeyCount] = {};
    CMjAi ai;
};

struct PartialCase {
    const char* first;
    const char* second;
    const char* seenTile;   // one copy of this tile is seen
    int waits;
    const char* why;
};

const PartialCase kPartialCases[] = {
    {"1m", "2m", "3m", 3, "1-2 waits only on the 3s"},
    {"1m", "2m", "4m", 4, "1-2 does not count the 4s"},
    {"8m", "9m", "7m", 3, "8-9 waits only on the 7s"},
    {"8m", "9m", "6m", 4, "8-9 does not count the 6s"},
    {"4m", "6m", "5m", 3, "4-6 waits only on the 5s"},
    {"4m", "6m", "3m", 4, "4-6 does not count the 3s"},
    {"4m", "5m", "6m", 7, "4-5 waits on the 3s and the 6s"},
    {"1z", "2z", "3z", 3, "two neighbouring winds wait on the next wind"},
};

TEST_F(BestWayTest, PartialWaitsCountTheLiveTilesThatCompleteTheRun) {
    for (const PartialCase& c : kPartialCases) {
        int s[kTileKeyCount] = {};
        s[TileKey(T(c.seenTile))] = 1;
        EXPECT_EQ(ai.PartialWaits(seat.get(), s, tagPartialMj{T(c.first), T(c.second)}), c.waits)
            << c.why;
    }
}

TEST_F(BestWayTest, PairWaitsAreFourTimesTheLiveCopies) {
    SetHand(seat.get(), "11m");
    seen[TileKey(T("1m"))] = 1;
    EXPECT_EQ(ai.PairWaits(seat.get(), seen, T("1m")), 4);
    EXPECT_EQ(ai.LiveCount(seat.get(), seen, T("0m")), 0);
    EXPECT_EQ(ai.LiveCount(seat.get(), seen, T("8z")), 0);
    EXPECT_EQ(ai.LiveCount(seat.get(), seen, T("1f")), 0);
}

TEST_F(BestWayTest, AShapeWithoutOneOrTwoStepsFindsNothing) {
    SetHand(seat.get(), "1m9s");
    EXPECT_EQ(ai.GetBestWay(seat.get(), seen), 0);
}

TEST_F(BestWayTest, AOneStepShapeGivesUpItsWeakestSingle) {
    // The pair of 1s with three singles: the singles are equally live, so the first goes.
    SetHand(seat.get(), "11m9s3p5z");
    EXPECT_EQ(ai.GetBestWay(seat.get(), seen), 1);
    EXPECT_EQ(Name(ai.PlayMj), "9s");
    // One 3 of dots seen makes it the weakest.
    seen[TileKey(T("3p"))] = 1;
    EXPECT_EQ(ai.GetBestWay(seat.get(), seen), 1);
    EXPECT_EQ(Name(ai.PlayMj), "3p");
}

TEST_F(BestWayTest, OfTwoShapesScoringAlikeTheOneExploredFirstKeepsItsTile) {
    // 1-2 with lone 4, 7, 9 and 2-4 with lone 1, 7, 9 both score 10 (four 3s, and three live
    // copies of each kept lone tile).  The search takes the head as a single before it tries a
    // partial, so the 2-4 shape is scored first and its 1 goes, not the 4 of the 1-2 shape.
    SetHand(seat.get(), "124m7s9p");
    EXPECT_EQ(ai.GetBestWay(seat.get(), seen), 1);
    EXPECT_EQ(ai.step1score, 10);
    EXPECT_EQ(Name(ai.PlayMj), "1m");
}

TEST_F(BestWayTest, AShapeWhoseWaitsAreAllDeadCountsAsNotFound) {
    SetHand(seat.get(), "11m9s3p5z");
    Dead("1m", 2);
    Dead("9s", 1);
    Dead("3p", 1);
    Dead("5z", 1);
    ai.PlayMj = T("7z");
    EXPECT_EQ(ai.GetBestWay(seat.get(), seen), 0);
    EXPECT_EQ(Name(ai.PlayMj), "7z");
}

TEST_F(BestWayTest, FourPairsGiveUpThePairWithTheFewestWaits) {
    SetHand(seat.get(), "11m22s33p44z");
    Dead("4z", 2);
    EXPECT_EQ(ai.GetBestWay(seat.get(), seen), 1);
    EXPECT_EQ(Name(ai.PlayMj), "4z");
    EXPECT_EQ(ai.step1score, 24);
}

TEST_F(BestWayTest, OnlyATwoStepShapeGivesAStepTwoDiscard) {
    // A pair and three partials: the partial with the fewest waits is broken, the first of
    // equals (1-2 and 7-9 both wait on four tiles).
    SetHand(seat.get(), "11z12m45s79p");
    EXPECT_EQ(ai.GetBestWay(seat.get(), seen), 2);
    EXPECT_EQ(ai.step1score, 0);
    EXPECT_EQ(Name(ai.PlayMj), "1m");
    seen[TileKey(T("8p"))] = 1;
    EXPECT_EQ(ai.GetBestWay(seat.get(), seen), 2);
    EXPECT_EQ(Name(ai.PlayMj), "7p");
    EXPECT_EQ(ai.step2score, 8 + 4 + 8);
}

TEST_F(BestWayTest, PlayUnderTheZeroMinimumTakesTheSearchsDiscard) {
    SetHand(seat.get(), "11m9s3p5z");
    seen[TileKey(T("3p"))] = 1;
    ai.Play(seat.get(), seen, 60, nullptr, 0);
    EXPECT_EQ(Name(seat->PlayMj), "3p");
}

TEST_F(BestWayTest, TheSmallSearchFindsAHeldDiscardAndRefusesOversizedLists) {
    const auto hand = aitest::Tiles("11223344556677m");
    tagMj out{0, 0};
    ASSERT_TRUE(ai.FindReadyDiscardSmall(hand.data(), 14, &out));
    EXPECT_TRUE(FindTile(hand.data(), 14, out)) << Name(out);
    std::vector<tagMj> fifteen = hand;
    fifteen.push_back(T("9m"));
    EXPECT_FALSE(ai.FindReadyDiscardSmall(fifteen.data(), 15, &out));
}

TEST_F(BestWayTest, TheSmallSearchPrefersOneStepToTwoSteps) {
    // Four partials and nothing else is two steps; a pair among the four pieces is one step.
    const auto twoStep = aitest::Tiles("12m45m12s45s");
    tagMj out{0, 0};
    ASSERT_TRUE(ai.FindReadyDiscardSmall(twoStep.data(), 8, &out));
    EXPECT_EQ(ai.onestep, 0);
    EXPECT_EQ(ai.twostep, 1);
    EXPECT_EQ(Name(out), "1m");
    const auto oneStep = aitest::Tiles("12m45m12s99p");
    ASSERT_TRUE(ai.FindReadyDiscardSmall(oneStep.data(), 8, &out));
    EXPECT_EQ(ai.onestep, 1);
    EXPECT_EQ(Name(out), "1m");
}

}  // namespace
