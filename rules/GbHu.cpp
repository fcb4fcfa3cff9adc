#include "rules/GbHu.h"

#include <cstring>

#include "rules/Log.h"
#include "rules/MjPlayer.h"

namespace {

// Which tile kinds a hand holds, so that the rows of each suit order are nine look-ups.
class KindsHeld {
public:
    KindsHeld(const tagMj* tiles, int num) {
        for (int i = 0; i < num; i++) {
            const int key = TileKey(tiles[i]);
            if (key >= 0 && key < kTileKeyCount) present_[key] = true;
        }
    }
    int Count(const tagMj* row, int n) const {
        int held = 0;
        for (int i = 0; i < n; i++) held += present_[TileKey(row[i])] ? 1 : 0;
        return held;
    }

private:
    bool present_[kTileKeyCount] = {};
};

// The tiles (at most kMaxHandTiles) without one copy of each knitted row tile of the suit
// `order`, into `rest`, when exactly `held` of the nine are there: the count left, else -1.
int KnittedRest(const KindsHeld& kinds, const tagMj* tiles, int num, const int* order, int held,
                tagMj* rest) {
    tagMj row[kKnittedTiles];
    KnittedRowTiles(order, row);
    if (kinds.Count(row, kKnittedTiles) != held) return -1;
    int n = num;
    std::memcpy(rest, tiles, sizeof(tagMj) * num);
    for (const tagMj& t : row)
        if (RemoveTile(rest, &n, t)) n--;
    return n;
}

}  // namespace

CGbHu::CGbHu()
    : fan{}, exfan{}, bestcount(0), minfan(kOfficialMinFan), wildrule(0), wildmj{0, 0},
      orphans{{9, 0}, {1, 0}, {9, 1}, {1, 1}, {9, 2}, {1, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3},
              {5, 3}, {6, 3}, {7, 3}},
      player(nullptr), groupcount(0), besttotal(0), yaojiucount(0), fourcount(0),
      ankongcount(0), mingkongcount(0), basefan{}, workfan{}, workexfan{}, wildcount(0) {}

int CGbHu::KnittedClasses(const tagMj* tiles, int num, int* classes) {
    int cls[3] = {0, 0, 0};
    for (int i = 0; i < num; i++) {
        const tagMj& t = tiles[i];
        if (t.suit == kHonourSuit && t.value >= 1 && t.value <= 7) continue;
        if (!IsNumbered(t) || t.value < 1 || t.value > 9) return -1;
        const int c = (t.value - 1) % 3 + 1;
        if (cls[t.suit] && cls[t.suit] != c) return -1;
        cls[t.suit] = c;
    }
    int present = 0;
    for (int s = 0; s < 3; s++) {
        if (!cls[s]) continue;
        present++;
        for (int o = s + 1; o < 3; o++)
            if (cls[o] == cls[s]) return -1;
    }
    for (int s = 0; s < 3; s++) classes[s] = cls[s];
    return present;
}

bool CGbHu::AllDistinct(const tagMj* tiles, int num) {
    for (int i = 1; i < num; i++)
        if (TileEqual(tiles[i], tiles[i - 1])) return false;
    return true;
}

bool CGbHu::AllHonoursPresent(const tagMj* tiles, int num) {
    for (int v = 1; v <= 7; v++)
        if (!FindTile(tiles, num, MakeTile(v, kHonourSuit))) return false;
    return true;
}

bool CGbHu::AllKnittedTiles(const tagMj* tiles, int num) {
    int numbered = 0;
    for (int i = 0; i < num; i++) numbered += IsNumbered(tiles[i]) ? 1 : 0;
    return numbered == kKnittedTiles;
}

int CGbHu::MeldCount() const { return player ? player->MeldCount() : 0; }

int CGbHu::JoinMeldTiles(const tagMj* tiles, int num, tagMj* out) const {
    int n = 0;
    for (int i = 0; i < num && n < kMaxJoinedTiles; i++) out[n++] = tiles[i];
    const int melds = MeldCount();
    for (int m = 0; m < melds; m++) {
        const GetMj& g = player->Gang[m];
        for (int k = 0; k < g.Count() && n < kMaxJoinedTiles; k++) out[n++] = g.Mj[k];
    }
    SortTiles(out, n);
    return n;
}

