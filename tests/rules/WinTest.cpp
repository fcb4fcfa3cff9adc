// The win and ready tests: special shapes and their near misses, the minimum, ties between
// decompositions, the ready test on every hand size, and the wild-tile variants.
#include <gtest/gtest.h>

#include <random>

#include "testsupport/rules/RandomHands.h"
#include "testsupport/rules/RulesTestSupport.h"

using namespace rulestest;

namespace {

constexpr Fan kNoFan = Fan(0);

struct ShapeCase {
    const char* hand;
    bool wins;
    Fan fan;  // the shape's fan
};

const ShapeCase kShapes[] = {
    {"19m19s19p1234567z7z", true, kFanThirteenOrphans},
    {"19m19s19p1234567z5m", false, kNoFan},   // a middle tile in place of the pair
    {"19m19s19p123456z11z", false, kNoFan},   // the white dragon missing
    {"11m22m55s66s99p11z77z", true, kFanSevenPairs},
    {"11m11m55s66s99p11z77z", true, kFanSevenPairs},  // four equal tiles are two pairs
    {"11m22m55s66s99p11z7z5z", false, kNoFan},
    // Its decomposition is worth more but below the minimum.
    {"11223355778899m", true, kFanSevenPairs},
    {"14m258s36p1234567z", true, kFanGreaterHonoursAndKnittedTiles},
    {"147m258s369p12345z", true, kFanLesserHonoursAndKnittedTiles},
    {"147m258s369p1234z4z", false, kNoFan},   // not all different
    {"147m258s368p12345z", false, kNoFan},    // 8p breaks the dots' row
    {"147m147s369p12345z", false, kNoFan},    // two suits in one row
    {"147m258s369p123m55z", true, kFanKnittedStraight},
    {"147m258s369p124m55z", false, kNoFan},
};

// A scorer under the wild-tile rule family, without a minimum.
void UseWildRule(CGbHu& hu, const char* wild) {
    hu.minfan = 0;
    hu.wildrule = 1;
    hu.wildmj = One(wild);
}

}  // namespace

TEST(WinTest, SpecialShapesWinWhateverTheMinimumAndTheirNearMissesFail) {
    for (const ShapeCase& c : kShapes) {
        CGbHu hu;
        hu.minfan = 100;
        CMjPlayer p;
        EXPECT_EQ(Win(hu, p, c.hand), c.wins) << c.hand;
        if (c.fan != kNoFan) {
            EXPECT_TRUE(hu.fan[c.fan]) << c.hand << " " << FanLabel(c.fan);
            EXPECT_EQ(p.splitnum, 0) << c.hand;
        }
    }
}

TEST(WinTest, BelowTheMinimumFailsButStillLeavesGroupsAndTheFlowerFan) {
    CGbHu hu;
    CMjPlayer p;
    std::vector<tagMj> tiles = Prepare(p, "123m567s789p11z345m", Sit().Last("5m").Flowers(2));
    p.fan = 77;
    int seen[kTileKeyCount] = {};
    EXPECT_FALSE(hu.Hu(&p, tiles.data(), 14, seen, 50));
    EXPECT_EQ(p.fan, 77);
    EXPECT_EQ(p.splitnum, 5);
    EXPECT_TRUE(hu.fan[kFanFlowerTiles]);
    EXPECT_TRUE(hu.fan[kFanConcealedHand]);

    hu.minfan = 0;
    EXPECT_TRUE(hu.Hu(&p, tiles.data(), 14, seen, 50));
    EXPECT_EQ(p.fan, 2 + 2);  // 门前清 and two flowers
}

TEST(WinTest, FlowersAddOnePointEachInEveryPath) {
    const char* hands[] = {"19m19s19p1234567z7z", "11m22m55s66s99p11z77z",
                           "147m258s369p12345z", "147m258s369p123m55z", "123m456s789p234m55p"};
    for (const char* hand : hands) {
        CGbHu hu;
        CMjPlayer p;
        ASSERT_TRUE(Win(hu, p, hand));
        const int plain = p.fan;
        ASSERT_TRUE(Win(hu, p, hand, Sit().Flowers(3)));
        EXPECT_EQ(p.fan, plain + 3) << hand;
    }
}

