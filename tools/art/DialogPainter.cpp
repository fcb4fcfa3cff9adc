// Backgrounds: the two tables, the full-screen dialogs, the smaller dialogs, panels, the logo
// and the exit window.  One dialog-background painter serves every dialog.
#include "tools/art/ArtKit.h"
#include "tools/art/DialogLabels.h"
#include "tools/art/Painters.h"
#include "tools/art/TilePainter.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

namespace art {

namespace {

// A fixed-seed generator: the grain of felt and wood is the same on every build.
struct Grain {
    std::uint32_t state = 12345;
    int Next(int range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(range));
    }
};

void Felt(QPainter& p, const QRectF& r, QColor centre, QColor edge) {
    QRadialGradient g(r.center(), std::max(r.width(), r.height()) * 0.7);
    g.setColorAt(0, centre);
    g.setColorAt(1, edge);
    p.fillRect(r, g);
    Grain grain;
    for (int i = 0; i < static_cast<int>(r.width() * r.height() / 40); ++i) {
        QColor c = grain.Next(2) ? QColor(255, 255, 255, 10) : QColor(0, 0, 0, 14);
        p.fillRect(QRectF(r.left() + grain.Next(static_cast<int>(r.width())),
                          r.top() + grain.Next(static_cast<int>(r.height())), 1, 1), c);
    }
}

void Wood(QPainter& p, const QRectF& r, QColor base) {
    // Rows of slowly changing tone, then a few long streaks: planks without per-pixel work.
    Grain grain;
    for (int y = static_cast<int>(r.top()); y < r.bottom(); ++y) {
        const double tone = std::sin(y * 0.21) * 4 + std::sin(y * 0.047) * 6 + grain.Next(5);
        p.fillRect(QRectF(r.left(), y, r.width(), 1), base.darker(100 + static_cast<int>(tone) + 4));
    }
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < static_cast<int>(r.height() / 12); ++i) {
        const double y = r.top() + grain.Next(static_cast<int>(r.height()));
        const double x = r.left() + grain.Next(static_cast<int>(r.width()));
        QPainterPath streak;
        streak.moveTo(x, y);
        streak.cubicTo(x + 60, y + 2, x + 120, y - 2, x + 180 + grain.Next(120), y + 1);
        QColor c = base.darker(125);
        c.setAlpha(110);
        p.setPen(QPen(c, 1.0));
        p.drawPath(streak);
    }
}

enum class Paper { Cream, Dark };

// A dialog's panel: wood rim, cream paper (dark paper for the boxes the program writes white
// text on), and the title in the top band.  The dark paper is dark enough that white and
// orange text stay readable when the picture is blended over the table at 210 of 255, whatever
// the table shows through.
void DialogPanel(QPainter& p, const QRectF& r, const QString& title, double radius,
                 Paper paperKind = Paper::Cream) {
    p.setRenderHint(QPainter::Antialiasing);
    Plate(p, r, QColor(150, 98, 54), QColor(96, 58, 28), radius);
    QRectF paper = r.adjusted(6, 6, -6, -6);
    if (paperKind == Paper::Dark)
        Plate(p, paper, QColor(30, 44, 36), QColor(18, 30, 24), radius * 0.7);
    else
        Plate(p, paper, QColor(250, 244, 226), QColor(232, 220, 190), radius * 0.7);
    if (title.isEmpty()) return;
    const double band = std::min(36.0, r.height() * 0.3);
    const QColor ink = paperKind == Paper::Dark ? QColor(250, 230, 160) : QColor(110, 40, 20);
    FitText(p, QRectF(paper.left() + 12, paper.top() + 6, paper.width() - 24, band - 10), title,
            ink, Face::Hei);
    p.setPen(QPen(QColor(180, 140, 90), 1));
    p.drawLine(QPointF(paper.left() + 10, paper.top() + band),
               QPointF(paper.right() - 10, paper.top() + band));
}

void TileRow(QPainter& p, double x, double y, double w, const Tile* tiles, int n) {
    for (int i = 0; i < n; ++i)
        PaintTile(p, QRectF(x + i * (w + 2), y, w, w * 1.38), NewTiles(), tiles[i], w * 0.12, 2);
}

