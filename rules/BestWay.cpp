// The decomposition search of the play minimum 0: every split of the hand into sets and loose
// pieces, the shapes one or two steps from ready scored by the live tiles that would improve
// them, and the discard the best shape gives up.
#include "rules/Log.h"
#include "rules/MjAi.h"
#include "rules/MjPlayer.h"

int CMjAi::PartialWaits(CMjPlayer* player, const int* seen, const tagPartialMj& partial) {
    const int gap = partial.second.value - partial.first.value;
    if (gap == 2) return LiveCount(player, seen, Shifted(partial.first, 1));
    if (gap != 1) return 0;
    int waits = 0;
    if (partial.first.value > 1) waits += LiveCount(player, seen, Shifted(partial.first, -1));
    if (partial.second.value < 9) waits += LiveCount(player, seen, Shifted(partial.second, 1));
    return waits;
}

namespace {

// Weighs loose tiles and pieces of one shape by the live counts of the seat.
class Weigher {
public:
    Weigher(CMjAi* ai, CMjPlayer* player, const int* seen) : ai_(ai), player_(player), seen_(seen) {}
    int Live(const tagMj& t) const { return ai_->LiveCount(player_, seen_, t); }
    int Pair(const tagMj& t) const { return ai_->PairWaits(player_, seen_, t); }
    int Partial(const tagPartialMj& p) const { return ai_->PartialWaits(player_, seen_, p); }

    // The single with the smallest live count (the first on ties).
    int Weakest(const tagMj* singles, int n) const {
        int weakest = 0;
        for (int i = 1; i < n; ++i)
            if (Live(singles[i]) < Live(singles[weakest])) weakest = i;
        return weakest;
    }
    // The sum of the singles' live counts without the weakest.
    int LiveOfOthers(const tagMj* singles, int n, int weakest) const {
        int sum = 0;
        for (int i = 0; i < n; ++i)
            if (i != weakest) sum += Live(singles[i]);
        return sum;
    }
    // The second tile when it is strictly weaker, else the first.
    tagMj Weaker(const tagMj& a, const tagMj& b) const { return Live(b) < Live(a) ? b : a; }
    tagMj Weaker(const tagPartialMj& p) const { return Weaker(p.first, p.second); }
    int Pairs(const tagMj* pairs, int n) const {
        int sum = 0;
        for (int i = 0; i < n; ++i) sum += Pair(pairs[i]);
        return sum;
    }
    int Partials(const tagPartialMj* partials, int n) const {
        int sum = 0;
        for (int i = 0; i < n; ++i) sum += Partial(partials[i]);
        return sum;
    }
    // Index of the piece with the smallest waits (the first on ties).
    template <typename Piece, typename Waits>
    int Smallest(const Piece* pieces, int n, Waits waits) const {
        int smallest = 0;
        for (int i = 1; i < n; ++i)
            if (waits(pieces[i]) < waits(pieces[smallest])) smallest = i;
        return smallest;
    }

private:
    CMjAi* ai_;
    CMjPlayer* player_;
    const int* seen_;
};

// Keeps the best score of a class with its discard; only a strictly better score replaces.
void Offer(int* bestScore, tagMj* bestTile, int score, const tagMj& tile) {
    if (score > *bestScore) {
        *bestScore = score;
        *bestTile = tile;
    }
}

}  // namespace

void CMjAi::ScoreOneStep(CMjPlayer* player, const int* seen, int pairnum, int partialnum,
                         int singlenum, const tagMj* pairs, const tagPartialMj* partials,
                         const tagMj* singles) {
    const Weigher w(this, player, seen);
    if (pairnum == 1 && partialnum == 0 && singlenum == 3) {
        const int weakest = w.Weakest(singles, 3);
        Offer(&step1score, &step1mj, w.Pair(pairs[0]) + w.LiveOfOthers(singles, 3, weakest),
              singles[weakest]);
    } else if (pairnum == 0 && partialnum == 2 && singlenum == 1) {
        Offer(&step1score, &step1mj, w.Partials(partials, 2), singles[0]);
    } else if (pairnum == 0 && partialnum == 1 && singlenum == 3) {
        const int weakest = w.Weakest(singles, 3);
        Offer(&step1score, &step1mj, w.Partial(partials[0]) + w.LiveOfOthers(singles, 3, weakest),
              singles[weakest]);
    }
}

void CMjAi::ScoreTwoSteps(CMjPlayer* player, const int* seen, int pairnum, int partialnum,
                          int singlenum, const tagMj* pairs, const tagPartialMj* partials,
                          const tagMj* singles) {
    const Weigher w(this, player, seen);
    const auto pairWaits = [&](const tagMj& t) { return w.Pair(t); };
    const auto partialWaits = [&](const tagPartialMj& p) { return w.Partial(p); };
    const int shape = pairnum * 100 + partialnum * 10 + singlenum;
    switch (shape) {
    case 400: {
        const int m = w.Smallest(pairs, 4, pairWaits);
        Offer(&step1score, &step1mj, w.Pairs(pairs, 4) - w.Pair(pairs[m]), pairs[m]);
        break;
    }
    case 310:
        Offer(&step1score, &step1mj, w.Pairs(pairs, 3), w.Weaker(partials[0]));
        break;
    case 302:
        Offer(&step1score, &step1mj, w.Pairs(pairs, 3), w.Weaker(singles[0], singles[1]));
        break;
    case 220: {
        const tagPartialMj& given =
            w.Partial(partials[1]) < w.Partial(partials[0]) ? partials[1] : partials[0];
        Offer(&step1score, &step1mj, w.Pairs(pairs, 2) + w.Partials(partials, 2), w.Weaker(given));
        break;
    }
    case 212:
        Offer(&step1score, &step1mj, w.Pairs(pairs, 2) + w.Partial(partials[0]),
              w.Weaker(singles[0], singles[1]));
        break;
    case 204:
        Offer(&step1score, &step1mj, w.Pairs(pairs, 2), singles[w.Weakest(singles, 4)]);
        break;
    case 130: {
        const int m = w.Smallest(partials, 3, partialWaits);
        Offer(&step2score, &step2mj,
              w.Pair(pairs[0]) + w.Partials(partials, 3) - w.Partial(partials[m]),
              w.Weaker(partials[m]));
        break;
    }
    case 122:
        Offer(&step2score, &step2mj, w.Pair(pairs[0]) + w.Partials(partials, 2),
              w.Weaker(singles[0], singles[1]));
        break;
    case 32:
        Offer(&step2score, &step2mj, w.Partials(partials, 3), w.Weaker(singles[0], singles[1]));
        break;
    default:
        break;
    }
}