TEST(WinTest, EqualTotalsKeepTheDecompositionFoundFirst) {
    // 22 345 345 and 55 234 234 score alike; the pair is tried before the chow.
    CGbHu hu;
    hu.minfan = 0;
    CMjPlayer p;
    ASSERT_TRUE(Win(hu, p, "22334455m", Sit().Meld("789s").Meld("789p").Last("7s")));
    ASSERT_EQ(p.splitnum, 3);
    EXPECT_EQ(p.Split[0].kind, kKindPair);
    EXPECT_EQ(Str(p.Split[0].Mj, 2), "2m2m");
    EXPECT_EQ(Str(p.Split[1].Mj, 3), "3m4m5m");

    // 111 234 44 (幺九刻) and 11 123 444 (坎张 on the 2) score alike; the pung comes first.
    ASSERT_TRUE(Win(hu, p, "11123444m", Sit().Meld("789s").Meld("789p").Last("2m")));
    ASSERT_EQ(p.splitnum, 3);
    EXPECT_EQ(p.Split[0].kind, kKindPung);
    EXPECT_EQ(Str(p.Split[0].Mj, 3), "1m1m1m");
    EXPECT_EQ(p.fan, 3);
}

TEST(WinTest, AWildSearchWhoseGroupsCannotJoinTheMeldsIsNoWin) {
    CGbHu hu;
    UseWildRule(hu, "9s");
    CMjPlayer p;
    ASSERT_TRUE(Win(hu, p, "123m456s789p234m55z"));
    // Three melds beside a full hand: no decomposition fits, and the last win's groups stay out.
    EXPECT_FALSE(Win(hu, p, "123m456s789p234m5z9s",
                     Sit().Meld("111z").Meld("222z").Meld("333z")));
    EXPECT_EQ(p.splitnum, 0);
}

TEST(WinTest, BadCountsAndMissingSeatsAreRefusedAndLeaveTheLastResult) {
    CGbHu hu;
    CMjPlayer p;
    ASSERT_TRUE(Win(hu, p, "19m19s19p1234567z7z"));
    std::vector<tagMj> tiles = T("123m456m789m1z");
    int seen[kTileKeyCount] = {};
    EXPECT_FALSE(hu.Hu(&p, tiles.data(), 13, seen, 50));
    EXPECT_TRUE(hu.fan[kFanThirteenOrphans]);
    EXPECT_FALSE(hu.Hu(nullptr, tiles.data(), 2, seen, 50));
    EXPECT_TRUE(hu.fan[kFanThirteenOrphans]);
    std::vector<tagMj> many(17, One("1m"));
    EXPECT_FALSE(hu.Hu(&p, many.data(), 17, seen, 50));
    EXPECT_EQ(hu.IsReady(&p, many.data(), 14), 0);
    EXPECT_EQ(hu.IsReady(&p, many.data(), 0), 0);
    EXPECT_EQ(hu.IsReady(nullptr, many.data(), 1), 0);
}

TEST(WinTest, RandomTilesAndMeldCountsNeverUpsetTheScorer) {
    std::mt19937 rng(5);
    CGbHu hu;
    CMjPlayer p;
    int seen[kTileKeyCount] = {};
    for (int round = 0; round < 3000; round++) {
        hu.minfan = round % 2 ? 0 : 8;
        hu.wildrule = round % 3 == 0;
        hu.wildmj = TileFromIndex(static_cast<std::uint8_t>(rng() % 144));
        p.Reset();
        p.gangnum = static_cast<int>(rng() % 6);
        for (int i = 0; i < p.gangnum; i++) {
            p.Gang[i] = GetMj();
            p.Gang[i].num = 3 + static_cast<int>(rng() % 2);
            p.Gang[i].kind = static_cast<unsigned char>(rng() % 3);
            for (int k = 0; k < 4; k++) p.Gang[i].Mj[k] = TileFromIndex(static_cast<std::uint8_t>(rng() % 144));
        }
        const int num = 2 + 3 * static_cast<int>(rng() % 5);
        std::vector<tagMj> tiles;
        for (int i = 0; i < num; i++) tiles.push_back(TileFromIndex(static_cast<std::uint8_t>(rng() % 150)));
        SortTiles(tiles.data(), num);
        p.winmj = tiles[0];
        hu.Hu(&p, tiles.data(), num, seen, static_cast<int>(rng() % 3));
        tiles.pop_back();
        hu.IsReady(&p, tiles.data(), num - 1);
        EXPECT_LE(p.splitnum, kMaxGroups);
    }
}

