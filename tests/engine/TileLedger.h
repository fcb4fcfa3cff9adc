// Where every one of the 144 tiles is at a moment of a hand: hands, the user's drawn tile,
// melds, rivers, the discard on show, flowers set aside, the wild indicator with the flowers
// skipped beside it, a tile in its draw flight, and the rest of the wall.
#pragma once

#include <string>

#include "engine/Mj.h"

namespace enginetest {

struct TileLedger {
    int total = 0;
    int copies[kTileKeyCount] = {};  // located tiles by kind (flowers set aside have no kind)
    int flowersAside = 0;

    void Add(const tagMj& t) {
        total++;
        const int key = TileKey(t);
        if (key >= 0 && key < kTileKeyCount) copies[key]++;
    }
    void AddAll(const tagMj* tiles, int n) {
        for (int i = 0; i < n; i++) Add(tiles[i]);
    }

    // What is wrong with the ledger, empty when nothing is.
    std::string Fault() const {
        if (total != kWallTiles) return "tiles accounted for: " + std::to_string(total);
        int flowers = flowersAside;
        for (int key = 0; key < kTileKeyCount; key++) {
            if (key > 40) {
                flowers += copies[key];
                if (copies[key] > 1) return "flower held twice: " + std::to_string(key);
            } else if (copies[key] > 4) {
                return "more than four copies of " + std::to_string(key);
            }
        }
        if (flowers != 8) return "flowers accounted for: " + std::to_string(flowers);
        return {};
    }
};

inline bool Dealing(const CMj& t) { return t.state == kHandRunning && t.curplayer == -1; }

inline TileLedger CountTiles(const CMj& t) {
    TileLedger ledger;
    if (Dealing(t)) {
        // The hands were filled from wall indexes 0..52 at once; the display counts them up.
        for (int s = 0; s < kSeats; s++) ledger.AddAll(t.Player[s].Mj, s == t.dealer ? 14 : 13);
        for (int i = 53; i < kWallTiles; i++) ledger.Add(TileFromIndex(t.wall[i]));
        return ledger;
    }
    for (int s = 0; s < kSeats; s++) {
        const CMjPlayer& p = t.Player[s];
        ledger.AddAll(p.Mj, p.cardnum);
        // The user's drawn flower stays in sight until its replacement; it is counted aside.
        if (s == 0 && p.hasnew && !t.FlowerPending(0)) ledger.Add(p.newmj);
        for (int m = 0; m < p.gangnum; m++) ledger.AddAll(p.Gang[m].Mj, p.Gang[m].num);
        ledger.AddAll(p.River, p.rivernum);
        if (p.played) ledger.Add(p.PlayMj);
        ledger.flowersAside += p.flowers;
        ledger.total += p.flowers;
    }
    if (bWildRule && t.wildkind != kWildFixedFlower && t.state != kNoHand) {
        ledger.Add(t.indicator);
        ledger.flowersAside += t.skipflowers;
        ledger.total += t.skipflowers;
    }
    if (t.Timer(kTimerDrawFlight)->enabled) ledger.Add(t.lastdrawn);
    for (int i = t.taken + 1; i < kWallTiles; i++) ledger.Add(TileFromIndex(t.wall[i]));
    return ledger;
}

// Seen counts stay within 0..4 while a hand runs.
inline std::string SeenFault(const CMj& t) {
    if (t.state != kHandRunning) return {};
    for (int key = 0; key < kTileKeyCount; key++)
        if (t.seen[key] < 0 || t.seen[key] > 4)
            return "seen count " + std::to_string(t.seen[key]) + " of " + std::to_string(key);
    return {};
}

// The table in one line, for the message of a broken invariant.
inline std::string Describe(const CMj& t) {
    std::string d = "cur " + std::to_string(t.curplayer) + " state " + std::to_string(t.state) +
                    " taken " + std::to_string(t.taken) + " claims " + std::to_string(t.claimnum) +
                    " rob " + std::to_string(t.comprob) + std::to_string(t.userrob) + " |";
    for (const CMjPlayer& p : t.Player)
        d += " hand " + std::to_string(p.cardnum) + " new " + std::to_string(p.hasnew) +
             " melds " + std::to_string(p.gangnum) + " river " + std::to_string(p.rivernum) +
             " played " + std::to_string(p.played) + " flowers " + std::to_string(p.flowers) +
             " won " + std::to_string(p.hued) + " |";
    return d;
}

inline int ScoreSum(const CMj& t) {
    int sum = 0;
    for (const CMjPlayer& p : t.Player) sum += p.score;
    return sum;
}

}  // namespace enginetest
