// The marks of the lobby's user list, 16 × 16 each: a listed member's star, then where the user
// is (in the lobby, seated, seated and ready, playing), so a player sees at a glance who is
// free to invite.
#include "tools/art/ArtKit.h"
#include "tools/art/Painters.h"

#include <QPainterPath>

namespace art {

namespace {

QRectF Cell(const AssetFile& f, int i) {
    const double w = f.width / f.entry->cols;
    return QRectF(i * w, 0, w, f.height);
}

// Free: a green dot.
void PaintFree(QPainter& p, const QRectF& c) {
    p.setPen(QPen(QColor(20, 90, 30), 1));
    p.setBrush(QColor(70, 200, 80));
    p.drawEllipse(c.adjusted(3, 3, -3, -3));
}

// A table seen from above: wooden rim, felt of the given colour.
void PaintTableTop(QPainter& p, const QRectF& c, const QColor& felt) {
    Plate(p, c.adjusted(1, 1, -1, -1), QColor(170, 110, 60), QColor(100, 60, 30), 3);
    p.setPen(Qt::NoPen);
    p.setBrush(felt);
    p.drawRect(c.adjusted(4, 4, -4, -4));
}

// Ready: a yellow tick over the table.
void PaintTick(QPainter& p, const QRectF& c) {
    QPainterPath tick;
    tick.moveTo(c.left() + 4, c.top() + 8);
    tick.lineTo(c.left() + 7, c.top() + 11);
    tick.lineTo(c.left() + 12, c.top() + 4);
    p.setPen(QPen(QColor(255, 230, 40), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

// Playing: three tiles on the table.
void PaintTiles(QPainter& p, const QRectF& c) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(250, 250, 240));
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(c.left() + 4 + i * 3, c.top() + 6, 2, 4));
}

}  // namespace

void PaintUserMarks(QPainter& p, const AssetFile& f) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF member = Cell(f, 0);
    Star(p, member.center(), member.width() * 0.47, member.width() * 0.2, 5, QColor(240, 180, 20));
    PaintFree(p, Cell(f, 1));
    PaintTableTop(p, Cell(f, 2), QColor(60, 120, 90));
    PaintTableTop(p, Cell(f, 3), QColor(60, 120, 90));
    PaintTick(p, Cell(f, 3));
    PaintTableTop(p, Cell(f, 4), QColor(190, 50, 40));
    PaintTiles(p, Cell(f, 4));
}

}  // namespace art
