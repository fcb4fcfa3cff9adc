// The scorer's win and ready tests against a plain count-based search, on many random hands.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "testsupport/rules/RandomHands.h"
#include "testsupport/rules/RulesTestSupport.h"

using namespace rulestest;

namespace {

// Mixed random hands of `size` tiles: near wins, one-suit hands, pairs-heavy and knitted.
std::vector<tagMj> RandomHand(std::mt19937& rng, int size, bool complete) {
    const int sets = (size - 2) / 3;
    std::vector<tagMj> tiles;
    switch (rng() % 6) {
        case 0: tiles = RandomTiles(rng, size); break;
        case 1: {  // one suit with a few honours: many waits
            Counts c{};
            while (static_cast<int>(tiles.size()) < size) {
                const int kind = rng() % 5 == 0 ? 27 + static_cast<int>(rng() % 7) : static_cast<int>(rng() % 9);
                if (c[kind] < 4) c[kind]++, tiles.push_back(KindTile(kind));
            }
            break;
        }
        case 2: {  // pairs
            Counts c{};
            while (static_cast<int>(tiles.size()) + 2 <= size) {
                const int kind = static_cast<int>(rng() % kKinds);
                if (c[kind] <= 2) c[kind] += 2, tiles.push_back(KindTile(kind)), tiles.push_back(KindTile(kind));
            }
            while (static_cast<int>(tiles.size()) < size) tiles.push_back(KindTile(static_cast<int>(rng() % kKinds)));
            break;
        }
        case 3: {  // knitted tiles and honours, sometimes with a set and a pair
            const auto& perm = kSuitOrders[rng() % 6];
            std::vector<int> pool;
            for (int row = 0; row < 3; row++)
                for (int v = row; v < 9; v += 3) pool.push_back(perm[row] * 9 + v);
            if (rng() % 2) {
                for (int k = 27; k < 34; k++) pool.push_back(k);
                std::shuffle(pool.begin(), pool.end(), rng);
                pool.resize(std::min<size_t>(pool.size(), size));
            } else {
                std::vector<tagMj> extra = RandomWinningHand(rng, 1);
                for (const tagMj& t : extra) pool.push_back(TileKind(t));
                std::shuffle(pool.begin(), pool.end(), rng);
                pool.resize(std::min<size_t>(pool.size(), size));
            }
            for (int k : pool) tiles.push_back(KindTile(k));
            while (static_cast<int>(tiles.size()) < size) tiles.push_back(KindTile(static_cast<int>(rng() % kKinds)));
            break;
        }
        default: {
            tiles = RandomWinningHand(rng, sets, static_cast<int>(rng() % 101));
            if (!complete) tiles.erase(tiles.begin() + rng() % tiles.size());
            if (rng() % 3 == 0) tiles[rng() % tiles.size()] = KindTile(static_cast<int>(rng() % kKinds));
            break;
        }
    }
    tiles.resize(size, KindTile(0));
    return Sorted(tiles);
}

bool Legal(const std::vector<tagMj>& tiles, int extraCopiesAllowed) {
    const Counts c = CountKinds(tiles);
    for (int v : c)
        if (v > 4 + extraCopiesAllowed) return false;
    return true;
}

// Gives the seat `melds` exposed pungs of honours the hand does not touch much, so the
// concealed part is what the tests judge.
void GiveMelds(CMjPlayer& p, int melds) {
    static const char* kMelds[4] = {"888m", "777s", "888p", "999m"};
    std::vector<Meld> list;
    for (int i = 0; i < melds; i++) list.push_back({kMelds[i], true});
    SetMelds(p, list);
}

// Some tile for each wild makes the natural tiles a win in shape (the knitted straight aside,
// which wilds never complete).
bool WinsWithWilds(Counts c, int wilds) {
    if (wilds == 0)
        return SplitsIntoSets(c, 1) || PlainThirteenOrphans(c) || PlainSevenPairs(c) || PlainKnitted(c);
    for (int k = 0; k < kKinds; k++) {
        c[k]++;
        if (WinsWithWilds(c, wilds - 1)) return true;
        c[k]--;
    }
    return false;
}

}  // namespace

