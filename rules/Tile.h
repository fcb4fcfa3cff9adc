// The tile record, the one-byte tile index of the 144 physical tiles, and the small array
// functions every part of the game uses on hands, rivers and lists of wanted tiles.
#pragma once

#include <cstdint>
#include <cstring>

// One tile: {value, suit}.  Suits 0..2 are characters, bamboo and dots (values 1..9), suit 3 the
// honours (1..4 east, south, west, north; 5..7 red, green, white), suit 4 the flowers (1..8).
// {0, 0} is the empty tile.
struct tagMj {
    signed char value;
    signed char suit;
};
static_assert(sizeof(tagMj) == 2, "a tile is its two bytes");

// The suits besides the three numbered ones.
constexpr int kHonourSuit = 3;
constexpr int kFlowerSuit = 4;
inline bool IsNumberedSuit(int suit) { return suit >= 0 && suit <= 2; }
inline bool IsNumbered(const tagMj& t) { return IsNumberedSuit(t.suit); }
// A numbered 1 or 9.
inline bool IsTerminal(const tagMj& t) { return IsNumbered(t) && (t.value == 1 || t.value == 9); }

// A concealed hand holds at most 14 tiles (13 and the drawn one); a complete hand with every
// meld tile joined to it at most 18 (four kongs and a pair).
constexpr int kMaxHandTiles = 14;
constexpr int kMaxJoinedTiles = 18;

// The six orders of the three numbered suits.  A knitted pattern takes the rows 1-4-7, 2-5-8
// and 3-6-9 from the suits of one order; the fans made of one group per suit try every order.
inline constexpr int kSuitOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                          {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
constexpr int kKnittedTiles = 9;

// Counters by tile kind (seen counts) are int[kTileKeyCount] indexed by TileKey.
constexpr int kTileKeyCount = 50;
inline int TileKey(const tagMj& t) { return t.suit * 10 + t.value; }

// The tile of physical index 0..143; any other index gives the empty tile.
tagMj TileFromIndex(std::uint8_t index);
// The index of the first copy of the tile's kind (computed on one byte: {0, 0} gives 255).
std::uint8_t TileToIndex(const tagMj& tile);

// The small tile helpers sit in every inner loop of the win test and the computer player's
// searches, so they are inline.
inline void CopyTile(tagMj& destination, const tagMj& source) { destination = source; }
// Both bytes compared as one.
inline bool TileEqual(const tagMj& a, const tagMj& b) {
    std::uint16_t x, y;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
}
// A tile that exists: 1..9 in a numbered suit, 1..7 honours, 1..8 flowers.
inline bool IsTile(const tagMj& t) {
    const int highest = IsNumbered(t) ? 9 : t.suit == kHonourSuit ? 7 : t.suit == kFlowerSuit ? 8 : 0;
    return t.value >= 1 && t.value <= highest;
}
// Tile order: by suit, then by value.
inline bool TileGreater(const tagMj& a, const tagMj& b) {
    return a.suit > b.suit || (a.suit == b.suit && a.value > b.value);
}
// The tile of `value` in `suit`.
inline tagMj MakeTile(int value, int suit) {
    return tagMj{static_cast<signed char>(value), static_cast<signed char>(suit)};
}
// The tile `delta` values away in the same suit.
inline tagMj Shifted(const tagMj& t, int delta) {
    return tagMj{static_cast<signed char>(t.value + delta), t.suit};
}
// The nine knitted tiles of `suits` (the suits of the rows 1-4-7, 2-5-8, 3-6-9), row by row.
inline void KnittedRowTiles(const int* suits, tagMj* out) {
    for (int row = 0; row < 3; row++)
        for (int k = 0; k < 3; k++) out[row * 3 + k] = MakeTile(row + 1 + 3 * k, suits[row]);
}
// Under the wild-tile rule with `wild` the hand's wild tile: every copy of it is wild, and when
// it is a flower every flower is.
inline bool MatchesWild(const tagMj& tile, const tagMj& wild) {
    return TileEqual(tile, wild) || (tile.suit == kFlowerSuit && wild.suit == kFlowerSuit);
}
inline void SwapTiles(tagMj* tiles, int i, int j) {
    const tagMj t = tiles[i];
    tiles[i] = tiles[j];
    tiles[j] = t;
}
void SortTiles(tagMj* tiles, int n);
// Removes the first tile equal to `tile` by moving the later ones down; the count is left to
// the caller (the last position keeps a copy of its neighbour).  False when not found.
bool RemoveTile(tagMj* tiles, int* count, const tagMj& tile);
inline bool FindTile(const tagMj* tiles, int n, const tagMj& tile) {
    for (int i = 0; i < n; i++)
        if (TileEqual(tiles[i], tile)) return true;
    return false;
}

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

// Absolute value; the most negative int maps to itself.
int Abs(int x);
