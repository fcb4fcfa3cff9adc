// One group of up to four tiles: a meld of a seat, a claim option, or a group of a winning
// decomposition.
#pragma once

#include "rules/Tile.h"

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
};
