// Points on the user's hand, as the table's renderer lays the hand out with new-style tiles
// 48 pixels wide: what a person clicks and hovers in the tests of the table's input.
#pragma once

#include "engine/Mj.h"

namespace enginetest {

class HandPoints {
public:
    static constexpr int kTileW = 48;
    static constexpr int kTileH = 66;
    static constexpr int kDrawnGap = 20;

    // Gives the renderer the tile size and lays the table out again.
    explicit HandPoints(CMjDraw& renderer) : r_(renderer) {
        r_.nTileW = kTileW;
        r_.nTileH = kTileH;
        r_.ComputeLayout();
    }

    // The middle of the tile at hand position i; position cardnum is the drawn tile.
    int X(const CMjPlayer& p, int i) const {
        const int left = r_.OwnHandAnchor.x - kTileW * p.cardnum - kDrawnGap;
        const int gap = i >= p.cardnum ? kDrawnGap : 0;
        return left + i * kTileW + gap + kTileW / 2;
    }
    int Y() const { return r_.OwnHandAnchor.y + kTileH / 2; }
    // A point of the table well away from the hand and the buttons.
    static constexpr int kAwayX = 400;
    static constexpr int kAwayY = 300;

private:
    CMjDraw& r_;
};

}  // namespace enginetest
