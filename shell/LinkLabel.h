// A label of an ordinary window that reacts to the mouse: a click and the mouse moving over
// it.  Links are blue and underlined with a hand cursor.
#pragma once

#include <QLabel>

#include <functional>
#include <string_view>

// A plain label at (x, y) of `parent`, sized to its GBK text.
QLabel* NewLabel(QWidget* parent, int x, int y, std::string_view gbkText, int fontPixels = 12);

class LinkLabel : public QLabel {
public:
    static constexpr QRgb kBlue = 0x0000FF;
    static constexpr QRgb kRed = 0xFF0000;

    // A blue, underlined label at (x, y) of `parent` with a hand cursor.
    LinkLabel(QWidget* parent, int x, int y, std::string_view gbkText);

    void SetColour(QRgb rgb);
    QRgb Colour() const { return colour_; }

    std::function<void()> onClick;
    std::function<void()> onMouseMove;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRgb colour_ = kBlue;
};
