#include "tools/art/ArtKit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace art {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

void FitText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
             Face face, double weight) {
    if (text.isEmpty() || box.width() <= 0 || box.height() <= 0) return;
    QFont font(face == Face::Ming ? "AR PL UMing CN" : "WenQuanYi Zen Hei");
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, text);
    QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) return;
    double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center());
    p.scale(scale, scale);
    p.translate(-bounds.center());
    if (weight > 0) p.setPen(QPen(colour, weight / scale, Qt::SolidLine, Qt::RoundCap,
                                  Qt::RoundJoin));
    else p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void Plate(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark,
           double radius) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dark.darker(150), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

QImage NewCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

namespace {

// Moves an opaque colour out of the colour key's range.
QRgb AwayFromKey(QRgb c) {
    if (qRed(c) >= 248 && qGreen(c) <= 3 && qBlue(c) >= 248) return qRgb(qRed(c), 8, qBlue(c));
    return c;
}

}  // namespace

QImage Finish(const QImage& painted, bool keyed, QColor ground) {
    QImage straight = painted.convertToFormat(QImage::Format_ARGB32);
    QImage out(straight.size(), QImage::Format_RGB32);
    const QRgb base = ground.rgb();
    for (int y = 0; y < straight.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb c = src[x];
            const int a = qAlpha(c);
            if (keyed) {
                dst[x] = a < 128 ? kKeyColour : AwayFromKey(qRgb(qRed(c), qGreen(c), qBlue(c)));
                continue;
            }
            auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a)) / 255; };
            dst[x] = AwayFromKey(qRgb(mix(qRed(c), qRed(base)), mix(qGreen(c), qGreen(base)),
                                      mix(qBlue(c), qBlue(base))));
        }
    }
    return out;
}

void Star(QPainter& p, QPointF c, double outer, double inner, int points, const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const double a = M_PI * i / points - M_PI / 2;
        const double rad = i % 2 == 0 ? outer : inner;
        QPointF pt(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
        if (i == 0) star.moveTo(pt);
        else star.lineTo(pt);
    }
    star.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(star, colour);
}

}  // namespace art
