#include <gtest/gtest.h>

#include <climits>

#include "rules/Log.h"
#include "testsupport/rules/RulesTestSupport.h"

using namespace rulestest;

namespace {

struct IndexCase { int index; tagMj tile; };
const IndexCase kIndexCases[] = {
    {0, {1, 0}},   {8, {9, 0}},   {9, {1, 0}},   {35, {9, 0}},  {36, {1, 1}},
    {71, {9, 1}},  {72, {1, 2}},  {107, {9, 2}}, {108, {1, 3}}, {114, {7, 3}},
    {115, {1, 3}}, {135, {7, 3}}, {136, {1, 4}}, {143, {8, 4}}, {144, {0, 0}},
    {255, {0, 0}},
};

struct ToIndexCase { tagMj tile; int index; };
const ToIndexCase kToIndexCases[] = {
    {{1, 0}, 0}, {{9, 0}, 8}, {{1, 1}, 36}, {{9, 2}, 80}, {{1, 3}, 108},
    {{7, 3}, 114}, {{1, 4}, 136}, {{8, 4}, 143}, {{0, 0}, 255},
};

}  // namespace

TEST(TileIndex, MapsEveryBoundary) {
    for (const auto& c : kIndexCases)
        EXPECT_TRUE(TileEqual(TileFromIndex(static_cast<std::uint8_t>(c.index)), c.tile)) << c.index;
    for (const auto& c : kToIndexCases)
        EXPECT_EQ(TileToIndex(c.tile), c.index) << Str(&c.tile, 1);
}

TEST(TileIndex, RoundTripsToTheFirstCopyOfEachKind) {
    for (int i = 0; i < 144; i++) {
        const tagMj t = TileFromIndex(static_cast<std::uint8_t>(i));
        const int first = TileToIndex(t);
        EXPECT_TRUE(TileEqual(TileFromIndex(static_cast<std::uint8_t>(first)), t)) << i;
        EXPECT_LE(first, i);
        const bool firstRun = i < 108 ? i % 36 < 9 : (i < 136 ? i < 115 : true);
        EXPECT_EQ(first == i, firstRun) << i;
    }
    EXPECT_TRUE(TileEqual(TileFromIndex(TileToIndex(tagMj{0, 0})), tagMj{0, 0}));
}

TEST(TileOrder, GreaterBySuitThenValueAndNeverForEqualTiles) {
    EXPECT_TRUE(TileGreater(One("1s"), One("9m")));
    EXPECT_TRUE(TileGreater(One("5m"), One("4m")));
    EXPECT_FALSE(TileGreater(One("4m"), One("5m")));
    EXPECT_FALSE(TileGreater(One("5p"), One("5p")));
    EXPECT_TRUE(TileGreater(One("1f"), One("7z")));
}

TEST(TileOrder, SortPutsHonoursAfterDotsAndFlowersLast) {
    std::vector<tagMj> tiles = T("3f7z9p1z1s5m2f1m");
    SortTiles(tiles.data(), static_cast<int>(tiles.size()));
    EXPECT_EQ(Str(tiles.data(), 8), "1m5m1s9p1z7z2f3f");
    std::vector<tagMj> again = tiles;
    SortTiles(again.data(), 8);
    EXPECT_EQ(Str(again.data(), 8), Str(tiles.data(), 8));
    tagMj one = One("5m");
    SortTiles(&one, 1);
    SortTiles(&one, 0);
    EXPECT_TRUE(TileEqual(one, One("5m")));
}

TEST(TileRemoval, MovesLaterTilesDownAndLeavesTheCount) {
    std::vector<tagMj> tiles = T("1m2m3m");
    int count = 3;
    EXPECT_TRUE(RemoveTile(tiles.data(), &count, One("2m")));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Str(tiles.data(), 3), "1m3m3m");

    std::vector<tagMj> twice = T("5s5s6s");
    count = 3;
    EXPECT_TRUE(RemoveTile(twice.data(), &count, One("5s")));
    EXPECT_EQ(Str(twice.data(), 3), "5s6s6s");

    std::vector<tagMj> none = T("1m2m");
    count = 2;
    EXPECT_FALSE(RemoveTile(none.data(), &count, One("9p")));
    EXPECT_EQ(Str(none.data(), 2), "1m2m");
}

TEST(TileSearch, FindsOnlyAmongTheCountedTiles) {
    const std::vector<tagMj> tiles = T("1m2m3m");
    EXPECT_TRUE(FindTile(tiles.data(), 3, One("3m")));
    EXPECT_FALSE(FindTile(tiles.data(), 2, One("3m")));
    EXPECT_FALSE(FindTile(tiles.data(), 0, One("1m")));
    EXPECT_FALSE(FindTile(tiles.data(), -1, One("1m")));
}

TEST(TileHelpers, CopySwapAndAbs) {
    tagMj a = One("1m");
    CopyTile(a, One("7z"));
    EXPECT_TRUE(TileEqual(a, One("7z")));
    std::vector<tagMj> tiles = T("1m2s");
    SwapTiles(tiles.data(), 0, 1);
    EXPECT_EQ(Str(tiles.data(), 2), "2s1m");
    EXPECT_EQ(Abs(-5), 5);
    EXPECT_EQ(Abs(7), 7);
    EXPECT_EQ(Abs(0), 0);
    EXPECT_EQ(Abs(INT_MIN), INT_MIN);
    EXPECT_EQ(Abs(INT_MIN + 1), INT_MAX);
}

TEST(TraceLog, AcceptsAnyArgumentsAndDoesNothing) {
    Log.Write("CMjAi::Play Enter leavenum = %d,mjindex=%d.", 3);
    Log.WriteError("%s %s %s");
    SUCCEED();
}
