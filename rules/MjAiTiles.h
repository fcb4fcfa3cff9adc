// Small tile helpers shared by the computer player's searches.
#pragma once

#include "rules/Tile.h"

namespace mjai {

// Position of the first tile after the head that is the head moved by `delta`; 0 when none.
inline int FindPartner(const tagMj* tiles, int count, int delta) {
    const tagMj want = Shifted(tiles[0], delta);
    for (int j = 1; j < count; ++j)
        if (TileEqual(tiles[j], want)) return j;
    return 0;
}

// Copies `tiles` without positions 0 and j into `rest`; the number copied.
inline int WithoutTwo(const tagMj* tiles, int count, int j, tagMj* rest) {
    int n = 0;
    for (int i = 1; i < count; ++i)
        if (i != j) rest[n++] = tiles[i];
    return n;
}

}  // namespace mjai
