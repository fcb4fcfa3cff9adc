// The computer player's claims: whether a seat takes a discard for a pung or a chow, and whether
// it makes a kong.  Each decision simulates the claim on the seat and undoes it before it
// answers.
#include <cstring>

#include "rules/Assert.h"
#include "rules/MjAi.h"
#include "rules/MjPlayer.h"

namespace {

// The seat's hand as it was before a simulation; put back whole when the simulation ends, so
// exactly the tiles taken out come back, with their marks.
class HandSnapshot {
public:
    explicit HandSnapshot(CMjPlayer* player) : player_(player), cardnum_(player->cardnum) {
        std::memcpy(mj_, player->Mj, sizeof mj_);
        std::memcpy(lock_, player->lock, sizeof lock_);
    }
    ~HandSnapshot() { Restore(); }
    void Restore() {
        std::memcpy(player_->Mj, mj_, sizeof mj_);
        std::memcpy(player_->lock, lock_, sizeof lock_);
        player_->cardnum = cardnum_;
    }

private:
    CMjPlayer* player_;
    int cardnum_;
    tagMj mj_[kMaxHandTiles];
    unsigned char lock_[15];
};

// A meld appended to the seat for a simulation; removed (its slot as it was) by Remove or at
// the end of the scope.
class SimulatedMeld {
public:
    SimulatedMeld(CMjPlayer* player, unsigned char kind, const tagMj& tile, const tagMj* others,
                  int num)
        : player_(player), active_(player->gangnum >= 0 && player->gangnum < kMaxMelds) {
        if (!active_) return;
        GetMj& slot = player->Gang[player->gangnum];
        saved_ = slot;
        slot = GetMj();
        slot.kind = kind;
        slot.num = num;
        slot.Mj[0] = tile;
        for (int i = 1; i < num; ++i) slot.Mj[i] = others ? others[i - 1] : tile;
        SortTiles(slot.Mj, num);
        ++player->gangnum;
    }
    ~SimulatedMeld() { Remove(); }
    bool Active() const { return active_; }
    void Remove() {
        if (!active_) return;
        --player_->gangnum;
        player_->Gang[player_->gangnum] = saved_;
        active_ = false;
    }

private:
    CMjPlayer* player_;
    bool active_;
    GetMj saved_;
};

// A sorted copy of the seat's hand without up to `copies` copies of `tile`; the count.
int HandWithout(const CMjPlayer* player, const tagMj& tile, int copies, tagMj* out) {
    int n = 0;
    const int held = player->HandCount();
    for (int i = 0; i < held; ++i) {
        if (copies > 0 && TileEqual(player->Mj[i], tile)) {
            --copies;
            continue;
        }
        out[n++] = player->Mj[i];
    }
    SortTiles(out, n);
    return n;
}

// The evaluator's still-needed count for the hand, with its chosen plan.
int EvaluateHand(CEvaluation& evaluation, CMjPlayer* player, const tagMj* hand, int count,
                 const int* seen, tagEvalPlan* plan) {
    tagMj spare[kMaxHandTiles];
    int sparenum = 0;
    return evaluation.Evaluate(player, hand, count, seen, spare, &sparenum, plan);
}

}  // namespace

bool CMjAi::MayClaim(CMjPlayer* player, const tagMj& tile, bool allowed) {
    if (!allowed || player->ting) return false;
    return IsReady(player, player->Mj, player->cardnum) <= 0;
}

bool CMjAi::ShouldPung(CMjPlayer* player, const tagMj* tile, const int* seen, int leavenum) {
    const tagMj t = *tile;
    if (wildrule && TileEqual(t, wildmj)) return false;
    if (!MayClaim(player, t, player->CanPung(t))) return false;
    if (player->plan_pungs) return true;
    if (player->plan_pairs || player->plan_knit) return false;

    HandSnapshot snapshot(player);
    // CanPung saw two copies in the hand.
    for (int k = 0; k < 2; ++k) {
        const bool removed = RemoveTile(player->Mj, &player->cardnum, t);
        MJ_ASSERT(removed);
        if (removed) --player->cardnum;
    }
    SimulatedMeld meld(player, kKindPung, t, nullptr, 3);
    if (!meld.Active()) return false;
    const bool ready = SearchReadyDiscard(player, seen, leavenum);
    snapshot.Restore();
    if (ready) return true;

    // Does the pung bring the best plan closer?
    tagMj hand[kMaxHandTiles];
    tagEvalPlan plan;
    const int full = HandWithout(player, t, 0, hand);
    const int before = EvaluateHand(evaluator, player, hand, full, seen, &plan);
    const int cut = HandWithout(player, t, 2, hand);
    CEvaluation fresh;
    const int after = EvaluateHand(fresh, player, hand, cut, seen, &plan);
    return after >= 0 && after < before;
}

