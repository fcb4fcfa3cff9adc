// A new game, the dice, the shuffle, the break of the wall, the deal with its flowers and the
// wild tile of the hand.
#include <algorithm>
#include <cstring>

#include "TableFixture.h"

namespace enginetest {
namespace {

constexpr int kBreakOffset[kSeats] = {0, 54, 36, 18};
// Seats after the dealer that throw the second time, by the first throw's sum 2..12.
constexpr int kThrowerAfterDealer[13] = {-1, -1, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3};

class Deal : public TableTest {
protected:
    void Start(const RuleFamily& rules) {
        headless->StartGame(rules);
        ASSERT_EQ(t->stepmode, kStepDice);
    }
    // Puts tiles at wall indexes, then fills the hands again from the wall as the shuffle does.
    void WallAt(int index, const std::string& tiles) {
        const std::vector<tagMj> v = T(tiles);
        for (size_t i = 0; i < v.size(); i++) {
            const std::uint8_t want = FreeIndexOf(v[i]);
            std::swap(*std::find(t->wall, t->wall + kWallTiles, want), t->wall[index + i]);
        }
        for (int r = 0; r < 13; r++)
            for (int s = 0; s < kSeats; s++) t->Player[s].Mj[r] = TileFromIndex(t->wall[4 * r + s]);
        t->Player[t->dealer].Mj[13] = TileFromIndex(t->wall[52]);
    }
    // Keeps the first 60 wall tiles free of flowers.
    void NoFlowersEarly() {
        for (int i = 0, back = kWallTiles - 1; i < 60; i++) {
            while (TileFromIndex(t->wall[i]).suit == kFlowerSuit) std::swap(t->wall[i], t->wall[back--]);
        }
        WallAt(0, "");
    }
    bool DealDone() { return RunUntil([&] { return t->curplayer == t->dealer; }); }
    // The dealer's first tile and its drawn tile are flowers; no other flower comes early.
    CMjPlayer& DealTwoFlowersToTheDealer(const RuleFamily& rules) {
        Start(rules);
        NoFlowersEarly();
        WallAt(0, "1f");
        WallAt(52, "2f");
        EXPECT_TRUE(DealDone());
        return t->Player[t->dealer];
    }

private:
    // A physical index of the tile's kind not yet placed by this test.
    std::uint8_t FreeIndexOf(const tagMj& tile) {
        for (int i = 0; i < kWallTiles; i++) {
            const auto index = static_cast<std::uint8_t>(i);
            if (TileEqual(TileFromIndex(index), tile) && !placed_[i]) {
                placed_[i] = true;
                return index;
            }
        }
        return 0;
    }
    bool placed_[kWallTiles] = {};
};

TEST_F(Deal, TheThrowerAndTheWallBreakFollowTheDiceForEverySum) {
    Start(kOpen);
    for (int dealer : {0, 2}) {
        for (int sum = 2; sum <= 12; sum++) {
            t->dealer = dealer;
            t->secondthrow = 0;
            t->dice[0] = sum / 2;
            t->dice[1] = sum - sum / 2;
            t->OnTimer(kTimerDice);
            const int thrower = (dealer + kThrowerAfterDealer[sum]) % kSeats;
            ASSERT_EQ(t->thrower, thrower) << "dealer " << dealer << " sum " << sum;
            EXPECT_EQ(shown.diceThrows.back(), thrower);
            for (int second = 2; second <= 12; second += 5) {
                t->secondthrow = 1;
                t->dice[0] = second / 2;
                t->dice[1] = second - second / 2;
                t->Player[dealer].cardnum = 0;
                std::fill(std::begin(t->stackheight), std::end(t->stackheight), 2);
                t->OnTimer(kTimerDice);
                const int start = kBreakOffset[thrower] + second - 1;
                EXPECT_EQ(t->changchengstart, start) << "thrower " << thrower << " sum " << second;
                // The dealer's first four tiles empty the two stacks from the break on.
                EXPECT_EQ(t->stackheight[start], 0);
                EXPECT_EQ(t->stackheight[(start + 1) % kWallStacks], 0);
                EXPECT_EQ(t->Player[dealer].cardnum, 4);
            }
        }
    }
}

TEST_F(Deal, FiftyThreeTilesAreDealtAndTheDealerHoldsAFourteenthAsItsDrawnTile) {
    Start(kOpen);
    NoFlowersEarly();
    ASSERT_TRUE(DealDone());
    EXPECT_EQ(t->taken, 52);
    EXPECT_EQ(kWallTiles - 1 - t->taken, 91);
    EXPECT_EQ(t->Player[0].cardnum, 13);
    EXPECT_TRUE(t->Player[0].hasnew);
    for (int s = 1; s < kSeats; s++) EXPECT_EQ(t->Player[s].cardnum, 13);
    EXPECT_EQ(CountTiles(*t).Fault(), "");
    EXPECT_TRUE(t->maydiscard);
    EXPECT_TRUE(TileEqual(t->Player[0].winmj, t->Player[0].newmj)) << "the dealer's last tile";
}

TEST_F(Deal, FlowersOfTheDealAreReplacedTheDealersDrawnFlowerToo) {
    CMjPlayer& dealer = DealTwoFlowersToTheDealer(kOpen);
    EXPECT_EQ(dealer.flowers, 2);
    EXPECT_NE(dealer.newmj.suit, kFlowerSuit);
    EXPECT_TRUE(TileEqual(dealer.Mj[dealer.cardnum], dealer.newmj));
    for (int i = 0; i < dealer.cardnum; i++) EXPECT_NE(dealer.Mj[i].suit, kFlowerSuit);
    EXPECT_EQ(t->taken, 54);
    EXPECT_EQ(t->backtaken, 2);
    EXPECT_EQ(CountTiles(*t).Fault(), "");
}

TEST_F(Deal, UnderTheFixedFlowerWildTileFlowersStayInTheHands) {
    CMjPlayer& dealer = DealTwoFlowersToTheDealer(kWildFlower);
    EXPECT_EQ(dealer.flowers, 0);
    EXPECT_EQ(dealer.newmj.suit, kFlowerSuit);
    EXPECT_EQ(t->taken, 52);
    EXPECT_TRUE(TileEqual(WildTile, One("1f")));
    EXPECT_TRUE(dealer.wildmode);
    // Wild tiles sort first.
    EXPECT_EQ(dealer.Mj[0].suit, kFlowerSuit);
}

struct IndicatorCase {
    const char* indicator;
    int kind;
    const char* wild;
};
const IndicatorCase kIndicatorCases[] = {
    {"9m", kWildNextTile, "1m"},     {"1m", kWildPreviousTile, "9m"},
    {"5p", kWildNextTile, "6p"},     {"3s", kWildPreviousTile, "2s"},
    {"4z", kWildNextTile, "1z"},     {"1z", kWildPreviousTile, "4z"},
    {"7z", kWildNextTile, "5z"},     {"5z", kWildPreviousTile, "7z"},
    {"2z", kWildNextTile, "3z"},     {"6z", kWildPreviousTile, "5z"},
};

TEST(WildIndicator, PointsToTheNextOrPreviousTileWithinItsGroup) {
    for (const IndicatorCase& c : kIndicatorCases)
        EXPECT_TRUE(TileEqual(WildFromIndicator(One(c.indicator), c.kind), One(c.wild)))
            << c.indicator << " kind " << c.kind;
}

TEST_F(Deal, TheIndicatorIsTheNextTileThatIsNoFlowerAndTheWildTileReachesEveryone) {
    Start(kWildNext);
    NoFlowersEarly();
    WallAt(53, "3f 9m");
    ASSERT_TRUE(DealDone());
    EXPECT_TRUE(TileEqual(t->indicator, One("9m")));
    EXPECT_TRUE(TileEqual(WildTile, One("1m")));
    EXPECT_EQ(t->skipflowers, 1);
    EXPECT_EQ(t->taken, 54);
    EXPECT_TRUE(TileEqual(t->hu.wildmj, One("1m")));
    EXPECT_TRUE(TileEqual(t->ai.wildmj, One("1m")));
    EXPECT_TRUE(t->hu.wildrule && t->ai.wildrule);
    for (const CMjPlayer& p : t->Player) EXPECT_TRUE(p.wildmode && TileEqual(p.wildmj, One("1m")));
    EXPECT_EQ(CountTiles(*t).Fault(), "");
}

TEST_F(Deal, EachShuffleStartsFromTheOrderTheLastOneLeft) {
    std::uint8_t order[kWallTiles];
    for (int i = 0; i < kWallTiles; i++) order[i] = static_cast<std::uint8_t>((i * 37) % kWallTiles);
    std::memcpy(t->shuffleorder, order, sizeof order);
    MjSetClock([](void*) { return 77LL; }, nullptr);
    t->ShuffleAndDeal();
    std::uint8_t fromOrder[kWallTiles];
    std::memcpy(fromOrder, t->wall, sizeof fromOrder);
    EXPECT_EQ(std::memcmp(t->shuffleorder, t->wall, sizeof order), 0);
    for (int i = 0; i < kWallTiles; i++) t->shuffleorder[i] = static_cast<std::uint8_t>(i);
    t->ShuffleAndDeal();
    // The same swaps applied to the identity: the first result is the order permuted by them.
    for (int i = 0; i < kWallTiles; i++) ASSERT_EQ(fromOrder[i], order[t->wall[i]]) << i;
}

TEST_F(Deal, ASeatWithoutPointsEndsTheGameBeforeTheNextHand) {
    Start(kOfficial);
    t->Player[2].score = 0;
    t->Player[0].score = 2000;
    const int taken = t->taken;
    t->state = kHandOver;
    t->StartHand();
    ASSERT_EQ(shown.messages.size(), 1u);
    EXPECT_EQ(shown.messages[0], "有人已经破产了,游戏结束");
    EXPECT_TRUE(bMessageShown);
    EXPECT_EQ(t->state, kHandOver);
    EXPECT_EQ(t->taken, taken);
    bMessageShown = 0;
}

TEST_F(Deal, ANewGameSetsScoresAndOpponentNamesAndClearsOnlyTheItems) {
    t->Player[0].items[1] = 3;
    t->Player[1].avatar = 7;
    t->Player[2].avatar = 11;
    t->Player[0].avatar = 7;
    t->Player[3].language = 1;
    t->dealer = 2;
    t->quanfeng = 3;
    Start(kOfficial);
    EXPECT_EQ(t->Player[0].items[1], 0);
    EXPECT_STREQ(t->Player[1].name, "金毛狮王");
    EXPECT_STREQ(t->Player[2].name, "白胡子老头");
    EXPECT_STREQ(t->Player[0].name, "玩家");
    EXPECT_EQ(t->Player[3].language, 1);
    EXPECT_EQ(t->dealer, 0);
    EXPECT_EQ(t->quanfeng, 1);
    EXPECT_EQ(ScoreSum(*t), 4000);
    EXPECT_EQ(t->hu.minfan, 8);
    EXPECT_EQ(t->ai.minfan, 8);
}

TEST_F(Deal, StartingAHandStopsEveryFlowTimerOfTheLastOne) {
    Start(kOpen);
    for (unsigned id : {kTimerClaims, kTimerPung, kTimerFlower, kTimerComputerTurn, kTimerDice,
                        kTimerDrawFlight, kTimerReadyDraw})
        t->Timer(id)->SetEnabled(true);
    t->StartHand();
    for (unsigned id : {kTimerClaims, kTimerPung, kTimerFlower, kTimerComputerTurn, kTimerDice,
                        kTimerDrawFlight, kTimerReadyDraw})
        EXPECT_FALSE(headless->Clock().IsArmed(static_cast<int>(id))) << id;
    EXPECT_EQ(headless->Clock().Interval(kTimerStep), 10u) << "only the new dice run";
}

TEST_F(Deal, AfterEveryHandTheDealerPassesOnAndTheWindTurnsWhenItComesBackToTheUser) {
    Start(kOpen);
    for (int hand = 1; hand <= 4; hand++) {
        t->curplayer = -1;
        t->state = kHandRunning;
        t->GiveMj(false);
        EXPECT_EQ(t->dealer, hand % 4);
        EXPECT_EQ(t->quanfeng, hand == 4 ? 2 : 1);
        EXPECT_EQ(nActiveForm, 1);
    }
}

}  // namespace
}  // namespace enginetest
