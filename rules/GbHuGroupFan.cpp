// The group-list fan tests of one decomposition, and the sum with its exclusions.
#include <cstring>

#include "rules/GbHu.h"
#include "rules/MjPlayer.h"

namespace {

bool IsPungKind(unsigned char kind) { return kind == kKindKong || kind == kKindPung; }
bool IsTerminal(const tagMj& t) { return IsNumbered(t) && (t.value == 1 || t.value == 9); }
bool ValueInRange(int v) { return v >= 1 && v <= 9; }

// What the group tests ask of one decomposition, counted once.
struct GroupCensus {
    int chowAt[3][10] = {};   // chows by suit and lowest value
    int pungAt[5][10] = {};   // pungs and kongs by suit and value
    int chows = 0, pungs = 0, pairs = 0, others = 0;
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
        }
    }

    bool Chow(int suit, int value) const {
        return IsNumberedSuit(suit) && ValueInRange(value) && chowAt[suit][value] > 0;
    }
    bool Pung(int suit, int value) const {
        return suit >= 0 && suit < 5 && ValueInRange(value) && pungAt[suit][value] > 0;
    }
    // Honour groups counted 2 for a pung and 1 for a pair, over honour values [low, high].
    int HonourScore(const GetMj* groups, int count, int low, int high) const {
        int score = 0;
        for (int i = 0; i < count; i++) {
            const tagMj& t = groups[i].Mj[0];
            if (t.suit != kHonourSuit || t.value < low || t.value > high) continue;
            if (IsPungKind(groups[i].kind)) score += 2;
            if (groups[i].kind == kKindPair) score += 1;
        }
        return score;
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

// The distinct groups of one kind, sorted by tile, walked for runs of one suit rising by
// `step`; sets `run3` / `run4` for a run of exactly three / four.
void FindRuns(const GetMj* list, int n, int step, bool* run3, bool* run4) {
    int length = n > 0 ? 1 : 0;
    for (int i = 1; i <= n; i++) {
        const bool grows = i < n && list[i].Mj[0].suit == list[i - 1].Mj[0].suit &&
                           list[i].Mj[0].value == list[i - 1].Mj[0].value + step;
        if (grows) {
            length++;
            continue;
        }
        if (length == 3) *run3 = true;
        if (length == 4) *run4 = true;
        length = 1;
    }
}

}  // namespace

int CGbHu::CollectDistinct(const GetMj* list, int count, bool chows, GetMj* out) {
    int n = 0;
    for (int i = 0; i < count; i++) {
        const GetMj& g = list[i];
        if (chows ? g.kind != kKindChow : !(IsPungKind(g.kind) && IsNumbered(g.Mj[0]))) continue;
        bool seen = false;
        for (int k = 0; k < n && !seen; k++) seen = TileEqual(out[k].Mj[0], g.Mj[0]);
        if (!seen) out[n++] = g;
    }
    return n;
}

bool CGbHu::PungConcealed(const GetMj* list, int count, int index, bool meldsBlock) {
    const int melds = MeldCount();
    const GetMj& g = list[index];
    if (index < melds) return !meldsBlock && g.kind == kKindKong && !player->open[index];
    for (int i = 0; i < melds; i++) {
        const GetMj& m = player->Gang[i];
        if (!TileEqual(m.Mj[0], g.Mj[0])) continue;
        if (meldsBlock && IsPungKind(m.kind)) return false;
        if (m.kind == kKindPung || (m.kind == kKindKong && player->open[i])) return false;
    }
    if (player->zimo) return true;
    if (wildrule && IsWildTile(player->winmj, wildmj)) return true;  // see DiscardedWildPung
    return !TileEqual(player->winmj, g.Mj[0]);
}

