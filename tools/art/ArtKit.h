// Drawing helpers every painter of the art generator shares: the two fonts, text fitted into a
// box, bevelled plates, and turning a painted picture into the colours a file may hold.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace art {

// The colour that stands for "transparent" in every keyed picture.
constexpr QRgb kKeyColour = 0xFFFF00FF;

enum class Face { Ming, Hei };

// Text from a UTF-8 literal (labels are UTF-8 whatever the execution character set).
QString Utf8(const char* text);

// Fills the text into box, scaled to fit (keeping its proportions) and centred; 'weight' is an
// outline in pixels that thickens thin strokes so small glyphs stay legible.
void FitText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
             Face face = Face::Ming, double weight = 0.0);

// A rounded plate with a top-to-bottom gradient from 'light' to 'dark' and a thin darker rim.
void Plate(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark,
           double radius);

// A filled star of 'points' points around c, its tips at 'outer', its notches at 'inner'.
void Star(QPainter& p, QPointF c, double outer, double inner, int points, const QColor& colour);

// A transparent ARGB picture to paint on.
QImage NewCanvas(int width, int height);

// The picture as the file holds it: keyed pictures turn pixels that are mostly transparent into
// the colour key and the rest opaque; opaque pictures are laid over 'ground'.  Either way no
// opaque pixel is left inside the colour key's range (R >= 248, G <= 3, B >= 248).
QImage Finish(const QImage& painted, bool keyed, QColor ground = Qt::black);

}  // namespace art
