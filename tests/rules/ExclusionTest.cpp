// The exclusions of the sum, one row per rule: a fan set with everything it excludes keeps
// only what survives the rules in their order.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/rules/RulesTestSupport.h"

using namespace rulestest;

namespace {

struct ExclusionCase {
    std::vector<int> set;
    std::vector<int> kept;
};

const ExclusionCase kExclusions[] = {
    {{77, 79}, {77}},
    {{78, 79}, {78}},
    {{68, 76}, {68}},
    {{63, 76}, {63}},
    {{52, 79}, {52}},
    {{49, 75}, {49}},
    {{47, 58}, {47}},
    {{46, 80}, {46}},
    {{44, 80}, {44}},
    {{40, 75}, {40}},
    {{37, 76}, {37}},
    {{36, 76}, {36}},
    {{34, 51, 56, 79}, {34}},
    {{33, 66}, {33}},
    {{31, 68, 76}, {31}},
    {{29, 70, 72, 76, 63}, {29}},
    {{28, 71, 72}, {28}},
    {{27, 76, 37}, {27}},
    {{26, 68}, {26}},
    {{25, 76, 36}, {25}},
    {{24, 23}, {24}},
    {{23, 24}, {24}},  // 24 runs first and clears 23
    {{22, 49, 76, 75}, {22}},
    {{21, 48, 68, 76}, {21}},
    {{20, 51, 56, 79}, {20}},
    {{19, 56, 79, 62, 59}, {19, 80}},  // seven pairs keeps 自摸 out of 不求人
    {{18, 48, 55, 73}, {18}},
    {{17, 53, 57, 67, 74}, {17}},
    {{16, 72}, {16}},
    {{15, 23, 48}, {15}},
    {{14, 23, 24, 69, 64}, {14}},
    {{13, 63, 19, 22, 69, 76, 72}, {13}},
    {{12, 48, 62, 66, 33}, {12}},
    {{11, 48, 55, 73, 75, 18}, {11}},
    {{10, 59, 54}, {10}},
    {{9, 38}, {9}},
    {{8, 18, 48, 32, 65, 76, 55, 73}, {8}},
    {{7, 51, 56, 79}, {7}},
    {{6, 22, 56, 79, 71, 69, 63, 19, 62}, {6, 80}},
    {{5, 74, 53, 57, 67, 17, 48, 79}, {5}},
    {{4, 22, 62}, {4}},
    {{3, 49}, {3}},
    {{2, 54, 59, 10}, {2}},
    {{1, 60, 61, 38, 48}, {1}},
    {{56, 80, 62}, {56}},
    {{54, 59}, {54}},
    {{44, 56, 19}, {19, 44}},  // 妙手回春 already excludes 自摸
};

int ValueOf(int fan) {
    static const struct { int last, value; } kBands[] = {
        {7, 88}, {13, 64}, {15, 48}, {18, 32}, {27, 24}, {33, 16},
        {38, 12}, {47, 8}, {54, 6}, {58, 4}, {68, 2}, {88, 1}};
    for (const auto& band : kBands)
        if (fan <= band.last) return band.value;
    return 0;
}

}  // namespace

TEST(FanExclusions, EachRuleLeavesOnlyWhatSurvivesInOrder) {
    CGbHu hu;
    for (const ExclusionCase& c : kExclusions) {
        std::memset(hu.workfan, 0, sizeof hu.workfan);
        std::memset(hu.workexfan, 0, sizeof hu.workexfan);
        for (int f : c.set) hu.workfan[f] = 1;
        const int total = hu.SumFan();
        EXPECT_EQ(Flags(hu.workfan), c.kept) << c.set[0];
        int expected = 0;
        for (int f : c.kept) expected += ValueOf(f);
        EXPECT_EQ(total, expected) << c.set[0];
    }
}

TEST(FanExclusions, FlowerFanIsShownButNeverSummed) {
    CGbHu hu;
    hu.workfan[81] = 1;
    hu.workfan[43] = 1;
    EXPECT_EQ(hu.SumFan(), 8);
}

TEST(FanExclusions, OnlyTheFirstExtraFanInRankCounts) {
    struct Case { std::vector<int> extras; int total; };
    const Case cases[] = {
        {{0, 1, 2, 3, 4, 5, 6}, 6}, {{1, 3}, 4}, {{2, 4}, 4}, {{3, 6}, 2},
        {{4}, 2}, {{5}, 2}, {{6}, 2}, {{}, 0},
    };
    CGbHu hu;
    for (const Case& c : cases) {
        std::memset(hu.workfan, 0, sizeof hu.workfan);
        std::memset(hu.workexfan, 0, sizeof hu.workexfan);
        for (int x : c.extras) hu.workexfan[x] = 1;
        EXPECT_EQ(hu.SumFan(), c.total) << c.extras.size();
    }
}

TEST(FanNames, TableHoldsTheNamesByNumberWithEmptyEnds) {
    InitFanNameTable();
    EXPECT_STREQ(FanNameTable[0], "");
    EXPECT_STREQ(FanNameTable[89], "");
    EXPECT_STREQ(FanNameTable[1], "大四喜");
    EXPECT_STREQ(FanNameTable[43], "无番和");
    EXPECT_STREQ(FanNameTable[88], "听牌");
    EXPECT_STREQ(ExFanName(0), "混四节");
    EXPECT_STREQ(ExFanName(6), "立直");
    EXPECT_EQ(FanValue(0), 0);
    EXPECT_EQ(FanValue(89), 0);
}
