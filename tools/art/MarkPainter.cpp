// Dice, chips, banners, digits, wind and level marks, plates, flowers, effects and pointers.
#include "tools/art/ArtKit.h"
#include "tools/art/Painters.h"

#include <QPainterPath>

#include <cmath>

namespace art {

namespace {

const char16_t* const kWinds[4] = {u"東", u"南", u"西", u"北"};

QRectF CellOf(const AssetFile& f, int i) {
    const double w = f.width / f.entry->cols;
    return QRectF(i * w, 0, w, f.height);
}

// One die, 'value' 1..6, turned by 'angle' degrees, centred in r.
void PaintDie(QPainter& p, const QRectF& r, int value, double angle) {
    static const double kPips[6][6][2] = {
        {{0.5, 0.5}},
        {{0.27, 0.27}, {0.73, 0.73}},
        {{0.25, 0.25}, {0.5, 0.5}, {0.75, 0.75}},
        {{0.28, 0.28}, {0.72, 0.28}, {0.28, 0.72}, {0.72, 0.72}},
        {{0.26, 0.26}, {0.74, 0.26}, {0.5, 0.5}, {0.26, 0.74}, {0.74, 0.74}},
        {{0.28, 0.22}, {0.72, 0.22}, {0.28, 0.5}, {0.72, 0.5}, {0.28, 0.78}, {0.72, 0.78}},
    };
    const double s = std::min(r.width(), r.height()) * (angle == 0 ? 0.94 : 0.7);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(r.center());
    p.rotate(angle);
    QRectF die(-s / 2, -s / 2, s, s);
    Plate(p, die, QColor(255, 255, 250), QColor(214, 208, 196), s * 0.18);
    p.setPen(Qt::NoPen);
    p.setBrush(value == 1 || value == 4 ? QColor(200, 24, 24) : QColor(24, 24, 30));
    const double pip = s * (value == 1 ? 0.13 : 0.085);
    for (int i = 0; i < value; ++i)
        p.drawEllipse(QPointF(die.left() + kPips[value - 1][i][0] * s,
                              die.top() + kPips[value - 1][i][1] * s), pip, pip);
    p.restore();
}

const QColor kDigitInk[] = {QColor(255, 214, 90), QColor(220, 40, 30), QColor(120, 255, 140),
                            QColor(255, 255, 240)};

void PaintDigit(QPainter& p, const QRectF& cell, int d, int look) {
    if (look == DigitsGold) Plate(p, cell.adjusted(1, 1, -1, -1), QColor(70, 40, 20), QColor(36, 20, 10), 4);
    if (look == DigitsLed) Plate(p, cell.adjusted(0.5, 0.5, -0.5, -0.5), QColor(20, 40, 26), QColor(10, 24, 14), 2);
    const double m = std::max(1.0, cell.width() * 0.1);
    FitText(p, cell.adjusted(m, m, -m, -m), QString::number(d), kDigitInk[look], Face::Hei,
            look == DigitsScore ? cell.height() * 0.05 : 0);
}

// A minus sign in a digit's ink: a bar across the middle of the cell, as thick as a digit's
// stroke.
void PaintMinus(QPainter& p, const QRectF& cell, int look) {
    const double t = std::max(2.0, std::round(cell.height() * 0.14));
    const QRectF bar(cell.left() + cell.width() * 0.2, std::round(cell.center().y() - t / 2),
                     cell.width() * 0.6, t);
    p.fillRect(bar, kDigitInk[look]);
}

struct LabelColours {
    QColor light, dark, text;
};

const LabelColours kLabels[] = {
    {QColor(220, 60, 50), QColor(140, 20, 16), QColor(255, 240, 200)},
    {QColor(60, 160, 90), QColor(20, 90, 46), Qt::white},
    {QColor(252, 220, 120), QColor(190, 130, 30), QColor(110, 40, 10)},
    {QColor(160, 160, 160), QColor(90, 90, 90), Qt::white},
    {QColor(130, 84, 46), QColor(80, 48, 22), QColor(252, 232, 160)},
};

void Blossom(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < 5; ++i) {
        const double a = 2 * M_PI * i / 5 - M_PI / 2;
        p.drawEllipse(QPointF(c.x() + r * 0.5 * std::cos(a), c.y() + r * 0.5 * std::sin(a)),
                      r * 0.45, r * 0.45);
    }
    p.setBrush(QColor(255, 220, 80));
    p.drawEllipse(c, r * 0.25, r * 0.25);
}

}  // namespace

