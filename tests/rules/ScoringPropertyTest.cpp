// Properties every scored win keeps, on many random winning hands with random melds and
// situations: the exclusions leave no excluded pair, the total is what the sheet shows, and
// under the Official rules the numbered suits are interchangeable.
#include <gtest/gtest.h>

#include <random>

#include "testsupport/rules/RandomHands.h"
#include "testsupport/rules/RulesTestSupport.h"

using namespace rulestest;

namespace {

struct RandomWin {
    std::vector<tagMj> hand;
    std::vector<GetMj> melds;
    std::vector<unsigned char> open;
    tagMj last{};
    Situation sit;  // its melds and last tile stay unused: the fields above hold them
};

GetMj Group(unsigned char kind, int k) {
    GetMj g;
    g.kind = kind;
    g.num = kind == kKindKong ? 4 : 3;
    for (int i = 0; i < g.num; i++) g.Mj[i] = KindTile(kind == kKindChow ? k + i : k);
    return g;
}

// Seven pairs, thirteen orphans or a knitted hand, with no melds.
std::vector<tagMj> RandomSpecialHand(std::mt19937& rng) {
    std::vector<tagMj> tiles;
    switch (rng() % 3) {
        case 0: {
            Counts c{};
            while (tiles.size() < 14) {
                const int k = static_cast<int>(rng() % (rng() % 2 ? 9 : kKinds));
                if (c[k] > 2) continue;
                c[k] += 2;
                tiles.push_back(KindTile(k));
                tiles.push_back(KindTile(k));
            }
            break;
        }
        case 1:
            for (int k = 0; k < kKinds; k++)
                if (IsOrphanKind(k)) tiles.push_back(KindTile(k));
            tiles.push_back(tiles[rng() % 13]);
            break;
        default: {
            std::vector<int> pool;
            const int shift = static_cast<int>(rng() % 3);
            for (int s = 0; s < 3; s++)
                for (int v = (s + shift) % 3; v < 9; v += 3) pool.push_back(s * 9 + v);
            for (int k = 27; k < 34; k++) pool.push_back(k);
            std::shuffle(pool.begin(), pool.end(), rng);
            for (int i = 0; i < 14; i++) tiles.push_back(KindTile(pool[i]));
        }
    }
    return Sorted(tiles);
}

RandomWin MakeRandomWin(std::mt19937& rng) {
    if (rng() % 6 == 0) {
        RandomWin w;
        w.hand = RandomSpecialHand(rng);
        w.last = w.hand[rng() % w.hand.size()];
        w.sit.zimo = rng() % 2;
        w.sit.flowers = static_cast<int>(rng() % 3);
        w.sit.leavenum = rng() % 6 == 0 ? 1 : 30;
        w.sit.seenLast = rng() % 6 == 0 ? 4 : 1;
        return w;
    }
    for (;;) {
        RandomWin w;
        Counts c{};
        const int pair = static_cast<int>(rng() % kKinds);
        c[pair] += 2;
        w.hand = {KindTile(pair), KindTile(pair)};
        // Now and then a knitted straight: its rows in the hand stand for three of the sets.
        const int firstSet = rng() % 8 == 0 ? 3 : 0;
        if (firstSet) {
            tagMj rows[kKnittedTiles];
            KnittedRowTiles(kSuitOrders[rng() % 6], rows);
            for (const tagMj& t : rows) {
                w.hand.push_back(t);
                c[TileKind(t)]++;
            }
        }
        const int meldCount = static_cast<int>(rng() % (5 - firstSet));
        const int chowPercent = static_cast<int>(rng() % 101);
        for (int s = firstSet; s < 4; s++) {
            const bool chow = static_cast<int>(rng() % 100) < chowPercent;
            const int k = chow ? static_cast<int>(rng() % 3) * 9 + static_cast<int>(rng() % 7)
                               : static_cast<int>(rng() % kKinds);
            const bool meld = s - firstSet < meldCount;
            const bool kong = !chow && meld && rng() % 3 == 0;
            const GetMj g = Group(chow ? kKindChow : (kong ? kKindKong : kKindPung), k);
            for (int i = 0; i < g.num; i++) c[TileKind(g.Mj[i])]++;
            if (meld) {
                w.melds.push_back(g);
                w.open.push_back(kong ? static_cast<unsigned char>(rng() % 2) : 1);
            } else {
                for (int i = 0; i < g.num; i++) w.hand.push_back(g.Mj[i]);
            }
        }
        bool legal = true;
        for (int v : c) legal = legal && v <= 4;
        if (!legal) continue;
        w.hand = Sorted(w.hand);
        w.last = w.hand[rng() % w.hand.size()];
        Situation& s = w.sit;
        s.zimo = rng() % 2;
        s.ting = rng() % 4 == 0;
        s.kongwin = rng() % 10 == 0;
        s.robkong = !s.zimo && rng() % 10 == 0;
        s.quanfeng = 1 + static_cast<int>(rng() % 4);
        s.menfeng = 1 + static_cast<int>(rng() % 4);
        s.flowers = static_cast<int>(rng() % 4);
        s.leavenum = rng() % 8 == 0 ? 1 : 30;
        s.seenLast = rng() % 8 == 0 ? 4 : 1;
        return w;
    }
}

bool Score(CGbHu& hu, CMjPlayer& p, RandomWin w) {
    p.Reset();
    p.gangnum = static_cast<int>(w.melds.size());
    for (int i = 0; i < p.gangnum; i++) {
        p.Gang[i] = w.melds[i];
        p.open[i] = w.open[i];
    }
    ApplySituation(p, w.sit);
    p.cardnum = static_cast<int>(w.hand.size()) - 1;
    p.winmj = w.last;
    int seen[kTileKeyCount] = {};
    seen[TileKey(w.last)] = w.sit.seenLast;
    return hu.Hu(&p, w.hand.data(), static_cast<int>(w.hand.size()), seen, w.sit.leavenum);
}

// The extra fan that counts: the first of 混四节; 混四步 or 混三节; 混三步, 无混 or 混龙; 立直.
int CountedExtra(const unsigned char* ex) {
    if (ex[kExFanMixedFourShiftedPungs]) return 6;
    if (ex[kExFanMixedFourShiftedChows] || ex[kExFanTwoSuitShiftedPungs]) return 4;
    if (ex[kExFanTwoSuitShiftedChows] || ex[kExFanNoWilds] || ex[kExFanTwoSuitStraight] ||
        ex[kExFanReadyDeclared])
        return 2;
    return 0;
}

void ExpectSheetMatchesTotal(const CGbHu& hu, const CMjPlayer& p, const std::string& what) {
    int shown = 0;
    for (int k = kFirstFan; k <= kLastFan; k++) {
        if (!hu.fan[k]) continue;
        if (k != kFanFlowerTiles) shown += FanValue(k);
        for (const unsigned char ex : FanExcludes(k))
            EXPECT_FALSE(hu.fan[ex])
                << FanLabel(k) << " keeps excluded " << FanLabel(ex) << " " << what;
    }
    EXPECT_EQ(p.fan, shown + CountedExtra(hu.exfan) + p.flowers) << what;
}

tagMj SwapSuits(tagMj t, int a, int b) {
    if (t.suit == a) t.suit = static_cast<signed char>(b);
    else if (t.suit == b) t.suit = static_cast<signed char>(a);
    return t;
}

RandomWin Swapped(const RandomWin& w, int a, int b) {
    RandomWin s = w;
    for (tagMj& t : s.hand) t = SwapSuits(t, a, b);
    for (GetMj& g : s.melds) {
        for (int i = 0; i < g.num; i++) g.Mj[i] = SwapSuits(g.Mj[i], a, b);
    }
    s.last = SwapSuits(w.last, a, b);
    s.hand = Sorted(s.hand);
    return s;
}

}  // namespace

