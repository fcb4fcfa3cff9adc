// The exclusions of the sum, one row per rule: a fan set with everything it excludes keeps
// only what survives the rules in their order.
#include <gtest/gtest.h>

#include <cstring>

#include "testsupport/rules/RulesTestSupport.h"

using namespace rulestest;

namespace {

struct ExclusionCase {
    std::vector<Fan> set;
    std::vector<Fan> kept;
};

const ExclusionCase kExclusions[] = {
    {{kFanEdgeWait, kFanSingleWait}, {kFanEdgeWait}},
    {{kFanClosedWait, kFanSingleWait}, {kFanClosedWait}},
    {{kFanAllSimples, kFanNoHonours}, {kFanAllSimples}},
    {{kFanAllChows, kFanNoHonours}, {kFanAllChows}},
    {{kFanMeldedHand, kFanSingleWait}, {kFanMeldedHand}},
    {{kFanTwoConcealedKongs, kFanTwoConcealedPungs}, {kFanTwoConcealedKongs}},
    // 三杠 clears 双暗杠 before it applies: 双暗刻 stands beside 三杠.
    {{kFanThreeKongs, kFanTwoConcealedKongs, kFanTwoConcealedPungs},
     {kFanThreeKongs, kFanTwoConcealedPungs}},
    {{kFanHalfFlush, kFanOneVoidedSuit}, {kFanHalfFlush}},
    {{kFanRobbingTheKong, kFanLastTile}, {kFanRobbingTheKong}},
    {{kFanOutWithReplacementTile, kFanSelfDrawn}, {kFanOutWithReplacementTile}},
    {{kFanLastTileDraw, kFanSelfDrawn}, {kFanLastTileDraw}},
    {{kFanReversibleTiles, kFanOneVoidedSuit}, {kFanReversibleTiles}},
    {{kFanLowerFour, kFanNoHonours}, {kFanLowerFour}},
    {{kFanUpperFour, kFanNoHonours}, {kFanUpperFour}},
    {{kFanLesserHonoursAndKnittedTiles, kFanAllTypes, kFanFullyConcealedHand, kFanSingleWait},
     {kFanLesserHonoursAndKnittedTiles, kFanSelfDrawn}},
    {{kFanThreeConcealedPungs, kFanTwoConcealedPungs}, {kFanThreeConcealedPungs}},
    {{kFanAllFives, kFanAllSimples, kFanNoHonours}, {kFanAllFives}},
    {{kFanThreeSuitedTerminalChows, kFanMixedDoubleChow, kFanTwoTerminalChows, kFanNoHonours,
      kFanAllChows}, {kFanThreeSuitedTerminalChows}},
    {{kFanPureStraight, kFanShortStraight, kFanTwoTerminalChows}, {kFanPureStraight}},
    {{kFanLowerTiles, kFanNoHonours, kFanLowerFour}, {kFanLowerTiles}},
    {{kFanMiddleTiles, kFanAllSimples}, {kFanMiddleTiles}},
    {{kFanUpperTiles, kFanNoHonours, kFanUpperFour}, {kFanUpperTiles}},
    {{kFanPureShiftedPungs, kFanPureTripleChow}, {kFanPureShiftedPungs}},
    // 一色三节高 runs first and clears 一色三同顺.
    {{kFanPureTripleChow, kFanPureShiftedPungs}, {kFanPureShiftedPungs}},
    {{kFanFullFlush, kFanHalfFlush, kFanNoHonours, kFanOneVoidedSuit}, {kFanFullFlush}},
    {{kFanAllEvenPungs, kFanAllPungs, kFanAllSimples, kFanNoHonours}, {kFanAllEvenPungs}},
    {{kFanGreaterHonoursAndKnittedTiles, kFanAllTypes, kFanFullyConcealedHand, kFanSingleWait},
     {kFanGreaterHonoursAndKnittedTiles, kFanSelfDrawn}},
    {{kFanSevenPairs, kFanFullyConcealedHand, kFanSingleWait, kFanConcealedHand, kFanDragonPung},
     {kFanSevenPairs, kFanSelfDrawn}},  // a concealed shape keeps 自摸 out of 不求人
    {{kFanAllTerminalsAndHonours, kFanAllPungs, kFanOutsideHand, kFanPungOfTerminalsOrHonours},
     {kFanAllTerminalsAndHonours}},
    {{kFanThreeKongs, kFanTwoConcealedKongs, kFanTwoMeldedKongs, kFanConcealedKong, kFanMeldedKong},
     {kFanThreeKongs}},
    {{kFanFourPureShiftedChows, kFanTwoTerminalChows}, {kFanFourPureShiftedChows}},
    {{kFanFourPureShiftedPungs, kFanPureTripleChow, kFanAllPungs}, {kFanFourPureShiftedPungs}},
    {{kFanQuadrupleChow, kFanPureTripleChow, kFanPureShiftedPungs, kFanPureDoubleChow, kFanTileHog},
     {kFanQuadrupleChow}},
    {{kFanPureTerminalChows, kFanAllChows, kFanSevenPairs, kFanFullFlush, kFanPureDoubleChow,
      kFanNoHonours, kFanTwoTerminalChows}, {kFanPureTerminalChows}},
    {{kFanFourConcealedPungs, kFanAllPungs, kFanConcealedHand, kFanTwoConcealedPungs,
      kFanThreeConcealedPungs}, {kFanFourConcealedPungs}},
    {{kFanFourConcealedPungs, kFanFullyConcealedHand}, {kFanFourConcealedPungs, kFanSelfDrawn}},
    {{kFanAllHonours, kFanAllPungs, kFanOutsideHand, kFanPungOfTerminalsOrHonours,
      kFanOneVoidedSuit, kFanAllTerminalsAndHonours}, {kFanAllHonours}},
    {{kFanLittleThreeDragons, kFanDragonPung, kFanTwoDragonPungs}, {kFanLittleThreeDragons}},
    {{kFanLittleFourWinds, kFanBigThreeWinds}, {kFanLittleFourWinds}},
    {{kFanAllTerminals, kFanAllTerminalsAndHonours, kFanAllPungs, kFanTriplePung, kFanDoublePung,
      kFanNoHonours, kFanOutsideHand, kFanPungOfTerminalsOrHonours}, {kFanAllTerminals}},
    {{kFanThirteenOrphans, kFanAllTypes, kFanFullyConcealedHand, kFanSingleWait},
     {kFanThirteenOrphans, kFanSelfDrawn}},
    {{kFanSevenShiftedPairs, kFanFullFlush, kFanFullyConcealedHand, kFanSingleWait,
      kFanShortStraight, kFanPureDoubleChow, kFanAllChows, kFanSevenPairs, kFanConcealedHand},
     {kFanSevenShiftedPairs, kFanSelfDrawn}},
    {{kFanFourKongs, kFanMeldedKong, kFanTwoConcealedKongs, kFanTwoMeldedKongs, kFanConcealedKong,
      kFanThreeKongs, kFanAllPungs, kFanSingleWait}, {kFanFourKongs}},
    {{kFanNineGates, kFanFullFlush, kFanConcealedHand, kFanPungOfTerminalsOrHonours},
     {kFanNineGates}},
    {{kFanNineGates, kFanFullyConcealedHand}, {kFanNineGates, kFanSelfDrawn}},
    {{kFanAllGreen, kFanHalfFlush}, {kFanAllGreen}},
    {{kFanBigThreeDragons, kFanTwoDragonPungs, kFanDragonPung, kFanLittleThreeDragons},
     {kFanBigThreeDragons}},
    {{kFanBigFourWinds, kFanPrevalentWind, kFanSeatWind, kFanBigThreeWinds, kFanAllPungs},
     {kFanBigFourWinds}},
    {{kFanFullyConcealedHand, kFanSelfDrawn, kFanConcealedHand}, {kFanFullyConcealedHand}},
    {{kFanTwoDragonPungs, kFanDragonPung}, {kFanTwoDragonPungs}},
    {{kFanLastTileDraw, kFanFullyConcealedHand, kFanSevenPairs},
     {kFanSevenPairs, kFanLastTileDraw}},  // 妙手回春 already excludes 自摸
};

// Fan values come in bands of consecutive fans, each named by its last fan.
int ValueOf(Fan fan) {
    static const struct { Fan last; int value; } kBands[] = {
        {kFanThirteenOrphans, 88}, {kFanPureTerminalChows, 64}, {kFanFourPureShiftedPungs, 48},
        {kFanAllTerminalsAndHonours, 32}, {kFanLowerTiles, 24}, {kFanThreeConcealedPungs, 16},
        {kFanBigThreeWinds, 12}, {kFanRobbingTheKong, 8}, {kFanTwoDragonPungs, 6},
        {kFanLastTile, 4}, {kFanAllSimples, 2}, {kFanReadyHand, 1}};
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
        for (Fan f : c.set) hu.workfan[f] = 1;
        const int total = hu.SumFan();
        EXPECT_EQ(Flags(hu.workfan), c.kept) << FanLabel(c.set[0]);
        int expected = 0;
        for (Fan f : c.kept) expected += ValueOf(f);
        EXPECT_EQ(total, expected) << FanLabel(c.set[0]);
    }
}

