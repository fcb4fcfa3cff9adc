// The group-list fan tests of one decomposition, family by family, the extra fans of the
// wild-tile rule, and the sum with its exclusions.
#include <cstring>

#include "rules/GbHu.h"
#include "rules/MjPlayer.h"

namespace {

bool ValueInRange(int v) { return v >= 1 && v <= 9; }
bool IsWind(const tagMj& t) { return t.suit == kHonourSuit && t.value >= 1 && t.value <= 4; }

// What the group tests ask of one decomposition, counted once.
struct GroupCensus {
    int chowAt[3][10] = {};   // chows by suit and lowest value
    int pungAt[5][10] = {};   // pungs and kongs by suit and value
    int chows = 0, pungs = 0, pairs = 0, others = 0;
    int windScore = 0;        // wind groups: 2 for a pung, 1 for a pair
    int dragonScore = 0;      // the same for the dragons
    const GetMj* pairGroup = nullptr;

    GroupCensus(const GetMj* groups, int count) {
        for (int i = 0; i < count; i++) {
            const GetMj& g = groups[i];
            const tagMj& t = g.Mj[0];
            const bool inRange = t.suit >= 0 && t.suit < 5 && t.value >= 0 && t.value < 10;
            if (g.kind == kKindChow) {
                chows++;
                if (IsNumbered(t) && inRange) chowAt[t.suit][t.value]++;
            } else if (IsPungKind(g.kind)) {
                pungs++;
                if (inRange) pungAt[t.suit][t.value]++;
            } else if (g.kind == kKindPair) {
                pairs++;
                if (!pairGroup) pairGroup = &g;
            } else {
                others++;
            }
            const int honourScore = IsPungKind(g.kind) ? 2 : (g.kind == kKindPair ? 1 : 0);
            if (t.suit == kHonourSuit && t.value >= 1 && t.value <= 4) windScore += honourScore;
            if (t.suit == kHonourSuit && t.value >= 5 && t.value <= 7) dragonScore += honourScore;
        }
    }

