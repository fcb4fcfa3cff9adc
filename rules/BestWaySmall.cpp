// The small decomposition search of the shape heuristic: every split of the hand, the first
// shape one step from ready (or, failing that, two steps) giving the discard.
#include "rules/MjAi.h"

bool CMjAi::FindReadyDiscardSmall(const tagMj* tiles, int count, tagMj* out) {
    onestep = 0;
    twostep = 0;
    if (count > kMaxHandTiles || count < 0) return false;
    tagMj pairs[7];
    tagPartialMj partials[7];
    tagMj singles[kMaxHandTiles];
    SplitHand(tiles, count, 0, 0, 0, pairs, partials, singles);
    if (onestep) {
        if (!FindTile(tiles, count, onestepmj)) return false;
        *out = onestepmj;
        return true;
    }
    if (twostep && FindTile(tiles, count, twostepmj)) {
        *out = twostepmj;
        return true;
    }
    return false;
}

void CMjAi::SplitHand(const tagMj* tiles, int count, int pairnum, int partialnum, int singlenum,
                      tagMj* pairs, tagPartialMj* partials, tagMj* singles) {
    // Once a one-step discard is found nothing later changes the answer.
    if (onestep) return;
    if (count == 0) {
        const int pieces = pairnum + partialnum;
        const int loose = 2 * pieces + singlenum;
        if (loose == 5 && pieces >= 1 && !onestep) {
            onestep = 1;
            onestepmj = singles[0];
        } else if (loose == 8 && pieces == 4) {
            if (pairnum == 0 && !twostep) {
                twostep = 1;
                twostepmj = partials[0].first;
            } else if (pairnum > 0 && !onestep) {
                onestep = 1;
                onestepmj = partialnum > 0 ? partials[0].first : pairs[0];
            }
        }
        return;
    }

    tagMj rest[kMaxHandTiles];
    if (TakeKong(tiles, count, rest))
        SplitHand(rest, count - 4, pairnum, partialnum, singlenum, pairs, partials, singles);
    if (TakePung(tiles, count, rest))
        SplitHand(rest, count - 3, pairnum, partialnum, singlenum, pairs, partials, singles);
    if (TakeChow(tiles, count, rest))
        SplitHand(rest, count - 3, pairnum, partialnum, singlenum, pairs, partials, singles);
    if (TakePair(tiles, count, rest)) {
        pairs[pairnum] = tiles[0];
        SplitHand(rest, count - 2, pairnum + 1, partialnum, singlenum, pairs, partials, singles);
    }
    if (IsNumbered(tiles[0])) {
        for (int delta = 1; delta <= 2; ++delta) {
            const int j = FindPartner(tiles, count, delta);
            if (j == 0) continue;
            partials[partialnum] = tagPartialMj{tiles[0], tiles[j]};
            const int n = WithoutTwo(tiles, count, j, rest);
            SplitHand(rest, n, pairnum, partialnum + 1, singlenum, pairs, partials, singles);
        }
    }
    singles[singlenum] = tiles[0];
    SplitHand(tiles + 1, count - 1, pairnum, partialnum, singlenum + 1, pairs, partials, singles);
}
