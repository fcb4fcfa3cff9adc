// The one tile painter: faces (characters, bamboo, dots, honours, flowers), tile bodies and
// backs.  Every tile sheet, grid, wall piece and animation frame is built from these.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace art {

// A tile as the sheets order them: suit 0 characters, 1 bamboo, 2 dots, 3 honours (winds 1-4,
// dragons 5-7), 4 flowers 1-8.  Suit -1 is the spare blank cell.
struct Tile {
    int suit;
    int value;
};

// The tile in cell c of a 43-cell sheet.
Tile SheetTile(int cell);

// One style's tile colours: faces, backs and sides of a style share them.
struct TileLook {
    QColor face;
    QColor back;
    QColor rim;
};
const TileLook& ClassicTiles();
const TileLook& NewTiles();

// The engraving of a tile inside faceRect, turned by quarterTurns x 90 degrees clockwise.
void PaintFace(QPainter& p, const QRectF& faceRect, Tile tile, int quarterTurns = 0);

// A tile body with its face up: 'top' pixels of back colour above the face (a standing tile's
// back shows over it) and 'bottom' pixels of tile side below it (a lying tile's front edge).
// Returns the face rectangle.
QRectF PaintBody(QPainter& p, const QRectF& r, const TileLook& look, double top, double bottom);

// A tile seen from its back; 'side' pixels of the ivory layer show along the bottom edge.
void PaintBack(QPainter& p, const QRectF& r, const TileLook& look, double side);

// A whole tile: body and face.
void PaintTile(QPainter& p, const QRectF& r, const TileLook& look, Tile tile, double top,
               double bottom, int quarterTurns = 0);

}  // namespace art