void CGbHu::MarkSituation(unsigned char* flags) const {
    if (situationSelf_) flags[kFanLastTileDraw] = 1;
    if (situationLast_) flags[kFanLastTileClaim] = 1;
    if (situationSeen_) flags[kFanLastTile] = 1;
}

void CGbHu::FinishShape() {
    if (player->zimo) workfan[kFanSelfDrawn] = 1;
    if (player->kongwin) workfan[kFanOutWithReplacementTile] = 1;
    if (player->robkong) workfan[kFanRobbingTheKong] = 1;
    MarkSituation(workfan);
    const int total = SumFan();
    std::memcpy(fan, workfan, sizeof fan);
    std::memcpy(exfan, workexfan, sizeof exfan);
    player->fan = total + player->flowers;
}

bool CGbHu::IsThirteenOrphans(const tagMj* tiles, int num) {
    if (num != kMaxHandTiles) return false;
    for (const tagMj& t : orphans)
        if (!FindTile(tiles, num, t)) return false;
    for (int i = 0; i < num; i++)
        if (!FindTile(orphans, 13, tiles[i])) return false;
    return true;
}

bool CGbHu::IsSevenPairs(const tagMj* tiles, int num) {
    if (num != kMaxHandTiles) return false;
    for (int i = 0; i < 7; i++)
        if (!TileEqual(tiles[2 * i], tiles[2 * i + 1])) return false;
    return true;
}

bool CGbHu::IsKnitted(const tagMj* tiles, int num) {
    int classes[3];
    return num == kMaxHandTiles && AllDistinct(tiles, num) &&
           KnittedClasses(tiles, num, classes) == 3;
}

// The knitted-straight rows of some assignment, `held` of them in the hand (all nine for a
// win, eight for a wait), taken out once each, leave sets and one pair.
bool CGbHu::SplitsAfterKnittedRows(const tagMj* tiles, int num, int held) {
    if (num > kMaxHandTiles) return false;
    const KindsHeld kinds(tiles, num);
    tagMj rest[kMaxHandTiles];
    for (const auto& order : kSuitOrders) {
        const int n = KnittedRest(kinds, tiles, num, order, held, rest);
        if (n >= 0 && CanSplitIntoSets(rest, n, false)) return true;
    }
    return false;
}

bool CGbHu::IsKnittedStraight(const tagMj* tiles, int num) {
    return num >= 11 && SplitsAfterKnittedRows(tiles, num, 9);
}

bool CGbHu::IsKnittedStraightWait(const tagMj* tiles, int num) {
    return num >= 10 && SplitsAfterKnittedRows(tiles, num, 8);
}

// 组合龙 scores the rest of its hand: the hand-level fans of all its tiles, and what the rows
// leave (a set, which may be a meld, and the pair) as one set and a pair; CalcSplitFan knows
// the rows by 组合龙 among the hand-level fans.  The best way of splitting the rest stands.
// A special shape, it wins whatever its total and leaves the seat no groups.
bool CGbHu::ScoreKnittedStraight(const tagMj* tiles, int num) {
    if (!IsKnittedStraight(tiles, num)) return false;
    const KindsHeld kinds(tiles, num);
    tagMj rest[kMaxHandTiles];
    bool found = false;
    for (const auto& order : kSuitOrders) {
        const int n = KnittedRest(kinds, tiles, num, order, kKnittedTiles, rest);
        if (n < 0 || !CanSplitIntoSets(rest, n, false)) continue;
        if (!found) PrepareSearch(tiles, num, kFanKnittedStraight);
        GetMj path[kMaxGroups];
        found = SearchBestSplit(rest, n, false, path, 0) || found;
    }
    if (!found) return false;
    bestcount = 0;
    player->fan = besttotal + player->flowers;
    return true;
}

