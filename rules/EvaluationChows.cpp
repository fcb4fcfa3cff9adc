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

// The chow planners consider no shape for a seat with more than one pung or kong meld.
bool TooManyPungMelds(const CMjPlayer* player) {
    int pungs = 0;
    const int melds = player->MeldCount();
    for (int m = 0; m < melds; ++m)
        if (player->Gang[m].kind == kKindPung || player->Gang[m].kind == kKindKong) ++pungs;
    return pungs > 1;
}

bool HasChowMeld(const CMjPlayer* player, const tagMj& low) {
    const int melds = player->MeldCount();
    for (int m = 0; m < melds; ++m)
        if (player->Gang[m].kind == kKindChow && TileEqual(player->Gang[m].Mj[0], low)) return true;
    return false;
}

// Finds `tile` among the hand tiles; with `claimed` only among those no earlier chow took.
bool TakeHandTile(const tagMj* tiles, int count, const tagMj& tile, bool* claimed) {
    if (!claimed) return FindTile(tiles, count, tile);
    for (int i = 0; i < count; ++i) {
        if (!claimed[i] && TileEqual(tiles[i], tile)) {
            claimed[i] = true;
            return true;
        }
    }
    return false;
}

// Judges one chow into `group`; returns how many of its tiles the seat has (3 for a meld).
int JudgeChow(const CMjPlayer* player, const tagMj* tiles, int count, const ChowRun& run,
              bool* claimed, tagEvalMeld& group) {
    group.heldnum = 0;
    group.neednum = 0;
    const bool meld = HasChowMeld(player, MakeTile(run.start, run.suit));
    for (int k = 0; k < 3; ++k) {
        const tagMj tile = MakeTile(run.start + k, run.suit);
        if (meld || TakeHandTile(tiles, count, tile, claimed))
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
void AddChowPlan(CEvaluation& eval, CMjPlayer* player, const tagMj* tiles, int count,
                 Fan fan, const ChowRun (&runs)[3], HandTiles use) {
    bool claimed[kMaxHandTiles] = {};
    tagEvalMeld groups[3];
    int missing = 0;
    for (int c = 0; c < 3; ++c) {
        bool* claims = use == HandTiles::kOncePerShape ? claimed : nullptr;
        if (JudgeChow(player, tiles, count, runs[c], claims, groups[c]) <
            runs[c].minPresent)
            return;
        missing += groups[c].neednum;
    }
    if (missing > eval.limit) return;
    tagEvalPlan* plan = eval.NewPlan(fan);
    if (!plan) return;
    plan->needed = missing;
    plan->meldnum = 3;
    for (int c = 0; c < 3; ++c) plan->melds[c] = groups[c];
    eval.FinishPlan(player, tiles, count, plan);
}

// The two suits other than `s`, in ascending order.
void OtherSuits(int s, int* low, int* high) {
    *low = s == 0 ? 1 : 0;
    *high = s == 2 ? 1 : 2;
}

}  // namespace

void CEvaluation::PlanPureShiftedChows(CMjPlayer* player, const tagMj* tiles, int count) {
    if (TooManyPungMelds(player)) return;
    for (int s = 0; s < 3; ++s) {
        for (int v = 1; v <= 5; ++v)
            AddChowPlan(*this, player, tiles, count, kFanPureShiftedChows,
                        {{s, v, 2}, {s, v + 1, 1}, {s, v + 2, 1}}, HandTiles::kOncePerShape);
        for (int v = 1; v <= 3; v += 2)
            AddChowPlan(*this, player, tiles, count, kFanPureShiftedChows,
                        {{s, v, 2}, {s, v + 2, 1}, {s, v + 4, 1}}, HandTiles::kOncePerShape);
    }
}

void CEvaluation::PlanPureStraight(CMjPlayer* player, const tagMj* tiles, int count) {
    if (TooManyPungMelds(player)) return;
    for (int s = 0; s < 3; ++s)
        AddChowPlan(*this, player, tiles, count, kFanPureStraight,
                    {{s, 1, 0}, {s, 4, 0}, {s, 7, 0}}, HandTiles::kShared);
}

void CEvaluation::PlanMixedTripleChow(CMjPlayer* player, const tagMj* tiles, int count) {
    if (TooManyPungMelds(player)) return;
    for (int v = 1; v <= 7; ++v)
        AddChowPlan(*this, player, tiles, count, kFanMixedTripleChow,
                    {{0, v, 0}, {1, v, 0}, {2, v, 0}}, HandTiles::kShared);
}

void CEvaluation::PlanMixedShiftedChows(CMjPlayer* player, const tagMj* tiles, int count) {
    if (TooManyPungMelds(player)) return;
    for (int s = 0; s < 3; ++s) {
        int low, high;
        OtherSuits(s, &low, &high);
        for (int v = 1; v <= 5; ++v) {
            AddChowPlan(*this, player, tiles, count, kFanMixedShiftedChows,
                        {{s, v, 2}, {low, v + 1, 0}, {high, v + 2, 0}}, HandTiles::kShared);
            AddChowPlan(*this, player, tiles, count, kFanMixedShiftedChows,
                        {{s, v, 2}, {high, v + 1, 0}, {low, v + 2, 0}}, HandTiles::kShared);
        }
    }
}

void CEvaluation::PlanMixedStraight(CMjPlayer* player, const tagMj* tiles, int count) {
    if (TooManyPungMelds(player)) return;
    for (int s = 0; s < 3; ++s) {
        int low, high;
        OtherSuits(s, &low, &high);
        AddChowPlan(*this, player, tiles, count, kFanMixedStraight,
                    {{s, 1, 2}, {low, 4, 0}, {high, 7, 0}}, HandTiles::kShared);
        AddChowPlan(*this, player, tiles, count, kFanMixedStraight,
                    {{s, 1, 2}, {high, 4, 0}, {low, 7, 0}}, HandTiles::kShared);
    }
}
