// The middle of the classic table: each seat's river of discards, the four walls, the tile each
// seat shows in play, the dice, the claim banners, and the tile or wall piece in flight.
#include <algorithm>
#include <iterator>

#include "engine/Mj.h"
#include "graphics/MjDraw.h"
#include "graphics/TileCells.h"

namespace {

// Rows of a river tile that the next row covers.
constexpr int kCoveredRows = 8;

// Which tiles of a river are drawn without their covered rows: none, every tile after the
// first row (the user's river, whose later rows stand behind the first), or every tile but the
// first of its column (seat 1's river, whose columns rise).
enum class RiverCrop { None, AfterFirstRow, AfterColumnStart };

// Wall stacks: 18 a side, drawn side by side on the horizontal walls (one `cc2.bmp` width
// apart) and 15 pixels apart down the vertical ones; a stack's upper tile stands 5 or 8 pixels
// above its lower one.
constexpr int kStacksPerSide = 18;
constexpr int kVerticalStackStep = 15;
constexpr int kHorizontalLift = 5;
constexpr int kVerticalLift = 8;

struct WallSide {
    int side;       // also the wall picture: `cc2.bmp` on sides 0 and 2, `cc1.bmp` on 1 and 3
    int first;      // the stack drawn first
    int direction;  // +1 or -1: the stacks drawn next
    bool horizontal;
};

// The sides in drawing order: the near wall from its right end, the left wall from its bottom,
// the far wall and the right wall from their first stacks.
constexpr WallSide kWallSides[] = {
    {0, 17, -1, true},
    {3, 35, -1, false},
    {2, 36, +1, true},
    {1, 54, +1, false},
};

// Dice: cells of 33 × 33, faces 1..6 in cells 0..5 and the throw from cell 6.  The second die
// lies 40 pixels to the right of the first, or below it when a side seat throws.
constexpr int kDieCell = 33;
constexpr int kFirstThrowCell = 6;
constexpr int kSecondDieOffset = 40;

// One seat's river: rows of `firstRow` tiles, each next row 2 shorter, then rows of one tile.
// A new row starts one `rowShift` from the previous row's start, tiles within a row `step`
// apart.  The user's single-tile rows instead rise straight above the last tile.
struct RiverWalk {
    int seat;
    int firstRow;
    MjPoint start;
    MjPoint step;
    MjPoint rowShift;
    bool riseAboveLast;
    RiverCrop crop;
};

void DrawRiver(CMjDraw& draw, const CMjPlayer& seat, const RiverWalk& walk) {
    const int count = std::clamp(seat.rivernum, 0, static_cast<int>(std::size(seat.River)));
    int length = walk.firstRow;  // the running row's length
    int nextRow = walk.firstRow;  // the index that starts the next row
    MjPoint rowStart = walk.start;
    MjPoint at = walk.start;
    for (int i = 0; i < count; ++i) {
        bool columnStart = i == 0;
        if (i == nextRow) {
            length -= 2;
            nextRow += length > 0 ? length : 1;
            if (length > 0 || !walk.riseAboveLast)
                rowStart = rowStart + walk.rowShift;
            else
                rowStart = {at.x, rowStart.y + walk.rowShift.y};
            at = rowStart;
            columnStart = true;
        } else if (i > 0) {
            at = at + walk.step;
        }
        const bool crop = (walk.crop == RiverCrop::AfterFirstRow && i >= walk.firstRow) ||
                          (walk.crop == RiverCrop::AfterColumnStart && !columnStart);
        if (draw.RiverTileHidden(walk.seat, i))
            draw.DrawRiverBack(walk.seat, at.x, at.y, crop);
        else if (walk.seat == 0)
            draw.DrawRiverTile(seat.River[i], at.x, at.y, crop);
        else
            draw.DrawLyingTile(seat.River[i], walk.seat, at.x, at.y, crop);
    }
}

}  // namespace

// --- Rivers ---------------------------------------------------------------------------------