const Tile kShowTiles[] = {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 5}, {3, 6}, {3, 7}, {4, 1}};

void TableFelt(QPainter& p) {
    Felt(p, QRectF(0, 0, 800, 600), QColor(40, 120, 72), QColor(18, 72, 40));
    p.setPen(QPen(QColor(90, 54, 24), 10));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5, 5, 790, 590));
}

void TableWood(QPainter& p) {
    Wood(p, QRectF(0, 0, 800, 600), QColor(120, 78, 44));
    // The right-hand seat's column runs down towards the user more steeply than a table edge
    // would; the felt reaches out under its near end.
    QPainterPath table;
    table.moveTo(170, 200);
    table.lineTo(620, 200);
    table.lineTo(800, 364);
    table.lineTo(800, 560);
    table.lineTo(40, 560);
    table.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 40, 18), 8));
    QLinearGradient g(0, 200, 0, 560);
    g.setColorAt(0, QColor(30, 96, 60));
    g.setColorAt(1, QColor(44, 128, 80));
    p.setBrush(g);
    p.drawPath(table);
}

void LoadingScreen(QPainter& p, const QString& label) {
    Felt(p, QRectF(0, 0, 800, 600), QColor(34, 108, 66), QColor(14, 58, 34));
    FitText(p, QRectF(200, 150, 400, 90), Utf8(u8"翠岭麻将"), QColor(250, 230, 160), Face::Ming,
            2);
    TileRow(p, 400 - 4 * 42, 280, 40, kShowTiles, 8);
    FitText(p, QRectF(300, 440, 200, 30), label, QColor(230, 240, 230), Face::Hei);
}

