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
    int yaojiucount;                     // pungs counted by 幺九刻 in the last decomposition
    int fourcount;                       // runs counted by 四归一 in the last hand
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
    static void SortMelds(GetMj* melds, int count);

    // Fan tests: the tile-list and seat-level tests into workfan.
    bool CalcFan(const tagMj* tiles, int num, CMjPlayer* player);
    // The group-list tests on basefan's copy, the extras, 无番和, and the total.
    int CalcSplitFan(CMjPlayer* player, GetMj* groups, int count);
    // Applies the exclusions to workfan; the total of its flags plus the counted extra fan.
    int SumFan();

    // Knitted shapes of a 14-tile hand.
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

private:
    // Whether ScorePath works the tile-list fans out again from the path's tiles.
    enum class TileFans { kKeep, kRecount };

    // The numbered tiles of a knitted hand: every suit's tiles in one class (values 1-4-7,
    // 2-5-8 or 3-6-9: class 1, 2, 3, or 0 for a suit not present), no two suits sharing a
    // class; honours are free, flowers not allowed.  The number of suits present, -1 when the
    // tiles are not knitted.
    static int KnittedClasses(const tagMj* tiles, int num, int* classes);
    static bool AllDistinct(const tagMj* tiles, int num);  // no two neighbours equal
    static bool AllHonoursPresent(const tagMj* tiles, int num);
    // The numbered tiles of a knitted hand are all nine of its rows.
    static bool AllKnittedTiles(const tagMj* tiles, int num);

    // Special shapes of a 14-tile hand.
    bool IsThirteenOrphans(const tagMj* tiles, int num);
    bool IsSevenPairs(const tagMj* tiles, int num);
    // The knitted-straight rows of some suit order, `held` of them in the hand, taken out once
    // each, leave sets and one pair.
    bool SplitsAfterKnittedRows(const tagMj* tiles, int num, int held);
    bool IsKnittedStraightWait(const tagMj* tiles, int num);
    bool ScoreKnittedStraight(const tagMj* tiles, int num);  // 组合龙 scored as a special shape
    void ScoreKnittedHand(bool allHonours, bool allRows);    // 七星不靠 or 全不靠

    // The hand-level fans of the hand and its melds, with `shape` when it is a fan, and the
    // situation fans into basefan, ready for a search of the hand's groups.
    static constexpr Fan kNoShape = Fan(0);
    void PrepareSearch(const tagMj* tiles, int num, Fan shape);
    // Stores the seat, clears the results and works out the situation fans of a win test.
    void BeginWinTest(CMjPlayer* seat, const int* seen, int leavenum);
    int MeldCount() const;  // the seat's melds, 0..kMaxMelds
    // The hand and every meld tile, sorted; returns the count (at most kMaxJoinedTiles).
    int JoinMeldTiles(const tagMj* tiles, int num, tagMj* out) const;
    // 妙手回春, 海底捞月 and 和绝张 of this test into `flags`.
    void MarkSituation(unsigned char* flags) const;
    // Scores groups = melds + path; keeps it when it beats besttotal.  False when the melds and
    // the path do not fit one decomposition (nothing is scored).
    bool ScorePath(const GetMj* path, int depth, TileFans tileFans);
    // A leaf of the ready search: completes the path's one open group with the tile it waits
    // for, which becomes the seat's last tile, and scores it.
    bool ScoreReadyLeaf(const GetMj* path, int depth, int pairs, int partials, int singles);
    // Copies the best decomposition into the seat and finishes the total: true at or above
    // the minimum.
    bool FinishSearch();
    // A special shape's total: the flags in workfan after the exclusions, also in fan.
    void FinishShape();
    bool ScoreSevenPairs(const tagMj* tiles, int num);
    // 混幺九, or 清幺九 without honours, of seven pairs made only of terminals and honours.
    void MarkTerminalPairs(const tagMj* tiles, int num);
    // Seven pairs against the decomposition the search left (when `found`): the higher total.
    bool SevenPairsOrSearch(bool found, const tagMj* pairs, int num);

    // The fans that need the scorer's own state; the others are tested by free functions
    // beside CalcFan and CalcSplitFan.
    void MarkKongFans();
    void MarkConcealedPungFans(const GetMj* list, int count);
    bool PungConcealed(const GetMj* list, int index);
    int DiscardedWildPung(const GetMj* list, int count) const;
    void CalcWildExtras(const GetMj* list, int count);
    int CountedExtraValue() const;

    // Wild-tile shapes.
    int TakeWilds(const tagMj* tiles, int num, tagMj* rest);
    bool IsThirteenOrphansWild(const tagMj* rest, int num, int wilds) const;
    int SevenPairsWildSingles(const tagMj* rest, int num, int wilds, tagMj* singles) const;

    bool situationSelf_ = false;   // 妙手回春 applies
    bool situationLast_ = false;   // 海底捞月 applies
    bool situationSeen_ = false;   // 和绝张 applies
    bool knittedHonours_ = false;  // the last knitted hand filled with wilds holds every honour
    bool knittedRows_ = false;     // ... or all nine knitted tiles
};
