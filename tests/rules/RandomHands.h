// Random hands for the rules tests, and a plain, independent win check to hold the scorer's
// search against: tile kinds 0..33 (27 numbered, then the seven honours) counted per kind.
#pragma once

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "rules/Tile.h"

namespace rulestest {

constexpr int kKinds = 34;
using Counts = std::array<int, kKinds>;

inline tagMj KindTile(int kind) {
    if (kind < 27) return tagMj{static_cast<signed char>(kind % 9 + 1), static_cast<signed char>(kind / 9)};
    return tagMj{static_cast<signed char>(kind - 26), 3};
}

inline int TileKind(const tagMj& t) { return t.suit < 3 ? t.suit * 9 + t.value - 1 : 26 + t.value; }

inline Counts CountKinds(const std::vector<tagMj>& tiles) {
    Counts c{};
    for (const tagMj& t : tiles) c[TileKind(t)]++;
    return c;
}

// Sets only (pairs = 0) or sets and exactly one pair (pairs = 1), by counts.
inline bool SplitsIntoSets(Counts& c, int pairs) {
    int k = 0;
    while (k < kKinds && c[k] == 0) k++;
    if (k == kKinds) return pairs == 0;
    if (c[k] >= 3) {
        c[k] -= 3;
        const bool ok = SplitsIntoSets(c, pairs);
        c[k] += 3;
        if (ok) return true;
    }
    if (pairs > 0 && c[k] >= 2) {
        c[k] -= 2;
        const bool ok = SplitsIntoSets(c, pairs - 1);
        c[k] += 2;
        if (ok) return true;
    }
    if (k < 27 && k % 9 <= 6 && c[k + 1] > 0 && c[k + 2] > 0) {
        c[k]--, c[k + 1]--, c[k + 2]--;
        const bool ok = SplitsIntoSets(c, pairs);
        c[k]++, c[k + 1]++, c[k + 2]++;
        if (ok) return true;
    }
    return false;
}

inline int Total(const Counts& c) {
    int n = 0;
    for (int v : c) n += v;
    return n;
}

inline bool IsOrphanKind(int k) { return k >= 27 || k % 9 == 0 || k % 9 == 8; }

inline bool PlainThirteenOrphans(const Counts& c) {
    if (Total(c) != 14) return false;
    for (int k = 0; k < kKinds; k++)
        if ((IsOrphanKind(k) && c[k] == 0) || (!IsOrphanKind(k) && c[k] > 0)) return false;
    return true;
}

inline bool PlainSevenPairs(const Counts& c) {
    if (Total(c) != 14) return false;
    for (int v : c)
        if (v % 2) return false;
    return true;
}

// Knitted: 14 different tiles, each suit's tiles in one class, the three suits in three
// different classes.
inline bool PlainKnitted(const Counts& c) {
    if (Total(c) != 14) return false;
    for (int v : c)
        if (v > 1) return false;
    static const int kPerms[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& perm : kPerms) {
        bool fits = true;
        for (int k = 0; k < 27 && fits; k++)
            if (c[k] && (k % 9) % 3 != perm[k / 9]) fits = false;
        if (fits) return true;
    }
    return false;
}

// Knitted straight rows: the suits holding 1-4-7, 2-5-8 and 3-6-9.
inline bool HoldsRows(const Counts& c, const int* perm) {
    for (int row = 0; row < 3; row++)
        for (int v = row; v < 9; v += 3)
            if (!c[perm[row] * 9 + v]) return false;
    return true;
}

inline bool PlainKnittedStraight(Counts c) {
    static const int kPerms[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& perm : kPerms) {
        if (!HoldsRows(c, perm)) continue;
        Counts rest = c;
        for (int row = 0; row < 3; row++)
            for (int v = row; v < 9; v += 3) rest[perm[row] * 9 + v]--;
        if (SplitsIntoSets(rest, 1)) return true;
    }
    return false;
}

inline bool HoldsAnyRows(const Counts& c) {
    static const int kPerms[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& perm : kPerms)
        if (HoldsRows(c, perm)) return true;
    return false;
}

// A concealed hand (3n + 2 tiles beside its melds) that wins in shape.
inline bool PlainWin(Counts c, bool orphans = true) {
    if (Total(c) % 3 != 2) return false;
    if (SplitsIntoSets(c, 1)) return true;
    if (orphans && PlainThirteenOrphans(c)) return true;
    return PlainSevenPairs(c) || PlainKnitted(c) || PlainKnittedStraight(c);
}

inline std::vector<tagMj> Sorted(std::vector<tagMj> tiles) {
    SortTiles(tiles.data(), static_cast<int>(tiles.size()));
    return tiles;
}

// A random winning hand of `sets` sets and a pair, at most four copies of a kind.
inline std::vector<tagMj> RandomWinningHand(std::mt19937& rng, int sets, int chowPercent = 50) {
    for (;;) {
        Counts c{};
        std::vector<tagMj> tiles;
        auto add = [&](int kind) {
            c[kind]++;
            tiles.push_back(KindTile(kind));
        };
        const int pair = static_cast<int>(rng() % kKinds);
        add(pair);
        add(pair);
        for (int s = 0; s < sets; s++) {
            if (static_cast<int>(rng() % 100) < chowPercent) {
                const int suit = static_cast<int>(rng() % 3), low = static_cast<int>(rng() % 7);
                for (int i = 0; i < 3; i++) add(suit * 9 + low + i);
            } else {
                const int kind = static_cast<int>(rng() % kKinds);
                for (int i = 0; i < 3; i++) add(kind);
            }
        }
        bool legal = true;
        for (int v : c) legal = legal && v <= 4;
        if (legal) return Sorted(tiles);
    }
}

// Random tiles drawn from a full set of 136 (no flowers).
inline std::vector<tagMj> RandomTiles(std::mt19937& rng, int n) {
    std::vector<int> wall;
    for (int k = 0; k < kKinds; k++)
        for (int i = 0; i < 4; i++) wall.push_back(k);
    std::shuffle(wall.begin(), wall.end(), rng);
    std::vector<tagMj> tiles;
    for (int i = 0; i < n; i++) tiles.push_back(KindTile(wall[i]));
    return Sorted(tiles);
}

}  // namespace rulestest