void PaintDiceSheet(QPainter& p, const AssetFile& f) {
    for (int c = 0; c < f.entry->cols; ++c) {
        QRectF r = CellOf(f, c);
        if (c < 6) PaintDie(p, r, c + 1, 0);
        else PaintDie(p, r, (c * 5) % 6 + 1, 20 + (c * 37) % 50);
    }
}

void PaintDiceThrow(QPainter& p, const AssetFile& f) {
    // The two dice roll in from the left and settle where the faces are shown.
    for (int frame = 0; frame < f.entry->cols; ++frame) {
        const double t = frame / double(f.entry->cols - 1);
        const double x = frame * 132.0;
        const double bounce = std::abs(std::sin(t * M_PI * 3)) * (1 - t) * 20;
        for (int d = 0; d < 2; ++d) {
            QRectF r(x + 10 + d * 80 - (1 - t) * 8, std::max(2.0, 8 + 15 * (1 - t) - bounce), 40, 40);
            const double angle = t >= 1 ? 0 : 25 + frame * 47 + d * 30;
            PaintDie(p, r, (frame * (d + 2) + d) % 6 + 1, angle);
        }
    }
}

void PaintDiceFaces(QPainter& p, const AssetFile& f) {
    for (int v = 0; v < f.entry->cols; ++v) PaintDie(p, CellOf(f, v), v + 1, 0);
}

void PaintChips(QPainter& p, const AssetFile& f) {
    // The top-left pixel stays the colour key: the chips keep a margin on every side.
    static const QColor kChip[3] = {QColor(200, 40, 40), QColor(40, 90, 190), QColor(30, 140, 70)};
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        QRectF chip(3 + i * 5, 11 - i * 3.5, f.width - 16, 10);
        p.setPen(QPen(kChip[i].darker(160), 1));
        p.setBrush(kChip[i]);
        p.drawEllipse(chip);
        p.setPen(QPen(Qt::white, 1.2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(chip.adjusted(3, 2, -3, -2));
    }
}

void PaintBanner(QPainter& p, const AssetFile& f) {
    static const QColor kSeal[5] = {QColor(30, 110, 170), QColor(120, 60, 160), QColor(200, 30, 30),
                                    QColor(200, 30, 30), QColor(30, 130, 70)};
    QRectF r(0, 0, f.width, f.height);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(240, 200, 90), 4));
    p.setBrush(kSeal[f.entry->variant]);
    p.drawEllipse(r.adjusted(3, 3, -3, -3));
    p.setPen(QPen(QColor(255, 236, 170), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(10, 10, -10, -10));
    FitText(p, r.adjusted(20, 22, -20, -22), Utf8(f.entry->label), QColor(255, 244, 200),
            Face::Ming, 2.5);
}

// Ten digits, and in an eleventh cell, where the sheet has one, the minus sign.
void PaintDigits(QPainter& p, const AssetFile& f) {
    for (int d = 0; d < 10; ++d) PaintDigit(p, CellOf(f, d), d, f.entry->variant);
    if (f.entry->cols > 10) PaintMinus(p, CellOf(f, 10), f.entry->variant);
}

void PaintSigns(QPainter& p, const AssetFile& f) {
    QRectF plus = CellOf(f, 0), minus = CellOf(f, 1);
    const double t = std::max(2.0, f.height * 0.2);
    auto bar = [&](const QRectF& c, bool across, const QColor& colour) {
        QRectF b = across ? QRectF(c.left() + c.width() * 0.15, c.center().y() - t / 2, c.width() * 0.7, t)
                          : QRectF(c.center().x() - t / 2, c.top() + c.height() * 0.15, t, c.height() * 0.7);
        p.fillRect(b, colour);
    };
    bar(plus, true, QColor(40, 160, 70));
    bar(plus, false, QColor(40, 160, 70));
    bar(minus, true, QColor(210, 40, 30));
}

void PaintLevelMarks(QPainter& p, const AssetFile& f) {
    // Five tiers of four steps: the colour tells the tier, the dots the step.
    static const QColor kTier[5] = {QColor(60, 160, 80), QColor(50, 110, 200), QColor(140, 70, 190),
                                    QColor(230, 140, 30), QColor(210, 40, 40)};
    p.setRenderHint(QPainter::Antialiasing);
    for (int level = 0; level < 20; ++level) {
        QRectF c = CellOf(f, level).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(kTier[level / 4].darker(150), 1));
        p.setBrush(kTier[level / 4]);
        p.drawEllipse(c);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 190));
        const int dots = level % 4 + 1;
        for (int i = 0; i < dots; ++i) {
            const double a = 2 * M_PI * i / dots - M_PI / 2;
            const double rad = dots == 1 ? 0 : c.width() * 0.22;
            p.drawEllipse(QPointF(c.center().x() + rad * std::cos(a), c.center().y() + rad * std::sin(a)),
                          1.6, 1.6);
        }
    }
}