TEST(ReadyTest, WritesTheCompletingTileAndTotalOnEveryHandSize) {
    struct Case { const char* hand; std::vector<Meld> melds; const char* wait; };
    const Case cases[] = {
        {"123m456s789p1z1z2z2z", {}, "1z"},
        {"456s789p1z1z2z2z", {{"123m"}}, "1z"},
        {"789p1z1z2z2z", {{"123m"}, {"456s"}}, "1z"},
        {"1z1z2z2z", {{"123m"}, {"456s"}, {"789p"}}, "1z"},
        {"5p", {{"123m"}, {"456s"}, {"789p"}, {"111z"}}, "5p"},
        {"123m456s789p34m55z", {}, "2m"},
        {"123m456s789p13m55z", {}, "2m"},
    };
    for (const Case& c : cases) {
        CGbHu hu;
        hu.minfan = 0;
        CMjPlayer p;
        SetMelds(p, c.melds);
        std::vector<tagMj> tiles = T(c.hand);
        const int result = hu.IsReady(&p, tiles.data(), static_cast<int>(tiles.size()));
        EXPECT_GT(result, 1) << c.hand;
        EXPECT_EQ(p.fan, result) << c.hand;
        EXPECT_EQ(Str(&p.winmj, 1), c.wait) << c.hand;
    }
}

TEST(ReadyTest, SpecialShapesGiveOneThirteenOrphansAndTheMinimumGiveZero) {
    CGbHu hu;
    CMjPlayer p;
    struct Case { const char* hand; int result; };
    const Case cases[] = {
        {"11m22m55s66s99p11z7z", 1},     // seven pairs
        {"14m258s36p123456z", 1},        // knitted, waiting on any missing honour or tile
        {"147m258s1234567z", 1},         // knitted with two suits, waiting on the third
        {"147m258s36p123m55z", 1},       // knitted straight waiting on 9p
        {"19m19s19p1234567z", 0},        // thirteen orphans is not recognised as ready
        {"123m567s789p345m1z", 0},       // ready, but 单钓将 and 门前清 are below 8
    };
    for (const Case& c : cases) {
        std::vector<tagMj> tiles = T(c.hand);
        p.Reset();
        EXPECT_EQ(hu.IsReady(&p, tiles.data(), static_cast<int>(tiles.size())), c.result) << c.hand;
    }
    std::vector<tagMj> pure = T("123m123m456m789m1m");
    EXPECT_GE(hu.IsReady(&p, pure.data(), 13), 24);  // 清一色 and more
}

TEST(WildWin, FlowersAreWildWhenTheWildTileIsAFlower) {
    CGbHu hu;
    UseWildRule(hu, "1f");
    CMjPlayer p;
    EXPECT_TRUE(Win(hu, p, "123m456s789p555z3f8f", Sit().Last("5z")));
    EXPECT_FALSE(hu.exfan[kExFanNoWilds]);  // 无混 only without wilds
    hu.wildrule = 0;
    EXPECT_FALSE(Win(hu, p, "123m456s789p555z3f8f", Sit().Last("5z")));
}

TEST(WildWin, MissingTilesBeyondTheWildsAndKnittedStraightsWithWildsFail) {
    CGbHu hu;
    UseWildRule(hu, "9s");
    CMjPlayer p;
    EXPECT_FALSE(Win(hu, p, "123m456s78p1z3z5z9s9s"));
    EXPECT_TRUE(Win(hu, p, "123m456s78p11z5z9s9s9s"));
    EXPECT_FALSE(Win(hu, p, "147m258s36p123m55z9s"));
}

