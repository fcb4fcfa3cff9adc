// The chow planners of the hand-shape evaluator: shapes of three chows.
#include "rules/Evaluation.h"
#include "rules/MjPlayer.h"

namespace {

// One chow of a shape: its suit, its lowest value, and how many of its tiles must be present
// for the shape to be considered at all.
struct ChowRun {
    int suit;
    int start;
    int minPresent;
};

// What the chow planners read of the seat and its hand, gathered once per planner: the chow
// melds, the pung and kong melds, and which tiles the hand holds.
struct ChowSeat {
    CMjPlayer* player;
    const tagMj* tiles;
    int count;
    bool chowMeldAt[3][10] = {};   // chow melds by suit and lowest value
    int pungMelds = 0;             // pung and kong melds
    bool held[kTileKeyCount] = {};

    ChowSeat(CMjPlayer* seat, const tagMj* hand, int n) : player(seat), tiles(hand), count(n) {
        const int melds = seat->MeldCount();
        for (int m = 0; m < melds; ++m) {
            const GetMj& g = seat->Gang[m];
            const tagMj& low = g.Mj[0];
            if (IsPungKind(g.kind))
                ++pungMelds;
            else if (g.kind == kKindChow && IsNumbered(low) && low.value >= 0 && low.value < 10)
                chowMeldAt[low.suit][low.value] = true;
        }
        for (int i = 0; i < n; ++i) {
            const int key = TileKey(hand[i]);
            if (key >= 0 && key < kTileKeyCount) held[key] = true;
        }
    }

    // The chow planners consider no shape for a seat with more than one pung or kong meld.
    bool TooManyPungMelds() const { return pungMelds > 1; }

    // Finds `tile` among the hand tiles; with `claimed` only among those no earlier chow took.
    bool TakeHandTile(const tagMj& tile, bool* claimed) const {
        if (!claimed) return held[TileKey(tile)];
        for (int i = 0; i < count; ++i) {
            if (!claimed[i] && TileEqual(tiles[i], tile)) {
                claimed[i] = true;
                return true;
            }
        }
        return false;
    }
};

// Judges one chow into `group`; returns how many of its tiles the seat has (3 for a meld).
int JudgeChow(const ChowSeat& seat, const ChowRun& run, bool* claimed, tagEvalMeld& group) {
    group.heldnum = 0;
    group.neednum = 0;
    const bool meld = seat.chowMeldAt[run.suit][run.start];
    for (int k = 0; k < 3; ++k) {
        const tagMj tile = MakeTile(run.start + k, run.suit);
        if (meld || seat.TakeHandTile(tile, claimed))
            group.held[group.heldnum++] = tile;
        else
            group.need[group.neednum++] = tile;
    }
    return group.heldnum;
}

// Whether a hand tile may serve more than one chow of a shape.
enum class HandTiles { kShared, kOncePerShape };

// Builds the shape of three chows; it becomes a plan when every chow has the presence it asks
// for and no more than `limit` tiles are missing.
void AddChowPlan(CEvaluation& eval, const ChowSeat& seat, Fan fan, const ChowRun (&runs)[3],
                 HandTiles use) {
    bool claimed[kMaxHandTiles] = {};
    tagEvalMeld groups[3];
    int missing = 0;
    for (int c = 0; c < 3; ++c) {
        bool* claims = use == HandTiles::kOncePerShape ? claimed : nullptr;
        if (JudgeChow(seat, runs[c], claims, groups[c]) < runs[c].minPresent) return;
        missing += groups[c].neednum;
    }
    if (missing > eval.limit) return;
    tagEvalPlan* plan = eval.NewPlan(fan);
    if (!plan) return;
    plan->needed = missing;
    plan->meldnum = 3;
    for (int c = 0; c < 3; ++c) plan->melds[c] = groups[c];
    eval.FinishPlan(seat.player, seat.tiles, seat.count, plan);
}

// The two suits other than `s`, in ascending order.
void OtherSuits(int s, int* low, int* high) {
    *low = s == 0 ? 1 : 0;
    *high = s == 2 ? 1 : 2;
}

}  // namespace

void CEvaluation::PlanPureShiftedChows(CMjPlayer* player, const tagMj* tiles, int count) {
    const ChowSeat seat(player, tiles, count);
    if (seat.TooManyPungMelds()) return;
    for (int s = 0; s < 3; ++s) {
        for (int v = 1; v <= 5; ++v)
            AddChowPlan(*this, seat, kFanPureShiftedChows,
                        {{s, v, 2}, {s, v + 1, 1}, {s, v + 2, 1}}, HandTiles::kOncePerShape);
        for (int v = 1; v <= 3; v += 2)
            AddChowPlan(*this, seat, kFanPureShiftedChows,
                        {{s, v, 2}, {s, v + 2, 1}, {s, v + 4, 1}}, HandTiles::kOncePerShape);
    }
}

void CEvaluation::PlanPureStraight(CMjPlayer* player, const tagMj* tiles, int count) {
    const ChowSeat seat(player, tiles, count);
    if (seat.TooManyPungMelds()) return;
    for (int s = 0; s < 3; ++s)
        AddChowPlan(*this, seat, kFanPureStraight,
                    {{s, 1, 0}, {s, 4, 0}, {s, 7, 0}}, HandTiles::kShared);
}

void CEvaluation::PlanMixedTripleChow(CMjPlayer* player, const tagMj* tiles, int count) {
    const ChowSeat seat(player, tiles, count);
    if (seat.TooManyPungMelds()) return;
    for (int v = 1; v <= 7; ++v)
        AddChowPlan(*this, seat, kFanMixedTripleChow,
                    {{0, v, 0}, {1, v, 0}, {2, v, 0}}, HandTiles::kShared);
}

void CEvaluation::PlanMixedShiftedChows(CMjPlayer* player, const tagMj* tiles, int count) {
    const ChowSeat seat(player, tiles, count);
    if (seat.TooManyPungMelds()) return;
    for (int s = 0; s < 3; ++s) {
        int low, high;
        OtherSuits(s, &low, &high);
        for (int v = 1; v <= 5; ++v) {
            AddChowPlan(*this, seat, kFanMixedShiftedChows,
                        {{s, v, 2}, {low, v + 1, 0}, {high, v + 2, 0}}, HandTiles::kShared);
            AddChowPlan(*this, seat, kFanMixedShiftedChows,
                        {{s, v, 2}, {high, v + 1, 0}, {low, v + 2, 0}}, HandTiles::kShared);
        }
    }
}

void CEvaluation::PlanMixedStraight(CMjPlayer* player, const tagMj* tiles, int count) {
    const ChowSeat seat(player, tiles, count);
    if (seat.TooManyPungMelds()) return;
    for (int s = 0; s < 3; ++s) {
        int low, high;
        OtherSuits(s, &low, &high);
        AddChowPlan(*this, seat, kFanMixedStraight,
                    {{s, 1, 2}, {low, 4, 0}, {high, 7, 0}}, HandTiles::kShared);
        AddChowPlan(*this, seat, kFanMixedStraight,
                    {{s, 1, 2}, {high, 4, 0}, {low, 7, 0}}, HandTiles::kShared);
    }
}
