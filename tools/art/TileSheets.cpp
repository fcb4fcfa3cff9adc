// Tile sheets, grids, backs and the draw animation, all made with the one tile painter.
#include "tools/art/ArtKit.h"
#include "tools/art/Painters.h"
#include "tools/art/TilePainter.h"

#include <cmath>
#include <functional>

namespace art {

namespace {

QRectF Cell(const AssetFile& f, int col, int row) {
    const double w = f.width / f.entry->cols;
    const double h = f.height / f.entry->rows;
    return QRectF(col * w, row * h, w, h);
}

const TileLook& LookOf(int variant) {
    return (variant & NewStyleTiles) ? NewTiles() : ClassicTiles();
}

// Grid cell (value - 1, suit) -> tile; cells without a tile (honours past 7) are blank.
Tile GridTile(int col, int row) {
    if (row == 3 && col >= 7) return {-1, 0};
    if (row == 4 && col >= 8) return {-1, 0};
    return {row, col + 1};
}

// Draws a tile inside a sheared cell: the perspective steps of the desk and the walls.
void Sheared(QPainter& p, const QRectF& cell, double shear, const std::function<void(QRectF)>& draw) {
    const double w = cell.width() - std::abs(shear) * cell.height() - 2;
    const double h = cell.height() - 2;
    p.save();
    p.translate(cell.center());
    p.shear(shear, 0);
    draw(QRectF(-w / 2, -h / 2, w, h));
    p.restore();
}

}  // namespace

void PaintStandingSheet(QPainter& p, const AssetFile& f) {
    const TileLook& look = f.entry->variant == 1 ? NewTiles() : ClassicTiles();
    for (int c = 0; c < 43; ++c) {
        QRectF r = Cell(f, c, 0);
        PaintTile(p, r.adjusted(0.5, 0, -0.5, 0), look, SheetTile(c), r.height() * 0.12,
                  r.height() * 0.03);
    }
}

void PaintLyingSheet(QPainter& p, const AssetFile& f) {
    // Seat 1 (right) reads its tiles with their tops toward the table's centre (to the left
    // of the screen), seat 3 the other way; the other seats' tiles stand upright.
    static const int kTurns[5] = {0, 3, 0, 1, 0};
    const int seat = f.entry->variant;
    for (int c = 0; c < 43; ++c) {
        QRectF r = Cell(f, c, 0);
        // The lowest 8 rows are the tile's front edge: rivers and melds crop them off the
        // tiles behind the first row.  The spare last cell is a tile lying face down, with
        // the same front edge.
        if (SheetTile(c).suit < 0)
            PaintBack(p, r.adjusted(0.5, 0, -0.5, 0), ClassicTiles(), 8);
        else
            PaintTile(p, r.adjusted(0.5, 0, -0.5, 0), ClassicTiles(), SheetTile(c), 0, 8,
                      kTurns[seat]);
    }
}

void PaintFaceGrid(QPainter& p, const AssetFile& f) {
    for (int row = 0; row < f.entry->rows; ++row)
        for (int col = 0; col < f.entry->cols; ++col) {
            QRectF r = Cell(f, col, row);
            p.fillRect(r, NewTiles().face);
            PaintFace(p, r.adjusted(1, 1, -1, -1), GridTile(col, row));
        }
}

void PaintLaidGrid(QPainter& p, const AssetFile& f) {
    static const int kTurns[4] = {0, 3, 0, 1};
    const int variant = f.entry->variant;
    const bool desk = variant >= 10;
    const double shear = desk ? (f.index - 3) * 0.09 : 0.0;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 9; ++col) {
            Tile tile = GridTile(col, row);
            if (tile.suit < 0) continue;
            QRectF r = Cell(f, col, row);
            const double bottom = std::max(3.0, r.height() * 0.16);
            Sheared(p, r, shear, [&](QRectF body) {
                PaintTile(p, body, NewTiles(), tile, 0, bottom, desk ? 0 : kTurns[variant]);
            });
        }
}

void PaintBodySheet(QPainter& p, const AssetFile& f) {
    // The blank upright body the faces of mj.bmp are laid on at (+5, +25): the top of the
    // tile seen from above, then the ivory front.
    QRectF body(330, 0, 55, 75);
    PaintBody(p, body, NewTiles(), 21, 1);
    // A standing back and a lying back in the first cells, in the same look.
    PaintBack(p, QRectF(0, 0, 48, 75), NewTiles(), 6);
    PaintBack(p, QRectF(48, 25, 48, 50), NewTiles(), 8);
}

void PaintTileBackPicture(QPainter& p, const AssetFile& f) {
    const TileLook& look = LookOf(f.entry->variant);
    const int view = f.entry->variant & 0xFF;
    QRectF r(0, 0, f.width, f.height);
    if (view == BackSide) {
        // A standing tile seen edge-on: its back and, on the inner side, a sliver of face.
        PaintBack(p, r.adjusted(0, 0, -r.width() * 0.35, 0), look, r.height() * 0.08);
        PaintBody(p, r.adjusted(r.width() * 0.55, 0, 0, 0), look, 0, r.height() * 0.08);
        return;
    }
    static const double kSide[] = {0.12, 0.08, 0.3, 0.27, 0.2, 0.2, 0.2, 0.1};
    PaintBack(p, r, look, std::round(r.height() * kSide[view]));
}

void PaintTileBackStrip(QPainter& p, const AssetFile& f) {
    const TileLook& look = LookOf(f.entry->variant);
    const int n = f.entry->cols;
    for (int i = 0; i < n; ++i) {
        QRectF r = Cell(f, i, 0);
        const double shear = n > 1 ? (i - (n - 1) / 2.0) / (n - 1) * 0.3 : 0.0;
        Sheared(p, r, shear, [&](QRectF body) { PaintBack(p, body, look, body.height() * 0.25); });
    }
}

void PaintTiltedTile(QPainter& p, const AssetFile& f) {
    p.save();
    p.translate(f.width / 2.0, f.height / 2.0);
    p.rotate(-18);
    PaintTile(p, QRectF(-15, -20, 30, 40), NewTiles(), Tile{3, 5}, 4, 3);
    p.restore();
}

void PaintDrawAnimation(QPainter& p, const AssetFile& f) {
    // A tile rises out of the wall and turns its face up, frame by frame; every frame keeps
    // inside the 81 pixels the new style shows of it.
    for (int frame = 0; frame < f.entry->cols; ++frame) {
        const double x = frame * 136.0;
        const double y = 118 - frame * 12.0;
        const double t = frame / 8.0;
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        for (int trail = 1; trail <= 3 && frame > 0; ++trail) {
            QColor c(255, 230, 150, 90 - trail * 25);
            p.fillRect(QRectF(x + 14, y + 80 + trail * 9, 52, 4), c);
        }
        QRectF tile(x + 12, y, 56, 80);
        if (t < 0.5) PaintBack(p, tile, NewTiles(), 8);
        else PaintTile(p, tile, NewTiles(), Tile{3, 5}, 12, 3);
        p.restore();
    }
}

void PaintDrawBase(QPainter& p, const AssetFile& f) {
    // Only the left width - 40 pixels are drawn: a wooden tray under the animation.
    QRectF tray(2, 110, f.width - 44, f.height - 112);
    Plate(p, tray, QColor(150, 96, 52), QColor(92, 56, 28), 8);
    Plate(p, tray.adjusted(6, 6, -6, -6), QColor(70, 120, 80), QColor(40, 84, 52), 5);
}

}  // namespace art
