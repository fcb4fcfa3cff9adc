// The wild-tile rule: every copy of the hand's wild tile may stand for any tile the hand is
// missing.  The win and ready tests take the wilds out and fill the shapes with them; the
// extra fans a decomposition may earn are tested with the other group fans.
#include <cstring>

#include "rules/GbHu.h"
#include "rules/MjPlayer.h"

namespace {

constexpr int kMaxPathGroups = 5;   // groups of the concealed hand besides the melds

// The tile a group made of wilds alone is recorded with.
const tagMj kWildOnly{1, 1};

GetMj WildGroup(unsigned char kind, int size) {
    GetMj g;
    g.kind = kind;
    g.num = size;
    for (int i = 0; i < size; i++) {
        g.Mj[i] = kWildOnly;
        g.flag[i] = 1;
    }
    return g;
}

// A chow of lowest tile `low` whose position `wildAt` holds a wild.
GetMj WildChow(const tagMj& low, int wildAt) {
    GetMj g;
    g.kind = kKindChow;
    g.num = 3;
    for (int i = 0; i < 3; i++) {
        g.Mj[i] = Shifted(low, i);
        g.flag[i] = i == wildAt ? 1 : 0;
    }
    return g;
}

// The group grown to `size` equal tiles of `kind`, the new places taken by wilds.
GetMj GrownWithWilds(GetMj g, unsigned char kind, int size) {
    for (int i = g.num; i < size; i++) {
        g.Mj[i] = g.Mj[0];
        g.flag[i] = 1;
    }
    g.kind = kind;
    g.num = size;
    return g;
}

// The knitted tiles with `wilds` wilds placed, one per tile, into `filled`: first each missing
// honour, east to white; then in three rounds, each suit holding fewer tiles than the round
// takes the first missing tile of its class (a suit without one gets the lowest class no suit
// has).  Returns the count of `filled`.
int FillKnittedWithWilds(const tagMj* tiles, int num, int wilds, int* classes, tagMj* filled) {
    int n = num;
    std::memcpy(filled, tiles, sizeof(tagMj) * num);
    int left = wilds;
    for (int v = 1; v <= 7 && left > 0; v++) {
        const tagMj honour = MakeTile(v, kHonourSuit);
        if (FindTile(filled, n, honour)) continue;
        filled[n++] = honour;
        left--;
    }
    for (int round = 1; round <= 3; round++)
        for (int s = 0; s < 3 && left > 0; s++) {
            int held = 0;
            for (int i = 0; i < n; i++) held += filled[i].suit == s ? 1 : 0;
            if (held >= round) continue;
            for (int c = 1; c <= 3 && !classes[s]; c++)
                if (classes[0] != c && classes[1] != c && classes[2] != c) classes[s] = c;
            for (int v = classes[s]; v <= 9; v += 3) {
                const tagMj t = MakeTile(v, s);
                if (FindTile(filled, n, t)) continue;
                filled[n++] = t;
                left--;
                break;
            }
        }
    return n;
}

}  // namespace

bool CGbHu::IsWildTile(const tagMj& tile, const tagMj& wild) const {
    return wildrule && MatchesWild(tile, wild);
}

int CGbHu::TakeWilds(const tagMj* tiles, int num, tagMj* rest) {
    int n = 0;
    for (int i = 0; i < num; i++)
        if (!IsWildTile(tiles[i], wildmj)) rest[n++] = tiles[i];
    return n;
}

bool CGbHu::IsThirteenOrphansWild(const tagMj* rest, int num, int wilds) const {
    if (num + wilds != kMaxHandTiles) return false;
    int doubled = 0;
    for (int i = 0; i < num; i++) {
        if (!FindTile(orphans, 13, rest[i])) return false;
        int copies = 0;
        for (int k = 0; k < num; k++) copies += TileEqual(rest[k], rest[i]) ? 1 : 0;
        if (copies > 2) return false;
        if (copies == 2) doubled++;
    }
    return doubled <= 2;  // both copies of the one doubled kind
}