int CGbHu::CalcSplitFan(CMjPlayer* seat, GetMj* list, int count) {
    if (!seat) return 0;
    player = seat;
    std::memcpy(workfan, basefan, sizeof workfan);
    std::memset(workexfan, 0, sizeof workexfan);
    unsigned char* f = workfan;
    const GroupCensus c(list, count);
    const int melds = MeldCount();

    bool bigWinds = true;
    for (int w = 1; w <= 4; w++) bigWinds = bigWinds && c.Pung(kHonourSuit, w);
    if (bigWinds) f[1] = 1;
    const int dragons = c.HonourScore(list, count, 5, 7);
    if (dragons == 6) f[2] = 1;
    if (c.HonourScore(list, count, 1, 4) == 7) f[9] = 1;
    if (dragons == 5) f[10] = 1;
    if (c.chows == 0 && c.others == 0) f[48] = 1;
    if (f[48] && AllGroups(list, count, [](const GetMj& g) { return IsTerminal(g.Mj[0]); }))
        f[8] = 1;

    // Concealed pungs: a pung the discard completed, or one that is also a meld, is exposed.
    int concealed = 0, concealedOwn = 0;
    const int discardedWild = DiscardedWildPung(list, count);
    for (int i = 0; i < count; i++) {
        if (!IsPungKind(list[i].kind) || i == discardedWild) continue;
        concealed += PungConcealed(list, count, i, false) ? 1 : 0;
        concealedOwn += PungConcealed(list, count, i, true) ? 1 : 0;
    }
    if (concealed == 4) f[12] = 1;

    if (f[22] && c.chows == 4 && c.pairGroup && c.pairs == 1) {
        const tagMj& pair = c.pairGroup->Mj[0];
        const int s = pair.suit;
        if (IsNumbered(pair) && pair.value == 5 && c.chowAt[s][1] == 2 && c.chowAt[s][7] == 2)
            f[13] = 1;
    }

    int mostEqualChows = 0;
    for (int s = 0; s < 3; s++)
        for (int v = 1; v <= 9; v++)
            if (c.chowAt[s][v] > mostEqualChows) mostEqualChows = c.chowAt[s][v];
    if (mostEqualChows == 4) f[14] = 1;

    GetMj distinct[kMaxGroups];
    int n = CollectDistinct(list, count, false, distinct);
    SortMelds(distinct, n);
    bool run3 = false, run4 = false;
    FindRuns(distinct, n, 1, &run3, &run4);
    if (run4) f[15] = 1;
    const bool pungRun3 = run3;

    n = CollectDistinct(list, count, true, distinct);
    SortMelds(distinct, n);
    bool chowRun3 = false, chowRun4 = false;
    FindRuns(distinct, n, 1, &chowRun3, &chowRun4);
    if (!chowRun3 && !chowRun4) FindRuns(distinct, n, 2, &chowRun3, &chowRun4);
    if (chowRun4) f[16] = 1;

    if (f[48] && AllGroups(list, count, [](const GetMj& g) {
            return IsTerminal(g.Mj[0]) || g.Mj[0].suit == kHonourSuit;
        }))
        f[18] = 1;
    if (f[48] && AllGroups(list, count, [](const GetMj& g) {
            return IsNumbered(g.Mj[0]) && g.Mj[0].value % 2 == 0;
        }))
        f[21] = 1;
    if (mostEqualChows == 3) f[23] = 1;
    if (pungRun3) f[24] = 1;
    for (int s = 0; s < 3; s++)
        if (c.chowAt[s][1] && c.chowAt[s][4] && c.chowAt[s][7]) f[28] = 1;
    if (c.pairGroup && IsNumbered(c.pairGroup->Mj[0]) && c.pairGroup->Mj[0].value == 5) {
        const int p = c.pairGroup->Mj[0].suit;
        bool others = true;
        for (int s = 0; s < 3; s++)
            if (s != p) others = others && c.chowAt[s][1] && c.chowAt[s][7];
        if (others) f[29] = 1;
    }
    if (chowRun3) f[30] = 1;
    if (count > 0 && AllGroups(list, count, [](const GetMj& g) {
            const tagMj& t = g.Mj[0];
            if (!IsNumbered(t)) return false;
            return g.kind == kKindChow ? (t.value >= 3 && t.value <= 5) : t.value == 5;
        }))
        f[31] = 1;
    for (int v = 1; v <= 9; v++) {
        const int same = c.pungAt[0][v] + c.pungAt[1][v] + c.pungAt[2][v];
        if (same >= 3) f[32] = 1;
    }
    if (concealed == 3) f[33] = 1;
    const int windPungs = c.pungAt[kHonourSuit][1] + c.pungAt[kHonourSuit][2] + c.pungAt[kHonourSuit][3] +
                          c.pungAt[kHonourSuit][4];
    if (windPungs >= 3) f[38] = 1;
    if (ThreeSuits([&c](int a, int b, int d) {
            return c.chowAt[a][1] && c.chowAt[b][4] && c.chowAt[d][7];
        }))
        f[39] = 1;
    for (int v = 1; v <= 7; v++)
        if (c.chowAt[0][v] && c.chowAt[1][v] && c.chowAt[2][v]) f[41] = 1;
    if (c.pungs >= 3 && MixedShifted([&c](int s, int v) { return c.Pung(s, v); })) f[42] = 1;
    if (c.chows >= 3 && MixedShifted([&c](int s, int v) { return c.Chow(s, v); })) f[50] = 1;
    if (count > 0 && AllGroups(list, count, [](const GetMj& g) {
            const tagMj& t = g.Mj[0];
            if (t.suit == kHonourSuit) return true;
            if (g.kind == kKindChow) return t.value == 1 || t.value == 7;
            return IsTerminal(t);
        }))
        f[55] = 1;
    if (c.chows == 4 && c.pairs == 1 && count == 5 && c.others == 0 &&
        IsNumbered(c.pairGroup->Mj[0]))
        f[63] = 1;
    for (int v = 1; v <= 9; v++)
        if (c.pungAt[0][v] + c.pungAt[1][v] + c.pungAt[2][v] == 2) f[65] = 1;
    if (concealedOwn == 2) f[66] = 1;
    for (int s = 0; s < 3; s++)
        for (int v = 1; v <= 9; v++) {
            if (c.chowAt[s][v] == 2) f[69] = 1;
            if (v <= 6 && c.chowAt[s][v] && c.chowAt[s][v + 3]) f[71] = 1;
        }
    for (int v = 1; v <= 7; v++) {
        const int suits = (c.chowAt[0][v] > 0) + (c.chowAt[1][v] > 0) + (c.chowAt[2][v] > 0);
        if (suits == 2) f[70] = 1;
    }
    for (int s = 0; s < 3; s++)
        if (c.chowAt[s][1] && c.chowAt[s][7]) f[72] = 1;

    yaojiucount = 0;
    for (int i = 0; i < count; i++) {
        const tagMj& t = list[i].Mj[0];
        if (!IsPungKind(list[i].kind)) continue;
        const bool otherWind = t.suit == kHonourSuit && t.value >= 1 && t.value <= 4 &&
                               t.value != seat->menfeng && t.value != seat->quanfeng && !f[38];
        if (IsTerminal(t) || otherWind) yaojiucount++;
    }
    if (yaojiucount > 0) f[73] = 1;

    for (int i = 0; i < count; i++) {
        if (list[i].kind != kKindPair) continue;
        const tagMj& t = list[i].Mj[0];
        if (minfan == 0 && IsNumbered(t) && (t.value == 2 || t.value == 5 || t.value == 8))
            f[86] = 1;
        if (TileEqual(t, seat->winmj)) {
            f[79] = 1;
            break;
        }
    }
    MarkWaitFans(list + melds, count - melds);
    if (c.Pung(kHonourSuit, seat->quanfeng)) f[60] = 1;
    if (c.Pung(kHonourSuit, seat->menfeng)) f[61] = 1;

    if (wildrule) CalcWildExtras(list, count);
    bool anyFan = false;
    for (int k = 1; k <= 81 && !anyFan; k++) anyFan = f[k] != 0;
    if (!anyFan) f[43] = 1;
    return SumFan();
}

