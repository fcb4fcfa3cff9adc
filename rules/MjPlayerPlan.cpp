// The long-term plan of a computer seat, settled once after the deal.
#include "rules/MjPlayer.h"

#include "rules/Evaluation.h"

namespace {

// The suit order (rows 1-4-7, 2-5-8, 3-6-9) of which the hand holds the most knitted tiles,
// the first of equals; `held` gets how many of the nine it holds.
const int* BestKnittedOrder(CMjPlayer& seat, int* held) {
    int best = -1, bestOrder = 0;
    for (int o = 0; o < 6; o++) {
        tagMj rows[kKnittedTiles];
        KnittedRowTiles(kSuitOrders[o], rows);
        int knitted = 0;
        for (const tagMj& t : rows)
            if (seat.FindMj(t)) knitted++;
        if (knitted > best) {
            best = knitted;
            bestOrder = o;
        }
    }
    *held = best;
    return kSuitOrders[bestOrder];
}

}  // namespace

void CMjPlayer::ChoosePlan() {
    if (!planon) return;
    int knitted = 0;
    const int* order = BestKnittedOrder(*this, &knitted);

    const int seen[kTileKeyCount] = {};
    tagMj spare[kMaxHandTiles];
    int sparenum = 0;
    tagEvalPlan plan;
    // The evaluation only measures the hand: the seven-pairs flag it may set is not a choice
    // of plan (the rules below make that choice, one flag at most).
    const unsigned char pairsBefore = plan_pairs;
    CEvaluation evaluation;
    const int still = evaluation.Evaluate(this, Mj, cardnum, seen, spare, &sparenum, &plan);
    plan_pairs = pairsBefore;

    const int suit = MainSuit(7);
    if ((still == -1 || still >= 3) && suit <= 2) {
        plan_suitno = static_cast<unsigned char>(suit);
        plan_suit = 1;
        return;
    }
    SortHand();
    int pairs = 0;
    for (int i = 0; i < cardnum - 1;) {
        if (TileEqual(Mj[i], Mj[i + 1])) {
            pairs++;
            i += 2;
        } else {
            i++;
        }
    }
    if (pairs >= 4) {
        plan_pairs = 1;
        return;
    }
    if (pairs == 3 && still == -1) {
        plan_pungs = 1;
        return;
    }
    int honours = 0;
    for (int v = 1; v <= 7; v++)
        if (FindMj(MakeTile(v, kHonourSuit))) honours++;
    if (honours + knitted >= 9) {
        plan_knit = 1;
        for (int row = 0; row < 3; row++) knit_suit[row] = order[row];
    } else if (knitted >= 7) {
        // The order stays with the seat: the evaluator aims its knitted-straight target at it
        // until a later hand chooses this plan again.
        plan_knitline = 1;
        for (int row = 0; row < 3; row++) knitline_suit[row] = order[row];
    }
}
