// The planners of the hand-shape evaluator that are not built of chows: seven pairs, one suit,
// all pungs and the two knitted patterns.
#include "rules/Evaluation.h"
#include "rules/MjPlayer.h"

namespace {

// The nine knitted tiles of a suit order: the first suit 1, 4, 7, the second 2, 5, 8, the
// third 3, 6, 9.  False, with nothing written, unless the order names each numbered suit once:
// the suits of a seat that never chose a knitted plan are not an order (zeros would make the
// "knitted" tiles 1 to 9 of characters).
bool KnittedTiles(const int (&suits)[3], tagMj* out) {
    bool named[3] = {};
    for (int suit : suits) {
        if (!IsNumberedSuit(suit) || named[suit]) return false;
        named[suit] = true;
    }
    KnittedRowTiles(suits, out);
    return true;
}

}  // namespace

void CEvaluation::PlanSevenPairs(CMjPlayer* player, const tagMj* tiles, int count) {
    if (player->gangnum > 0) return;
    tagEvalMeld pairs[kEvalMaxMelds];
    int pairnum = 0;
    for (int i = 0; i < count;) {
        if (i + 1 < count && TileEqual(tiles[i], tiles[i + 1]) && pairnum < kEvalMaxMelds) {
            tagEvalMeld& pair = pairs[pairnum++];
            pair.held[0] = tiles[i];
            pair.held[1] = tiles[i + 1];
            pair.heldnum = 2;
            pair.neednum = 0;
            i += 2;
        } else {
            ++i;
        }
    }
    if (pairnum < 4) return;
    tagEvalPlan* plan = NewPlan(kFanSevenPairs);
    if (!plan) return;
    plan->needed = (count - 2 * pairnum) / 2;
    plan->meldnum = pairnum;
    for (int p = 0; p < pairnum; ++p) plan->melds[p] = pairs[p];
    FinishPlan(player, tiles, count, plan);
}

void CEvaluation::PlanOneSuit(CMjPlayer* player, const tagMj* tiles, int count) {
    tagEvalPlan* plan = NewPlan(kFanFullFlush);
    if (!plan) return;
    int inSuit = 0;
    for (int i = 0; i < count; ++i) {
        if (tiles[i].suit == player->plan_suitno)
            ++inSuit;
        else
            plan->spare[plan->sparenum++] = tiles[i];
    }
    plan->needed = (count - inSuit) / 2;
}

void CEvaluation::PlanAllPungs(CMjPlayer* player, const tagMj* tiles, int count) {
    tagEvalPlan* plan = NewPlan(kFanAllPungs);
    if (!plan) return;
    tagMj pairTiles[kMaxHandTiles];
    int pairnum = 0;
    int lastRun = 0;
    for (int i = 0; i < count;) {
        int run = 1;
        while (i + run < count && TileEqual(tiles[i], tiles[i + run])) ++run;
        if (run == 1) {
            plan->spare[plan->sparenum++] = tiles[i];
        } else if (plan->meldnum < kEvalMaxMelds) {
            tagEvalMeld& group = plan->melds[plan->meldnum++];
            group.heldnum = run < 4 ? run : 4;
            for (int k = 0; k < group.heldnum; ++k) group.held[k] = tiles[i];
            group.neednum = 0;
            if (run == 2) {
                group.need[group.neednum++] = tiles[i];
                pairTiles[pairnum++] = tiles[i];
            }
        }
        lastRun = run;
        i += run;
    }
    if (plan->sparenum == 0) {
        for (int p = 0; p < pairnum; ++p) plan->spare[p] = pairTiles[p];
        plan->sparenum = pairnum;
    }
    plan->needed = lastRun == 2 ? 1 : 0;
}

void CEvaluation::PlanKnittedHonours(CMjPlayer* player, const tagMj* tiles, int count) {
    if (player->gangnum > 0) return;
    constexpr int kTargets = 7 + kKnittedTiles;
    tagMj targets[kTargets];
    for (int v = 1; v <= 7; ++v) targets[v - 1] = MakeTile(v, kHonourSuit);
    if (!KnittedTiles(player->knit_suit, targets + 7)) return;
    bool covered[kTargets] = {};
    tagMj spare[kMaxHandTiles];
    int sparenum = 0;
    for (int i = 0; i < count; ++i) {
        int t = 0;
        while (t < kTargets && (covered[t] || !TileEqual(tiles[i], targets[t]))) ++t;
        if (t < kTargets)
            covered[t] = true;
        else
            spare[sparenum++] = tiles[i];
    }
    if (sparenum > 8) return;
    tagEvalPlan* plan = NewPlan(kFanLesserHonoursAndKnittedTiles);
    if (!plan) return;
    for (int i = 0; i < sparenum; ++i) plan->spare[i] = spare[i];
    plan->sparenum = sparenum;
}

void CEvaluation::PlanKnittedStraight(CMjPlayer* player, const tagMj* tiles, int count) {
    if (count < 11) return;
    tagMj knitted[kKnittedTiles];
    if (!KnittedTiles(player->knitline_suit, knitted)) return;
    // One group per row: the knitted tiles the hand holds and those it lacks.
    tagEvalMeld rows[3];
    int held = 0;
    for (int r = 0; r < 3; ++r) {
        tagEvalMeld& row = rows[r];
        row.heldnum = row.neednum = 0;
        for (int k = 0; k < 3; ++k) {
            const tagMj& t = knitted[r * 3 + k];
            if (FindTile(tiles, count, t))
                row.held[row.heldnum++] = t;
            else
                row.need[row.neednum++] = t;
        }
        held += row.heldnum;
    }
    // At most six tiles beside the knitted ones.
    if (count - held > 6) return;
    tagEvalPlan* plan = NewPlan(kFanLesserHonoursAndKnittedTiles);
    if (!plan) return;
    plan->needed = kKnittedTiles - held;
    plan->meldnum = 3;
    for (int r = 0; r < 3; ++r) plan->melds[r] = rows[r];
    FinishPlan(player, tiles, count, plan);
}