void CGbHu::MarkWaitFans(const GetMj* own, int count) {
    const tagMj& last = player->winmj;
    if (!IsNumbered(last) || !ValueInRange(last.value)) return;
    int chowAt[12] = {};  // lowest values 0..11 of the last tile's suit
    for (int i = 0; i < count; i++)
        if (own[i].kind == kKindChow && own[i].Mj[0].suit == last.suit && ValueInRange(own[i].Mj[0].value))
            chowAt[own[i].Mj[0].value] = 1;
    const int v = last.value;
    if ((v == 3 && chowAt[1] && !chowAt[3]) || (v == 7 && chowAt[7] && !chowAt[5])) workfan[77] = 1;
    if (v >= 2 && chowAt[v - 1] && !(v >= 3 && chowAt[v - 2]) && !chowAt[v]) workfan[78] = 1;
}

int CGbHu::SumFan() {
    // Each rule clears what its fan excludes, when its fan is still set as the rule runs.
    static const unsigned char kOrder[] = {77, 68, 63, 52, 49, 47, 46, 44, 40, 37, 36, 34, 33,
                                           31, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18,
                                           17, 16, 15, 14, 13, 12, 11, 10, 9,  8,  7,  6,  5,
                                           4,  3,  2,  1,  56, 54};
    unsigned char* f = workfan;
    if (f[78]) f[79] = 0;
    for (unsigned char rule : kOrder) {
        if (!f[rule]) continue;
        // Seven pairs (plain or shifted) is concealed by nature, but still self-drawn.
        if ((rule == 19 || rule == 6) && f[56] && !f[44] && !f[46]) f[80] = 1;
        for (const unsigned char* ex = FanExcludes(rule); *ex; ex++) f[*ex] = 0;
    }
    int total = 0;
    for (int k = 1; k <= 88; k++)
        if (f[k] && k != 81) total += FanValue(k);
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