    bool Chow(int suit, int value) const {
        return IsNumberedSuit(suit) && ValueInRange(value) && chowAt[suit][value] > 0;
    }
    bool Pung(int suit, int value) const {
        return suit >= 0 && suit < 5 && ValueInRange(value) && pungAt[suit][value] > 0;
    }
    // Pungs of numbered tiles of value v in all three suits together.
    int NumberedPungsOf(int v) const { return pungAt[0][v] + pungAt[1][v] + pungAt[2][v]; }
    // The numbered pair of value v, when the decomposition has one.
    bool NumberedPairOf(int v) const {
        return pairGroup && IsNumbered(pairGroup->Mj[0]) && pairGroup->Mj[0].value == v;
    }
};

template <typename Pred>
bool AllGroups(const GetMj* groups, int count, Pred pred) {
    for (int i = 0; i < count; i++)
        if (!pred(groups[i])) return false;
    return true;
}

// True when `pred`(a, b, c) holds for some order (a, b, c) of the three numbered suits.
template <typename Pred>
bool ThreeSuits(Pred pred) {
    for (const auto& o : kSuitOrders)
        if (pred(o[0], o[1], o[2])) return true;
    return false;
}

// A value v in one suit with v + 1 and v + 2 in the two other suits (either order).
template <typename Has>
bool MixedShifted(Has has) {
    return ThreeSuits([&has](int a, int b, int c) {
        for (int v = 1; v <= 7; v++)
            if (has(a, v) && has(b, v + 1) && has(c, v + 2)) return true;
        return false;
    });
}

// Which groups CollectDistinct keeps.
enum class Distinct { kNumberedPungs, kChows };

// The groups of one family, each tile once, in list order.
int CollectDistinct(const GetMj* list, int count, Distinct which, GetMj* out) {
    int n = 0;
    for (int i = 0; i < count; i++) {
        const GetMj& g = list[i];
        const bool kept = which == Distinct::kChows ? g.kind == kKindChow
                                                    : IsPungKind(g.kind) && IsNumbered(g.Mj[0]);
        if (!kept) continue;
        bool seen = false;
        for (int k = 0; k < n && !seen; k++) seen = TileEqual(out[k].Mj[0], g.Mj[0]);
        if (!seen) out[n++] = g;
    }
    return n;
}

// Runs of one suit rising by `step` among the distinct groups of one family, sorted by tile.
struct Runs {
    bool three = false;  // a run of exactly three
    bool four = false;   // a run of exactly four
};

void FindRuns(const GetMj* list, int n, int step, Runs* runs) {
    int length = n > 0 ? 1 : 0;
    for (int i = 1; i <= n; i++) {
        const bool grows = i < n && list[i].Mj[0].suit == list[i - 1].Mj[0].suit &&
                           list[i].Mj[0].value == list[i - 1].Mj[0].value + step;
        if (grows) {
            length++;
            continue;
        }
        if (length == 3) runs->three = true;
        if (length == 4) runs->four = true;
        length = 1;
    }
}

Runs DistinctRuns(const GetMj* list, int count, Distinct which) {
    GetMj distinct[kMaxGroups];
    const int n = CollectDistinct(list, count, which, distinct);
    CGbHu::SortMelds(distinct, n);
    Runs runs;
    FindRuns(distinct, n, 1, &runs);
    // Chows also step by two (1-2-3, 3-4-5, 5-6-7) when they step by one nowhere.
    if (which == Distinct::kChows && !runs.three && !runs.four) FindRuns(distinct, n, 2, &runs);
    return runs;
}

// 大四喜, 大三元, 小四喜, 小三元, 三风刻, 圈风刻, 门风刻: sets of winds and dragons.
void MarkHonourSetFans(const GroupCensus& c, const CMjPlayer& seat, unsigned char* f) {
    bool bigWinds = true;
    for (int w = 1; w <= 4; w++) bigWinds = bigWinds && c.Pung(kHonourSuit, w);
    if (bigWinds) f[kFanBigFourWinds] = 1;
    if (c.dragonScore == 6) f[kFanBigThreeDragons] = 1;
    if (c.windScore == 7) f[kFanLittleFourWinds] = 1;
    if (c.dragonScore == 5) f[kFanLittleThreeDragons] = 1;
    int windPungs = 0;
    for (int w = 1; w <= 4; w++) windPungs += c.pungAt[kHonourSuit][w];
    if (windPungs >= 3) f[kFanBigThreeWinds] = 1;
    if (c.Pung(kHonourSuit, seat.quanfeng)) f[kFanPrevalentWind] = 1;
    if (c.Pung(kHonourSuit, seat.menfeng)) f[kFanSeatWind] = 1;
}

// 碰碰和 and what needs it (清幺九, 混幺九, 全双刻), and the pungs of equal or rising values
// (一色四节高, 一色三节高, 三同刻, 双同刻, 三色三节高).
void MarkPungFans(const GroupCensus& c, const GetMj* list, int count, unsigned char* f) {
    if (c.chows == 0 && c.others == 0) f[kFanAllPungs] = 1;
    if (f[kFanAllPungs]) {
        if (AllGroups(list, count, [](const GetMj& g) { return IsTerminal(g.Mj[0]); }))
            f[kFanAllTerminals] = 1;
        if (AllGroups(list, count, [](const GetMj& g) {
                return IsTerminal(g.Mj[0]) || g.Mj[0].suit == kHonourSuit;
            }))
            f[kFanAllTerminalsAndHonours] = 1;
        if (AllGroups(list, count, [](const GetMj& g) {
                return IsNumbered(g.Mj[0]) && g.Mj[0].value % 2 == 0;
            }))
            f[kFanAllEvenPungs] = 1;
    }
    const Runs runs = DistinctRuns(list, count, Distinct::kNumberedPungs);
    if (runs.four) f[kFanFourPureShiftedPungs] = 1;
    if (runs.three) f[kFanPureShiftedPungs] = 1;
    for (int v = 1; v <= 9; v++) {
        if (c.NumberedPungsOf(v) >= 3) f[kFanTriplePung] = 1;
        if (c.NumberedPungsOf(v) == 2) f[kFanDoublePung] = 1;
    }
    if (c.pungs >= 3 && MixedShifted([&c](int s, int v) { return c.Pung(s, v); }))
        f[kFanMixedShiftedPungs] = 1;
}

// 幺九刻: the pungs of terminals, and of winds that are neither the seat's nor the prevailing
// one unless 三风刻 counts them already.
int TerminalOrHonourPungs(const GetMj* list, int count, const CMjPlayer& seat,
                          bool bigThreeWinds) {
    int n = 0;
    for (int i = 0; i < count; i++) {
        const tagMj& t = list[i].Mj[0];
        if (!IsPungKind(list[i].kind)) continue;
        const bool otherWind =
            IsWind(t) && t.value != seat.menfeng && t.value != seat.quanfeng && !bigThreeWinds;
        if (IsTerminal(t) || otherWind) n++;
    }
    return n;
}

// The most chows of one tile.
int MostEqualChows(const GroupCensus& c) {
    int most = 0;
    for (int s = 0; s < 3; s++)
        for (int v = 1; v <= 9; v++)
            if (c.chowAt[s][v] > most) most = c.chowAt[s][v];
    return most;
}

// Chows of one suit: equal (一色四同顺, 一色三同顺, 一般高), rising (一色四步高, 一色三步高),
// 1-4-7 (清龙), 1 and 7 (老少副, and 一色双龙会 with the 5 of the suit as the pair), three
// apart (连六).
void MarkPureChowFans(const GroupCensus& c, const GetMj* list, int count, unsigned char* f) {
    const int mostEqual = MostEqualChows(c);
    if (mostEqual == 4) f[kFanQuadrupleChow] = 1;
    if (mostEqual == 3) f[kFanPureTripleChow] = 1;
    if (f[kFanFullFlush] && c.chows == 4 && c.pairs == 1 && c.NumberedPairOf(5)) {
        const int s = c.pairGroup->Mj[0].suit;
        if (c.chowAt[s][1] == 2 && c.chowAt[s][7] == 2) f[kFanPureTerminalChows] = 1;
    }
    const Runs runs = DistinctRuns(list, count, Distinct::kChows);
    if (runs.four) f[kFanFourPureShiftedChows] = 1;
    if (runs.three) f[kFanPureShiftedChows] = 1;
    for (int s = 0; s < 3; s++) {
        if (c.chowAt[s][1] && c.chowAt[s][4] && c.chowAt[s][7]) f[kFanPureStraight] = 1;
        if (c.chowAt[s][1] && c.chowAt[s][7]) f[kFanTwoTerminalChows] = 1;
        for (int v = 1; v <= 9; v++) {
            if (c.chowAt[s][v] == 2) f[kFanPureDoubleChow] = 1;
            if (v <= 6 && c.chowAt[s][v] && c.chowAt[s][v + 3]) f[kFanShortStraight] = 1;
        }
    }
}

// Chows across the suits: 三色双龙会, 花龙, 三色三同顺, 三色三步高, 喜相逢.
void MarkMixedChowFans(const GroupCensus& c, unsigned char* f) {
    if (c.NumberedPairOf(5)) {
        const int p = c.pairGroup->Mj[0].suit;
        bool others = true;
        for (int s = 0; s < 3; s++)
            if (s != p) others = others && c.chowAt[s][1] && c.chowAt[s][7];
        if (others) f[kFanThreeSuitedTerminalChows] = 1;
    }
    if (ThreeSuits([&c](int a, int b, int d) {
            return c.chowAt[a][1] && c.chowAt[b][4] && c.chowAt[d][7];
        }))
        f[kFanMixedStraight] = 1;
    for (int v = 1; v <= 7; v++) {
        if (c.chowAt[0][v] && c.chowAt[1][v] && c.chowAt[2][v]) f[kFanMixedTripleChow] = 1;
        const int suits = (c.chowAt[0][v] > 0) + (c.chowAt[1][v] > 0) + (c.chowAt[2][v] > 0);
        if (suits == 2) f[kFanMixedDoubleChow] = 1;
    }
    if (c.chows >= 3 && MixedShifted([&c](int s, int v) { return c.Chow(s, v); }))
        f[kFanMixedShiftedChows] = 1;
}

// 平和: four chows and a numbered pair; `rowChows` more chows stand outside the groups (the
// rows of a knitted straight).
void MarkAllChows(const GroupCensus& c, int count, int rowChows, unsigned char* f) {
    if (c.chows + rowChows == 4 && c.pairs == 1 && count + rowChows == 5 && c.others == 0 &&
        IsNumbered(c.pairGroup->Mj[0]))
        f[kFanAllChows] = 1;
}

// 全带五 and 全带幺: what every group of the hand holds.
void MarkEveryGroupFans(const GetMj* list, int count, unsigned char* f) {
    if (count == 0) return;
    if (AllGroups(list, count, [](const GetMj& g) {
            const tagMj& t = g.Mj[0];
            if (!IsNumbered(t)) return false;
            return g.kind == kKindChow ? (t.value >= 3 && t.value <= 5) : t.value == 5;
        }))
        f[kFanAllFives] = 1;
    if (AllGroups(list, count, [](const GetMj& g) {
            const tagMj& t = g.Mj[0];
            if (t.suit == kHonourSuit) return true;
            if (g.kind == kKindChow) return t.value == 1 || t.value == 7;
            return IsTerminal(t);
        }))
        f[kFanOutsideHand] = 1;
}

// The pairs in order: 二五八将 without a minimum, and 单钓将 for the first pair of the last
// tile, which ends the walk.
void MarkPairFans(const GetMj* list, int count, const CMjPlayer& seat, int minfan,
                  unsigned char* f) {
    for (int i = 0; i < count; i++) {
        if (list[i].kind != kKindPair) continue;
        const tagMj& t = list[i].Mj[0];
        if (minfan == 0 && IsNumbered(t) && (t.value == 2 || t.value == 5 || t.value == 8))
            f[kFanTwoFiveEightPair] = 1;
        if (TileEqual(t, seat.winmj)) {
            f[kFanSingleWait] = 1;
            break;
        }
    }
}

// 边张 and 坎张: the chows of the concealed hand around a numbered last tile.
void MarkWaitFans(const GetMj* own, int count, const tagMj& last, unsigned char* f) {
    if (!IsNumbered(last) || !ValueInRange(last.value)) return;
    int chowAt[12] = {};  // lowest values 0..11 of the last tile's suit
    for (int i = 0; i < count; i++) {
        const tagMj& low = own[i].Mj[0];
        if (own[i].kind == kKindChow && low.suit == last.suit && ValueInRange(low.value))
            chowAt[low.value] = 1;
    }
    const int v = last.value;
    if ((v == 3 && chowAt[1] && !chowAt[3]) || (v == 7 && chowAt[7] && !chowAt[5]))
        f[kFanEdgeWait] = 1;
    if (v >= 2 && chowAt[v - 1] && !(v >= 3 && chowAt[v - 2]) && !chowAt[v])
        f[kFanClosedWait] = 1;
}

// What the rows of 组合龙 leave, one set and a pair: the fans of a set and a pair alone.  The
// rows are neither chows nor pungs, so the fans that need every group are not set; they count
// as three chows for 平和 only.  Returns the pungs 幺九刻 counts.
int MarkKnittedRestFans(const GroupCensus& c, const GetMj* list, int count, int melds,
                        const CMjPlayer& seat, int minfan, unsigned char* f) {
    MarkHonourSetFans(c, seat, f);
    const int terminalPungs = TerminalOrHonourPungs(list, count, seat, f[kFanBigThreeWinds] != 0);
    if (terminalPungs > 0) f[kFanPungOfTerminalsOrHonours] = 1;
    MarkAllChows(c, count, 3, f);
    MarkPairFans(list, count, seat, minfan, f);
    MarkWaitFans(list + melds, count - melds, seat.winmj, f);
    return terminalPungs;
}

bool AnyFanUpTo(const unsigned char* f, int last) {
    for (int k = kFirstFan; k <= last; k++)
        if (f[k]) return true;
    return false;
}

// Groups sorted by the value of their first tile alone.
void SortByValue(GetMj* list, int n) {
    for (int i = 0; i < n - 1; i++)
        for (int j = i; j < n; j++)
            if (list[i].Mj[0].value > list[j].Mj[0].value) {
                const GetMj t = list[i];
                list[i] = list[j];
                list[j] = t;
            }
}

int SuitsAmong(const GetMj* const* entries, int n) {
    bool seen[3] = {false, false, false};
    for (int i = 0; i < n; i++)
        if (IsNumbered(entries[i]->Mj[0])) seen[entries[i]->Mj[0].suit] = true;
    return seen[0] + seen[1] + seen[2];
}

// Walks groups sorted by value for runs rising by one; true when a run of exactly `length`
// covers exactly `suits` numbered suits.
bool MixedRun(const GetMj* list, int n, int length, int suits) {
    const GetMj* run[kMaxGroups];
    int len = 0;
    for (int i = 0; i <= n; i++) {
        const bool grows = i < n && len > 0 && IsNumbered(list[i].Mj[0]) &&
                           list[i].Mj[0].value == run[len - 1]->Mj[0].value + 1;
        if (grows) {
            run[len++] = &list[i];
            continue;
        }
        if (len == length && SuitsAmong(run, len) == suits) return true;
        len = 0;
        if (i < n) run[len++] = &list[i];
    }
    return false;
}

// 混三步: chows of values v, v + 1 and v + 2 (the first of each found in order) over exactly
// two suits.
bool TwoSuitShiftedChows(const GetMj* chows, int n) {
    for (int i = 0; i < n; i++) {
        const GetMj* three[3] = {&chows[i], nullptr, nullptr};
        for (int j = i + 1; j < n && !three[1]; j++)
            if (chows[j].Mj[0].value == chows[i].Mj[0].value + 1) three[1] = &chows[j];
        if (!three[1]) continue;
        const int j = static_cast<int>(three[1] - chows);
        for (int k = j + 1; k < n && !three[2]; k++)
            if (chows[k].Mj[0].value == chows[i].Mj[0].value + 2) three[2] = &chows[k];
        if (three[2] && SuitsAmong(three, 3) == 2) return true;
    }
    return false;
}

// 混龙: chows of 1, 4 and 7 over exactly two suits.
bool TwoSuitStraight(const GetMj* chows, int n) {
    bool found = false;
    for (int a = 0; a < n; a++)
        for (int b = 0; b < n; b++)
            for (int c = 0; c < n; c++) {
                const GetMj* dragon[3] = {&chows[a], &chows[b], &chows[c]};
                if (chows[a].Mj[0].value == 1 && chows[b].Mj[0].value == 4 &&
                    chows[c].Mj[0].value == 7 && SuitsAmong(dragon, 3) == 2)
                    found = true;
            }
    return found;
}

}  // namespace

