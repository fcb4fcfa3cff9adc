#include "testsupport/rules/RandomHands.h"

#include <algorithm>

namespace rulestest {

Counts CountKinds(const std::vector<tagMj>& tiles) {
    Counts c{};
    for (const tagMj& t : tiles) c[TileKind(t)]++;
    return c;
}

int Total(const Counts& c) {
    int n = 0;
    for (int v : c) n += v;
    return n;
}

bool SplitsIntoSets(Counts& c, int pairs) {
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

bool PlainThirteenOrphans(const Counts& c) {
    if (Total(c) != 14) return false;
    for (int k = 0; k < kKinds; k++)
        if ((IsOrphanKind(k) && c[k] == 0) || (!IsOrphanKind(k) && c[k] > 0)) return false;
    return true;
}

bool PlainSevenPairs(const Counts& c) {
    if (Total(c) != 14) return false;
    for (int v : c)
        if (v % 2) return false;
    return true;
}

bool PlainKnitted(const Counts& c) {
    if (Total(c) != 14) return false;
    for (int v : c)
        if (v > 1) return false;
    for (const auto& order : kSuitOrders) {
        bool fits = true;
        for (int k = 0; k < 27 && fits; k++)
            if (c[k] && (k % 9) % 3 != order[k / 9]) fits = false;
        if (fits) return true;
    }
    return false;
}

bool HoldsRows(const Counts& c, const int* order) {
    for (int row = 0; row < 3; row++)
        for (int v = row; v < 9; v += 3)
            if (!c[order[row] * 9 + v]) return false;
    return true;
}

bool HoldsAnyRows(const Counts& c) {
    for (const auto& order : kSuitOrders)
        if (HoldsRows(c, order)) return true;
    return false;
}

bool PlainKnittedStraight(Counts c) {
    for (const auto& order : kSuitOrders) {
        if (!HoldsRows(c, order)) continue;
        Counts rest = c;
        for (int row = 0; row < 3; row++)
            for (int v = row; v < 9; v += 3) rest[order[row] * 9 + v]--;
        if (SplitsIntoSets(rest, 1)) return true;
    }
    return false;
}

bool PlainWin(Counts c, bool orphans) {
    if (Total(c) % 3 != 2) return false;
    if (SplitsIntoSets(c, 1)) return true;
    if (orphans && PlainThirteenOrphans(c)) return true;
    return PlainSevenPairs(c) || PlainKnitted(c) || PlainKnittedStraight(c);
}

std::vector<tagMj> Sorted(std::vector<tagMj> tiles) {
    SortTiles(tiles.data(), static_cast<int>(tiles.size()));
    return tiles;
}

std::vector<tagMj> RandomWinningHand(std::mt19937& rng, int sets, int chowPercent) {
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

std::vector<tagMj> RandomTiles(std::mt19937& rng, int n) {
    std::vector<int> wall;
    for (int k = 0; k < kKinds; k++)
        for (int i = 0; i < 4; i++) wall.push_back(k);
    std::shuffle(wall.begin(), wall.end(), rng);
    std::vector<tagMj> tiles;
    for (int i = 0; i < n; i++) tiles.push_back(KindTile(wall[i]));
    return Sorted(tiles);
}

}  // namespace rulestest
