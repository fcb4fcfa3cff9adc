#include "rules/Evaluation.h"

#include "rules/MjPlayer.h"

namespace {

bool IsCountedTile(const tagMj& t) {
    if (IsNumbered(t)) return t.value >= 1 && t.value <= 9;
    return t.suit == kHonourSuit && t.value >= 1 && t.value <= 7;
}

void CopySpare(const tagEvalPlan& plan, tagMj* spare, int* sparenum) {
    if (spare)
        for (int i = 0; i < plan.sparenum; ++i) spare[i] = plan.spare[i];
    if (sparenum) *sparenum = plan.sparenum;
}

bool SameGroup(const tagEvalMeld& group, const GetMj& meld) {
    if (meld.num != group.heldnum) return false;
    for (int i = 0; i < group.heldnum; ++i)
        if (!TileEqual(group.held[i], meld.Mj[i])) return false;
    return true;
}

}  // namespace

int EvalLiveCount(CMjPlayer* player, const int* seen, const tagMj& tile) {
    if (!IsCountedTile(tile)) return 0;
    const int seenCount = seen ? seen[TileKey(tile)] : 0;
    return 4 - player->CountMj(tile) - seenCount;
}

CEvaluation::CEvaluation() : plannum(0), limit(4) {}

tagEvalPlan* CEvaluation::NewPlan(Fan fan) {
    if (plannum >= kEvalMaxPlans) return nullptr;
    tagEvalPlan* plan = &plans[plannum++];
    plan->fan = static_cast<unsigned char>(fan);
    plan->needed = 0;
    plan->meldnum = 0;
    plan->sparenum = 0;
    return plan;
}

void CEvaluation::FinishPlan(CMjPlayer* player, const tagMj* tiles, int count, tagEvalPlan* plan) {
    bool claimed[kMaxHandTiles] = {};
    bool matched[kMaxMelds] = {};
    const int melds = player->MeldCount();
    for (int g = 0; g < plan->meldnum; ++g) {
        const tagEvalMeld& group = plan->melds[g];
        if (group.heldnum >= 3 && group.neednum == 0) {
            int m = 0;
            while (m < melds && (matched[m] || !SameGroup(group, player->Gang[m]))) ++m;
            if (m < melds) {
                matched[m] = true;
                continue;
            }
        }
        for (int h = 0; h < group.heldnum; ++h) {
            for (int i = 0; i < count; ++i) {
                if (!claimed[i] && TileEqual(tiles[i], group.held[h])) {
                    claimed[i] = true;
                    break;
                }
            }
        }
    }
    plan->sparenum = 0;
    for (int i = 0; i < count; ++i)
        if (!claimed[i]) plan->spare[plan->sparenum++] = tiles[i];
}

const tagEvalPlan* CEvaluation::FlaggedPlan(CMjPlayer* player, const tagMj* tiles, int count) {
    using Planner = void (CEvaluation::*)(CMjPlayer*, const tagMj*, int);
    const struct {
        unsigned char CMjPlayer::*flag;
        Planner planner;
    } flagged[] = {
        {&CMjPlayer::plan_pairs, &CEvaluation::PlanSevenPairs},
        {&CMjPlayer::plan_suit, &CEvaluation::PlanOneSuit},
        {&CMjPlayer::plan_pungs, &CEvaluation::PlanAllPungs},
        {&CMjPlayer::plan_knit, &CEvaluation::PlanKnittedHonours},
        {&CMjPlayer::plan_knitline, &CEvaluation::PlanKnittedStraight},
    };
    for (const auto& f : flagged) {
        if (!(player->*f.flag)) continue;
        (this->*f.planner)(player, tiles, count);
        if (plannum > 0) return &plans[0];
    }
    return nullptr;
}

void CEvaluation::MarkLive(CMjPlayer* player, const int* seen) {
    for (int p = 0; p < plannum; ++p) {
        tagEvalPlan& plan = plans[p];
        for (int g = 0; g < plan.meldnum; ++g) {
            tagEvalMeld& group = plan.melds[g];
            for (int n = 0; n < group.neednum; ++n) {
                const int live = EvalLiveCount(player, seen, group.need[n]);
                group.live[n] = static_cast<unsigned char>(live);
                if (live <= 0) plan.needed = limit + 5;
            }
        }
    }
}

int CEvaluation::ChoosePlan() const {
    int chosen = 0;
    for (int p = 1; p < plannum; ++p)
        if (plans[p].needed < plans[chosen].needed) chosen = p;
    return chosen;
}

int CEvaluation::NarrowSpare(int chosen, tagMj* spare) const {
    const tagEvalPlan& best = plans[chosen];
    tagMj candidates[kMaxHandTiles];
    int candnum = best.sparenum;
    for (int i = 0; i < candnum; ++i) candidates[i] = best.spare[i];
    for (int p = 0; p < plannum; ++p) {
        const tagEvalPlan& other = plans[p];
        if (other.needed != best.needed) continue;
        tagMj kept[kMaxHandTiles];
        int keptnum = 0;
        for (int i = 0; i < other.sparenum; ++i)
            if (FindTile(candidates, candnum, other.spare[i])) kept[keptnum++] = other.spare[i];
        for (int i = 0; i < keptnum; ++i) candidates[i] = kept[i];
        candnum = keptnum;
    }
    if (candnum == 0) {
        for (int i = 0; i < best.sparenum; ++i) spare[i] = best.spare[i];
        return best.sparenum;
    }
    for (int i = 0; i < candnum; ++i) spare[i] = candidates[i];
    return candnum;
}

int CEvaluation::Evaluate(CMjPlayer* player, const tagMj* tiles, int count, const int* seen,
                          tagMj* spare, int* sparenum, tagEvalPlan* plan) {
    plannum = 0;
    if (!player || count < 0 || count > kMaxHandTiles) return -1;

    if (const tagEvalPlan* flagged = FlaggedPlan(player, tiles, count)) {
        CopySpare(*flagged, spare, sparenum);
        if (plan) *plan = *flagged;
        return flagged->needed;
    }

    PlanPureShiftedChows(player, tiles, count);
    PlanPureStraight(player, tiles, count);
    PlanMixedTripleChow(player, tiles, count);
    PlanMixedShiftedChows(player, tiles, count);
    PlanMixedStraight(player, tiles, count);
    PlanKnittedStraight(player, tiles, count);
    PlanSevenPairs(player, tiles, count);
    MarkLive(player, seen);
    if (plannum == 0) return -1;

    const int chosen = ChoosePlan();
    const tagEvalPlan& best = plans[chosen];
    if (best.fan == kFanSevenPairs) player->plan_pairs = 1;
    if (plan) *plan = best;
    if (best.needed < 2 || best.fan == kFanSevenPairs) {
        CopySpare(best, spare, sparenum);
    } else {
        tagMj narrowed[kMaxHandTiles];
        const int n = NarrowSpare(chosen, narrowed);
        if (spare)
            for (int i = 0; i < n; ++i) spare[i] = narrowed[i];
        if (sparenum) *sparenum = n;
    }
    return best.needed;
}