int CGbHu::CalcSplitFan(CMjPlayer* seat, GetMj* list, int count) {
    if (!seat) return 0;
    player = seat;
    std::memcpy(workfan, basefan, sizeof workfan);
    std::memset(workexfan, 0, sizeof workexfan);
    unsigned char* f = workfan;
    const GroupCensus c(list, count);
    const int melds = MeldCount();
    if (f[kFanKnittedStraight]) {
        yaojiucount = MarkKnittedRestFans(c, list, count, melds, *seat, minfan, f);
        return SumFan();
    }

    // 三风刻 before 幺九刻, which does not count its winds; 碰碰和 before the fans made of
    // pungs alone; 清一色 (a tile-list fan) before 一色双龙会.
    MarkHonourSetFans(c, *seat, f);
    MarkPungFans(c, list, count, f);
    MarkConcealedPungFans(list, count);
    yaojiucount = TerminalOrHonourPungs(list, count, *seat, f[kFanBigThreeWinds] != 0);
    if (yaojiucount > 0) f[kFanPungOfTerminalsOrHonours] = 1;
    MarkPureChowFans(c, list, count, f);
    MarkMixedChowFans(c, f);
    MarkAllChows(c, count, 0, f);
    MarkEveryGroupFans(list, count, f);
    MarkPairFans(list, count, *seat, minfan, f);
    MarkWaitFans(list + melds, count - melds, seat->winmj, f);

    if (wildrule) CalcWildExtras(list, count);
    if (!AnyFanUpTo(f, kFanFlowerTiles)) f[kFanChickenHand] = 1;
    return SumFan();
}

