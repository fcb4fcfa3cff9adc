// How the wild tile of a hand follows from the indicator turned up after the deal.
#pragma once

#include "rules/Tile.h"

// How the wild tile of a hand is chosen.
enum WildRuleKind : int {
    kWildFixedFlower = 1,  // flower 1 is wild and flowers stay in the hands
    kWildNextTile = 2,     // the tile after the indicator
    kWildPreviousTile = 3, // the tile before it
};

// The wild tile an indicator points to under kind 2 (the next tile) or 3 (the one before);
// winds and dragons each wrap within their own group.
tagMj WildFromIndicator(const tagMj& indicator, int kind);
