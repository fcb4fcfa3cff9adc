#include "shell/LinkLabel.h"

#include <QMouseEvent>

#include "shell/QtText.h"

QLabel* NewLabel(QWidget* parent, int x, int y, std::string_view gbkText, int fontPixels) {
    auto* label = new QLabel(FromGbk(gbkText), parent);
    label->setFont(ShellFont(fontPixels));
    label->move(x, y);
    label->adjustSize();
    return label;
}

LinkLabel::LinkLabel(QWidget* parent, int x, int y, std::string_view gbkText)
    : QLabel(FromGbk(gbkText), parent) {
    QFont font = ShellFont(12);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    SetColour(kBlue);
    move(x, y);
    adjustSize();
}

void LinkLabel::SetColour(QRgb rgb) {
    colour_ = rgb;
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(rgb));
    setPalette(palette);
}

// The press is taken, so its release comes here.
void LinkLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) onMouseMove();
    event->accept();
}
