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

inline bool IsPungKind(unsigned char kind) { return kind == kKindKong || kind == kKindPung; }

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

// A group of `kind` headed by `tile`: a pung, a pair or a single of it, or the chow it starts.
inline GetMj MakeGroup(unsigned char kind, const tagMj& tile) {
    GetMj g;
    g.kind = kind;
    g.num = kind == kKindPair ? 2 : (kind == kKindSingle ? 1 : 3);
    for (int i = 0; i < g.num; i++) g.Mj[i] = kind == kKindChow ? Shifted(tile, i) : tile;
    return g;
}

// A meld of four tile slots: a kong uses all four, a pung or chow the first three.
inline GetMj MakeMeld(unsigned char kind, const tagMj& a, const tagMj& b, const tagMj& c, const tagMj& d) {
    GetMj meld;
    meld.Mj[0] = a;
    meld.Mj[1] = b;
    meld.Mj[2] = c;
    meld.Mj[3] = d;
    meld.num = kind == kKindKong ? 4 : 3;
    meld.kind = kind;
    return meld;
}

// Two tiles of a run with one missing.
inline GetMj MakePartial(const tagMj& low, const tagMj& high) {
    GetMj g;
    g.kind = kKindPartial;
    g.num = 2;
    g.Mj[0] = low;
    g.Mj[1] = high;
    return g;
}