bool CMjAi::ShouldChow(CMjPlayer* player, const tagMj* tile, const int* seen, int leavenum) {
    const tagMj t = *tile;
    if (wildrule && TileEqual(t, wildmj)) return false;
    if (!MayClaim(player, t, player->CanChow(t))) return false;
    if (player->plan_pungs || player->plan_pairs || player->plan_knit) return false;

    // The hand tiles of the three chows the discard can complete, middle first.
    const struct {
        int low, high;
        bool fits;
    } patterns[] = {
        {-1, 1, t.value > 1 && t.value < 9},
        {-2, -1, t.value > 2},
        {1, 2, t.value < 8},
    };
    for (const auto& p : patterns) {
        const tagMj a = Shifted(t, p.low);
        const tagMj b = Shifted(t, p.high);
        if (!p.fits || player->CountMj(a) < 1 || player->CountMj(b) < 1) continue;
        HandSnapshot snapshot(player);
        player->DeleteMj(a);
        player->DeleteMj(b);
        const tagMj others[2] = {a, b};
        SimulatedMeld meld(player, kKindChow, t, others, 3);
        if (!meld.Active()) return false;
        const bool ready = SearchReadyDiscard(player, seen, leavenum);
        snapshot.Restore();
        meld.Remove();
        if (ready) {
            player->chowmj[0] = a;
            player->chowmj[1] = b;
            return true;
        }
    }

    // Does the discard fill the one gap of a two-tile group of the best plan?
    tagMj hand[kMaxHandTiles];
    const int count = HandWithout(player, t, 0, hand);
    tagEvalPlan plan;
    if (EvaluateHand(evaluator, player, hand, count, seen, &plan) <= 0) return false;
    for (int g = 0; g < plan.meldnum; ++g) {
        const tagEvalMeld& group = plan.melds[g];
        if (group.heldnum != 2 || group.neednum != 1 || TileEqual(group.held[0], group.held[1]) ||
            !TileEqual(group.need[0], t))
            continue;
        const bool above = TileEqual(group.held[1], Shifted(group.held[0], 1)) &&
                           TileEqual(t, Shifted(group.held[1], 1));
        const bool between = TileEqual(group.held[1], Shifted(group.held[0], 2)) &&
                             TileEqual(t, Shifted(group.held[0], 1));
        if (above || between) {
            player->chowmj[0] = group.held[0];
            player->chowmj[1] = group.held[1];
            return true;
        }
    }
    return false;
}

bool CMjAi::ShouldKong(CMjPlayer* player, const tagMj* tile, const int* seen, int leavenum) {
    const tagMj t = *tile;
    if (wildrule && TileEqual(t, wildmj)) return false;

    tagMj copy[kMaxHandTiles];
    const int rest = HandWithout(player, t, 4, copy);
    if (player->ting) {
        // A declared-ready seat makes the kong only when its hand stays ready.
        SimulatedMeld meld(player, kKindKong, t, nullptr, 4);
        return meld.Active() && IsReady(player, copy, rest) >= 1;
    }
    if (player->plan_pungs) return true;
    if (player->plan_pairs || player->plan_knit) return false;

    SimulatedMeld meld(player, kKindKong, t, nullptr, 4);
    if (!meld.Active()) return false;
    if (IsReady(player, copy, rest) > 0) return true;
    tagMj hand[kMaxHandTiles];
    const int count = HandWithout(player, t, 0, hand);
    if (IsReady(player, hand, count) >= 1) return false;  // a ready hand is not given up

    tagEvalPlan plan;
    const int before = EvaluateHand(evaluator, player, hand, count, seen, &plan);
    CEvaluation fresh;
    const int after = EvaluateHand(fresh, player, copy, rest, seen, &plan);
    return after >= 0 && after <= before;
}
