// The classic table's tile sprites and the four hands with their melds.  The user's hand stands
// at the bottom; the opposite seat's row of backs lies along the top; the side seats' columns
// of side views stand at the right and the left edge.  Every frame draws them afresh from the
// seat records; the only state written is each seat's landing position, which the flights read.
#include <algorithm>

#include "engine/Mj.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/TileCells.h"

namespace {

// The standing sheet's cell shown for a face-down tile and for the empty tile.
constexpr int kFaceDownCell = 27;
// The lying sheets keep their last cell, a tile's back, for a tile of suit 8 and for a
// discard lying face down.
constexpr int kSpareSuit = 8;
constexpr int kSpareCell = 42;
// Rows of a lying or river tile that the next tile of its column or river covers.
constexpr int kCoveredRows = 8;

// The user's hand: a raised tile stands 15 pixels higher; the drawn tile stands 20 pixels
// after the hand (and the hand starts 20 pixels further left to make room for it); a winning
// tile lies 10 pixels after it.
constexpr int kRaise = 15;
constexpr int kDrawnGap = 20;
constexpr int kWinningGap = 10;
// The draw animation beside the user's hand: the base, drawn 40 pixels narrower than its
// picture, under frames of 96 × 209 one every 136 pixels.
constexpr MjPoint kDrawAnimationAt{704, 361};
constexpr int kDrawBaseTrim = 40;
constexpr int kDrawFramePitch = 136;
constexpr int kDrawFrameW = 96;
constexpr int kDrawFrameH = 209;

// The side seats' standing tiles are drawn 20 pixels apart; a selected one leans 5 pixels
// towards the table.
constexpr int kSideViewStep = 20;
constexpr int kSideLean = 5;
// Seat 1's column stands 70 + 40 pixels in from the right edge beside its picture; seat 3's
// at x 110.
constexpr int kRightMargin = 70 + 40;
constexpr int kLeftColumnX = 110;
// Melds lie 4 pixels apart in a row, 12 in a column; the opposite seat's start 8 pixels after
// its hand.  A kong's fourth tile lies over the middle one: 16 pixels up on the user's row, 8
// on the opposite row, and one step less 8 pixels down a column.
constexpr int kRowMeldGap = 4;
constexpr int kColumnMeldGap = 12;
constexpr int kOppositeMeldGap = 8;
constexpr int kOwnKongLift = 16;
constexpr int kOppositeKongLift = 8;

bool CellOfLyingTile(const platform::Rect& sheet, const tagMj& tile, platform::Rect* cell) {
    if (tile.suit >= 0 && tile.suit <= kFlowerSuit) return StripCell(sheet, tile, cell);
    // Suit 8 takes the spare cell; any other suit counts from the first cell.
    const int base = tile.suit == kSpareSuit ? kSpareCell : 0;
    return EqualCell(sheet, kStripCells, base + tile.value - 1, cell);
}

platform::Rect Cropped(platform::Rect cell, bool cropBottom) {
    if (cropBottom) cell.bottom -= kCoveredRows;
    return cell;
}

// How one of the user's tiles looks in the hand.
struct TileLook {
    bool raised;
    bool dim;
};

enum class OwnMode { Normal, Exchange, ChowChoice };

// Tile i of the user's hand, or the drawn tile as i = the hand count.  The exchange shows the
// marked tiles bright; otherwise a tile not to be chosen now, and every wild tile, is dimmed,
// and the raised ones (the selected tile, and while choosing a chow its partner) are dimmed
// while the hand is being hidden.
TileLook OwnTileLook(const CMjPlayer& p, int i, bool wild, OwnMode mode) {
    if (mode == OwnMode::Exchange) return {i == p.select, p.change[i] == 0};
    const bool raised = i == p.select || (mode == OwnMode::ChowChoice && i == p.chowpeer);
    const bool dim = raised ? p.hidemj == 1 || wild : p.canplay[i] == 0 || wild;
    return {raised, dim};
}

}  // namespace

// --- Tile sprites ---------------------------------------------------------------------------

