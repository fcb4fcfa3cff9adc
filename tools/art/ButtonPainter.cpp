// Five-frame button strips (normal, hover, pressed, disabled, and the exit window's AND mask),
// check boxes and edit frames.
#include "tools/art/ArtKit.h"
#include "tools/art/Painters.h"

#include <QPainterPath>

namespace art {

namespace {

enum Frame { Normal, Hover, Pressed, Disabled, Mask };

struct Scheme {
    QColor light, dark, text;
};

// Colours of each shape; hover brightens, pressed darkens, disabled greys them.
Scheme SchemeOf(int shape) {
    switch (shape) {
        case ButtonClaim: return {QColor(236, 92, 60), QColor(150, 28, 20), QColor(255, 240, 190)};
        case ButtonGdi:
        case ButtonGdiClose: return {QColor(206, 70, 56), QColor(128, 30, 24), Qt::white};
        case ButtonRound: return {QColor(84, 160, 110), QColor(28, 90, 56), Qt::white};
        case ButtonItem: return {QColor(250, 214, 120), QColor(196, 140, 40), QColor(110, 40, 10)};
        case ButtonPlain: return {QColor(176, 122, 70), QColor(104, 64, 30), Qt::white};
        default: return {QColor(112, 150, 196), QColor(44, 78, 128), Qt::white};
    }
}

Scheme ForFrame(Scheme s, Frame frame) {
    if (frame == Hover) return {s.light.lighter(125), s.dark.lighter(130), s.text};
    if (frame == Pressed) return {s.dark, s.light.darker(115), s.text};
    if (frame == Disabled) {
        auto grey = [](QColor c) { int g = qGray(c.rgb()); return QColor(g, g, g); };
        return {grey(s.light), grey(s.dark), QColor(210, 210, 210)};
    }
    return s;
}

QPainterPath Outline(int shape, const QRectF& r) {
    QPainterPath path;
    if (shape == ButtonClaim || shape == ButtonGdiClose) path.addEllipse(r);
    else if (shape == ButtonPlain || shape == ButtonThumb) path.addRoundedRect(r, 3, 3);
    else path.addRoundedRect(r, r.height() * 0.35, r.height() * 0.35);
    return path;
}

QPainterPath Arrow(int shape, const QRectF& r) {
    static const double kTurn[] = {0, 180, 270, 90};  // up, down, left, right
    const double s = std::min(r.width(), r.height()) * 0.28;
    QPainterPath tri;
    tri.moveTo(0, -s);
    tri.lineTo(s, s * 0.7);
    tri.lineTo(-s, s * 0.7);
    tri.closeSubpath();
    QTransform t;
    t.translate(r.center().x(), r.center().y());
    t.rotate(kTurn[shape - ButtonArrowUp]);
    return t.map(tri);
}

void PaintFrame(QPainter& p, const QRectF& r, int shape, Frame frame, const QString& label) {
    const bool gdi = shape == ButtonGdi || shape == ButtonGdiClose;
    const QRectF inner = r.adjusted(1, 1, -1, -1);
    QPainterPath outline = Outline(shape, inner);
    if (frame == Mask) {  // white keeps the window, black is where the button shows
        p.fillRect(r, Qt::white);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(outline, Qt::black);
        return;
    }
    const Scheme s = ForFrame(SchemeOf(shape), frame);
    const double shift = frame == Pressed ? 1.0 : 0.0;
    p.setRenderHint(QPainter::Antialiasing, !gdi);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, s.light);
    g.setColorAt(1, s.dark);
    p.setPen(gdi ? Qt::NoPen : QPen(s.dark.darker(140), 1.0));
    p.setBrush(g);
    p.drawPath(outline);
    if (frame == Hover && !gdi) {
        p.setPen(QPen(QColor(255, 244, 180), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(Outline(shape, inner.adjusted(1.5, 1.5, -1.5, -1.5)));
    }
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF content = inner.translated(shift, shift);
    if (shape >= ButtonArrowUp && shape <= ButtonArrowRight) {
        p.fillPath(Arrow(shape, content), s.text);
    } else if (shape == ButtonGdiClose) {
        const double m = content.width() * 0.3;
        p.setPen(QPen(s.text, std::max(1.5, content.width() * 0.1), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(content.topLeft() + QPointF(m, m), content.bottomRight() - QPointF(m, m));
        p.drawLine(content.topRight() + QPointF(-m, m), content.bottomLeft() + QPointF(m, -m));
    } else if (shape == ButtonThumb) {
        p.setPen(QPen(s.text, 1.0));
        for (int i = -1; i <= 1; ++i)
            p.drawLine(QPointF(content.left() + 4, content.center().y() + 4 * i),
                       QPointF(content.right() - 4, content.center().y() + 4 * i));
    } else {
        const double mx = content.width() * (shape == ButtonClaim ? 0.2 : 0.12);
        const double my = content.height() * (shape == ButtonClaim ? 0.22 : 0.2);
        FitText(p, content.adjusted(mx, my, -mx, -my), label, s.text, Face::Hei);
    }
}

}  // namespace

void PaintButtonStrip(QPainter& p, const AssetFile& f) {
    const int shape = f.entry->variant;
    const double w = f.width / 5;
    const QString label = Utf8(f.entry->label);
    if (shape == ButtonGdi || shape == ButtonGdiClose) p.fillRect(0, 0, f.width, f.height, Qt::black);
    for (int frame = Normal; frame <= Mask; ++frame) {
        QRectF r(frame * w, 0, w, f.height);
        if (frame == Mask && shape != ButtonGdi && shape != ButtonGdiClose) {
            PaintFrame(p, r, shape, Normal, label);  // never drawn: a copy of the normal face
            continue;
        }
        p.save();
        p.setClipRect(r);
        PaintFrame(p, r, shape, static_cast<Frame>(frame), label);
        p.restore();
    }
}

void PaintCheckBox(QPainter& p, const AssetFile& f) {
    // 0 and 2 unchecked, 1 and 3 checked; the rule-variant boxes (2, 3) are round.
    const int v = f.entry->variant;
    QRectF r(1, 1, f.width - 2, f.height - 2);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 50, 40), 1.5));
    p.setBrush(QColor(250, 246, 232));
    if (v >= 2) p.drawEllipse(r);
    else p.drawRoundedRect(r, 3, 3);
    if (v % 2 == 0) return;
    if (v >= 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 120, 60));
        p.drawEllipse(r.adjusted(5, 5, -5, -5));
        return;
    }
    QPainterPath tick;
    tick.moveTo(r.left() + r.width() * 0.2, r.top() + r.height() * 0.55);
    tick.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.78);
    tick.lineTo(r.left() + r.width() * 0.82, r.top() + r.height() * 0.22);
    p.setPen(QPen(QColor(30, 120, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void PaintEditField(QPainter& p, const AssetFile& f) {
    QRectF r(0, 0, f.width, f.height);
    Plate(p, r, QColor(40, 52, 44), QColor(24, 34, 28), 4);
    p.setPen(QPen(QColor(150, 180, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
}

}  // namespace art
