// One group of up to four tiles: a meld of a seat, a claim option, or a group of a winning
// decomposition.
#pragma once

#include "rules/Assert.h"
#include "rules/Tile.h"

// Room for a seat's melds.
constexpr int kMaxMelds = 5;

// Group kinds: melds, then the scorer's own incomplete groups.
enum : unsigned char {
    kKindKong = 0,
    kKindPung = 1,
    kKindChow = 2,
    kKindPair = 3,
    kKindPartial = 4,
    kKindSingle = 5,
};

struct GetMj {
    tagMj Mj[4];          // the tiles in order; a chow ascending
    int num;              // tiles in the group (a chow option holds 2)
    unsigned char kind;   // kKind* above
    unsigned char flag[4];  // 1 where a wild tile stands in that position

    GetMj() : Mj{}, num(0), kind(0), flag{0, 0, 0, 0} {}

    // The tiles the group holds, 0..4.
    int Count() const {
        MJ_ASSERT(num >= 0 && num <= 4);
        return num < 0 ? 0 : (num > 4 ? 4 : num);
    }
};
