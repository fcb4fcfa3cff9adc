#include "tools/art/DialogLabels.h"

#include "tools/art/ArtKit.h"

#include <QFont>

namespace art {

namespace {

const QColor kCream(250, 240, 200);  // captions on the green felt screens
const QColor kDimCream(200, 214, 180);
const QColor kInk(90, 40, 20);       // captions on cream paper

// A caption in the program's Song face at a fixed pixel size: text the eye reads as a label,
// not as a title fitted to a box.
void Caption(QPainter& p, const QRectF& box, const char* text, const QColor& colour,
             int pixels = 14, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    QFont font("AR PL UMing CN");
    font.setPixelSize(pixels);
    font.setBold(true);
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, static_cast<int>(align), Utf8(text));
    p.restore();
}

// A caption right of a check box of 20 x 20 at (x, y).
void BoxCaption(QPainter& p, double x, double y, double width, const char* text,
                const QColor& colour, int pixels = 14) {
    Caption(p, QRectF(x + 24, y, width, 20), text, colour, pixels);
}

// A caption right-aligned left of an edit at (x, y), 24 high.
void EditCaption(QPainter& p, double x, double y, const char* text) {
    Caption(p, QRectF(x - 118, y, 110, 24), text, kCream, 16, Qt::AlignRight | Qt::AlignVCenter);
}

// A darker field on the felt that groups the widgets standing on it.
void Group(QPainter& p, const QRectF& r) {
    Plate(p, r, QColor(22, 70, 44, 200), QColor(16, 56, 34, 200), 10);
}

// A slider between x 'left' and 'right' whose thumb stands at 'y': its caption above, the
// meaning of its two ends at the caption's sides, and the groove the thumb runs in.  The thumb
// (14 wide) runs 80 pixels right from the left end: the groove spans its middle over that run.
void Slider(QPainter& p, double left, double right, double y, const char* caption,
            const char* low, const char* high) {
    Caption(p, QRectF(left, y - 25, right - left, 20), caption, kInk, 14, Qt::AlignCenter);
    Caption(p, QRectF(left, y - 23, 16, 16), low, kInk, 12);
    Caption(p, QRectF(right - 16, y - 23, 16, 16), high, kInk, 12,
            Qt::AlignRight | Qt::AlignVCenter);
    const double groove = y + 10;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 90, 60), 1));
    p.setBrush(QColor(70, 46, 26));
    p.drawRoundedRect(QRectF(left + 3, groove - 3, 88, 6), 3, 3);
    p.restore();
}

}  // namespace

void PaintNamesLabels(QPainter& p) {
    // Seats: the caption stands between the picture's two arrows.
    Caption(p, QRectF(247, 148, 44, 24), u8"对家", kCream, 14, Qt::AlignCenter);
    Caption(p, QRectF(108, 175, 44, 24), u8"上家", kCream, 14, Qt::AlignCenter);
    Caption(p, QRectF(393, 175, 44, 24), u8"下家", kCream, 14, Qt::AlignCenter);
    Caption(p, QRectF(247, 459, 44, 24), u8"自己", kCream, 14, Qt::AlignCenter);
    Caption(p, QRectF(29, 498, 200, 20), u8"你的名字：", kCream, 14);
    // Rules: the two families in the first row, the wild-tile choices of the second family
    // below them.
    Group(p, QRectF(528, 214, 246, 218));
    Caption(p, QRectF(540, 222, 236, 24), u8"游戏规则", kCream, 16);
    BoxCaption(p, 545, 258, 96, u8"国标麻将", kCream);
    BoxCaption(p, 668, 258, 90, u8"大众麻将", kCream);
    Caption(p, QRectF(569, 279, 96, 16), u8"八番起和", kDimCream, 12);
    Caption(p, QRectF(692, 279, 90, 16), u8"不限番数", kDimCream, 12);
    Caption(p, QRectF(548, 297, 230, 16), u8"财神（大众麻将可选）：", kDimCream, 12);
    BoxCaption(p, 551, 318, 200, u8"不用财神", kCream);
    BoxCaption(p, 552, 357, 200, u8"翻出牌的下一张为财神", kCream);
    BoxCaption(p, 552, 403, 200, u8"翻出牌的上一张为财神", kCream);
}

void PaintOptionsLabels(QPainter& p) {
    Slider(p, 35, 130, 99, u8"音效音量", u8"小", u8"大");
    Slider(p, 155, 250, 99, u8"出牌速度", u8"慢", u8"快");
    BoxCaption(p, 87, 131, 98, u8"动画效果", kInk);
    BoxCaption(p, 213, 131, 60, u8"语音报牌", kInk, 13);
    BoxCaption(p, 87, 179, 98, u8"背景音乐", kInk);
    BoxCaption(p, 213, 179, 60, u8"全屏显示", kInk, 13);
}

void PaintSlotLabels(QPainter& p) {
    // Load bars at (280, 278 + 40 i), 170 wide; the new-game buttons carry their own words.
    Caption(p, QRectF(280, 250, 170, 22), u8"读取存档", kCream, 14, Qt::AlignCenter);
    const char* numbers[] = {u8"1", u8"2", u8"3", u8"4", u8"5"};
    for (int i = 0; i < 5; ++i)
        Caption(p, QRectF(240, 278 + 40 * i, 32, 34), numbers[i], kCream, 16,
                Qt::AlignRight | Qt::AlignVCenter);
}

void PaintLoginLabels(QPainter& p) {
    Group(p, QRectF(170, 262, 330, 130));
    EditCaption(p, 287, 289, u8"帐号：");
    EditCaption(p, 287, 353, u8"密码：");
    Caption(p, QRectF(287, 314, 200, 16), u8"4-12个字符", kDimCream, 12);
}

void PaintSignUpLabels(QPainter& p) {
    Group(p, QRectF(220, 240, 330, 218));
    EditCaption(p, 360, 263, u8"帐号：");
    EditCaption(p, 360, 307, u8"密码：");
    EditCaption(p, 360, 331, u8"确认密码：");
    EditCaption(p, 360, 379, u8"电子邮件：");
    Caption(p, QRectF(360, 287, 200, 16), u8"帐号与密码均为4-12个字符", kDimCream, 12);
    Caption(p, QRectF(242, 423, 110, 24), u8"性别：", kCream, 16,
            Qt::AlignRight | Qt::AlignVCenter);
    BoxCaption(p, 387, 425, 40, u8"男", kCream, 16);
    BoxCaption(p, 458, 425, 40, u8"女", kCream, 16);
}

}  // namespace art
