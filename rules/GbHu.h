// The scorer: the win and ready tests, the decomposition of a hand into groups that scores
// best, the fan flags of that decomposition, the total, and the wild-tile variants.
#pragma once

#include "rules/FanTable.h"
#include "rules/GetMj.h"
#include "rules/Tile.h"

class CMjPlayer;

// The Official rules' minimum total for a win, the scorer's minimum until the table sets one.
constexpr int kOfficialMinFan = 8;

// Groups of a decomposition: at most five besides the pair, six with it.
constexpr int kMaxGroups = 6;

// All three numbered suits, a wind and a dragon are present (五门齐).
bool HasAllFiveKinds(const tagMj* tiles, int num);

class CGbHu {
public:
    unsigned char fan[kFanSlots];        // result fan flags of the last test
    unsigned char exfan[kExFanSlots];    // result extra-fan flags (wild-tile rule)
    GetMj bestgroups[kMaxGroups];        // best decomposition of the concealed hand
    int bestcount;
    int minfan;                          // minimum total for a win
    unsigned char wildrule;              // wild-tile rule on
    tagMj wildmj;                        // the wild tile of the hand
    tagMj orphans[13];                   // terminals and honours: 9,1 of suits 0..2, honours 1..7
    CMjPlayer* player;                   // the seat under test, not owned
    GetMj groups[kMaxGroups];            // exposed melds followed by the current search path
    int groupcount;
    int besttotal;
    int yaojiucount;                     // pungs counted by fan 73 in the last decomposition
    int fourcount;                       // runs counted by fan 64 in the last hand
    int ankongcount;                     // concealed kongs of the seat
    int mingkongcount;                   // exposed kongs of the seat
    unsigned char basefan[kFanSlots];    // hand-level flags of the current test
    unsigned char workfan[kFanSlots];    // flags of the decomposition being scored
    unsigned char workexfan[kExFanSlots];
    int wildcount;                       // wild tiles in the hand under test

    CGbHu();

    // Win test of the concealed hand `tiles` (sorted, completing tile included, num = 3n + 2).
    // seen: visible counts by TileKey; leavenum: tiles still in the wall.
    bool Hu(CMjPlayer* player, tagMj* tiles, int num, int* seen, int leavenum);
    // Ready test of 13, 10, 7, 4 or 1 tiles: 0 not ready, 1 a special shape, otherwise the total
    // of the first waiting decomposition (at least minfan).  Writes the seat's last tile.
    int IsReady(CMjPlayer* player, tagMj* tiles, int num);

    // Group takers on a sorted list: true when the head forms the group; `rest` gets the rest.
    bool TakePung(const tagMj* tiles, int num, tagMj* rest);
    bool TakePair(const tagMj* tiles, int num, tagMj* rest);
    bool TakeKong(const tagMj* tiles, int num, tagMj* rest);
    bool TakeChow(const tagMj* tiles, int num, tagMj* rest);
    // The sorted tiles split completely into pungs, chows and (while !pairtaken) one pair.
    bool CanSplitIntoSets(const tagMj* tiles, int num, bool pairtaken);
    // Exchange sort of groups by their first tile.
    void SortMelds(GetMj* melds, int count);

    // Fan tests: the tile-list and seat-level tests into workfan.
    bool CalcFan(const tagMj* tiles, int num, CMjPlayer* player);
    // The group-list tests on basefan's copy, the extras, fan 43, and the total.
    int CalcSplitFan(CMjPlayer* player, GetMj* groups, int count);
    // Applies the exclusions to workfan; the total of its flags plus the counted extra fan.
    int SumFan();

    // Special shapes of a 14-tile hand.
    bool IsThirteenOrphans(const tagMj* tiles, int num);
    bool IsSevenPairs(const tagMj* tiles, int num);
    bool IsKnitted(const tagMj* tiles, int num);
    bool IsKnittedStraight(const tagMj* tiles, int num);

    // Searches of the concealed hand.
    bool SearchBestSplit(const tagMj* tiles, int num, bool pairtaken, GetMj* path, int depth);
    bool SearchReadySplit(const tagMj* tiles, int num, GetMj* path, int depth, int pairs,
                          int partials, int singles);

    // Wild-tile rule.
    bool IsWildTile(const tagMj& tile, const tagMj& wild) const;
    bool HuWild(CMjPlayer* player, tagMj* tiles, int num, int* seen, int leavenum);
    int IsReadyWild(CMjPlayer* player, tagMj* tiles, int num);
    bool IsKnittedWild(const tagMj* tiles, int num);
    bool SplitPartial(const tagMj* tiles, int num, GetMj* path, int depth);
    bool CompleteWithWild(GetMj* path, int depth, int wilds);

    // Helpers of the tests above.
    // Stores the seat, clears the results and works out the situation fans of a win test.
    void BeginWinTest(CMjPlayer* seat, const int* seen, int leavenum);
    int MeldCount() const;  // the seat's melds, 0..5
    // The hand and every meld tile, sorted; returns the count (at most kMaxJoinedTiles).
    int JoinMeldTiles(const tagMj* tiles, int num, tagMj* out) const;
    void MarkSituation(unsigned char* flags) const;  // fans 44, 45, 58 of this test
    // Scores groups = melds + path; keeps it when it beats besttotal.  With `rescan` the
    // tile-list fans are worked out again from the groups' tiles first.  False when the
    // melds and the path do not fit one decomposition (nothing is scored).
    bool ScorePath(const GetMj* path, int depth, bool rescan);
    // Copies the best decomposition into the seat and finishes the total: true at or above
    // the minimum.
    bool FinishSearch();
    // A special shape's total: the flags in workfan after the exclusions, also in fan.
    void FinishShape();
    int CollectDistinct(const GetMj* list, int count, bool chows, GetMj* out);
    bool PungConcealed(const GetMj* list, int count, int index, bool meldsBlock);
    int DiscardedWildPung(const GetMj* list, int count) const;
    void MarkWaitFans(const GetMj* own, int count);
    void CalcWildExtras(const GetMj* list, int count);
    int CountedExtraValue() const;
    bool ScoreSevenPairs(const tagMj* tiles, int num);
    // Seven pairs against the decomposition the search left (when `found`): the higher total.
    bool SevenPairsOrSearch(bool found, const tagMj* pairs, int num);
    int TakeWilds(const tagMj* tiles, int num, tagMj* rest);
    bool IsThirteenOrphansWild(const tagMj* rest, int num, int wilds) const;
    int SevenPairsWildSingles(const tagMj* rest, int num, int wilds, tagMj* singles) const;
    bool IsKnittedStraightWait(const tagMj* tiles, int num);
    bool SplitsAfterKnittedRows(const tagMj* tiles, int num, int held);
    bool ScoreKnittedStraight(const tagMj* tiles, int num);  // 组合龙 scored as a special shape

private:
    bool situationSelf_ = false;   // 妙手回春 applies
    bool situationLast_ = false;   // 海底捞月 applies
    bool situationSeen_ = false;   // 和绝张 applies
    bool knittedHonours_ = false;  // the last knitted hand filled with wilds holds every honour
};