void PaintWindMarks(QPainter& p, const AssetFile& f) {
    const int look = f.entry->variant;
    for (int w = 0; w < 4; ++w) {
        QRectF c = CellOf(f, w).adjusted(1, 1, -1, -1);
        p.setRenderHint(QPainter::Antialiasing);
        if (look == WindsRound || look == WindsPlate) {
            p.setPen(QPen(QColor(240, 200, 90), 2));
            p.setBrush(look == WindsRound ? QColor(150, 30, 24) : QColor(40, 50, 60));
            p.drawEllipse(c.adjusted(1, 1, -1, -1));
        } else {
            Plate(p, c, look == WindsSeat ? QColor(250, 240, 210) : QColor(60, 120, 180),
                  look == WindsSeat ? QColor(220, 200, 160) : QColor(30, 70, 120), 5);
        }
        const QColor ink = look == WindsSeat ? QColor(130, 30, 20) : QColor(255, 240, 200);
        FitText(p, c.adjusted(c.width() * 0.2, c.height() * 0.2, -c.width() * 0.2, -c.height() * 0.2),
                QString::fromUtf16(kWinds[w]), ink, Face::Ming, 1);
    }
}

void PaintLabel(QPainter& p, const AssetFile& f) {
    const LabelColours& c = kLabels[f.entry->variant];
    QRectF r(0, 0, f.width, f.height);
    Plate(p, r, c.light, c.dark, std::min(f.width, f.height) * 0.3);
    const double m = std::min(f.width, f.height) * 0.18;
    FitText(p, r.adjusted(m, m, -m, -m), Utf8(f.entry->label), c.text, Face::Hei);
}

void PaintPlate(QPainter& p, const AssetFile& f) {
    QRectF r(0, 0, f.width, f.height);
    if (f.entry->variant == 0) {
        Plate(p, r, QColor(130, 84, 46), QColor(76, 46, 22), 10);
        p.setPen(QPen(QColor(220, 180, 100), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 7, 7);
        return;
    }
    Plate(p, r, QColor(46, 56, 70), QColor(22, 28, 38), 8);
    p.setPen(QPen(QColor(200, 170, 100), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 6, 6);
}

void PaintCenterPlate(QPainter& p, const AssetFile& f) {
    QRectF r(0, 0, f.width, f.height);
    Plate(p, r.adjusted(2, 2, -2, -2), QColor(60, 50, 40), QColor(30, 24, 18), 10);
    p.setPen(QPen(QColor(220, 180, 90), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 7, 7);
}

void PaintTurnArrow(QPainter& p, const AssetFile& f) {
    // 1-2 points down to the user, 1-3 right, 1-4 up, 1-5 left.
    static const double kTurn[4] = {180, 90, 0, 270};
    const bool across = f.width > f.height;
    const double len = across ? f.height : f.width;
    const double span = across ? f.width : f.height;
    QPainterPath tri;
    tri.moveTo(0, -len / 2 + 1);
    tri.lineTo(span / 2 - 1, len / 2 - 1);
    tri.lineTo(-span / 2 + 1, len / 2 - 1);
    tri.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(f.width / 2.0, f.height / 2.0);
    p.rotate(kTurn[f.index - 2]);
    p.setPen(QPen(QColor(150, 90, 10), 1));
    p.setBrush(QColor(255, 200, 40));
    p.drawPath(tri);
}

void PaintFlowerBox(QPainter& p, const AssetFile& f) {
    QRectF r(0, 0, f.width, f.height);
    switch (f.entry->variant) {
        case 0:
            Plate(p, r, QColor(90, 60, 36), QColor(56, 36, 20), 6);
            p.fillRect(r.adjusted(4, 4, -4, -4), QColor(250, 240, 220, 60));
            break;
        case 1: Blossom(p, r.center(), f.width * 0.48, QColor(230, 80, 120)); break;
        default:
            Plate(p, r, QColor(250, 240, 210), QColor(220, 196, 150), 4);
            FitText(p, r.adjusted(3, 3, -3, -3), QString::number(f.index - 2), QColor(160, 30, 40),
                    Face::Hei);
            break;
    }
}

void PaintEffect(QPainter& p, const AssetFile& f) {
    // A burst that grows, turns and thins out over the twelve frames.
    const double t = f.index / 11.0;
    QPointF c(f.width / 2.0, f.height / 2.0);
    const double outer = 12 + t * 34;
    Star(p, c, outer, outer * 0.35, 8, QColor::fromHsvF(0.12 - t * 0.08, 0.7, 1.0));
    if (t < 0.9) Star(p, c, outer * 0.5, outer * 0.2, 8, QColor(255, 255, 220));
    for (int i = 0; i < 8; ++i) {
        const double a = 2 * M_PI * i / 8 + t * 1.2;
        const double rad = 14 + t * 30;
        Star(p, QPointF(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a)), 5 - t * 2,
             2 - t, 4, QColor(255, 236, 120));
    }
}

void PaintSparkle(QPainter& p, const AssetFile& f) {
    for (int i = 0; i < 4; ++i) {
        QRectF c = CellOf(f, i);
        const double s = 2 + (i % 2 == 0 ? i : 4 - i) + 1;
        Star(p, c.center(), s, s * 0.35, 4, QColor(255, 250, 200));
    }
}

void PaintPointer(QPainter& p, const AssetFile& f) {
    QPainterPath arrow;
    const double w = f.width, h = f.height;
    arrow.moveTo(w * 0.3, 1);
    arrow.lineTo(w * 0.7, 1);
    arrow.lineTo(w * 0.7, h * 0.5);
    arrow.lineTo(w - 1, h * 0.5);
    arrow.lineTo(w / 2, h - 1);
    arrow.lineTo(1, h * 0.5);
    arrow.lineTo(w * 0.3, h * 0.5);
    arrow.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 60, 0), 1));
    p.setBrush(QColor(255, 204, 40));
    p.drawPath(arrow);
}

