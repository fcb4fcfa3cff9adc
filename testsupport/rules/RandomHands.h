// Random hands for the rules tests and benchmarks, and a plain, independent win check to hold
// the scorer's search against: tile kinds 0..33 (27 numbered, then the seven honours) counted
// per kind.
#pragma once

#include <array>
#include <random>
#include <vector>

#include "rules/Tile.h"

namespace rulestest {

constexpr int kKinds = 34;
using Counts = std::array<int, kKinds>;

inline tagMj KindTile(int kind) {
    return kind < 27 ? MakeTile(kind % 9 + 1, kind / 9) : MakeTile(kind - 26, kHonourSuit);
}
inline int TileKind(const tagMj& t) {
    return IsNumbered(t) ? t.suit * 9 + t.value - 1 : 26 + t.value;
}
inline bool IsOrphanKind(int k) { return k >= 27 || k % 9 == 0 || k % 9 == 8; }

Counts CountKinds(const std::vector<tagMj>& tiles);
int Total(const Counts& c);

// Sets only (pairs = 0) or sets and exactly one pair (pairs = 1), by counts.
bool SplitsIntoSets(Counts& c, int pairs);
bool PlainThirteenOrphans(const Counts& c);
bool PlainSevenPairs(const Counts& c);
// Knitted: 14 different tiles, each suit's tiles in one class, the three suits in three
// different classes.
bool PlainKnitted(const Counts& c);
// Knitted straight rows: the suits of `order` hold 1-4-7, 2-5-8 and 3-6-9.
bool HoldsRows(const Counts& c, const int* order);
bool HoldsAnyRows(const Counts& c);
bool PlainKnittedStraight(Counts c);
// A concealed hand (3n + 2 tiles beside its melds) that wins in shape.
bool PlainWin(Counts c, bool orphans = true);

std::vector<tagMj> Sorted(std::vector<tagMj> tiles);
// A random winning hand of `sets` sets and a pair, at most four copies of a kind.
std::vector<tagMj> RandomWinningHand(std::mt19937& rng, int sets, int chowPercent = 50);
// Random tiles drawn from a full set of 136 (no flowers).
std::vector<tagMj> RandomTiles(std::mt19937& rng, int n);

}  // namespace rulestest