TEST(WildWinTestAgainstPlainSearch, WinsExactlyWhenSomeTilesForTheWildsMakeAWin) {
    std::mt19937 rng(11);
    int wins = 0, checked = 0;
    for (int round = 0; round < 1500; round++) {
        const tagMj wild = KindTile(static_cast<int>(rng() % kKinds));
        const int wilds = rng() % 8 == 0 ? 3 : 1 + static_cast<int>(rng() % 2);
        std::vector<tagMj> hand = rng() % 2 ? RandomWinningHand(rng, 4, static_cast<int>(rng() % 101))
                                            : RandomTiles(rng, 14);
        hand.resize(14 - wilds);
        if (std::any_of(hand.begin(), hand.end(), [&](const tagMj& t) { return TileEqual(t, wild); }))
            continue;
        const Counts natural = CountKinds(hand);
        const bool expected = WinsWithWilds(natural, wilds) || PlainKnittedStraight(natural);
        hand.insert(hand.end(), wilds, wild);
        hand = Sorted(hand);
        CGbHu hu;
        hu.minfan = 0;
        hu.wildrule = 1;
        hu.wildmj = wild;
        CMjPlayer p;
        p.cardnum = 13;
        p.winmj = hand[0];
        int seen[kTileKeyCount] = {};
        const bool got = hu.Hu(&p, hand.data(), 14, seen, 40);
        ASSERT_EQ(expected, got) << Str(hand.data(), 14) << " wild " << Str(&wild, 1);
        wins += got ? 1 : 0;
        checked++;
    }
    EXPECT_GT(wins, checked / 5);
    EXPECT_LT(wins, checked * 4 / 5);
}

TEST(WinTestAgainstPlainSearch, AgreesOnRandomHandsWithAndWithoutMelds) {
    std::mt19937 rng(20261210);
    CGbHu hu;
    hu.minfan = 0;
    CMjPlayer p;
    int wins = 0, checked = 0;
    for (int round = 0; round < 20000; round++) {
        const int melds = round % 5 == 0 ? static_cast<int>(rng() % 4) : 0;
        const int size = 14 - 3 * melds;
        std::vector<tagMj> hand = RandomHand(rng, size, true);
        if (!Legal(hand, 0)) continue;
        p.Reset();
        GiveMelds(p, melds);
        p.cardnum = size - 1;
        p.winmj = hand[rng() % hand.size()];
        int seen[kTileKeyCount] = {};
        const bool expected = PlainWin(CountKinds(hand));
        const bool got = hu.Hu(&p, hand.data(), size, seen, 40);
        ASSERT_EQ(expected, got) << Str(hand.data(), size) << " melds " << melds;
        wins += got ? 1 : 0;
        checked++;
    }
    EXPECT_GT(wins, checked / 5);
    EXPECT_LT(wins, checked * 4 / 5);
}

TEST(ReadyTestAgainstPlainSearch, NonZeroExactlyWhenSomeTileCompletesTheHand) {
    std::mt19937 rng(7);
    CGbHu hu;
    hu.minfan = 0;
    CMjPlayer p;
    int ready = 0, checked = 0;
    for (int round = 0; round < 20000; round++) {
        const int melds = round % 4 == 0 ? static_cast<int>(rng() % 5) : 0;
        const int size = 13 - 3 * melds;
        std::vector<tagMj> hand = RandomHand(rng, size, false);
        if (!Legal(hand, 0)) continue;
        const Counts counts = CountKinds(hand);
        // Not recognised as ready: a knitted straight whose nine row tiles are all held.
        if (HoldsAnyRows(counts)) continue;
        bool expected = false;
        for (int k = 0; k < kKinds && !expected; k++) {
            Counts with = counts;
            with[k]++;  // a wait on a fifth copy counts too
            expected = PlainWin(with, false);
        }
        p.Reset();
        GiveMelds(p, melds);
        std::vector<tagMj> copy = hand;
        const int got = hu.IsReady(&p, copy.data(), size);
        ASSERT_EQ(expected, got != 0) << Str(hand.data(), size) << " melds " << melds;
        ready += got ? 1 : 0;
        checked++;
    }
    EXPECT_GT(ready, checked / 5);
    EXPECT_LT(ready, checked * 4 / 5);
}