int CGbHu::SevenPairsWildSingles(const tagMj* rest, int num, int wilds, tagMj* singles) const {
    if (num + wilds != kMaxHandTiles) return -1;
    int n = 0;
    for (int i = 0; i < num;) {
        if (i + 1 < num && TileEqual(rest[i], rest[i + 1])) {
            i += 2;
            continue;
        }
        if (n == wilds) return -1;
        singles[n++] = rest[i++];
    }
    return n;
}

bool CGbHu::IsKnittedWild(const tagMj* tiles, int num) {
    if (num + wildcount != kMaxHandTiles || num > kMaxHandTiles) return false;
    int classes[3];
    if (!AllDistinct(tiles, num) || KnittedClasses(tiles, num, classes) < 0) return false;
    tagMj filled[16];
    const int n = FillKnittedWithWilds(tiles, num, wildcount, classes, filled);
    if (!classes[0] || !classes[1] || !classes[2]) return false;
    SortTiles(filled, n);
    if (!IsKnitted(filled, n)) return false;
    knittedHonours_ = AllHonoursPresent(filled, n);
    knittedRows_ = AllKnittedTiles(filled, n);
    return true;
}

bool CGbHu::HuWild(CMjPlayer* seat, tagMj* tiles, int num, int* seen, int leavenum) {
    if (!seat) return false;
    BeginWinTest(seat, seen, leavenum);
    tagMj rest[kMaxHandTiles];
    const int n = TakeWilds(tiles, num, rest);
    wildcount = num - n;

    if (IsThirteenOrphansWild(rest, n, wildcount)) {
        workfan[kFanThirteenOrphans] = 1;
        FinishShape();
        return true;
    }
    tagMj singles[kMaxHandTiles];
    const int alone = MeldCount() == 0 ? SevenPairsWildSingles(rest, n, wildcount, singles) : -1;
    if (alone >= 0) {
        tagMj hand[kMaxHandTiles];
        std::memcpy(hand, rest, sizeof(tagMj) * n);
        std::memcpy(hand + n, singles, sizeof(tagMj) * alone);
        SortTiles(hand, n + alone);
        besttotal = 0;
        GetMj path[kMaxGroups];
        return SevenPairsOrSearch(SplitPartial(rest, n, path, 0), hand, n + alone);
    }
    if (IsKnittedWild(rest, n)) {
        ScoreKnittedHand(knittedHonours_, knittedRows_);
        return true;
    }
    if (ScoreKnittedStraight(rest, n)) return true;
    besttotal = 0;
    GetMj path[kMaxGroups];
    if (!SplitPartial(rest, n, path, 0)) return false;
    return FinishSearch();
}

int CGbHu::IsReadyWild(CMjPlayer* seat, tagMj* tiles, int num) {
    player = seat;
    std::memset(workfan, 0, sizeof workfan);
    std::memset(basefan, 0, sizeof basefan);
    tagMj rest[kMaxHandTiles];
    const int n = TakeWilds(tiles, num, rest);
    wildcount = num - n + 1;  // the tile still to come counts as one more wild

    if (IsThirteenOrphansWild(rest, n, wildcount)) return 1;
    tagMj singles[kMaxHandTiles];
    if (MeldCount() == 0 && SevenPairsWildSingles(rest, n, wildcount, singles) >= 0) return 1;
    if (IsKnittedWild(rest, n)) return 1;

    tagMj joined[kMaxJoinedTiles];
    CalcFan(joined, JoinMeldTiles(rest, n, joined), seat);
    std::memcpy(basefan, workfan, sizeof basefan);
    besttotal = 0;
    GetMj path[kMaxGroups];
    if (!SplitPartial(rest, n, path, 0)) return 0;
    return FinishSearch() ? 1 : 0;
}

