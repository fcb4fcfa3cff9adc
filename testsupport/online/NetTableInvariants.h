// What must hold of a table that plays online whatever the server sends: every count within
// its array, no more than the wall's 144 tiles taken, seats and dice in range.  Tests and the
// fuzz target check it after every record.
#pragma once

#include <string>

#include "engine/Mj.h"

namespace onlinetest {

// Empty when the table holds; else what is broken.
inline std::string BrokenInvariant(const CMj& t) {
    for (int s = 0; s < kSeats; s++) {
        const CMjPlayer& p = t.Player[s];
        const std::string seat = "seat " + std::to_string(s) + ": ";
        if (p.cardnum < 0 || p.cardnum > kMaxHandTiles) return seat + "hand count " + std::to_string(p.cardnum);
        if (s == 0 && p.hasnew && p.cardnum >= kMaxHandTiles) return seat + "drawn tile past the hand";
        if (p.rivernum < 0 || p.rivernum > 52) return seat + "river count " + std::to_string(p.rivernum);
        if (p.gangnum < 0 || p.gangnum > kMaxMelds) return seat + "meld count " + std::to_string(p.gangnum);
        for (int m = 0; m < p.gangnum; m++)
            if (p.Gang[m].num < 3 || p.Gang[m].num > 4 || p.Gang[m].kind > kKindChow)
                return seat + "meld " + std::to_string(m);
        if (p.flowers < 0 || p.flowers > 8 * kSeats) return seat + "flowers " + std::to_string(p.flowers);
        if (p.menfeng < 0 || p.menfeng > 4 || p.quanfeng < 0 || p.quanfeng > 4) return seat + "winds";
    }
    // A tile stands on show in front of one seat at most: the one whose discard came last.
    for (int s = 0; s < kSeats; s++)
        if (t.Player[s].played && t.state == kHandRunning && t.discardseat != s)
            return "seat " + std::to_string(s) + ": a tile on show that is no discard on show";
    if (t.taken < -1 || t.taken >= kWallTiles) return "tiles taken " + std::to_string(t.taken);
    if (t.backtaken < 0 || t.backtaken > kWallTiles) return "back taken " + std::to_string(t.backtaken);
    for (int h : t.stackheight)
        if (h < 0 || h > 2) return "stack height";
    if (t.ownseat < 0 || t.ownseat >= kSeats) return "own seat";
    if (t.dealer < 0 || t.dealer >= kSeats) return "dealer";
    if (t.curplayer < -1 || t.curplayer >= kSeats) return "current seat";
    if (t.discardseat < 0 || t.discardseat >= kSeats) return "discard seat";
    if (t.changchengstart < 0 || t.changchengstart >= kWallStacks) return "wall break";
    for (int d : t.dice)
        if (d < 1 || d > 6) return "dice";
    return std::string();
}

}  // namespace onlinetest