// 七星不靠 or 全不靠 of a complete knitted hand; 全不靠 holding all nine knitted tiles is also
// 组合龙.
void CGbHu::ScoreKnittedHand(bool allHonours, bool allRows) {
    workfan[allHonours ? kFanGreaterHonoursAndKnittedTiles : kFanLesserHonoursAndKnittedTiles] = 1;
    if (allRows) workfan[kFanKnittedStraight] = 1;
    FinishShape();
}

void CGbHu::PrepareSearch(const tagMj* tiles, int num, Fan shape) {
    tagMj joined[kMaxJoinedTiles];
    CalcFan(joined, JoinMeldTiles(tiles, num, joined), player);
    if (shape != kNoShape) workfan[shape] = 1;
    std::memcpy(basefan, workfan, sizeof basefan);
    MarkSituation(basefan);
    besttotal = 0;
}

bool CGbHu::Hu(CMjPlayer* seat, tagMj* tiles, int num, int* seen, int leavenum) {
    if (!seat) {
        Log.WriteError("Hu player = NULL.");
        return false;
    }
    if (num % 3 != 2 || num < 2 || num > kMaxHandTiles) {
        Log.WriteError("CGbHu::Hu 数目不对.");
        Log.WriteError("CGbHu::Hu 数目不对 %d.", seat->cardnum);
        return false;
    }
    if (wildrule) return HuWild(seat, tiles, num, seen, leavenum);

    BeginWinTest(seat, seen, leavenum);
    if (IsThirteenOrphans(tiles, num)) {
        workfan[kFanThirteenOrphans] = 1;
        FinishShape();
        return true;
    }
    const bool sevenPairs = IsSevenPairs(tiles, num);
    if (IsKnitted(tiles, num)) {
        ScoreKnittedHand(AllHonoursPresent(tiles, num), AllKnittedTiles(tiles, num));
        return true;
    }
    if (ScoreKnittedStraight(tiles, num)) return true;

    PrepareSearch(tiles, num, kNoShape);
    GetMj path[kMaxGroups];
    const bool found = SearchBestSplit(tiles, num, false, path, 0);
    if (sevenPairs) return SevenPairsOrSearch(found, tiles, num);
    return found && FinishSearch();
}

// A seven-pairs hand that the search also decomposed scores the higher of the two; on equal
// totals the decomposition stays.  A decomposition below the minimum is no win, seven pairs is.
bool CGbHu::SevenPairsOrSearch(bool found, const tagMj* pairs, int num) {
    if (!found) return ScoreSevenPairs(pairs, num);
    unsigned char regular[kFanSlots], regularEx[kExFanSlots];
    std::memcpy(regular, fan, sizeof regular);
    std::memcpy(regularEx, exfan, sizeof regularEx);
    const int regularTotal = besttotal;
    const int regularCount = bestcount;
    const int seatTotal = player->fan;
    ScoreSevenPairs(pairs, num);
    if (player->fan - player->flowers > regularTotal || regularTotal < minfan) return true;
    std::memcpy(fan, regular, sizeof fan);
    std::memcpy(exfan, regularEx, sizeof exfan);
    besttotal = regularTotal;
    bestcount = regularCount;
    player->fan = seatTotal;
    return FinishSearch();
}

void CGbHu::BeginWinTest(CMjPlayer* seat, const int* seen, int leavenum) {
    player = seat;
    seat->splitnum = 0;
    std::memset(fan, 0, sizeof fan);
    std::memset(basefan, 0, sizeof basefan);
    std::memset(workfan, 0, sizeof workfan);
    std::memset(exfan, 0, sizeof exfan);
    std::memset(workexfan, 0, sizeof workexfan);
    wildcount = 0;
    situationSelf_ = leavenum == 1 && seat->zimo;
    situationLast_ = leavenum == 1 && !seat->zimo;
    const tagMj& last = seat->winmj;
    const int key = TileKey(last);
    situationSeen_ = last.suit >= 0 && last.suit <= 3 && last.value >= 1 && key < kTileKeyCount &&
                     seen && seen[key] == 4;
}

