// The tile-list and seat-level fan tests: everything that looks at the hand and the melds as
// one list of tiles, or at the seat's flags, rather than at a decomposition.
#include <cstring>

#include "rules/GbHu.h"
#include "rules/MjPlayer.h"

namespace {

// Counts of one tile list by kind, and what the tests need to know about it.
struct TileCensus {
    int count[kTileKeyCount] = {};
    bool suitPresent[5] = {};
    int numberedSuits = 0;
    int honours = 0;
    int total = 0;

    TileCensus(const tagMj* tiles, int num) {
        total = num;
        for (int i = 0; i < num; i++) {
            const int key = TileKey(tiles[i]);
            if (key >= 0 && key < kTileKeyCount) count[key]++;
            if (tiles[i].suit >= 0 && tiles[i].suit < 5) suitPresent[tiles[i].suit] = true;
            if (tiles[i].suit == kHonourSuit) honours++;
        }
        for (int s = 0; s < 3; s++) numberedSuits += suitPresent[s] ? 1 : 0;
    }
};

// Every tile numbered with a value in [low, high].
bool AllNumberedIn(const tagMj* tiles, int num, int low, int high) {
    for (int i = 0; i < num; i++)
        if (!IsNumbered(tiles[i]) || tiles[i].value < low || tiles[i].value > high) return false;
    return true;
}

// Tiles of 绿一色: bamboo 2, 3, 4, 6, 8 and the green dragon.
bool IsGreen(const tagMj& t) {
    if (t.suit == kHonourSuit) return t.value == 6;
    return t.suit == 1 && (t.value == 2 || t.value == 3 || t.value == 4 || t.value == 6 ||
                           t.value == 8);
}

// Tiles of 推不倒, whose faces look the same upside down.
bool IsReversible(const tagMj& t) {
    static const char kDots[10] = {0, 1, 1, 1, 1, 1, 0, 0, 1, 1};
    static const char kBamboo[10] = {0, 0, 1, 0, 1, 1, 1, 0, 1, 1};
    if (t.value < 1 || t.value > 9) return false;
    if (t.suit == 2) return kDots[t.value] != 0;
    if (t.suit == 1) return kBamboo[t.value] != 0;
    return t.suit == kHonourSuit && t.value == 7;
}

template <typename Pred>
bool AllTiles(const tagMj* tiles, int num, Pred pred) {
    for (int i = 0; i < num; i++)
        if (!pred(tiles[i])) return false;
    return true;
}

bool IsNineGates(const TileCensus& c, const tagMj* tiles, int num) {
    if (num == 0 || c.numberedSuits != 1 || c.honours != 0 || !IsNumbered(tiles[0])) return false;
    const int base = tiles[0].suit * 10;
    if (c.count[base + 1] < 3 || c.count[base + 9] < 3) return false;
    for (int v = 2; v <= 8; v++)
        if (c.count[base + v] < 1) return false;
    return true;
}

bool IsSevenShiftedPairs(const tagMj* tiles, int num) {
    if (num != kMaxHandTiles || !IsNumbered(tiles[0])) return false;
    for (int i = 0; i < 7; i++) {
        const tagMj& a = tiles[2 * i];
        if (!TileEqual(a, tiles[2 * i + 1]) || a.suit != tiles[0].suit) return false;
        if (a.value != tiles[0].value + i) return false;
    }
    return true;
}

// Dragons (red, green, white) with three or more tiles.
int DragonSets(const TileCensus& c) {
    int n = 0;
    for (int v = 5; v <= 7; v++) n += c.count[30 + v] >= 3 ? 1 : 0;
    return n;
}

}  // namespace

bool HasAllFiveKinds(const tagMj* tiles, int num) {
    const TileCensus c(tiles, num);
    bool wind = false, dragon = false;
    for (int v = 1; v <= 4; v++) wind = wind || c.count[30 + v] > 0;
    for (int v = 5; v <= 7; v++) dragon = dragon || c.count[30 + v] > 0;
    return c.numberedSuits == 3 && wind && dragon;
}

bool CGbHu::CalcFan(const tagMj* tiles, int num, CMjPlayer* seat) {
    if (!seat) return false;
    player = seat;
    const TileCensus c(tiles, num);
    const int melds = seat->MeldCount();
    int kongs = 0;
    for (int i = 0; i < melds; i++) kongs += seat->Gang[i].kind == kKindKong ? 1 : 0;

    unsigned char* f = workfan;
    if (num > 0 && c.honours == num) f[11] = 1;
    if (num > 0 && AllTiles(tiles, num, IsGreen)) f[3] = 1;
    if (melds == 0 && IsNineGates(c, tiles, num)) f[4] = 1;
    if (kongs == 4) f[5] = 1;
    if (melds == 0 && IsSevenShiftedPairs(tiles, num)) f[6] = 1;
    if (IsThirteenOrphans(tiles, num)) f[7] = 1;
    if (kongs == 3) f[17] = 1;
    if (num > 0 && AllNumberedIn(tiles, num, 7, 9)) f[25] = 1;
    if (num > 0 && AllNumberedIn(tiles, num, 4, 6)) f[26] = 1;
    if (num > 0 && AllNumberedIn(tiles, num, 1, 3)) f[27] = 1;
    if (num > 0 && AllNumberedIn(tiles, num, 6, 9)) f[36] = 1;
    if (num > 0 && AllNumberedIn(tiles, num, 1, 4)) f[37] = 1;
    if (num > 0 && AllTiles(tiles, num, IsReversible)) f[40] = 1;
    if (c.honours == 0 && c.numberedSuits == 1) f[22] = 1;
    if (c.numberedSuits == 1) f[49] = 1;
    const int dragonSets = DragonSets(c);
    if (dragonSets == 2) f[54] = 1;
    if (dragonSets == 1) f[59] = 1;

    // 四归一: four of a tile that are not one of the seat's kongs.
    fourcount = 0;
    for (int key = 0; key < kTileKeyCount; key++) {
        if (c.count[key] < 4) continue;
        bool kongMeld = false;
        for (int i = 0; i < melds; i++)
            if (seat->Gang[i].kind == kKindKong && TileKey(seat->Gang[i].Mj[0]) == key)
                kongMeld = true;
        if (!kongMeld) fourcount++;
    }
    if (fourcount > 0) f[64] = 1;

    if (num > 0 && AllNumberedIn(tiles, num, 2, 8)) f[68] = 1;
    if (c.numberedSuits <= 2) f[75] = 1;
    if (c.honours == 0) f[76] = 1;
    if (HasAllFiveKinds(tiles, num)) f[51] = 1;

    // Seat-level flags.
    if (seat->IsConcealedHand()) f[62] = 1;
    if (seat->zimo) f[80] = 1;
    if (f[62] && f[80]) {
        f[56] = 1;
        f[62] = f[80] = 0;
    }
    if (seat->cardnum == 1 && !seat->zimo) f[52] = 1;
    if (seat->kongwin) f[46] = 1;
    if (seat->robkong) f[47] = 1;
    ankongcount = mingkongcount = 0;
    for (int i = 0; i < melds; i++) {
        if (seat->Gang[i].kind != kKindKong) continue;
        if (!seat->open[i]) {
            f[67] = 1;
            ankongcount++;
        } else {
            f[74] = 1;
            mingkongcount++;
        }
    }
    if (ankongcount == 2) {
        f[53] = 1;
        f[67] = 0;
    }
    if (mingkongcount == 2) {
        f[57] = 1;
        f[74] = 0;
    }
    if (minfan == 0 && seat->ting) f[88] = 1;
    return true;
}