void PaintMouseCursor(QPainter& p, const AssetFile& f) {
    // The hot spot is the tip at (0, 0).
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 22);
    arrow.lineTo(6, 17);
    arrow.lineTo(10, 27);
    arrow.lineTo(14, 25);
    arrow.lineTo(10, 16);
    arrow.lineTo(17, 16);
    arrow.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(20, 40, 20), 1));
    p.setBrush(QColor(230, 250, 220));
    p.drawPath(arrow);
}

void PaintLobbyTable(QPainter& p, const AssetFile& f) {
    const bool playing = f.entry->variant == 1;
    QRectF r(0, 0, f.width, f.height);
    // Four chairs around a square table.
    const QRectF chairs[4] = {QRectF(60, 128, 40, 28), QRectF(128, 60, 28, 40),
                              QRectF(60, 4, 40, 28), QRectF(4, 60, 28, 40)};
    for (const QRectF& c : chairs) Plate(p, c, QColor(150, 100, 60), QColor(96, 60, 30), 6);
    QRectF top = r.adjusted(30, 30, -30, -30);
    Plate(p, top, QColor(120, 78, 44), QColor(80, 50, 24), 10);
    Plate(p, top.adjusted(6, 6, -6, -6), playing ? QColor(60, 140, 90) : QColor(60, 110, 80),
          playing ? QColor(30, 96, 56) : QColor(34, 80, 56), 6);
    if (playing) {
        Star(p, top.center(), 14, 6, 5, QColor(255, 210, 60));
    }
}

void PaintSeatMarker(QPainter& p, const AssetFile& f) {
    QRectF r(0, 0, f.width, f.height);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 230, 220), 2, Qt::DashLine));
    p.setBrush(QColor(60, 80, 70));
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
    FitText(p, r.adjusted(9, 9, -9, -9), QString::fromUtf16(kWinds[f.entry->variant]),
            QColor(230, 230, 220), Face::Ming, 1);
}

// The sign stands at the picture's right end, a square as high as the picture: the names
// dialog draws the picture from just right of the first wild-tile choice's box, and the sign
// lands right of that choice's caption instead of on it.
void PaintForbid(QPainter& p, const AssetFile& f) {
    QRectF r(f.width - f.height, 0, f.height, f.height);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(210, 30, 30), f.height * 0.12));
    p.setBrush(Qt::NoBrush);
    QRectF ring = r.adjusted(f.height * 0.1, f.height * 0.1, -f.height * 0.1, -f.height * 0.1);
    p.drawEllipse(ring);
    p.drawLine(ring.topLeft() + QPointF(ring.width() * 0.15, ring.height() * 0.15),
               ring.bottomRight() - QPointF(ring.width() * 0.15, ring.height() * 0.15));
}

}  // namespace art