// Scores the hand as seven pairs and commits the result to the seat.
bool CGbHu::ScoreSevenPairs(const tagMj* tiles, int num) {
    std::memset(workfan, 0, sizeof workfan);
    std::memset(basefan, 0, sizeof basefan);
    std::memset(workexfan, 0, sizeof workexfan);
    workfan[kFanSevenPairs] = 1;
    CalcFan(tiles, num, player);
    MarkTerminalPairs(tiles, num);
    FinishShape();
    player->splitnum = 0;
    bestcount = 0;
    return true;
}

bool CGbHu::FinishSearch() {
    player->splitnum = bestcount;
    for (int i = 0; i < bestcount; i++) player->Split[i] = bestgroups[i];
    if (player->flowers) fan[kFanFlowerTiles] = 1;
    if (besttotal < minfan) return false;
    besttotal += player->flowers;
    player->fan = besttotal;
    return true;
}

bool CGbHu::ScorePath(const GetMj* path, int depth, TileFans tileFans) {
    const int melds = MeldCount();
    if (melds + depth > kMaxGroups) return false;
    for (int i = 0; i < melds; i++) groups[i] = player->Gang[i];
    for (int i = 0; i < depth; i++) groups[melds + i] = path[i];
    groupcount = melds + depth;
    if (tileFans == TileFans::kRecount) {
        std::memset(workfan, 0, sizeof workfan);
        std::memset(basefan, 0, sizeof basefan);
        std::memset(workexfan, 0, sizeof workexfan);
        tagMj all[kMaxGroups * 4];
        int n = 0;
        for (int g = 0; g < groupcount; g++)
            for (int k = 0; k < groups[g].Count(); k++) all[n++] = groups[g].Mj[k];
        SortTiles(all, n);
        CalcFan(all, n, player);
        std::memcpy(basefan, workfan, sizeof basefan);
        MarkSituation(basefan);
    }
    const int total = CalcSplitFan(player, groups, groupcount);
    if (total <= besttotal) return true;
    besttotal = total;
    for (int i = 0; i < depth; i++) bestgroups[i] = path[i];
    bestcount = depth;
    std::memcpy(fan, workfan, sizeof fan);
    std::memcpy(exfan, workexfan, sizeof exfan);
    return true;
}

bool CGbHu::SearchBestSplit(const tagMj* tiles, int num, bool pairtaken, GetMj* path, int depth) {
    if (num == 0) return ScorePath(path, depth, TileFans::kKeep);
    if (num == 1 || MeldCount() + depth >= kMaxGroups) return false;
    tagMj rest[kMaxHandTiles];
    bool found = false;
    if (TakePung(tiles, num, rest)) {
        path[depth] = MakeGroup(kKindPung, tiles[0]);
        found = SearchBestSplit(rest, num - 3, pairtaken, path, depth + 1) || found;
    }
    if (!pairtaken && TakePair(tiles, num, rest)) {
        path[depth] = MakeGroup(kKindPair, tiles[0]);
        found = SearchBestSplit(rest, num - 2, true, path, depth + 1) || found;
    }
    if (TakeChow(tiles, num, rest)) {
        path[depth] = MakeGroup(kKindChow, tiles[0]);
        found = SearchBestSplit(rest, num - 3, pairtaken, path, depth + 1) || found;
    }
    return found;
}

int CGbHu::IsReady(CMjPlayer* seat, tagMj* tiles, int num) {
    if (!seat || num < 1 || num > 13) return 0;
    player = seat;
    tagMj hand[13];
    std::memcpy(hand, tiles, sizeof(tagMj) * num);
    SortTiles(hand, num);
    situationSelf_ = situationLast_ = situationSeen_ = false;
    if (wildrule) return IsReadyWild(seat, hand, num);

    if (MeldCount() == 0 && num == 13) {
        int alone = 0;
        for (int i = 0; i < num;) {
            if (i + 1 < num && TileEqual(hand[i], hand[i + 1])) {
                i += 2;
            } else {
                alone++;
                i++;
            }
        }
        if (alone <= 1) return 1;
        int classes[3];
        if (AllDistinct(hand, num) && KnittedClasses(hand, num, classes) >= 2) return 1;
    }
    if (IsKnittedStraightWait(hand, num)) return 1;

    besttotal = 0;
    GetMj path[kMaxGroups];
    if (SearchReadySplit(hand, num, path, 0, 0, 0, 0) && besttotal >= minfan) {
        seat->fan = besttotal;
        return besttotal;
    }
    return 0;
}