namespace {

// The explicit stack of the search: each child starts as a copy of its parent.
class SearchStack {
public:
    explicit SearchStack(const tagUnStructured& start) { states_[top_++] = start; }
    bool Empty() const { return top_ == 0; }
    tagUnStructured Pop() { return states_[--top_]; }
    // A copy of `parent` on top, to be made into a child; null when the stack is full.
    tagUnStructured* Push(const tagUnStructured& parent) {
        if (top_ >= kBestWayStack) return nullptr;
        states_[top_] = parent;
        return &states_[top_++];
    }

private:
    tagUnStructured states_[kBestWayStack];
    int top_ = 0;
};

// A state with every tile placed: shapes one or two steps from ready are scored.
void ScoreShape(CMjAi& ai, CMjPlayer* player, const int* seen, const tagUnStructured& state) {
    const int loose = 2 * (state.pairnum + state.partialnum) + state.singlenum;
    if (loose == 5)
        ai.ScoreOneStep(player, seen, state.pairnum, state.partialnum, state.singlenum,
                        state.pairs, state.partials, state.singles);
    else if (loose == 8)
        ai.ScoreTwoSteps(player, seen, state.pairnum, state.partialnum, state.singlenum,
                         state.pairs, state.partials, state.singles);
}

// The children of `state`, one per way to place its head tile: in a pung, a chow, a pair, a
// partial with the next or the second value, or alone.  Pushed pung first, single last, so
// the single is explored first.
void PushChildren(CMjAi& ai, const tagUnStructured& state, SearchStack& stack) {
    const auto take = [&](bool (CGbHu::*taker)(const tagMj*, int, tagMj*), int used) {
        tagMj rest[16];
        if (!(ai.*taker)(state.rest, state.restnum, rest)) return;
        tagUnStructured* child = stack.Push(state);
        if (!child) return;
        child->restnum = state.restnum - used;
        for (int i = 0; i < child->restnum; ++i) child->rest[i] = rest[i];
    };
    take(&CGbHu::TakePung, 3);
    take(&CGbHu::TakeChow, 3);
    if (state.pairnum < 8) {
        tagMj rest[16];
        if (ai.TakePair(state.rest, state.restnum, rest)) {
            if (tagUnStructured* child = stack.Push(state)) {
                child->pairs[child->pairnum++] = state.rest[0];
                child->restnum = state.restnum - 2;
                for (int i = 0; i < child->restnum; ++i) child->rest[i] = rest[i];
            }
        }
    }
    for (int delta = 1; delta <= 2; ++delta) {
        const int j = FindPartner(state.rest, state.restnum, delta);
        if (j == 0) continue;
        if (tagUnStructured* child = stack.Push(state)) {
            child->partials[child->partialnum++] = tagPartialMj{state.rest[0], state.rest[j]};
            child->restnum = WithoutTwo(state.rest, state.restnum, j, child->rest);
        }
    }
    if (tagUnStructured* child = stack.Push(state)) {
        child->singles[child->singlenum++] = state.rest[0];
        child->restnum = state.restnum - 1;
        for (int i = 0; i < child->restnum; ++i) child->rest[i] = state.rest[i + 1];
    }
}

}  // namespace

int CMjAi::GetBestWay(CMjPlayer* player, const int* seen) {
    step1score = 0;
    step2score = 0;

    tagUnStructured start{};
    start.restnum = player->HandCount();
    for (int i = 0; i < start.restnum; ++i) start.rest[i] = player->Mj[i];
    SortTiles(start.rest, start.restnum);
    SearchStack stack(start);
    while (!stack.Empty()) {
        const tagUnStructured state = stack.Pop();
        if (state.restnum == 0)
            ScoreShape(*this, player, seen, state);
        else if (state.singlenum < 5 && state.partialnum < 4)
            PushChildren(*this, state, stack);
    }

    if (step1score >= 1) {
        PlayMj = step1mj;
        Log.Write("GetBestWay Find PlayMj: Step = %d Mj[%d %d].", 1, step1mj.value, step1mj.suit);
        return 1;
    }
    if (step2score >= 1) {
        PlayMj = step2mj;
        Log.Write("GetBestWay Find PlayMj: Step = %d Mj[%d %d].", 2, step2mj.value, step2mj.suit);
        return 2;
    }
    Log.Write("GetBestWay Can't Find PlayMj.");
    return 0;
}
