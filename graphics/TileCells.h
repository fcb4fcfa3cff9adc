// Where a tile's picture lies in the table's tile sheets, and the ways the table puts a picture
// on the composition surface.
#pragma once

#include "platform/Blit.h"
#include "platform/Rect.h"
#include "rules/Tile.h"

// The flags of the table's copies: a keyed fast copy (the ordinary way), an opaque fast copy
// (the background), and a keyed stretch (pieces drawn smaller for perspective).
constexpr unsigned kKeyedCopy = platform::kBltFastWait | platform::kBltFastSrcColorKey;
constexpr unsigned kOpaqueCopy = platform::kBltFastWait;
constexpr unsigned kKeyedStretch = platform::kBltKeySrc | platform::kBltAlphaEdgeBlend;

// The backs the new style's tile-body sheet "Graphic\pai.bmp" holds beside its bodies: a
// standing tile's (a tile played face down) and a lying tile's (a discard face down).
constexpr platform::Rect kStandingBack{0, 0, 48, 75};
constexpr platform::Rect kLyingBack{48, 25, 96, 75};

// Opacity of dimmed tiles.
constexpr int kDimOpacity = 120;

// The cell of `tile` in a grid sheet of 9 values across by `rows` suits down (column value − 1,
// row suit), each cell the sheet's width / 9 by its height / rows.  False, and `cell` left
// alone, for a tile with no cell there.
bool GridCell(const platform::Rect& sheet, int rows, const tagMj& tile, platform::Rect* cell);

// The tile strips hold 43 equal cells: characters, bamboo, dots, honours from cell 27, flowers
// from cell 34, and one spare cell.
constexpr int kStripCells = 43;

// The cell of `tile` in a tile strip.  False for a tile with no cell there.
bool StripCell(const platform::Rect& sheet, const tagMj& tile, platform::Rect* cell);

// Cell `index` of a strip of `count` equal cells side by side (the digits, the dice faces, the
// sparkles); false when the index lies outside the strip.
bool EqualCell(const platform::Rect& sheet, int count, int index, platform::Rect* cell);

// A cell of a picture put on the composition surface with its corner at (x, y): keyed (the
// ordinary way), or dimmed (blended at kDimOpacity; key-coloured pixels still left out).
platform::BlitResult DrawKeyedCell(platform::Surface* picture, const platform::Rect& cell, int x,
                                   int y);
void DrawDimCell(const platform::Surface* picture, const platform::Rect& cell, int x, int y);