TEST(ScoredWins, ShowNoExcludedPairAndTotalTheirFlagsUnderBothFamilies) {
    std::mt19937 rng(88);
    for (int minfan : {8, 0}) {
        CGbHu hu;
        hu.minfan = minfan;
        CMjPlayer p;
        int wins = 0;
        for (int round = 0; round < 6000; round++) {
            const RandomWin w = MakeRandomWin(rng);
            if (!Score(hu, p, w)) continue;
            wins++;
            ExpectSheetMatchesTotal(hu, p, Str(w.hand.data(), static_cast<int>(w.hand.size())));
            if (HasFailure()) return;
        }
        EXPECT_GT(wins, 1000) << minfan;
    }
}

TEST(ScoredWins, ShowNoExcludedPairAndTotalTheirFlagsUnderTheWildRule) {
    std::mt19937 rng(99);
    CGbHu hu;
    hu.minfan = 0;
    hu.wildrule = 1;
    CMjPlayer p;
    int wins = 0;
    for (int round = 0; round < 3000; round++) {
        RandomWin w = MakeRandomWin(rng);
        hu.wildmj = KindTile(static_cast<int>(rng() % kKinds));
        // Some natural tiles become wilds: the hand stays a win.
        for (tagMj& t : w.hand)
            if (rng() % 6 == 0) t = hu.wildmj;
        w.hand = Sorted(w.hand);
        if (!Score(hu, p, w)) continue;
        wins++;
        ExpectSheetMatchesTotal(hu, p, Str(w.hand.data(), static_cast<int>(w.hand.size())));
        if (HasFailure()) return;
    }
    EXPECT_GT(wins, 1000);
}

TEST(ScoredWins, KeepTheirTotalWhenTwoNumberedSuitsSwapUnderTheOfficialRules) {
    std::mt19937 rng(3);
    CGbHu hu;
    CMjPlayer p;
    int compared = 0;
    for (int round = 0; round < 6000; round++) {
        const RandomWin w = MakeRandomWin(rng);
        const bool won = Score(hu, p, w);
        const int total = p.fan;
        // 绿一色 and 推不倒 are made of bamboo and dots only.
        const bool suitFan = hu.fan[kFanAllGreen] || hu.fan[kFanReversibleTiles];
        const int a = static_cast<int>(rng() % 3), b = (a + 1 + static_cast<int>(rng() % 2)) % 3;
        const RandomWin s = Swapped(w, a, b);
        const bool swappedWon = Score(hu, p, s);
        if (suitFan || hu.fan[kFanAllGreen] || hu.fan[kFanReversibleTiles]) continue;
        ASSERT_EQ(won, swappedWon) << Str(w.hand.data(), static_cast<int>(w.hand.size()));
        if (won) {
            ASSERT_EQ(total, p.fan) << Str(w.hand.data(), static_cast<int>(w.hand.size())) << " -> "
                                    << Str(s.hand.data(), static_cast<int>(s.hand.size()));
            compared++;
        }
    }
    EXPECT_GT(compared, 1000);
}
