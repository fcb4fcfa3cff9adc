// Portraits (1-6 women, 7-12 men, every one different), the seat figures seen from the user's
// chair, and the portrait strips of the dialogs.  One person painter draws all of them.
#include "tools/art/ArtKit.h"
#include "tools/art/Painters.h"

#include <QPainterPath>

namespace art {

namespace {

enum Hair { Long, Bun, Bob, Ponytail, Braids, Curly, Short, Crew, SidePart, Bald, Cap, Swept };
enum Pose { Rest, Blink, Discard };

struct Person {
    bool woman;
    QColor skin, hair, clothes, backdrop;
    Hair style;
    bool glasses;
};

// Portrait 0 is the empty seat; 1-6 women, 7-12 men; 13 and 14 the default male and female.
const Person kPeople[15] = {
    {false, QColor(170, 170, 170), QColor(130, 130, 130), QColor(150, 150, 150), QColor(90, 96, 100), Short, false},
    {true, QColor(246, 214, 188), QColor(40, 28, 24), QColor(200, 40, 60), QColor(250, 224, 200), Long, false},
    {true, QColor(238, 200, 170), QColor(92, 52, 30), QColor(60, 120, 190), QColor(210, 230, 246), Bun, false},
    {true, QColor(250, 222, 200), QColor(20, 20, 26), QColor(120, 60, 150), QColor(236, 220, 246), Bob, true},
    {true, QColor(222, 182, 150), QColor(60, 36, 20), QColor(40, 140, 100), QColor(214, 240, 220), Ponytail, false},
    {true, QColor(244, 208, 178), QColor(150, 90, 40), QColor(230, 140, 40), QColor(252, 236, 200), Braids, false},
    {true, QColor(206, 160, 126), QColor(30, 22, 18), QColor(220, 90, 140), QColor(250, 214, 226), Curly, true},
    {false, QColor(236, 196, 164), QColor(30, 24, 20), QColor(40, 70, 130), QColor(206, 220, 240), Crew, false},
    {false, QColor(214, 170, 132), QColor(70, 44, 26), QColor(120, 40, 40), QColor(240, 214, 206), SidePart, true},
    {false, QColor(246, 214, 186), QColor(140, 140, 146), QColor(50, 110, 70), QColor(216, 236, 214), Bald, false},
    {false, QColor(226, 186, 150), QColor(20, 20, 20), QColor(200, 160, 40), QColor(244, 236, 204), Cap, false},
    {false, QColor(240, 204, 172), QColor(110, 70, 36), QColor(70, 70, 80), QColor(220, 220, 226), Swept, false},
    {false, QColor(198, 150, 114), QColor(26, 22, 20), QColor(30, 140, 160), QColor(204, 236, 240), Short, true},
    {false, QColor(236, 200, 170), QColor(50, 40, 34), QColor(60, 90, 140), QColor(200, 214, 232), Short, false},
    {true, QColor(244, 210, 184), QColor(50, 34, 28), QColor(190, 80, 110), QColor(246, 216, 224), Long, false},
};

void HairBack(QPainter& p, const Person& who) {
    p.setBrush(who.hair);
    if (who.style == Long) p.drawRoundedRect(QRectF(26, 34, 48, 76), 20, 20);
    if (who.style == Braids) {
        p.drawEllipse(QRectF(22, 60, 14, 44));
        p.drawEllipse(QRectF(64, 60, 14, 44));
    }
    if (who.style == Ponytail) p.drawEllipse(QRectF(66, 40, 18, 40));
    if (who.style == Curly)
        for (int i = 0; i < 7; ++i) p.drawEllipse(QPointF(28 + i * 7.5, 40 + (i % 2) * 5), 10, 10);
}

void HairFront(QPainter& p, const Person& who) {
    p.setBrush(who.hair);
    switch (who.style) {
        case Bald:
            p.drawChord(QRectF(30, 34, 40, 34), 150 * 16, 50 * 16);
            p.drawChord(QRectF(30, 34, 40, 34), -20 * 16, 50 * 16);
            return;
        case Cap:
            p.setBrush(QColor(180, 30, 30));
            p.drawChord(QRectF(29, 29, 42, 36), 0, 180 * 16);
            p.drawRect(QRectF(29, 45, 52, 5));
            return;
        case Bun: p.drawEllipse(QPointF(50, 26), 11, 9); break;
        default: break;
    }
    // The crown over the top of the head, then the fringe above the eyes.
    p.drawChord(who.style == Crew ? QRectF(31, 31, 38, 30) : QRectF(29, 28, 42, 40), 0, 180 * 16);
    QPainterPath fringe;
    if (who.style == SidePart || who.style == Swept) {
        fringe.moveTo(30, 49);
        fringe.cubicTo(34, 38, 52, 44, 70, 38);
        fringe.lineTo(70, 46);
        fringe.lineTo(70, 34);
        fringe.lineTo(30, 34);
        fringe.closeSubpath();
    } else if (who.style != Crew) {
        fringe.addEllipse(QRectF(30, 36, 40, 11));
    }
    p.save();
    QPainterPath head;
    head.addEllipse(QRectF(29, 28, 42, 46));
    p.setClipPath(head, Qt::IntersectClip);
    p.drawPath(fringe);
    p.restore();
    if (who.style == Bob) {
        p.drawRect(QRectF(29, 46, 7, 28));
        p.drawRect(QRectF(64, 46, 7, 28));
    }
}

// A person in a 100 x 160 frame: head around (50, 55), shoulders from y 90.  'turn' moves the
// face toward one side (-1 left, 0 front, 1 right).
void PaintPerson(QPainter& p, const QRectF& box, const Person& who, double turn, Pose pose) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 160.0);
    p.setPen(Qt::NoPen);
    HairBack(p, who);
    // Body and neck.
    QPainterPath body;
    body.moveTo(8, 160);
    body.cubicTo(8, 104, 26, 94, 50, 94);
    body.cubicTo(74, 94, 92, 104, 92, 160);
    body.closeSubpath();
    p.setBrush(who.clothes);
    p.drawPath(body);
    p.setBrush(who.skin.darker(108));
    p.drawRect(QRectF(43, 76, 14, 20));
    p.setBrush(who.clothes.darker(130));
    if (who.woman) p.drawChord(QRectF(38, 86, 24, 18), 180 * 16, 180 * 16);
    else p.drawPolygon(QPolygonF({QPointF(44, 95), QPointF(56, 95), QPointF(50, 112)}));
    // Head.
    const double dx = turn * 5;
    p.setBrush(who.skin);
    p.drawEllipse(QRectF(31 + dx * 0.3, 33, 38, 46));
    // Eyes: open dots or closed lines.
    const QColor ink(40, 30, 26);
    for (int side = -1; side <= 1; side += 2) {
        QPointF eye(50 + dx + side * 8, 56);
        if (pose == Blink) {
            p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(eye - QPointF(3, 0), eye + QPointF(3, 0));
            p.setPen(Qt::NoPen);
        } else {
            p.setBrush(Qt::white);
            p.drawEllipse(eye, 3.6, 2.6);
            p.setBrush(ink);
            p.drawEllipse(eye + QPointF(turn * 1.2, 0), 1.8, 1.8);
        }
    }
    if (who.glasses) {
        p.setPen(QPen(QColor(30, 30, 30), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(42 + dx, 56), 5.5, 4.5);
        p.drawEllipse(QPointF(58 + dx, 56), 5.5, 4.5);
        p.drawLine(QPointF(47.5 + dx, 56), QPointF(52.5 + dx, 56));
        p.setPen(Qt::NoPen);
    }
    // Nose and mouth.
    p.setPen(QPen(who.skin.darker(135), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50 + dx * 1.3, 59), QPointF(49 + dx * 1.5, 65));
    p.setPen(QPen(who.woman ? QColor(200, 60, 70) : who.skin.darker(150), 1.8, Qt::SolidLine,
                  Qt::RoundCap));
    p.drawArc(QRectF(44 + dx, 64, 12, 6), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    if (who.woman) {
        p.setBrush(QColor(240, 150, 150, 110));
        p.drawEllipse(QPointF(39 + dx, 64), 4, 2.5);
        p.drawEllipse(QPointF(61 + dx, 64), 4, 2.5);
    }
    HairFront(p, who);
    // The discarding arm reaches down to the table with a tile in the hand.
    if (pose == Discard) {
        const double side = turn == 0 ? 1 : turn;
        QPainterPath arm;
        arm.moveTo(50 + side * 34, 106);
        arm.quadTo(50 + side * 34, 140, 50 + side * 12, 150);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(who.clothes.darker(125), 13, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arm);
        p.setPen(QPen(QColor(90, 70, 40), 0.8));
        p.setBrush(QColor(250, 246, 230));
        p.drawRoundedRect(QRectF(50 + side * 12 - 6, 142, 12, 16), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(who.skin);
        p.drawEllipse(QPointF(50 + side * 12 + side * 4, 150), 5, 6);
    }
    p.restore();
}

void Backdrop(QPainter& p, const QRectF& r, const Person& who) {
    Plate(p, r, who.backdrop.lighter(106), who.backdrop.darker(118), 6);
}

}  // namespace

void PaintPortrait(QPainter& p, const AssetFile& f) {
    // The GIF portraits are cut out (their background is the transparent index); the empty
    // seat's bitmap is a framed card.
    const int who = f.entry->variant ? f.entry->variant : f.index;
    QRectF r(0, 0, f.width, f.height);
    if (!f.entry->gif) {
        p.fillRect(r, kPeople[who].backdrop.darker(140));
        Backdrop(p, r.adjusted(2, 2, -2, -2), kPeople[who]);
    }
    PaintPerson(p, QRectF(0, 0, 140, 224), kPeople[who], 0, Rest);
    if (who == 0)
        FitText(p, QRectF(30, 180, 80, 30), Utf8(u8"空位"), Qt::white, Face::Hei);
}

void PaintPortraitStrip(QPainter& p, const AssetFile& f) {
    // Seat 1's strip looks left, seat 3's right; the others look ahead.
    const double turn = f.entry->variant == 1 ? -1 : f.entry->variant == 3 ? 1 : 0;
    const double w = f.width / 12;
    for (int i = 0; i < 12; ++i) {
        QRectF cell(i * w, 0, w, f.height);
        Backdrop(p, cell.adjusted(1, 1, -1, -1), kPeople[i + 1]);
        const double pw = std::min(w, f.height / 1.6);
        PaintPerson(p, QRectF(cell.center().x() - pw / 2, f.height - pw * 1.6, pw, pw * 1.6 - 1),
                    kPeople[i + 1], turn, Rest);
    }
}

void PaintFaceStrip(QPainter& p, const AssetFile& f) {
    // Cells this small show the head alone: the square of the person's frame that holds the
    // head with its hair and the top of the neck is scaled to fill the cell, so the twelve
    // faces can be told apart at a glance.
    const QRectF head(22, 24, 56, 56);
    const double w = f.width / 12.0;
    for (int i = 0; i < 12; ++i) {
        const QRectF cell(i * w, 0, w, f.height);
        Backdrop(p, cell.adjusted(1, 1, -1, -1), kPeople[i + 1]);
        const double sx = cell.width() / head.width();
        const double sy = cell.height() / head.height();
        p.save();
        p.setClipRect(cell.adjusted(1, 1, -1, -1));
        PaintPerson(p, QRectF(cell.left() - head.left() * sx, cell.top() - head.top() * sy, 100 * sx,
                              160 * sy),
                    kPeople[i + 1], 0, Rest);
        p.restore();
    }
}

void PaintSeatFigure(QPainter& p, const AssetFile& f) {
    // Left half at rest; right half blinking (role.bmp) or discarding (出牌.bmp).  The left
    // seat looks right across the table, the right seat left.
    static const double kTurn[] = {0, 0, 1, 1, -1, -1};
    const int view = f.entry->variant;
    const bool pose = view % 2 == 1;
    const double half = f.width / 2;
    for (int h = 0; h < 2; ++h) {
        Pose which = h == 0 ? Rest : pose ? Discard : Blink;
        PaintPerson(p, QRectF(h * half + 4, 4, half - 8, f.height - 4), kPeople[f.index],
                    kTurn[view], which);
    }
}

}  // namespace art
