// The computer player's shape heuristic: when no search settles the discard, the tile that
// helps the hand least by its neighbours, and the choice among the evaluator's candidates.
#include "rules/Log.h"
#include "rules/MjAi.h"
#include "rules/MjPlayer.h"
#include "rules/Random.h"

namespace {

// Same suit and values less than `reach` apart.
bool Within(const tagMj& a, const tagMj& b, int reach) {
    return a.suit == b.suit && Abs(a.value - b.value) < reach;
}
bool Near(const tagMj& a, const tagMj& b) { return Within(a, b, 3); }
bool Close(const tagMj& a, const tagMj& b) { return Within(a, b, 2); }

// Where the heuristic looks for a tile: the seat's hand, or the list being judged.
class Presence {
public:
    Presence(CMjPlayer* player, CMjAi* ai, const tagMj* tiles, int count)
        : player_(player), ai_(ai), tiles_(tiles), count_(count) {}
    bool Has(const tagMj& t) const {
        return player_ ? player_->FindMj(t) : FindTile(tiles_, count_, t);
    }
    int Count(const tagMj& t) const {
        return player_ ? player_->CountMj(t) : ai_->CountTile(tiles_, count_, t);
    }

private:
    CMjPlayer* player_;
    CMjAi* ai_;
    const tagMj* tiles_;
    int count_;
};

// The first tile that no neighbour reaches (`reach` says near or close): the head when its
// right neighbour does not reach it, an inner tile reached by neither, the last tile when its
// left neighbour does not reach it.  False when every tile has a reaching neighbour.
bool FirstLoose(const tagMj* l, int n, bool (*reach)(const tagMj&, const tagMj&), tagMj* out) {
    if (!reach(l[0], l[1])) {
        *out = l[0];
        return true;
    }
    for (int i = 1; i <= n - 2; ++i) {
        if (!reach(l[i], l[i - 1]) && !reach(l[i], l[i + 1])) {
            *out = l[i];
            return true;
        }
    }
    return false;
}

bool LastLoose(const tagMj* l, int n, bool (*reach)(const tagMj&, const tagMj&), tagMj* out) {
    if (reach(l[n - 2], l[n - 1])) return false;
    *out = l[n - 1];
    return true;
}

// A single tile that can still join a chow with two tiles the hand holds.
bool JoinsChow(const Presence& presence, const tagMj& t) {
    const auto has = [&](int delta) { return presence.Has(Shifted(t, delta)); };
    if (t.value > 2 && has(-2) && has(-1)) return true;
    if (t.value > 1 && t.value < 9 && has(-1) && has(1)) return true;
    return t.value < 8 && has(1) && has(2);
}

// The chowless singles of the list: tiles present once that join no chow.
int ChowlessSingles(const Presence& presence, const tagMj* l, int n, tagMj* out) {
    int found = 0;
    for (int i = 0; i < n;) {
        int run = 1;
        while (i + run < n && TileEqual(l[i], l[i + run])) ++run;
        if (run == 1 && !JoinsChow(presence, l[i])) out[found++] = l[i];
        i += run;
    }
    return found;
}

}  // namespace

tagMj CMjAi::ShapeDiscard(CMjPlayer* player, const tagMj* l, int n, bool smallSearch) {
    if (n < 2) return l[0];
    const Presence presence(player, this, l, n);
    tagMj pick;

    // An honour that no equal neighbour pairs.
    for (int i = 0; i < n; ++i) {
        if (l[i].suit != kHonourSuit) continue;
        const bool pairedLeft = i > 0 && TileEqual(l[i], l[i - 1]);
        const bool pairedRight = i + 1 < n && TileEqual(l[i], l[i + 1]);
        if (!pairedLeft && !pairedRight) return l[i];
    }
    if (FirstLoose(l, n, Near, &pick) || LastLoose(l, n, Near, &pick)) return pick;
    if (smallSearch && FindReadyDiscardSmall(l, n, &pick)) return pick;
    if (FirstLoose(l, n, Close, &pick) || LastLoose(l, n, Close, &pick)) return pick;

    tagMj singles[kMaxHandTiles];
    const int singlenum = ChowlessSingles(presence, l, n, singles);
    if (singlenum == 0) {
        Log.Write("Rand Play.");
        return l[MjRand() % n];
    }
    for (int i = 0; i < singlenum; ++i)
        if (singles[i].value == 1 || singles[i].value == 9) return singles[i];
    for (int i = 0; i < singlenum; ++i) {
        const tagMj& c = singles[i];
        if ((c.value < 9 && presence.Count(Shifted(c, 1)) >= 2) ||
            (c.value > 1 && presence.Count(Shifted(c, -1)) >= 2))
            return c;
    }
    return singles[MjRand() % singlenum];
}

bool CMjAi::ChooseFromCandidates(CMjPlayer* player, tagMj* candidates, int count,
                                 const int* seen) {
    if (count <= 0) return false;
    SortTiles(candidates, count);
    if (player->plan_pungs) {
        int weakest = 0;
        for (int i = 1; i < count; ++i)
            if (LiveCount(player, seen, candidates[i]) < LiveCount(player, seen, candidates[weakest]))
                weakest = i;
        player->PlayMj = candidates[weakest];
        return true;
    }
    player->PlayMj = ShapeDiscard(nullptr, candidates, count, false);
    return true;
}