// 四暗刻, 三暗刻 and 双暗刻: a pung the discard completed, or one that is also an exposed
// meld, is exposed; a concealed kong is a concealed pung.
void CGbHu::MarkConcealedPungFans(const GetMj* list, int count) {
    int concealed = 0;
    const int discardedWild = DiscardedWildPung(list, count);
    for (int i = 0; i < count; i++) {
        if (!IsPungKind(list[i].kind) || i == discardedWild) continue;
        concealed += PungConcealed(list, i) ? 1 : 0;
    }
    if (concealed == 4) workfan[kFanFourConcealedPungs] = 1;
    if (concealed == 3) workfan[kFanThreeConcealedPungs] = 1;
    if (concealed == 2) workfan[kFanTwoConcealedPungs] = 1;
}

bool CGbHu::PungConcealed(const GetMj* list, int index) {
    const int melds = MeldCount();
    const GetMj& g = list[index];
    if (index < melds) return g.kind == kKindKong && !player->open[index];
    for (int i = 0; i < melds; i++) {
        const GetMj& m = player->Gang[i];
        if (!TileEqual(m.Mj[0], g.Mj[0])) continue;
        if (m.kind == kKindPung || (m.kind == kKindKong && player->open[i])) return false;
    }
    if (player->zimo) return true;
    if (wildrule && IsWildTile(player->winmj, wildmj)) return true;  // see DiscardedWildPung
    return !TileEqual(player->winmj, g.Mj[0]);
}