bool CGbHu::SearchReadySplit(const tagMj* tiles, int num, GetMj* path, int depth, int pairs,
                             int partials, int singles) {
    if (num == 0) return ScoreReadyLeaf(path, depth, pairs, partials, singles);
    if (num == 1) {
        // The last tile alone waits for its pair.
        if (pairs || partials || singles || MeldCount() + depth >= kMaxGroups) return false;
        path[depth] = MakeGroup(kKindPair, tiles[0]);
        player->winmj = tiles[0];
        return ScorePath(path, depth + 1, TileFans::kRecount);
    }
    if (MeldCount() + depth >= kMaxGroups) return false;
    tagMj rest[13];
    const tagMj head = tiles[0];
    if (TakePung(tiles, num, rest)) {
        path[depth] = MakeGroup(kKindPung, head);
        if (SearchReadySplit(rest, num - 3, path, depth + 1, pairs, partials, singles))
            return true;
    }
    if (pairs + partials < 2 && singles == 0 && TakePair(tiles, num, rest)) {
        path[depth] = MakeGroup(kKindPair, head);
        if (SearchReadySplit(rest, num - 2, path, depth + 1, pairs + 1, partials, singles))
            return true;
    }
    if (TakeChow(tiles, num, rest)) {
        path[depth] = MakeGroup(kKindChow, head);
        if (SearchReadySplit(rest, num - 3, path, depth + 1, pairs, partials, singles))
            return true;
    }
    if (pairs <= 1 && partials == 0 && singles == 0 && IsNumbered(head)) {
        for (int distance = 1; distance <= 2; distance++) {
            const int j = FindPartner(tiles, num, distance);
            if (j == 0) continue;
            const int n = WithoutTwo(tiles, num, j, rest);
            path[depth] = MakePartial(head, tiles[j]);
            if (SearchReadySplit(rest, n, path, depth + 1, pairs, 1, singles)) return true;
        }
    }
    if (pairs == 0 && partials == 0 && singles == 0) {
        path[depth] = MakeGroup(kKindSingle, head);
        for (int k = 1; k < num; k++) rest[k - 1] = tiles[k];
        if (SearchReadySplit(rest, num - 1, path, depth + 1, 0, 0, 1)) return true;
    }
    return false;
}

// The tile the open group of a ready path waits for: a second pair's third tile, the tile
// that completes a partial (its middle, or the end away from 1), or a single's partner.
bool CGbHu::ScoreReadyLeaf(const GetMj* path, int depth, int pairs, int partials,
                           int singles) {
    GetMj done[kMaxGroups];
    for (int i = 0; i < depth; i++) done[i] = path[i];
    tagMj wait{0, 0};
    if (pairs == 2 && partials == 0 && singles == 0) {
        for (int i = 0; i < depth; i++)
            if (done[i].kind == kKindPair) {
                wait = done[i].Mj[0];
                done[i] = MakeGroup(kKindPung, wait);
                break;
            }
    } else if (pairs == 1 && partials == 1 && singles == 0) {
        for (int i = 0; i < depth; i++) {
            if (done[i].kind != kKindPartial) continue;
            const tagMj low = done[i].Mj[0], high = done[i].Mj[1];
            if (high.value - low.value == 2)
                wait = Shifted(low, 1);
            else if (low.value == 1)
                wait = Shifted(high, 1);
            else
                wait = Shifted(low, -1);
            const tagMj lowest = wait.value < low.value ? wait : low;
            done[i] = MakeGroup(kKindChow, lowest);
        }
    } else if (singles == 1 && pairs == 0 && partials == 0) {
        for (int i = 0; i < depth; i++)
            if (done[i].kind == kKindSingle) {
                wait = done[i].Mj[0];
                done[i] = MakeGroup(kKindPair, wait);
            }
    } else {
        return false;
    }
    player->winmj = wait;
    return ScorePath(done, depth, TileFans::kRecount);
}
