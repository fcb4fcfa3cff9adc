// Records of the computer player's decomposition search: one state of the explicit-stack
// search, and the two-tile partial group both searches record.
#pragma once

#include "rules/Tile.h"

// Two tiles of a run with one missing (1-2, 2-4, ...).
struct tagPartialMj {
    tagMj first;
    tagMj second;
};

// One state of CMjAi::GetBestWay: the loose pieces taken so far and the tiles not yet placed.
// Its loose count is 2 x (pairs + partials) + singles.
struct tagUnStructured {
    tagMj pairs[8];
    tagPartialMj partials[8];
    tagMj singles[kMaxHandTiles];
    int pairnum;
    int partialnum;
    int singlenum;
    tagMj rest[16];
    int restnum;
};

// Room of the search stack: a path of at most 14 expansions leaves at most five siblings on
// the stack at each, plus the state being expanded.
constexpr int kBestWayStack = 80;