// The rivers lie in front of each seat, rows growing towards the centre; seats 0 and 2 in rows
// of 11, the side seats in columns of 9.  A discard made with the hide item lies face down.
void CMjDraw::DrawRiversClassic(CMjPlayer* seats) {
    const int wd = nDeskTileW;
    const int hd = nDeskTileH - kCoveredRows;
    const MjSize w[4] = {nLaidTileW[0], nLaidTileW[1], nLaidTileW[2], nLaidTileW[3]};
    const RiverWalk walks[] = {
        {0, 11, {255 - wd, 397}, {wd, 0}, {wd, -hd}, true, RiverCrop::AfterFirstRow},
        {2, 11, {540, 140}, {-w[2].w, 0}, {-w[2].w, w[2].h - kCoveredRows}, false,
         RiverCrop::None},
        {3, 9, {210, 190 - w[3].h}, {0, w[3].h - kCoveredRows}, {w[3].w, w[3].h - kCoveredRows},
         false, RiverCrop::None},
        {1, 9, {558, 373}, {0, -(w[1].h - kCoveredRows)}, {-w[1].w, -(w[1].h - kCoveredRows)},
         false, RiverCrop::AfterColumnStart},
    };
    for (const RiverWalk& walk : walks) DrawRiver(*this, seats[walk.seat], walk);
}

// --- Walls ----------------------------------------------------------------------------------

void CMjDraw::DrawWallsClassic(const std::uint8_t* heights) {
    const int ww = rcWallStack[0].right;
    for (const WallSide& wall : kWallSides) {
        platform::Surface* piece = lpDDSWallStack[wall.side];
        const platform::Rect& rect = rcWallStack[wall.side];
        const MjPoint origin = WallOrigin[wall.side];
        const MjPoint step = wall.horizontal ? MjPoint{ww, 0} : MjPoint{0, kVerticalStackStep};
        const int lift = wall.horizontal ? kHorizontalLift : kVerticalLift;
        for (int i = 0; i < kStacksPerSide; ++i) {
            const int height = heights[wall.first + wall.direction * i];
            const MjPoint at = origin + step * i;
            if (height >= 1) DrawKeyedCell(piece, rect, at.x, at.y);
            if (height >= 2) DrawKeyedCell(piece, rect, at.x, at.y - lift);
        }
    }
}

// --- Tiles in play, dice, banners -----------------------------------------------------------

// A seat's tile in play stands face up at its hand position, dimmed while the hand is hidden.
void CMjDraw::DrawPlayedTilesClassic(CMjPlayer* seats) {
    for (int s = 0; s < 4; ++s) {
        const CMjPlayer& p = seats[s];
        if (!p.played) continue;
        if (p.hidemj == 1)
            DrawStandingTileDim(p.PlayMj, HandPos[s].x, HandPos[s].y, true);
        else
            DrawStandingTile(p.PlayMj, HandPos[s].x, HandPos[s].y, true);
    }
}

// The dice where the throw has brought them: the throw's frame while they roll, then the two
// faces.  A throw step past the sheet's last frame reads outside the picture and draws nothing.
void CMjDraw::DrawDiceClassic() {
    int cells[2];
    if (nAnimKind == kAnimDice) {
        cells[0] = cells[1] = kFirstThrowCell + nFlightStep;
    } else if (bDiceShown) {
        cells[0] = nDice1 - 1;
        cells[1] = nDice2 - 1;
    } else {
        return;
    }
    const MjPoint second = nDiceSeat % 2 != 0 ? MjPoint{0, kSecondDieOffset}
                                              : MjPoint{kSecondDieOffset, 0};
    const MjPoint at[2] = {FlightPos, FlightPos + second};
    for (int d = 0; d < 2; ++d) {
        const int left = kDieCell * cells[d];
        DrawKeyedCell(lpDDSDice, {left, 0, left + kDieCell, kDieCell}, at[d].x, at[d].y);
    }
}

// The same banner pictures as the new style's, at the classic layout's banner positions.
void CMjDraw::DrawActionBannerClassic(CMjPlayer* seats) { DrawActionBanner(seats); }

// --- Flights --------------------------------------------------------------------------------

// A discard flies as it will lie: a user's discard or a claimed tile on the river sheet, another
// seat's on its lying sheet.  A tile from the wall flies as its wall's piece.
void CMjDraw::DrawFlightClassic() {
    if (nAnimKind == kAnimTileFlight) {
        if (nFlightSeat == 0)
            DrawRiverTile(FlyMj, FlightPos.x, FlightPos.y, false);
        else
            DrawLyingTile(FlyMj, nFlightSeat, FlightPos.x, FlightPos.y, false);
    } else if (nAnimKind == kAnimWallFlight && nWallSide >= 0 && nWallSide <= 3) {
        DrawKeyedCell(lpDDSWallStack[nWallSide], rcWallStack[nWallSide], FlightPos.x,
                      FlightPos.y);
    }
}