bool CGbHu::SplitPartial(const tagMj* tiles, int num, GetMj* path, int depth) {
    if (num == 0) {
        if (wildcount > 0) return CompleteWithWild(path, depth, wildcount);
        int pairs = 0, open = 0;
        for (int i = 0; i < depth; i++) {
            pairs += path[i].kind == kKindPair ? 1 : 0;
            open += path[i].kind == kKindPartial || path[i].kind == kKindSingle ? 1 : 0;
        }
        if (pairs != 1 || open) return false;
        return ScorePath(path, depth, TileFans::kRecount);
    }
    if (depth >= kMaxPathGroups) return false;
    const tagMj head = tiles[0];
    tagMj rest[kMaxHandTiles];
    bool found = false;
    auto branch = [&](const GetMj& group, int restnum) {
        path[depth] = group;
        found = SplitPartial(rest, restnum, path, depth + 1) || found;
    };
    if (TakePung(tiles, num, rest)) branch(MakeGroup(kKindPung, head), num - 3);
    if (TakePair(tiles, num, rest)) branch(MakeGroup(kKindPair, head), num - 2);
    if (TakeChow(tiles, num, rest)) branch(MakeGroup(kKindChow, head), num - 3);
    if (IsNumbered(head)) {
        for (int distance = 1; distance <= 2; distance++) {
            const int j = FindPartner(tiles, num, distance);
            if (j == 0) continue;
            const int n = WithoutTwo(tiles, num, j, rest);
            branch(MakePartial(head, tiles[j]), n);
        }
    }
    for (int k = 1; k < num; k++) rest[k - 1] = tiles[k];
    branch(MakeGroup(kKindSingle, head), num - 1);
    return found;
}

bool CGbHu::CompleteWithWild(GetMj* path, int depth, int wilds) {
    if (depth > kMaxPathGroups) return false;
    int pairs = 0, open = -1;
    for (int i = 0; i < depth; i++) {
        if (path[i].kind == kKindPair) pairs++;
        if (open < 0 && (path[i].kind == kKindPartial || path[i].kind == kKindSingle)) open = i;
    }
    if (open < 0 && pairs == 1 && wilds == 0) return ScorePath(path, depth, TileFans::kRecount);
    if (wilds == 0) return false;

    GetMj next[kMaxGroups];
    std::memcpy(static_cast<void*>(next), path, sizeof(GetMj) * depth);
    bool found = false;
    auto tryWith = [&](int index, const GetMj& group, int used, int newDepth) {
        if (used > wilds) return;
        const GetMj saved = next[index];
        next[index] = group;
        found = CompleteWithWild(next, newDepth, wilds - used) || found;
        next[index] = saved;
    };
    // The first open group is completed first: every order of completions ends in the same
    // decompositions.
    if (open >= 0) {
        const GetMj& g = path[open];
        const tagMj low = g.Mj[0];
        if (g.kind == kKindPartial) {
            const int gap = g.Mj[1].value - low.value;
            if (gap == 2) tryWith(open, WildChow(low, 1), 1, depth);
            if (gap == 1 && low.value > 1) {
                const tagMj below = Shifted(low, -1);
                tryWith(open, WildChow(below, 0), 1, depth);
            }
            if (gap == 1 && g.Mj[1].value < 9) tryWith(open, WildChow(low, 2), 1, depth);
        } else {
            tryWith(open, GrownWithWilds(g, kKindPair, 2), 1, depth);
            tryWith(open, GrownWithWilds(g, kKindPung, 3), 2, depth);
        }
        return found;
    }
    for (int i = 0; i < depth; i++)
        if (path[i].kind == kKindPair) tryWith(i, GrownWithWilds(path[i], kKindPung, 3), 1, depth);
    if (depth < kMaxPathGroups) {
        if (pairs == 0) tryWith(depth, WildGroup(kKindPair, 2), 2, depth + 1);
        tryWith(depth, WildGroup(kKindPung, 3), 3, depth + 1);
    }
    return found;
}

int CGbHu::DiscardedWildPung(const GetMj* list, int count) const {
    if (player->zimo || !IsWildTile(player->winmj, wildmj)) return -1;
    for (int i = MeldCount(); i < count; i++) {
        if (!IsPungKind(list[i].kind)) continue;
        if (list[i].flag[0] || list[i].flag[1] || list[i].flag[2] || list[i].flag[3]) return i;
    }
    return -1;
}
