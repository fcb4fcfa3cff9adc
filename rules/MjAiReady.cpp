// The computer player's ready searches: which discard leaves the hand ready, and how many live
// tiles it then waits on.
#include "rules/MjAi.h"
#include "rules/MjPlayer.h"

int CMjAi::ReadyWithout(CMjPlayer* player, const tagMj& discard) {
    tagMj hand[kMaxHandTiles];
    int count = player->HandCount();
    for (int i = 0; i < count; ++i) hand[i] = player->Mj[i];
    if (RemoveTile(hand, &count, discard)) --count;
    return IsReady(player, hand, count);
}

void CMjAi::OfferReadyDiscard(CMjPlayer* player, const tagMj& discard, int waits, int score,
                              int* best) {
    if (!player->FindMj(discard)) return;
    if (waits > 0 && score > *best) {
        *best = score;
        PlayMj = discard;
    } else if (waits == 0 && *best == 0) {
        PlayMj = discard;
    }
}

bool CMjAi::ScoreReadyShape(CMjPlayer* player, int pairs, int partials, int singles,
                            const tagMj* singlemj, const int* seen, int* best) {
    if (singles == 1 && pairs + partials == 2 && partials <= 1) {
        // Discard the single; wait on both pairs, or on the pair and the partial's run.
        const int r = ReadyWithout(player, singlemj[0]);
        if (r < minfan) return false;
        int waits;
        if (partials == 0) {
            waits = LiveCount(player, seen, pairmj[0]) + LiveCount(player, seen, pairmj[1]);
        } else if (partialmj.second.value - partialmj.first.value == 2) {
            waits = LiveCount(player, seen, Shifted(partialmj.first, 1)) - 1;
        } else {
            waits = 0;
            if (partialmj.first.value > 1) waits += LiveCount(player, seen, Shifted(partialmj.first, -1));
            if (partialmj.second.value < 9) waits += LiveCount(player, seen, Shifted(partialmj.second, 1));
        }
        OfferReadyDiscard(player, singlemj[0], waits, 4 * waits + r, best);
        return true;
    }
    if (singles == 2 && pairs == 0 && partials == 0) {
        // Discard either single and wait on the other as the pair.
        bool passed = false;
        for (int k = 0; k < 2; ++k) {
            const int r = ReadyWithout(player, singlemj[k]);
            if (r < minfan) continue;
            const int waits = LiveCount(player, seen, singlemj[1 - k]);
            OfferReadyDiscard(player, singlemj[k], waits, 4 * waits + r - 1, best);
            passed = true;
        }
        return passed;
    }
    return false;
}

bool CMjAi::FindReadyDiscard(CMjPlayer* player, const tagMj* tiles, int count, int pairs,
                             int partials, int singles, tagMj* singlemj, const int* seen,
                             int leavenum, int* best) {
    if (count <= 0) return ScoreReadyShape(player, pairs, partials, singles, singlemj, seen, best);

    bool found = false;
    tagMj rest[kMaxHandTiles];
    if (TakePung(tiles, count, rest))
        found |= FindReadyDiscard(player, rest, count - 3, pairs, partials, singles, singlemj,
                                  seen, leavenum, best);
    // A third pair can end in no ready shape.
    if (pairs < 2 && TakePair(tiles, count, rest)) {
        pairmj[pairs] = tiles[0];
        found |= FindReadyDiscard(player, rest, count - 2, pairs + 1, partials, singles, singlemj,
                                  seen, leavenum, best);
    }
    if (TakeChow(tiles, count, rest))
        found |= FindReadyDiscard(player, rest, count - 3, pairs, partials, singles, singlemj,
                                  seen, leavenum, best);
    if (pairs < 2 && partials == 0 && singles < 2 && IsNumbered(tiles[0])) {
        for (int delta = 1; delta <= 2; ++delta) {
            const int j = FindPartner(tiles, count, delta);
            if (j == 0) continue;
            partialmj = tagPartialMj{tiles[0], tiles[j]};
            const int n = WithoutTwo(tiles, count, j, rest);
            found |= FindReadyDiscard(player, rest, n, pairs, 1, singles, singlemj, seen,
                                      leavenum, best);
        }
    }
    const bool singleAllowed =
        (singles == 0 && ((pairs < 3 && partials == 0) || (pairs < 2 && partials < 2))) ||
        (singles == 1 && pairs + partials == 0);
    if (singleAllowed) {
        singlemj[singles] = tiles[0];
        found |= FindReadyDiscard(player, tiles + 1, count - 1, pairs, partials, singles + 1,
                                  singlemj, seen, leavenum, best);
    }
    return found;
}

bool CMjAi::FindReadyDiscardWild(CMjPlayer* player, const tagMj* tiles, int count, tagMj* out) {
    tagMj copy[kMaxHandTiles];
    if (count > kMaxHandTiles) count = kMaxHandTiles;
    for (int i = 0; i < count; ++i) {
        if (IsWild(tiles[i], wildmj)) continue;
        int n = 0;
        for (int k = 0; k < count; ++k)
            if (k != i) copy[n++] = tiles[k];
        SortTiles(copy, n);
        if (IsReady(player, copy, n) != 0) {
            *out = tiles[i];
            PlayMj = tiles[i];
            return true;
        }
    }
    return false;
}
