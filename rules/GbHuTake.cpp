// Taking one group from the head of a sorted tile list, and the plain set split.
#include "rules/GbHu.h"

namespace {

bool HeadRepeats(const tagMj* tiles, int num, int n) {
    if (num < n) return false;
    for (int i = 1; i < n; i++)
        if (!TileEqual(tiles[i], tiles[0])) return false;
    return true;
}

bool TakeSame(const tagMj* tiles, int num, int n, tagMj* rest) {
    if (!HeadRepeats(tiles, num, n)) return false;
    for (int i = n; i < num; i++) rest[i - n] = tiles[i];
    return true;
}

}  // namespace

bool CGbHu::TakePung(const tagMj* tiles, int num, tagMj* rest) { return TakeSame(tiles, num, 3, rest); }
bool CGbHu::TakePair(const tagMj* tiles, int num, tagMj* rest) { return TakeSame(tiles, num, 2, rest); }
bool CGbHu::TakeKong(const tagMj* tiles, int num, tagMj* rest) { return TakeSame(tiles, num, 4, rest); }

bool CGbHu::TakeChow(const tagMj* tiles, int num, tagMj* rest) {
    if (num < 3 || !IsNumbered(tiles[0])) return false;
    const tagMj second = Shifted(tiles[0], 1);
    const tagMj third = Shifted(tiles[0], 2);
    int at2 = -1, at3 = -1;
    for (int i = 1; i < num && (at2 < 0 || at3 < 0); i++) {
        if (at2 < 0 && TileEqual(tiles[i], second)) at2 = i;
        else if (at3 < 0 && TileEqual(tiles[i], third)) at3 = i;
    }
    if (at2 < 0 || at3 < 0) return false;
    // Taking tiles out of a sorted list leaves it sorted.
    int n = 0;
    for (int i = 1; i < num; i++)
        if (i != at2 && i != at3) rest[n++] = tiles[i];
    return true;
}

bool CGbHu::CanSplitIntoSets(const tagMj* tiles, int num, bool pairtaken) {
    if (num == 0) return true;
    tagMj rest[kMaxJoinedTiles];
    if (num > kMaxJoinedTiles) return false;
    if (TakePung(tiles, num, rest) && CanSplitIntoSets(rest, num - 3, pairtaken)) return true;
    if (!pairtaken && TakePair(tiles, num, rest) && CanSplitIntoSets(rest, num - 2, true))
        return true;
    return TakeChow(tiles, num, rest) && CanSplitIntoSets(rest, num - 3, pairtaken);
}

void CGbHu::SortMelds(GetMj* melds, int count) {
    for (int i = 0; i < count - 1; i++)
        for (int j = i; j < count; j++)
            if (TileGreater(melds[i].Mj[0], melds[j].Mj[0])) {
                const GetMj t = melds[i];
                melds[i] = melds[j];
                melds[j] = t;
            }
}
