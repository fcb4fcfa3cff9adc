#include "rules/Tile.h"

#include <climits>

tagMj TileFromIndex(std::uint8_t index) {
    const int i = index;
    if (i < 108) return tagMj{static_cast<signed char>((i - 36 * (i / 36)) % 9 + 1),
                              static_cast<signed char>(i / 36)};
    if (i < 136) return MakeTile((i - 108) % 7 + 1, kHonourSuit);
    if (i < 144) return MakeTile(i - 135, kFlowerSuit);
    return tagMj{0, 0};
}

std::uint8_t TileToIndex(const tagMj& tile) {
    if (tile.suit == kFlowerSuit) return static_cast<std::uint8_t>(tile.value + 135);
    return static_cast<std::uint8_t>(tile.suit * 36 + tile.value - 1);
}

void SortTiles(tagMj* tiles, int n) {
    for (int i = 0; i < n - 1; i++)
        for (int j = i; j < n; j++)
            if (TileGreater(tiles[i], tiles[j])) SwapTiles(tiles, i, j);
}

bool RemoveTile(tagMj* tiles, int* count, const tagMj& tile) {
    for (int i = 0; i < *count; i++) {
        if (!TileEqual(tiles[i], tile)) continue;
        for (int k = i; k < *count - 1; k++) tiles[k] = tiles[k + 1];
        return true;
    }
    return false;
}

int Abs(int x) {
    if (x == INT_MIN) return x;
    return x < 0 ? -x : x;
}
