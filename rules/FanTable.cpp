#include "rules/FanTable.h"

namespace {

struct FanInfo {
    Fan fan;
    const char* name;
    int value;
    FanList excludes;
};

// By fan number; entry 0 is no fan.
constexpr FanInfo kFans[kFanSlots - 1] = {
    {Fan(0), "", 0, {}},
    {kFanBigFourWinds, "大四喜", 88,
     {kFanPrevalentWind, kFanSeatWind, kFanBigThreeWinds, kFanAllPungs}},
    {kFanBigThreeDragons, "大三元", 88,
     {kFanTwoDragonPungs, kFanDragonPung, kFanLittleThreeDragons}},
    {kFanAllGreen, "绿一色", 88, {kFanHalfFlush}},
    {kFanNineGates, "九莲宝灯", 88,
     {kFanFullFlush, kFanConcealedHand, kFanPungOfTerminalsOrHonours, kFanFullyConcealedHand}},
    {kFanFourKongs, "四杠", 88,
     {kFanMeldedKong, kFanTwoConcealedKongs, kFanTwoMeldedKongs, kFanConcealedKong, kFanThreeKongs,
      kFanAllPungs, kFanSingleWait}},
    {kFanSevenShiftedPairs, "连七对", 88,
     {kFanFullFlush, kFanFullyConcealedHand, kFanSingleWait, kFanShortStraight, kFanPureDoubleChow,
      kFanAllChows, kFanSevenPairs, kFanConcealedHand}},
    {kFanThirteenOrphans, "十三幺", 88, {kFanAllTypes, kFanFullyConcealedHand, kFanSingleWait}},
    {kFanAllTerminals, "清幺九", 64,
     {kFanAllTerminalsAndHonours, kFanAllPungs, kFanTriplePung, kFanDoublePung, kFanNoHonours,
      kFanOutsideHand, kFanPungOfTerminalsOrHonours}},
    {kFanLittleFourWinds, "小四喜", 64, {kFanBigThreeWinds}},
    {kFanLittleThreeDragons, "小三元", 64, {kFanDragonPung, kFanTwoDragonPungs}},
    {kFanAllHonours, "字一色", 64,
     {kFanAllPungs, kFanOutsideHand, kFanPungOfTerminalsOrHonours, kFanOneVoidedSuit,
      kFanAllTerminalsAndHonours}},
    {kFanFourConcealedPungs, "四暗刻", 64,
     {kFanAllPungs, kFanConcealedHand, kFanTwoConcealedPungs, kFanThreeConcealedPungs,
      kFanFullyConcealedHand}},
    {kFanPureTerminalChows, "一色双龙会", 64,
     {kFanAllChows, kFanSevenPairs, kFanFullFlush, kFanPureDoubleChow, kFanNoHonours,
      kFanTwoTerminalChows}},
    {kFanQuadrupleChow, "一色四同顺", 48,
     {kFanPureTripleChow, kFanPureShiftedPungs, kFanPureDoubleChow, kFanTileHog}},
    {kFanFourPureShiftedPungs, "一色四节高", 48, {kFanPureTripleChow, kFanAllPungs}},
    {kFanFourPureShiftedChows, "一色四步高", 32, {kFanTwoTerminalChows}},
    {kFanThreeKongs, "三杠", 32,
     {kFanTwoConcealedKongs, kFanTwoMeldedKongs, kFanConcealedKong, kFanMeldedKong}},
    {kFanAllTerminalsAndHonours, "混幺九", 32,
     {kFanAllPungs, kFanOutsideHand, kFanPungOfTerminalsOrHonours}},
    {kFanSevenPairs, "七对", 24,
     {kFanFullyConcealedHand, kFanSingleWait, kFanConcealedHand, kFanDragonPung}},
    {kFanGreaterHonoursAndKnittedTiles, "七星不靠", 24,
     {kFanAllTypes, kFanFullyConcealedHand, kFanSingleWait}},
    {kFanAllEvenPungs, "全双刻", 24, {kFanAllPungs, kFanAllSimples, kFanNoHonours}},
    {kFanFullFlush, "清一色", 24, {kFanHalfFlush, kFanNoHonours, kFanOneVoidedSuit}},
    {kFanPureTripleChow, "一色三同顺", 24, {kFanPureShiftedPungs}},
    {kFanPureShiftedPungs, "一色三节高", 24, {kFanPureTripleChow}},
    {kFanUpperTiles, "全大", 24, {kFanNoHonours, kFanUpperFour}},
    {kFanMiddleTiles, "全中", 24, {kFanAllSimples}},
    {kFanLowerTiles, "全小", 24, {kFanNoHonours, kFanLowerFour}},
    {kFanPureStraight, "清龙", 16, {kFanShortStraight, kFanTwoTerminalChows}},
    {kFanThreeSuitedTerminalChows, "三色双龙会", 16,
     {kFanMixedDoubleChow, kFanTwoTerminalChows, kFanNoHonours, kFanAllChows}},
    {kFanPureShiftedChows, "一色三步高", 16, {}},
    {kFanAllFives, "全带五", 16, {kFanAllSimples, kFanNoHonours}},
    {kFanTriplePung, "三同刻", 16, {}},
    {kFanThreeConcealedPungs, "三暗刻", 16, {kFanTwoConcealedPungs}},
    {kFanLesserHonoursAndKnittedTiles, "全不靠", 12,
     {kFanAllTypes, kFanFullyConcealedHand, kFanSingleWait}},
    {kFanKnittedStraight, "组合龙", 12, {}},
    {kFanUpperFour, "大于五", 12, {kFanNoHonours}},
    {kFanLowerFour, "小于五", 12, {kFanNoHonours}},
    {kFanBigThreeWinds, "三风刻", 12, {}},
    {kFanMixedStraight, "花龙", 8, {}},
    {kFanReversibleTiles, "推不倒", 8, {kFanOneVoidedSuit}},
    {kFanMixedTripleChow, "三色三同顺", 8, {}},
    {kFanMixedShiftedPungs, "三色三节高", 8, {}},
    {kFanChickenHand, "无番和", 8, {}},
    {kFanLastTileDraw, "妙手回春", 8, {kFanSelfDrawn}},
    {kFanLastTileClaim, "海底捞月", 8, {}},
    {kFanOutWithReplacementTile, "杠上开花", 8, {kFanSelfDrawn}},
    {kFanRobbingTheKong, "抢杠和", 8, {kFanLastTile}},
    {kFanAllPungs, "碰碰和", 6, {}},
    {kFanHalfFlush, "混一色", 6, {kFanOneVoidedSuit}},
    {kFanMixedShiftedChows, "三色三步高", 6, {}},
    {kFanAllTypes, "五门齐", 6, {}},
    {kFanMeldedHand, "全求人", 6, {kFanSingleWait}},
    {kFanTwoConcealedKongs, "双暗杠", 6, {kFanTwoConcealedPungs}},
    {kFanTwoDragonPungs, "双箭刻", 6, {kFanDragonPung}},
    {kFanOutsideHand, "全带幺", 4, {}},
    {kFanFullyConcealedHand, "不求人", 4, {kFanSelfDrawn, kFanConcealedHand}},
    {kFanTwoMeldedKongs, "双明杠", 4, {}},
    {kFanLastTile, "和绝张", 4, {}},
    {kFanDragonPung, "箭刻", 2, {}},
    {kFanPrevalentWind, "圈风刻", 2, {}},
    {kFanSeatWind, "门风刻", 2, {}},
    {kFanConcealedHand, "门前清", 2, {}},
    {kFanAllChows, "平和", 2, {kFanNoHonours}},
    {kFanTileHog, "四归一", 2, {}},
    {kFanDoublePung, "双同刻", 2, {}},
    {kFanTwoConcealedPungs, "双暗刻", 2, {}},
    {kFanConcealedKong, "暗杠", 2, {}},
    {kFanAllSimples, "断幺", 2, {kFanNoHonours}},
    {kFanPureDoubleChow, "一般高", 1, {}},
    {kFanMixedDoubleChow, "喜相逢", 1, {}},
    {kFanShortStraight, "连六", 1, {}},
    {kFanTwoTerminalChows, "老少副", 1, {}},
    {kFanPungOfTerminalsOrHonours, "幺九刻", 1, {}},
    {kFanMeldedKong, "明杠", 1, {}},
    {kFanOneVoidedSuit, "缺一门", 1, {}},
    {kFanNoHonours, "无字", 1, {}},
    {kFanEdgeWait, "边张", 1, {kFanSingleWait}},
    {kFanClosedWait, "坎张", 1, {kFanSingleWait}},
    {kFanSingleWait, "单钓将", 1, {}},
    {kFanSelfDrawn, "自摸", 1, {}},
    {kFanFlowerTiles, "花牌", 1, {}},
    {kFanHeavenlyHand, "天和", 1, {}},
    {kFanEarthlyHand, "地和", 1, {}},
    {kFanHumanlyHand, "人和", 1, {}},
    {kFanFourWindsGreatFortune, "四方大发财", 1, {}},
    {kFanTwoFiveEightPair, "二五八将", 1, {}},
    {kFanTerminalOrHonourPair, "幺九头", 1, {}},
    {kFanReadyHand, "听牌", 1, {}},
};

struct ExFanInfo {
    ExtraFan fan;
    const char* name;
    int value;
};

constexpr ExFanInfo kExFans[kExFanCount] = {
    {kExFanMixedFourShiftedPungs, "混四节", 6},
    {kExFanMixedFourShiftedChows, "混四步", 4},
    {kExFanTwoSuitShiftedPungs, "混三节", 4},
    {kExFanTwoSuitShiftedChows, "混三步", 2},
    {kExFanNoWilds, "无混", 2},
    {kExFanTwoSuitStraight, "混龙", 2},
    {kExFanReadyDeclared, "立直", 2},
};

constexpr bool RowsInOrder() {
    for (int n = 0; n < kFanSlots - 1; n++)
        if (kFans[n].fan != n) return false;
    for (int n = 0; n < kExFanCount; n++)
        if (kExFans[n].fan != n) return false;
    return true;
}
static_assert(RowsInOrder(), "the catalogues hold the fans in the order of their numbers");

constexpr FanList kNoExcludes;

bool IsFanNumber(int fan) { return fan >= kFirstFan && fan <= kLastFan; }

}  // namespace

const char* FanNameTable[kFanSlots];

void InitFanNameTable() {
    FanNameTable[0] = "";
    for (int n = kFirstFan; n <= kLastFan; n++) FanNameTable[n] = kFans[n].name;
    FanNameTable[kLastFan + 1] = "";
}

namespace {
// The names are there for any code that runs before the table object fills them.
const bool kNamesFilled = (InitFanNameTable(), true);
}  // namespace

int FanValue(int fan) { return IsFanNumber(fan) ? kFans[fan].value : 0; }

const FanList& FanExcludes(int fan) {
    return IsFanNumber(fan) ? kFans[fan].excludes : kNoExcludes;
}

const char* ExFanName(int index) {
    return index >= 0 && index < kExFanCount ? kExFans[index].name : "";
}

int ExFanValue(int index) {
    return index >= 0 && index < kExFanCount ? kExFans[index].value : 0;
}
