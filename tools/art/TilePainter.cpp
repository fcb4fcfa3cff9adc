#include "tools/art/TilePainter.h"

#include "tools/art/ArtKit.h"

#include <QPainterPath>

#include <array>
#include <vector>

namespace art {

namespace {

const QColor kInk(27, 38, 89);
const QColor kRed(184, 30, 30);
const QColor kGreen(24, 120, 58);
const QColor kBlue(31, 79, 160);

struct Spot {
    double x, y;
};

// Dot positions for 1..9 in the unit square of the face.
const std::array<std::vector<Spot>, 9> kDots = {{
    {{0.5, 0.5}},
    {{0.5, 0.27}, {0.5, 0.73}},
    {{0.24, 0.2}, {0.5, 0.5}, {0.76, 0.8}},
    {{0.28, 0.27}, {0.72, 0.27}, {0.28, 0.73}, {0.72, 0.73}},
    {{0.26, 0.22}, {0.74, 0.22}, {0.5, 0.5}, {0.26, 0.78}, {0.74, 0.78}},
    {{0.3, 0.18}, {0.7, 0.18}, {0.3, 0.5}, {0.7, 0.5}, {0.3, 0.82}, {0.7, 0.82}},
    {{0.22, 0.13}, {0.5, 0.25}, {0.78, 0.37}, {0.3, 0.62}, {0.7, 0.62}, {0.3, 0.86},
     {0.7, 0.86}},
    {{0.3, 0.13}, {0.7, 0.13}, {0.3, 0.38}, {0.7, 0.38}, {0.3, 0.62}, {0.7, 0.62},
     {0.3, 0.87}, {0.7, 0.87}},
    {{0.2, 0.17}, {0.5, 0.17}, {0.8, 0.17}, {0.2, 0.5}, {0.5, 0.5}, {0.8, 0.5}, {0.2, 0.83},
     {0.5, 0.83}, {0.8, 0.83}},
}};
const std::array<double, 9> kDotRadius = {0.40, 0.21, 0.17, 0.19, 0.17, 0.15, 0.13, 0.12, 0.13};

// Stick positions for bamboo 2..9 (index value - 2) and the stick height for each value.
const std::array<std::vector<Spot>, 8> kSticks = {{
    {{0.5, 0.26}, {0.5, 0.74}},
    {{0.5, 0.26}, {0.28, 0.74}, {0.72, 0.74}},
    {{0.3, 0.26}, {0.7, 0.26}, {0.3, 0.74}, {0.7, 0.74}},
    {{0.22, 0.26}, {0.78, 0.26}, {0.5, 0.5}, {0.22, 0.74}, {0.78, 0.74}},
    {{0.2, 0.26}, {0.5, 0.26}, {0.8, 0.26}, {0.2, 0.74}, {0.5, 0.74}, {0.8, 0.74}},
    {{0.5, 0.17}, {0.2, 0.5}, {0.5, 0.5}, {0.8, 0.5}, {0.2, 0.83}, {0.5, 0.83}, {0.8, 0.83}},
    {{0.14, 0.26}, {0.38, 0.26}, {0.62, 0.26}, {0.86, 0.26}, {0.14, 0.74}, {0.38, 0.74},
     {0.62, 0.74}, {0.86, 0.74}},
    {{0.2, 0.17}, {0.5, 0.17}, {0.8, 0.17}, {0.2, 0.5}, {0.5, 0.5}, {0.8, 0.5}, {0.2, 0.83},
     {0.5, 0.83}, {0.8, 0.83}},
}};

const char16_t* const kNumerals[9] = {u"一", u"二", u"三", u"四", u"五",
                                      u"六", u"七", u"八", u"九"};
const char16_t* const kHonours[7] = {u"東", u"南", u"西", u"北", u"中", u"發", u""};
const char16_t* const kFlowers[8] = {u"梅", u"兰", u"竹", u"菊", u"春", u"夏", u"秋", u"冬"};
const QColor kFlowerInk[8] = {QColor(190, 30, 60), QColor(110, 50, 150), QColor(24, 120, 58),
                              QColor(200, 110, 0), QColor(24, 120, 58), QColor(190, 30, 60),
                              QColor(200, 110, 0), QColor(31, 79, 160)};

QString Text(const char16_t* s) { return QString::fromUtf16(s); }

void PaintDots(QPainter& p, const QRectF& f, int value) {
    const double unit = std::min(f.width(), f.height() * 0.8);
    const double r = kDotRadius[value - 1] * unit;
    const QColor cycle[3] = {kBlue, kGreen, kRed};
    int i = 0;
    for (const Spot& s : kDots[value - 1]) {
        QPointF c(f.left() + s.x * f.width(), f.top() + s.y * f.height());
        QColor colour = value == 1 ? kRed : cycle[(i++ + value) % 3];
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(c, r, r);
        p.setBrush(QColor(250, 248, 240));
        p.drawEllipse(c, r * 0.62, r * 0.62);
        p.setBrush(colour);
        p.drawEllipse(c, r * 0.38, r * 0.38);
    }
}

void PaintStick(QPainter& p, QPointF c, double w, double h, const QColor& colour) {
    QRectF r(c.x() - w / 2, c.y() - h / 2, w, h);
    p.setPen(QPen(colour.darker(160), std::max(0.6, w * 0.12)));
    p.setBrush(colour);
    p.drawRoundedRect(r, w * 0.45, w * 0.45);
    p.setPen(QPen(colour.darker(190), std::max(0.6, w * 0.16)));
    p.drawLine(QPointF(r.left() + w * 0.15, c.y()), QPointF(r.right() - w * 0.15, c.y()));
}

void PaintBird(QPainter& p, const QRectF& f) {
    auto at = [&f](double x, double y) {
        return QPointF(f.left() + x * f.width(), f.top() + y * f.height());
    };
    const double u = std::min(f.width(), f.height());
    p.setPen(Qt::NoPen);
    // Tail feathers.
    for (int i = 0; i < 3; ++i) {
        QPainterPath tail;
        tail.moveTo(at(0.45, 0.62));
        tail.quadTo(at(0.1 + 0.1 * i, 0.75 + 0.05 * i), at(0.08 + 0.12 * i, 0.95));
        tail.quadTo(at(0.3 + 0.05 * i, 0.8), at(0.55, 0.66));
        p.setBrush(i == 1 ? kRed : kGreen);
        p.drawPath(tail);
    }
    p.setBrush(kGreen);
    p.drawEllipse(at(0.55, 0.55), 0.24 * f.width(), 0.17 * f.height());
    p.setBrush(kBlue);
    QPainterPath wing;
    wing.moveTo(at(0.42, 0.5));
    wing.quadTo(at(0.6, 0.3), at(0.75, 0.55));
    wing.quadTo(at(0.6, 0.6), at(0.42, 0.5));
    p.drawPath(wing);
    p.setBrush(kRed);
    p.drawEllipse(at(0.72, 0.28), 0.11 * u, 0.11 * u);
    p.setBrush(QColor(200, 140, 0));
    QPainterPath beak;
    beak.moveTo(at(0.8, 0.25));
    beak.lineTo(at(0.95, 0.3));
    beak.lineTo(at(0.8, 0.33));
    p.drawPath(beak);
    p.setBrush(Qt::white);
    p.drawEllipse(at(0.74, 0.26), 0.035 * u, 0.035 * u);
    p.setPen(QPen(kRed.darker(130), std::max(0.8, u * 0.04)));
    p.drawLine(at(0.5, 0.7), at(0.48, 0.86));
    p.drawLine(at(0.6, 0.7), at(0.62, 0.86));
}

void PaintBamboo(QPainter& p, const QRectF& f, int value) {
    if (value == 1) {
        PaintBird(p, f);
        return;
    }
    const bool threeRows = value == 7 || value == 9;
    const double h = f.height() * (threeRows ? 0.29 : 0.42);
    const double w = std::min(f.width() * (value == 8 ? 0.17 : 0.2), h * 0.5);
    int i = 0;
    for (const Spot& s : kSticks[value - 2]) {
        QPointF c(f.left() + s.x * f.width(), f.top() + s.y * f.height());
        const bool red = (value == 5 && i == 2) || (value == 7 && i == 0) ||
                         (value == 9 && i % 3 == 1);
        PaintStick(p, c, w, h, red ? kRed : kGreen);
        ++i;
    }
}

void PaintCharacters(QPainter& p, const QRectF& f, int value) {
    const double weight = f.height() * 0.025;
    QRectF top(f.left(), f.top(), f.width(), f.height() * 0.38);
    QRectF bottom(f.left(), f.top() + f.height() * 0.44, f.width(), f.height() * 0.56);
    FitText(p, top.adjusted(f.width() * 0.12, 0, -f.width() * 0.12, 0), Text(kNumerals[value - 1]),
            kInk, Face::Ming, weight * 1.4);
    FitText(p, bottom, Text(u"萬"), kRed, Face::Ming, weight);
}

void PaintHonour(QPainter& p, const QRectF& f, int value) {
    if (value == 7) {  // white dragon: a framed blank
        const double inset = std::min(f.width(), f.height()) * 0.12;
        QRectF frame = f.adjusted(inset, inset * 1.3, -inset, -inset * 1.3);
        p.setPen(QPen(kBlue, std::max(1.0, f.width() * 0.08)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame);
        return;
    }
    const QColor colour = value == 5 ? kRed : value == 6 ? kGreen : kInk;
    FitText(p, f.adjusted(f.width() * 0.04, f.height() * 0.12, -f.width() * 0.04,
                          -f.height() * 0.12),
            Text(kHonours[value - 1]), colour, Face::Ming, f.height() * 0.03);
}

void PaintFlower(QPainter& p, const QRectF& f, int value) {
    FitText(p, f.adjusted(f.width() * 0.08, f.height() * 0.22, -f.width() * 0.08,
                          -f.height() * 0.08),
            Text(kFlowers[value - 1]), kFlowerInk[value - 1], Face::Ming, f.height() * 0.03);
    const int corner = value <= 4 ? value : value - 4;
    FitText(p, QRectF(f.left(), f.top(), f.width() * 0.3, f.height() * 0.22),
            QString::number(corner), kFlowerInk[value - 1], Face::Hei);
}

}  // namespace

Tile SheetTile(int cell) {
    if (cell < 27) return {cell / 9, cell % 9 + 1};
    if (cell < 34) return {3, cell - 26};
    if (cell < 42) return {4, cell - 33};
    return {-1, 0};
}

const TileLook& ClassicTiles() {
    static const TileLook look{QColor(246, 241, 225), QColor(200, 116, 42), QColor(120, 70, 30)};
    return look;
}

const TileLook& NewTiles() {
    static const TileLook look{QColor(251, 248, 236), QColor(38, 104, 150), QColor(20, 55, 85)};
    return look;
}

void PaintFace(QPainter& p, const QRectF& faceRect, Tile tile, int quarterTurns) {
    if (tile.suit < 0) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRectF f = faceRect;
    if (quarterTurns % 2 != 0) f = QRectF(0, 0, faceRect.height(), faceRect.width());
    p.translate(faceRect.center());
    p.rotate(90.0 * quarterTurns);
    f.moveCenter(QPointF(0, 0));
    const double inset = std::min(f.width(), f.height()) * 0.06;
    f = f.adjusted(inset, inset, -inset, -inset);
    switch (tile.suit) {
        case 0: PaintCharacters(p, f, tile.value); break;
        case 1: PaintBamboo(p, f, tile.value); break;
        case 2: PaintDots(p, f, tile.value); break;
        case 3: PaintHonour(p, f, tile.value); break;
        default: PaintFlower(p, f, tile.value); break;
    }
    p.restore();
}

QRectF PaintBody(QPainter& p, const QRectF& r, const TileLook& look, double top, double bottom) {
    const double radius = std::min(r.width(), r.height()) * 0.14;
    QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look.rim, 1.0));
    p.setBrush(look.back);
    p.drawRoundedRect(body, radius, radius);
    // The ivory layer: the whole body but the back band on top and the side band below.
    QRectF ivory = body.adjusted(0.5, top, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(look.face.darker(112));
    p.drawRoundedRect(ivory, radius, radius);
    QRectF face = ivory.adjusted(0, 0, 0, -bottom);
    QLinearGradient shade(face.topLeft(), face.bottomRight());
    shade.setColorAt(0, look.face.lighter(104));
    shade.setColorAt(1, look.face.darker(104));
    p.setBrush(shade);
    p.drawRoundedRect(face, radius, radius);
    p.restore();
    return face;
}

void PaintBack(QPainter& p, const QRectF& r, const TileLook& look, double side) {
    const double radius = std::min(r.width(), r.height()) * 0.14;
    QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look.rim, 1.0));
    p.setBrush(look.face.darker(108));
    p.drawRoundedRect(body, radius, radius);
    QRectF back = body.adjusted(0.5, 0.5, -0.5, -side);
    QLinearGradient g(back.topLeft(), back.bottomRight());
    g.setColorAt(0, look.back.lighter(125));
    g.setColorAt(1, look.back.darker(110));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(back, radius, radius);
    p.restore();
}

void PaintTile(QPainter& p, const QRectF& r, const TileLook& look, Tile tile, double top,
               double bottom, int quarterTurns) {
    QRectF face = PaintBody(p, r, look, top, bottom);
    PaintFace(p, face, tile, quarterTurns);
}

}  // namespace art
