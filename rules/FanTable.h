// The fan catalogue: name, value and exclusions of every fan 1..88, and the seven extra fans
// of the wild-tile rule.  Code names a fan by its constant below, whose value is the fan's
// number: the index of its flag in a fan array and of its row in the catalogue.
#pragma once

#include <initializer_list>

// The Official fans by number.
enum Fan : int {
    kFanBigFourWinds = 1,
    kFanBigThreeDragons = 2,
    kFanAllGreen = 3,
    kFanNineGates = 4,
    kFanFourKongs = 5,
    kFanSevenShiftedPairs = 6,
    kFanThirteenOrphans = 7,
    kFanAllTerminals = 8,
    kFanLittleFourWinds = 9,
    kFanLittleThreeDragons = 10,
    kFanAllHonours = 11,
    kFanFourConcealedPungs = 12,
    kFanPureTerminalChows = 13,
    kFanQuadrupleChow = 14,
    kFanFourPureShiftedPungs = 15,
    kFanFourPureShiftedChows = 16,
    kFanThreeKongs = 17,
    kFanAllTerminalsAndHonours = 18,
    kFanSevenPairs = 19,
    kFanGreaterHonoursAndKnittedTiles = 20,
    kFanAllEvenPungs = 21,
    kFanFullFlush = 22,
    kFanPureTripleChow = 23,
    kFanPureShiftedPungs = 24,
    kFanUpperTiles = 25,
    kFanMiddleTiles = 26,
    kFanLowerTiles = 27,
    kFanPureStraight = 28,
    kFanThreeSuitedTerminalChows = 29,
    kFanPureShiftedChows = 30,
    kFanAllFives = 31,
    kFanTriplePung = 32,
    kFanThreeConcealedPungs = 33,
    kFanLesserHonoursAndKnittedTiles = 34,
    kFanKnittedStraight = 35,
    kFanUpperFour = 36,
    kFanLowerFour = 37,
    kFanBigThreeWinds = 38,
    kFanMixedStraight = 39,
    kFanReversibleTiles = 40,
    kFanMixedTripleChow = 41,
    kFanMixedShiftedPungs = 42,
    kFanChickenHand = 43,
    kFanLastTileDraw = 44,
    kFanLastTileClaim = 45,
    kFanOutWithReplacementTile = 46,
    kFanRobbingTheKong = 47,
    kFanAllPungs = 48,
    kFanHalfFlush = 49,
    kFanMixedShiftedChows = 50,
    kFanAllTypes = 51,
    kFanMeldedHand = 52,
    kFanTwoConcealedKongs = 53,
    kFanTwoDragonPungs = 54,
    kFanOutsideHand = 55,
    kFanFullyConcealedHand = 56,
    kFanTwoMeldedKongs = 57,
    kFanLastTile = 58,
    kFanDragonPung = 59,
    kFanPrevalentWind = 60,
    kFanSeatWind = 61,
    kFanConcealedHand = 62,
    kFanAllChows = 63,
    kFanTileHog = 64,
    kFanDoublePung = 65,
    kFanTwoConcealedPungs = 66,
    kFanConcealedKong = 67,
    kFanAllSimples = 68,
    kFanPureDoubleChow = 69,
    kFanMixedDoubleChow = 70,
    kFanShortStraight = 71,
    kFanTwoTerminalChows = 72,
    kFanPungOfTerminalsOrHonours = 73,
    kFanMeldedKong = 74,
    kFanOneVoidedSuit = 75,
    kFanNoHonours = 76,
    kFanEdgeWait = 77,
    kFanClosedWait = 78,
    kFanSingleWait = 79,
    kFanSelfDrawn = 80,
    kFanFlowerTiles = 81,
    kFanHeavenlyHand = 82,
    kFanEarthlyHand = 83,
    kFanHumanlyHand = 84,
    kFanFourWindsGreatFortune = 85,
    kFanTwoFiveEightPair = 86,
    kFanTerminalOrHonourPair = 87,
    kFanReadyHand = 88,
};

constexpr int kFirstFan = kFanBigFourWinds;
constexpr int kLastFan = kFanReadyHand;
constexpr int kFanSlots = 90;     // fan flags are indexed by fan number 1..88
constexpr int kExFanSlots = 20;   // extra-fan flags 0..6 are used

// The extra fans of the wild-tile rule, by index into the extra-fan flags.
enum ExtraFan : int {
    kExFanMixedFourShiftedPungs = 0,
    kExFanMixedFourShiftedChows = 1,
    kExFanTwoSuitShiftedPungs = 2,
    kExFanTwoSuitShiftedChows = 3,
    kExFanNoWilds = 4,
    kExFanTwoSuitStraight = 5,
    kExFanReadyDeclared = 6,
};
constexpr int kExFanCount = 7;

// A short list of fans with its own length, such as the fans one fan excludes.
class FanList {
public:
    static constexpr int kRoom = 8;

    constexpr FanList() = default;
    // More fans than the room is no constant: the catalogue would not compile.
    constexpr FanList(std::initializer_list<Fan> list) {
        for (const Fan f : list) fans_[count_++] = static_cast<unsigned char>(f);
    }

    constexpr int size() const { return count_; }
    constexpr const unsigned char* begin() const { return fans_; }
    constexpr const unsigned char* end() const { return fans_ + count_; }

private:
    unsigned char fans_[kRoom] = {};
    int count_ = 0;
};

// Names by fan number; entries 0 and 89 are empty.  Filled at start-up (InitFanNameTable
// fills it again, for the table object that owns the filling).
extern const char* FanNameTable[kFanSlots];
void InitFanNameTable();

// The value a fan adds to a total; 0 for numbers outside 1..88.
int FanValue(int fan);
// The fans a fan clears when it is counted; none for numbers outside 1..88.
const FanList& FanExcludes(int fan);

// Extra fans of the wild-tile rule, indexed 0..6.
const char* ExFanName(int index);
int ExFanValue(int index);
