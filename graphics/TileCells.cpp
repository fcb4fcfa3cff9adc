#include "graphics/TileCells.h"

#include "graphics/AlphaBlend.h"
#include "graphics/GraphicsGlobals.h"

namespace {

constexpr int kGridColumns = 9;
// The first strip cell of each suit: characters, bamboo, dots, honours, flowers.
constexpr int kStripBase[] = {0, 9, 18, 27, 34};
// Values per suit in the strip.
constexpr int kStripValues[] = {9, 9, 9, 7, 8};

}  // namespace

bool GridCell(const platform::Rect& sheet, int rows, const tagMj& tile, platform::Rect* cell) {
    if (tile.value < 1 || tile.value > kGridColumns || tile.suit < 0 || tile.suit >= rows)
        return false;
    const int w = sheet.right / kGridColumns;
    const int h = sheet.bottom / rows;
    const int left = w * (tile.value - 1);
    const int top = h * tile.suit;
    *cell = {left, top, left + w, top + h};
    return true;
}

bool StripCell(const platform::Rect& sheet, const tagMj& tile, platform::Rect* cell) {
    if (tile.suit < 0 || tile.suit > 4 || tile.value < 1 || tile.value > kStripValues[tile.suit])
        return false;
    return EqualCell(sheet, kStripCells, kStripBase[tile.suit] + tile.value - 1, cell);
}

bool EqualCell(const platform::Rect& sheet, int count, int index, platform::Rect* cell) {
    if (index < 0 || index >= count) return false;
    const int w = sheet.right / count;
    *cell = {w * index, 0, w * index + w, sheet.bottom};
    return true;
}

platform::BlitResult DrawKeyedCell(platform::Surface* picture, const platform::Rect& cell, int x,
                                   int y) {
    return platform::BltFast(lpDDSPla, x, y, picture, &cell, kKeyedCopy);
}

void DrawDimCell(const platform::Surface* picture, const platform::Rect& cell, int x, int y) {
    GAlphaBlt(picture, x, y, cell.left, cell.top, cell.right, cell.bottom, kDimOpacity);
}
