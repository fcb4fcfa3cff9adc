#include "rules/MjAi.h"

#include "rules/Assert.h"
#include "rules/Log.h"
#include "rules/MjPlayer.h"
#include "rules/Random.h"

namespace {

// The seat discards `tile` when it holds it, else its first hand tile.
void DiscardHeld(CMjPlayer* player, const tagMj& tile) {
    player->PlayMj = player->FindMj(tile) ? tile : player->Mj[0];
}

// A sorted copy of the seat's hand; its count.
int SortedHand(const CMjPlayer* player, tagMj* hand) {
    const int count = player->HandCount();
    for (int i = 0; i < count; ++i) hand[i] = player->Mj[i];
    SortTiles(hand, count);
    return count;
}

}  // namespace

CMjAi::CMjAi()
    : PlayMj{0, 0}, onestep(0), twostep(0), onestepmj{0, 0},
      twostepmj{0, 0}, step1mj{0, 0}, step2mj{0, 0}, step1score(0), step2score(0),
      minfan(kOfficialMinFan), wildrule(0), wildmj{1, 1} {}

int CMjAi::CountTile(const tagMj* tiles, int count, tagMj tile) {
    int copies = 0;
    for (int i = 0; i < count; ++i)
        if (TileEqual(tiles[i], tile)) ++copies;
    return copies;
}

bool CMjAi::IsWild(const tagMj& tile, const tagMj& wild) {
    return wildrule && MatchesWild(tile, wild);
}

int CMjAi::LiveCount(CMjPlayer* player, const int* seen, const tagMj& tile) {
    return EvalLiveCount(player, seen, tile);
}

int CMjAi::PairWaits(CMjPlayer* player, const int* seen, const tagMj& tile) {
    return 4 * LiveCount(player, seen, tile);
}

int CMjAi::IsReady(CMjPlayer* player, const tagMj* tiles, int count) {
    tagMj copy[kMaxHandTiles];
    if (count < 0 || count > kMaxHandTiles) return 0;
    for (int i = 0; i < count; ++i) copy[i] = tiles[i];
    SortTiles(copy, count);
    return CGbHu::IsReady(player, copy, count);
}

void CMjAi::Play(CMjPlayer* player, const int* seen, int leavenum, const unsigned char* wall,
                 int mjindex) {
    Log.Write("CMjAi::Play Enter leavenum = %d,mjindex=%d.", leavenum, mjindex);
    MjSrand(static_cast<unsigned int>(MjTime()));
    if (player->cardnum <= 0) return;
    PlayMj = tagMj{0, 0};
    if (SearchReadyDiscard(player, seen, leavenum)) {
        DiscardHeld(player, PlayMj);
        return;
    }
    tagMj hand[kMaxHandTiles];
    const int count = SortedHand(player, hand);
    ChooseDiscard(player, seen, hand, count);
}

void CMjAi::PlayWild(CMjPlayer* player, const int* seen, int leavenum, const unsigned char* wall,
                     int mjindex) {
    Log.Write("CMjAi::PlayWild Enter leavenum = %d,mjindex=%d.", leavenum, mjindex);
    MjSrand(static_cast<unsigned int>(MjTime()));
    if (player->cardnum <= 0) return;
    tagMj ready;
    if (FindReadyDiscardWild(player, player->Mj, player->cardnum, &ready)) {
        DiscardHeld(player, PlayMj);
        return;
    }

    // The rest of the choice works on the hand without its wild tiles.
    const tagMj firstTile = player->Mj[0];
    int kept = 0;
    const int held = player->HandCount();
    for (int i = 0; i < held; ++i)
        if (!IsWild(player->Mj[i], wildmj)) player->Mj[kept++] = player->Mj[i];
    player->cardnum = kept;
    tagMj hand[kMaxHandTiles];
    const int count = SortedHand(player, hand);
    if (count < 2) {
        // Too few plain tiles to weigh: the plain one goes, else a wild.
        player->PlayMj = count == 1 ? hand[0] : firstTile;
        return;
    }
    ChooseDiscard(player, seen, hand, count);
}

bool CMjAi::SearchReadyDiscard(CMjPlayer* player, const int* seen, int leavenum) {
    tagMj hand[kMaxHandTiles];
    const int count = SortedHand(player, hand);
    tagMj singles[2];
    int best = 0;
    return FindReadyDiscard(player, hand, count, 0, 0, 0, singles, seen, leavenum, &best);
}

void CMjAi::ChooseDiscard(CMjPlayer* player, const int* seen, const tagMj* hand, int count) {
    if (minfan == 0) {
        if (GetBestWay(player, seen) != 0) {
            // The search splits the hand itself: its discard is always held.
            MJ_ASSERT(player->FindMj(PlayMj));
            DiscardHeld(player, PlayMj);
            return;
        }
    } else {
        tagMj candidates[kMaxHandTiles];
        int candnum = 0;
        tagEvalPlan plan;
        if (evaluator.Evaluate(player, hand, count, seen, candidates, &candnum, &plan) >= 0 &&
            candnum > 0) {
            ChooseFromCandidates(player, candidates, candnum, seen);
            return;
        }
    }
    player->PlayMj = ShapeDiscard(player, hand, count, minfan == 0);
}