void CMjDraw::DrawStandingTile(const tagMj& tile, int x, int y, bool faceUp) {
    platform::Rect cell;
    const bool face = faceUp && !TileEqual(tile, tagMj{0, 0});
    if (face ? StripCell(rcHandTiles, tile, &cell)
             : EqualCell(rcHandTiles, kStripCells, kFaceDownCell, &cell))
        DrawKeyedCell(lpDDSHandTiles, cell, x, y);
}

void CMjDraw::DrawStandingTileDim(const tagMj& tile, int x, int y, bool faceUp) {
    platform::Rect cell;
    if (!faceUp)
        DrawKeyedCell(lpDDSSeatHand[0], rcSeatHand[0], x, y);
    else if (StripCell(rcHandTiles, tile, &cell))
        DrawDimCell(lpDDSHandTiles, cell, x, y);
}

platform::BlitResult CMjDraw::DrawLyingTile(const tagMj& tile, int seat, int x, int y,
                                            bool cropBottom) {
    platform::Rect cell;
    if (seat < 0 || seat > 3 || !CellOfLyingTile(rcLaidTiles[seat], tile, &cell))
        return platform::BlitResult::InvalidRect;
    return DrawKeyedCell(lpDDSLaidTiles[seat], Cropped(cell, cropBottom), x, y);
}

void CMjDraw::DrawLyingTileDim(const tagMj& tile, int seat, int x, int y, bool cropBottom) {
    platform::Rect cell;
    if (seat >= 0 && seat <= 3 && CellOfLyingTile(rcLaidTiles[seat], tile, &cell))
        DrawDimCell(lpDDSLaidTiles[seat], Cropped(cell, cropBottom), x, y);
}

void CMjDraw::DrawRiverTile(const tagMj& tile, int x, int y, bool cropBottom) {
    platform::Rect cell;
    if (StripCell(rcDeskTiles, tile, &cell))
        DrawKeyedCell(lpDDSDeskTiles, Cropped(cell, cropBottom), x, y);
}

void CMjDraw::DrawRiverBack(int seat, int x, int y, bool cropBottom) {
    platform::Surface* sheet = seat == 0 ? lpDDSDeskTiles : lpDDSLaidTiles[seat & 3];
    const platform::Rect& rect = seat == 0 ? rcDeskTiles : rcLaidTiles[seat & 3];
    platform::Rect cell;
    if (EqualCell(rect, kStripCells, kSpareCell, &cell))
        DrawKeyedCell(sheet, Cropped(cell, cropBottom), x, y);
}

void CMjDraw::DrawRiverTileDim(const tagMj& tile, int x, int y) {
    platform::Rect cell;
    if (StripCell(rcDeskTiles, tile, &cell)) DrawDimCell(lpDDSDeskTiles, cell, x, y);
}

// --- Melds ----------------------------------------------------------------------------------

namespace {

// The melds of a seat from `at`: the three tiles `step` apart, a kong's fourth at `fourth` from
// the first, and `gap` more between melds.  Returns where the next meld would start.
MjPoint DrawMelds(CMjDraw& draw, const CMjPlayer& seat, int side, MjPoint at, MjPoint step,
                  MjPoint fourth, MjPoint gap) {
    for (int m = 0; m < seat.gangnum; ++m) {
        const GetMj& meld = seat.Gang[m];
        for (int j = 0; j < 3; ++j) {
            const MjPoint tile = at + step * j;
            draw.DrawLyingTile(meld.Mj[j], side, tile.x, tile.y, false);
        }
        if (meld.num == 4) {
            const MjPoint tile = at + fourth;
            draw.DrawLyingTile(meld.Mj[3], side, tile.x, tile.y, false);
        }
        at = at + step * 3 + gap;
    }
    return at;
}

}  // namespace

void CMjDraw::DrawOwnMeldsClassic(CMjPlayer* seats) {
    const int w = nLaidTileW[0].w;
    const MjPoint at{800 - OwnHandAnchor.x, OwnHandAnchor.y + nTileH - nLaidTileW[0].h};
    DrawMelds(*this, seats[0], 0, at, {w, 0}, {w, -kOwnKongLift}, {kRowMeldGap, 0});
}

// --- The user's hand ------------------------------------------------------------------------