void CGbHu::CalcWildExtras(const GetMj* list, int count) {
    unsigned char* x = workexfan;
    GetMj pungs[kMaxGroups], chows[kMaxGroups];
    const int np = CollectDistinct(list, count, Distinct::kNumberedPungs, pungs);
    const int nc = CollectDistinct(list, count, Distinct::kChows, chows);
    SortByValue(pungs, np);
    SortByValue(chows, nc);
    if (MixedRun(pungs, np, 4, 3)) x[kExFanMixedFourShiftedPungs] = 1;
    if (MixedRun(pungs, np, 3, 2)) x[kExFanTwoSuitShiftedPungs] = 1;
    if (MixedRun(chows, nc, 4, 3)) x[kExFanMixedFourShiftedChows] = 1;
    if (TwoSuitShiftedChows(chows, nc)) x[kExFanTwoSuitShiftedChows] = 1;
    if (TwoSuitStraight(chows, nc)) x[kExFanTwoSuitStraight] = 1;
    if (wildcount == 0) x[kExFanNoWilds] = 1;
    if (MeldCount() == 0 && player->ting) x[kExFanReadyDeclared] = 1;
}

int CGbHu::SumFan() {
    // Each rule clears what its fan excludes, when its fan is still set as the rule runs.
    static const Fan kOrder[] = {
        kFanEdgeWait, kFanAllSimples, kFanAllChows, kFanMeldedHand, kFanHalfFlush,
        kFanRobbingTheKong, kFanOutWithReplacementTile, kFanLastTileDraw, kFanReversibleTiles,
        kFanLowerFour, kFanUpperFour, kFanLesserHonoursAndKnittedTiles,
        kFanThreeConcealedPungs, kFanAllFives, kFanThreeSuitedTerminalChows, kFanPureStraight,
        kFanLowerTiles, kFanMiddleTiles, kFanUpperTiles, kFanPureShiftedPungs,
        kFanPureTripleChow, kFanFullFlush, kFanAllEvenPungs, kFanGreaterHonoursAndKnittedTiles,
        kFanSevenPairs, kFanAllTerminalsAndHonours, kFanThreeKongs, kFanFourPureShiftedChows,
        kFanFourPureShiftedPungs, kFanQuadrupleChow, kFanPureTerminalChows,
        kFanFourConcealedPungs, kFanAllHonours, kFanLittleThreeDragons, kFanLittleFourWinds,
        kFanAllTerminals, kFanThirteenOrphans, kFanSevenShiftedPairs, kFanFourKongs,
        kFanNineGates, kFanAllGreen, kFanBigThreeDragons, kFanBigFourWinds,
        kFanFullyConcealedHand, kFanTwoDragonPungs,
        // After the kong fans that clear it, so that 双暗刻 stands beside 三杠 and 四杠.
        kFanTwoConcealedKongs,
    };
    unsigned char* f = workfan;
    if (f[kFanClosedWait]) f[kFanSingleWait] = 0;
    for (const Fan rule : kOrder) {
        if (!f[rule]) continue;
        for (const unsigned char ex : FanExcludes(rule)) {
            // A fan that excludes 不求人 is concealed by nature (seven pairs, 四暗刻, 九莲宝灯,
            // ...), but still self-drawn, unless 妙手回春 or 杠上开花 counts the draw.
            if (ex == kFanFullyConcealedHand && f[ex] && !f[kFanLastTileDraw] &&
                !f[kFanOutWithReplacementTile])
                f[kFanSelfDrawn] = 1;
            f[ex] = 0;
        }
    }
    int total = 0;
    for (int k = kFirstFan; k <= kLastFan; k++)
        if (f[k] && k != kFanFlowerTiles) total += FanValue(k);
    return total + CountedExtraValue();
}

int CGbHu::CountedExtraValue() const {
    // Only the first extra in this order counts: 混四节; 混四步 or 混三节; 混三步, 无混 or
    // 混龙; 立直.
    static const unsigned char kRank[kExFanCount] = {0, 1, 1, 2, 2, 2, 3};
    for (int rank = 0; rank <= 3; rank++)
        for (int i = 0; i < kExFanCount; i++)
            if (kRank[i] == rank && workexfan[i]) return ExFanValue(i);
    return 0;
}
