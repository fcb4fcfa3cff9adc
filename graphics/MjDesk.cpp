// The renderer's desk grid: placing each discard into its seat's next free cell, the saved
// bytes, and the new style's perspective drawing of the grid.
#include <algorithm>
#include <iterator>

#include "engine/Mj.h"
#include "rules/MjPlayer.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/TileCells.h"
#include "platform/Blit.h"

namespace {

// The desk sheet of a column band: columns 0–1 sheet 1, 2–4 sheet 2, 5–8 sheet 3, 9–11 sheet
// 4, 12 and beyond sheet 5 (as an index 0..4).
int DeskSheet(int a) {
    if (a <= 1) return 0;
    if (a <= 4) return 1;
    if (a <= 8) return 2;
    if (a <= 11) return 3;
    return 4;
}

// A desk cell spans 30 × 26 pixels at full size and shrinks by 0.04 a row towards the far side.
constexpr double kCellW = 30.0;
constexpr double kCellH = 26.0;
constexpr double kShrink = 0.04;
constexpr double kTileW = 35.0;
constexpr double kTileH = 45.0;

}  // namespace

void CMjDraw::ClearDesk() { desk.Clear(); }

// The table's mark of a cell: its discard lies face down.
std::uint8_t CMjDraw::DeskMark(int a, int b) const {
    return pMj ? pMj->deskhidden[a * kDeskSize + b] : 0;
}

void CMjDraw::InitDeskCursor(CMjPlayer* player, int seat) {
    const DeskCursor start = desk.StartCursor(seat);
    player->deskx = start.a;
    player->desky = start.b;
}

bool CMjDraw::AddDeskTile(CMjPlayer* player, int seat, const tagMj& tile) {
    DeskCursor cursor{player->deskx, player->desky};
    if (!desk.Place(seat, cursor, tile)) return false;
    player->deskx = cursor.a;
    player->desky = cursor.b;
    return true;
}

void CMjDraw::SetDeskCell(int a, int b, std::uint8_t value) {
    if (a >= 0 && a < kDeskSize && b >= 0 && b < kDeskSize) desk.occupied[a][b] = value;
}

void CMjDraw::SaveDesk(std::vector<std::uint8_t>& out) const { desk.Save(out); }

// The saved grid does not say whose discard lies where; the seats' rivers and desk cursors,
// loaded first, do.
void CMjDraw::LoadDesk(const std::uint8_t* bytes) {
    desk.Load(bytes);
    if (pMj == nullptr) return;
    DeskGrid::River rivers[4];
    for (int s = 0; s < 4; ++s) {
        const CMjPlayer& p = pMj->Player[s];
        rivers[s] = {p.River, std::clamp(p.rivernum, 0, static_cast<int>(std::size(p.River))),
                     DeskCursor{p.deskx, p.desky}};
    }
    desk.FindOwners(rivers);
}

bool CMjDraw::RiverTileHidden(int seat, int index) const {
    DeskCursor cell;
    return desk.CellOfDiscard(seat, index, &cell) && DeskMark(cell.a, cell.b) != 0;
}

// Columns 0 to 6 first, then from the right edge back to 7, so the tiles nearer the middle lie
// over their outer neighbours; within a column from the far row to the near one.
void CMjDraw::DrawDesk() {
    const auto drawColumn = [this](int a) {
        for (int b = 0; b < desk.rows; ++b)
            if (desk.occupied[a][b]) DrawDeskTile(desk.tiles[a][b], a, b, DeskMark(a, b));
    };
    for (int a = 0; a <= 6 && a < desk.columns; ++a) drawColumn(a);
    for (int a = desk.columns - 1; a >= 7; --a) drawColumn(a);
}

// One desk tile in perspective: a keyed stretch of its cell of the column band's sheet, or,
// when the cell's mark says its discard lies face down, of the lying back of the tile-body
// sheet.  A tile outside the sheet's 9 values and 4 suits draws nothing.
void CMjDraw::DrawDeskTile(const tagMj& tile, int a, int b, std::uint8_t mark) {
    if (tile.value < 1 || tile.value > 9 || tile.suit < 0 || tile.suit > 3) return;
    const int C = desk.columns;
    const int R = desk.rows;
    const double k = 1.0 - kShrink * (R - b);
    const int left = static_cast<int>(DeskOrigin.x + (R - b) * C * kCellW * kShrink * 0.5 +
                                      k * a * kCellW);
    const int top = static_cast<int>(k * b * kCellH + DeskOrigin.y);
    const platform::Rect dst{left, top, static_cast<int>(k * kTileW + left),
                             static_cast<int>(k * kTileH + top)};
    if (mark) {
        platform::Blt(lpDDSPla, &dst, lpDDSPaiSheet, &kLyingBack,
                      platform::kBltKeySrc | platform::kBltAlphaEdgeBlend);
        return;
    }
    // Every sheet is cut by the first sheet's cell size.
    const int cw = rcNewDiscard[0].right / 9;
    const int ch = rcNewDiscard[0].bottom / 4;
    const int col = tile.value - 1;
    const platform::Rect src{col * cw, tile.suit * ch, col * cw + cw, tile.suit * ch + ch};
    platform::Blt(lpDDSPla, &dst, lpDDSNewDiscard[DeskSheet(a)], &src,
                  platform::kBltKeySrc | platform::kBltAlphaEdgeBlend);
}