void CMjDraw::DrawOwnHandClassic(CMjPlayer* seats, std::uint8_t reveal) {
    const CMjPlayer& p = seats[0];
    const OwnMode mode = pMj && pMj->exchangemode == 2 ? OwnMode::Exchange
                         : p.choosechow              ? OwnMode::ChowChoice
                                                     : OwnMode::Normal;
    const CMjTimer* drawTimer = pMj ? pMj->Timer(kTimerReadyDraw) : nullptr;
    const bool animating = mode != OwnMode::ChowChoice && drawTimer && drawTimer->enabled;
    const int n = p.cardnum;
    const int x0 = OwnHandAnchor.x - nTileW * n - kDrawnGap;
    const int y = OwnHandAnchor.y;
    const auto stand = [&](const tagMj& tile, int x, TileLook look) {
        const int at = look.raised ? y - kRaise : y;
        if (look.dim)
            DrawStandingTileDim(tile, x, at, true);
        else
            DrawStandingTile(tile, x, at, true);
    };

    if (animating && mode == OwnMode::Normal) {
        const platform::Rect base{0, 0, rcDrawBase.right - kDrawBaseTrim, rcDrawBase.bottom};
        DrawKeyedCell(lpDDSDrawBase, base, kDrawAnimationAt.x, kDrawAnimationAt.y);
    }
    for (int i = 0; i < n; ++i)
        stand(p.Mj[i], x0 + nTileW * i, OwnTileLook(p, i, IsSameTile(p.Mj[i], WildTile), mode));
    // While a chow is being chosen neither the drawn nor the winning tile shows, and the
    // landing position stays.
    if (mode == OwnMode::ChowChoice) return;

    const int end = x0 + nTileW * n;
    if (p.hued && !reveal)
        DrawLyingTile(p.hutile, 0, end + kWinningGap, y + nTileH - nLaidTileW[0].h, false);
    else if (p.hasnew)
        stand(p.newmj, end + kDrawnGap, OwnTileLook(p, n, IsSameTile(p.newmj, WildTile), mode));
    LandPos[0] = {end + nTileW, y};

    if (animating) {
        const int left = kDrawFramePitch * pMj->readyframe;
        DrawKeyedCell(lpDDSDrawTile, {left, 0, left + kDrawFrameW, kDrawFrameH},
                      kDrawAnimationAt.x, kDrawAnimationAt.y);
    }
}

// --- The other three seats ------------------------------------------------------------------

namespace {

// The tiles a seat holds in its row or column while its hand is hidden: its drawn tile stands
// apart from the rest.
int HiddenCount(const CMjPlayer& p) { return p.hasnew ? p.cardnum - 1 : p.cardnum; }

}  // namespace

void CMjDraw::DrawOppositeHandClassic(CMjPlayer* seat, std::uint8_t reveal) {
    const CMjPlayer& p = *seat;
    const int w = nLaidTileW[2].w;
    const int y = nTableTop;
    const int k = p.gangnum;
    int meldsFrom;
    if (reveal) {
        const int n = p.cardnum;
        const int x0 = (800 - n * w - 4 * k - 3 * w * k) / 2;
        for (int i = 0; i < n; ++i) DrawLyingTile(p.Mj[i], 2, x0 + w * i, y, false);
        meldsFrom = x0 + w * n;
    } else {
        // The backs stand one pixel closer than their width; the drawn or winning tile stands
        // at the left end, as the user sees the row.
        const int n = HiddenCount(p);
        const int x0 = (800 - n * w - 4 * k - 3 * w * k) / 2;
        const int bw = rcSeatHand[2].right;
        for (int i = 0; i < n; ++i)
            DrawKeyedCell(lpDDSSeatHand[2], rcSeatHand[2], x0 + (bw - 1) * i,
                          i == p.select ? y + kRaise : y);
        if (p.hued)
            DrawLyingTile(p.hutile, 2, x0 - w - 10, y, false);
        else if (p.hasnew)
            DrawKeyedCell(lpDDSSeatHand[2], rcSeatHand[2], x0 - (bw - 1) - 5, y);
        LandPos[2] = {x0 - bw / 2, y + rcSeatHand[2].bottom};
        meldsFrom = x0 + bw * n;
    }
    DrawMelds(*this, p, 2, {meldsFrom + kOppositeMeldGap, y}, {w, 0}, {w, -kOppositeKongLift},
              {kRowMeldGap, 0});
}