// A full-screen dialog: felt inside a wood frame of 'inset' pixels, a gold line, the title.
void MenuScreen(QPainter& p, const QString& title, double inset = 40) {
    Wood(p, QRectF(0, 0, 800, 600), QColor(110, 72, 40));
    const QRectF felt(inset, inset, 800 - 2 * inset, 600 - 2 * inset);
    Felt(p, felt, QColor(44, 122, 78), QColor(24, 80, 50));
    p.setPen(QPen(QColor(212, 176, 96), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(felt.adjusted(8, 8, -8, -8));
    FitText(p, QRectF(250, 70, 300, 60), title, QColor(250, 230, 160), Face::Ming, 1.5);
    Tile corner[] = {{3, 5}, {3, 6}};
    TileRow(p, 70, 70, 34, corner, 2);
    TileRow(p, 800 - 70 - 70, 70, 34, corner, 2);
}

void LobbyScreen(QPainter& p, const QString& title) {
    Felt(p, QRectF(0, 0, 800, 600), QColor(40, 112, 76), QColor(22, 76, 50));
    Plate(p, QRectF(0, 0, 800, 34), QColor(120, 78, 44), QColor(80, 48, 24), 0);
    FitText(p, QRectF(12, 6, 120, 22), title, QColor(250, 230, 160), Face::Hei);
    Plate(p, QRectF(590, 40, 205, 555), QColor(60, 70, 60), QColor(36, 44, 36), 6);
    Plate(p, QRectF(5, 560, 580, 36), QColor(60, 70, 60), QColor(36, 44, 36), 6);
}

}  // namespace

void PaintScreen(QPainter& p, const AssetFile& f) {
    const QString label = Utf8(f.entry->label);
    switch (f.entry->variant) {
        case ScreenFelt: TableFelt(p); break;
        case ScreenWood: TableWood(p); break;
        case ScreenLoading: LoadingScreen(p, label); break;
        case ScreenLobby: LobbyScreen(p, label); break;
        case ScreenNames:
            // The name box stands at x 29: the felt reaches closer to the edge than elsewhere.
            MenuScreen(p, label, 12);
            PaintNamesLabels(p);
            break;
        case ScreenLogin:
            MenuScreen(p, label);
            PaintLoginLabels(p);
            break;
        case ScreenSignUp:
            MenuScreen(p, label);
            PaintSignUpLabels(p);
            break;
        case ScreenSlots:
            MenuScreen(p, label);
            PaintSlotLabels(p);
            break;
        default: MenuScreen(p, label); break;
    }
}

void PaintDialog(QPainter& p, const AssetFile& f) {
    // Rounded corners are cut away with the colour key.  A label's first line is the dialog's
    // title (large dialogs) or question (small boxes); a second line, after a line break, is a
    // note: under a large dialog's title band, at the foot of a small box under its buttons.
    const int look = f.entry->variant;
    const bool rounded = look == DialogRounded;
    const QRectF r(0, 0, f.width, f.height);
    const QStringList lines = Utf8(f.entry->label).split('\n');
    const QString note = lines.size() > 1 ? lines.back() : QString();
    const QColor noteInk(120, 80, 50);
    if (f.height > 120) {
        DialogPanel(p, r, lines.front(), rounded ? 14 : 0,
                    look == DialogScore ? Paper::Dark : Paper::Cream);
        FitText(p, QRectF(20, 46, f.width - 40, 15), note, noteInk, Face::Hei);
        if (look == DialogOptions) PaintOptionsLabels(p);
        return;
    }
    // A small box without a question of its own shows the program's message in white.
    const bool whiteText = lines.front().isEmpty();
    DialogPanel(p, r, QString(), rounded ? 14 : 0, whiteText ? Paper::Dark : Paper::Cream);
    if (whiteText) return;
    FitText(p, QRectF(20, 16, f.width - 40, 26), lines.front(), QColor(90, 40, 20), Face::Hei);
    FitText(p, QRectF(30, f.height - 30, f.width - 60, 15), note, noteInk, Face::Hei);
}

void PaintPanel(QPainter& p, const AssetFile& f) {
    QRectF r(0, 0, f.width, f.height);
    switch (f.entry->variant) {
        case 0:  // chat log
            Plate(p, r, QColor(34, 60, 46), QColor(20, 40, 30), 8);
            break;
        case 1:  // pop-up menu behind the menu buttons
            Plate(p, r, QColor(120, 78, 44), QColor(76, 46, 22), 8);
            break;
        case 2:  // scroll track tile, opaque
            p.fillRect(r, QColor(70, 80, 70));
            p.fillRect(QRectF(r.width() / 2 - 1, 0, 2, r.height()), QColor(40, 48, 40));
            break;
        default:  // slider thumb
            Plate(p, r, QColor(240, 210, 120), QColor(170, 120, 40), 3);
            break;
    }
}

void PaintExitWindow(QPainter& p, const AssetFile& f) {
    QRectF r(0, 0, f.width, f.height);
    DialogPanel(p, r, Utf8(u8"离开游戏"), 0);
    // The question sits under the title; the window's page pane covers (16, 135) to (314, 357),
    // framed here; the buttons stand below it at y 376.
    FitText(p, QRectF(30, 70, f.width - 60, 36), Utf8(f.entry->label), QColor(90, 40, 20),
            Face::Hei);
    const QRectF pane(16, 135, 298, 222);
    p.fillRect(pane, QColor(255, 252, 244));
    p.setPen(QPen(QColor(180, 140, 90), 1));
    p.drawRect(pane.adjusted(-1.5, -1.5, 1.5, 1.5));
}

void PaintCornerMask(QPainter& p, const AssetFile& f) {
    // 1 top-left, 2 top-right, 3 bottom-left, 4 bottom-right: black outside the rounded corner.
    const int n = f.index;
    p.fillRect(0, 0, f.width, f.height, Qt::black);
    QPointF centre(n % 2 == 1 ? f.width : 0, n <= 2 ? f.height : 0);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, f.width, f.height);
}

void PaintLogo(QPainter& p, const AssetFile& f) {
    QRectF r(0, 0, f.width, f.height);
    p.fillRect(r, Qt::white);
    Plate(p, r.adjusted(4, 4, -4, -4), QColor(52, 140, 90), QColor(20, 80, 48), 24);
    FitText(p, QRectF(30, 24, f.width - 60, 90), Utf8(f.entry->label), QColor(252, 232, 160),
            Face::Ming, 2);
    TileRow(p, f.width / 2.0 - 4 * 30, 130, 28, kShowTiles, 8);
}

}  // namespace art
