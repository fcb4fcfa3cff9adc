// The user's standing hand under the mouse: which tile a click picks and which tile a hover
// raises.  The hand stands left of the own-hand anchor, one tile width a tile; the drawn tile
// stands 20 pixels right of the row.  A raised tile (`select`) shows 15 pixels higher, so the
// band reaches 15 pixels above the row.
#include "engine/Mj.h"
#include "graphics/MjDraw.h"

namespace {

constexpr int kDrawnGap = 20;
constexpr int kRaise = 15;

}  // namespace

// The row and the drawn-tile band of seat 0's hand at the point: each says whether the point
// is inside it, and the row gives the tile under the point.
struct CMjDraw::HandBands {
    bool inRow = false;
    bool inDrawn = false;
    bool inExchangeDrawn = false;  // the drawn tile's band while tiles are picked for an exchange
    int index = -1;                // the row's tile under the point
};

CMjDraw::HandBands CMjDraw::HandBandsAt(int x, int y, const CMjPlayer& p) const {
    HandBands bands;
    const int n = p.cardnum;
    const int tw = nTileW;
    const int ay = OwnHandAnchor.y;
    if (tw <= 0 || n < 0 || n > 14 || y < ay - kRaise || y > ay + nTileH) return bands;
    int left = OwnHandAnchor.x - tw * n - kDrawnGap;
    if (pMj && pMj->state == kHandOver && p.hued) left += tw;
    if (n > 0 && x >= left && x <= left + n * tw) {
        bands.inRow = true;
        bands.index = (x - left) / tw;
        if (bands.index < 0 || bands.index > n - 1) bands.index = n - 1;
    }
    bands.inDrawn = p.hasnew && x >= left + n * tw + kDrawnGap && x <= left + (n + 1) * tw + kDrawnGap;
    bands.inExchangeDrawn = p.hasnew && x >= left + (n + 1) * tw && x <= left + (n + 2) * tw;
    return bands;
}

// While tiles are picked for an exchange a click anywhere on the hand counts and the caller
// marks the tile.  Otherwise a click raises the tile under it, and a second click lowers it;
// a click above the row selects nothing, one on the lowest 15 pixels of a raised tile does not
// lower it.
bool CMjDraw::HitTestHand(int x, int y, CMjPlayer* seat) {
    CMjPlayer& p = *seat;
    const HandBands bands = HandBandsAt(x, y, p);
    const int ay = OwnHandAnchor.y;
    if (pMj && pMj->exchangemode == 2) return bands.inRow || bands.inExchangeDrawn;
    int picked;
    if (bands.inRow)
        picked = bands.index;
    else if (bands.inDrawn)
        picked = p.cardnum;
    else
        return false;
    if (p.select == picked) {
        if (y > ay + nTileH - kRaise) return false;
        p.select = -1;
        return true;
    }
    if (y < ay) return false;
    p.select = picked;
    return true;
}

// The tile a click marks for the exchange is the one under the mouse: the drawn tile where it
// stands, not in the band one tile further right that the click test uses while marking.
int CMjDraw::ExchangeTileAt(int x, int y, const CMjPlayer& p) const {
    const HandBands bands = HandBandsAt(x, y, p);
    if (bands.inRow) return bands.index;
    return bands.inDrawn ? p.cardnum : -1;
}

// A hovered tile is raised; leaving the hand lowers it.  The wild tile and tiles that may not
// be played are never raised.  True when the hand must be drawn again.
bool CMjDraw::HoverHand(int x, int y, CMjPlayer* seat) {
    CMjPlayer& p = *seat;
    const HandBands bands = HandBandsAt(x, y, p);
    const int ay = OwnHandAnchor.y;
    const auto lower = [&p] {
        p.select = -1;
        return true;
    };
    if (bands.inDrawn) {
        const int n = p.cardnum;
        if (p.select == n) return false;
        if (y < ay) return false;
        if (p.select == -1 && bWildRule && IsSameTile(p.newmj, WildTile)) {
            p.select = -1;
            return false;
        }
        p.select = n;
        return true;
    }
    if (!bands.inRow) return p.select == -1 ? false : lower();
    const int i = bands.index;
    if (!p.canplay[i] || (bWildRule && IsSameTile(p.Mj[i], WildTile))) return lower();
    if (p.select == i) return false;
    if (y < ay) return p.select == -1 ? false : lower();
    p.select = i;
    return true;
}