// The side seats' columns run downward; their lying tiles overlap by the rows the next one
// covers.  Seat 1's column stands centred on the table's height unless that would take its
// lowest tile under the row of claim buttons beside it; then it ends above the row.
void CMjDraw::DrawRightHandClassic(CMjPlayer* seat, std::uint8_t reveal) {
    const CMjPlayer& p = *seat;
    const int step = nLaidTileW[1].h - kCoveredRows;
    const int k = p.gangnum;
    const int meldRun = (3 * step + kColumnMeldGap) * k;
    const platform::Rect& side = rcSeatHand[1];
    const int n = reveal ? p.cardnum : HiddenCount(p);
    // The hand's part of the column: lying tiles one step apart, or the standing backs.  The
    // melds start where the next lying tile would, or 8 pixels below the backs.
    const int handRun = reveal ? step * n + kCoveredRows : kSideViewStep * (n - 1) + side.bottom;
    const int meldsAfter = reveal ? -kCoveredRows : 8;
    const int columnRun =
        k > 0 ? handRun + meldsAfter + meldRun - kColumnMeldGap + kCoveredRows : handRun;
    const int y0 = std::min((600 - handRun - meldRun) / 2, kClaimRowTop - columnRun);
    const int meldsFrom = y0 + handRun + meldsAfter;
    int x;
    if (reveal) {
        x = 800 - kRightMargin - nLaidTileW[1].w;
        for (int i = 0; i < n; ++i) DrawLyingTile(p.Mj[i], 1, x, y0 + step * i, false);
    } else {
        // The drawn or winning tile stands above the column.
        x = 800 - kRightMargin - side.right;
        if (p.hued)
            DrawLyingTile(p.hutile, 1, x, y0 - nLaidTileW[1].h - 6, false);
        else if (p.hasnew)
            DrawKeyedCell(lpDDSSeatHand[1], side, x, y0 - 34);
        LandPos[1] = {x, p.hasnew ? y0 - 62 : y0 - 31};
        for (int i = 0; i < n; ++i)
            DrawKeyedCell(lpDDSSeatHand[1], side, i == p.select ? x - kSideLean : x,
                          y0 + kSideViewStep * i);
    }
    DrawMelds(*this, p, 1, {x, meldsFrom}, {0, step}, {0, step - kCoveredRows}, {0, kColumnMeldGap});
}

// The left seat's melds lie above its hand.
void CMjDraw::DrawLeftHandClassic(CMjPlayer* seat, std::uint8_t reveal) {
    const CMjPlayer& p = *seat;
    const int step = nLaidTileW[3].h - kCoveredRows;
    const int k = p.gangnum;
    const int meldRun = (3 * step + kColumnMeldGap) * k;
    const platform::Rect& side = rcSeatHand[3];
    const int x = kLeftColumnX;
    const int n = reveal ? p.cardnum : HiddenCount(p);
    const int top = reveal ? (600 - step * n - kCoveredRows - meldRun) / 2
                           : (600 - kSideViewStep * (n - 1) - side.bottom - meldRun) / 2;
    const int y = DrawMelds(*this, p, 3, {x, top}, {0, step}, {0, step - kCoveredRows},
                            {0, kColumnMeldGap}).y;
    if (reveal) {
        for (int i = 0; i < n; ++i) DrawLyingTile(p.Mj[i], 3, x, y + step * i, false);
        return;
    }
    // The drawn or winning tile stands below the column.
    for (int i = 0; i < n; ++i)
        DrawKeyedCell(lpDDSSeatHand[3], side, i == p.select ? x + kSideLean : x,
                      y + kSideViewStep * i);
    const int below = y + kSideViewStep * n + rcSeatHand[2].bottom - 21;
    if (p.hued)
        DrawLyingTile(p.hutile, 3, x, y + kSideViewStep * n + kSideViewStep, false);
    else if (p.hasnew)
        DrawKeyedCell(lpDDSSeatHand[3], side, x, below);
    LandPos[3] = {x, below};
}