TEST(WildWin, GroupsOfWildsAloneAreRecordedAsOneBamboo) {
    CGbHu hu;
    UseWildRule(hu, "9s");
    CMjPlayer p;
    hu.player = &p;
    GetMj path[kMaxGroups];
    const char* chows[4] = {"1m", "4s", "7p", "2m"};
    for (int i = 0; i < 4; i++) {
        path[i].kind = kKindChow;
        path[i].num = 3;
        for (int k = 0; k < 3; k++) {
            path[i].Mj[k] = One(chows[i]);
            path[i].Mj[k].value = static_cast<signed char>(path[i].Mj[k].value + k);
        }
    }
    // Two wilds left over can only be the pair.
    hu.wildcount = 2;
    hu.besttotal = 0;
    ASSERT_TRUE(hu.CompleteWithWild(path, 4, 2));
    ASSERT_EQ(hu.bestcount, 5);
    const GetMj& pair = hu.bestgroups[4];
    EXPECT_EQ(pair.kind, kKindPair);
    EXPECT_EQ(Str(pair.Mj, 2), "1s1s");
    EXPECT_EQ(pair.flag[0] + pair.flag[1], 2);
    // Three cannot complete four chows without a sixth group.
    hu.besttotal = 0;
    EXPECT_FALSE(hu.CompleteWithWild(path, 4, 3));
}

TEST(WildReady, TheComingTileCountsAsOneMoreWild) {
    CGbHu hu;
    UseWildRule(hu, "9s");
    CMjPlayer p;
    std::vector<tagMj> two = T("123m456s789p1z2z9s9s");
    EXPECT_EQ(hu.IsReady(&p, two.data(), 13), 1);
    std::vector<tagMj> one = T("123m456s789p1z2z3z9s");
    EXPECT_EQ(hu.IsReady(&p, one.data(), 13), 0);
    std::vector<tagMj> orphans = T("19m19s19p123456z");
    EXPECT_EQ(hu.IsReady(&p, orphans.data(), 12), 0);
    std::vector<tagMj> orphansWild = T("19m19s19p123456z9s");
    EXPECT_EQ(hu.IsReady(&p, orphansWild.data(), 13), 1);
}

TEST(GroupTakers, TakeTheHeadGroupAndLeaveTheRestSorted) {
    CGbHu hu;
    std::vector<tagMj> tiles = T("1m1m1m1m2m3m5p");
    tagMj rest[14];
    EXPECT_TRUE(hu.TakeKong(tiles.data(), 7, rest));
    EXPECT_EQ(Str(rest, 3), "2m3m5p");
    EXPECT_TRUE(hu.TakePung(tiles.data(), 7, rest));
    EXPECT_EQ(Str(rest, 4), "1m2m3m5p");
    EXPECT_TRUE(hu.TakePair(tiles.data(), 7, rest));
    EXPECT_EQ(Str(rest, 5), "1m1m2m3m5p");
    EXPECT_TRUE(hu.TakeChow(tiles.data(), 7, rest));
    EXPECT_EQ(Str(rest, 4), "1m1m1m5p");
    std::vector<tagMj> honours = T("1z2z3z");
    EXPECT_FALSE(hu.TakeChow(honours.data(), 3, rest));
    EXPECT_FALSE(hu.TakePair(honours.data(), 3, rest));
    std::vector<tagMj> gap = T("1m2m4m");
    EXPECT_FALSE(hu.TakeChow(gap.data(), 3, rest));
    EXPECT_FALSE(hu.TakeKong(tiles.data(), 3, rest));
}

TEST(GroupTakers, SetSplitAllowsOnePairOnlyWhileNoneIsTaken) {
    CGbHu hu;
    std::vector<tagMj> sets = T("1m2m3m5p5p5p");
    std::vector<tagMj> withPair = T("1m2m3m5p5p");
    std::vector<tagMj> twoPairs = T("1m1m5p5p");
    EXPECT_TRUE(hu.CanSplitIntoSets(sets.data(), 6, true));
    EXPECT_TRUE(hu.CanSplitIntoSets(withPair.data(), 5, false));
    EXPECT_FALSE(hu.CanSplitIntoSets(withPair.data(), 5, true));
    EXPECT_FALSE(hu.CanSplitIntoSets(twoPairs.data(), 4, false));
    GetMj melds[3];
    melds[0].Mj[0] = One("5p");
    melds[1].Mj[0] = One("1z");
    melds[2].Mj[0] = One("2m");
    hu.SortMelds(melds, 3);
    EXPECT_EQ(Str(&melds[0].Mj[0], 1) + Str(&melds[1].Mj[0], 1) + Str(&melds[2].Mj[0], 1), "2m5p1z");
}