TEST(FanExclusions, EachListHasItsOwnLength) {
    // 连七对 fills all the room a list has: nothing past its eighth fan is read.
    const std::vector<int> shifted = {kFanFullFlush, kFanFullyConcealedHand, kFanSingleWait,
                                      kFanShortStraight, kFanPureDoubleChow, kFanAllChows,
                                      kFanSevenPairs, kFanConcealedHand};
    const FanList& list = FanExcludes(kFanSevenShiftedPairs);
    EXPECT_EQ(std::vector<int>(list.begin(), list.end()), shifted);
    EXPECT_EQ(FanExcludes(kFanKnittedStraight).size(), 0);
    EXPECT_EQ(FanExcludes(0).size(), 0);
    EXPECT_EQ(FanExcludes(kLastFan + 1).size(), 0);
}

TEST(FanExclusions, FlowerFanIsShownButNeverSummed) {
    CGbHu hu;
    hu.workfan[kFanFlowerTiles] = 1;
    hu.workfan[kFanChickenHand] = 1;
    EXPECT_EQ(hu.SumFan(), 8);
}

TEST(FanExclusions, OnlyTheFirstExtraFanInRankCounts) {
    struct Case { std::vector<ExtraFan> extras; int total; };
    const Case cases[] = {
        {{kExFanMixedFourShiftedPungs, kExFanMixedFourShiftedChows, kExFanTwoSuitShiftedPungs,
          kExFanTwoSuitShiftedChows, kExFanNoWilds, kExFanTwoSuitStraight, kExFanReadyDeclared},
         6},
        {{kExFanMixedFourShiftedChows, kExFanTwoSuitShiftedChows}, 4},
        {{kExFanTwoSuitShiftedPungs, kExFanNoWilds}, 4},
        {{kExFanTwoSuitShiftedChows, kExFanReadyDeclared}, 2},
        {{kExFanNoWilds}, 2},
        {{kExFanTwoSuitStraight}, 2},
        {{kExFanReadyDeclared}, 2},
        {{}, 0},
    };
    CGbHu hu;
    for (const Case& c : cases) {
        std::memset(hu.workfan, 0, sizeof hu.workfan);
        std::memset(hu.workexfan, 0, sizeof hu.workexfan);
        for (ExtraFan x : c.extras) hu.workexfan[x] = 1;
        EXPECT_EQ(hu.SumFan(), c.total) << ::testing::PrintToString(c.extras);
    }
}

TEST(FanNames, TableHoldsTheNamesByNumberWithEmptyEnds) {
    InitFanNameTable();
    EXPECT_STREQ(FanNameTable[0], "");
    EXPECT_STREQ(FanNameTable[89], "");
    EXPECT_STREQ(FanNameTable[kFanBigFourWinds], "大四喜");
    EXPECT_STREQ(FanNameTable[kFanChickenHand], "无番和");
    EXPECT_STREQ(FanNameTable[kFanReadyHand], "听牌");
    EXPECT_STREQ(ExFanName(kExFanMixedFourShiftedPungs), "混四节");
    EXPECT_STREQ(ExFanName(kExFanReadyDeclared), "立直");
    EXPECT_EQ(FanValue(0), 0);
    EXPECT_EQ(FanValue(89), 0);
}
