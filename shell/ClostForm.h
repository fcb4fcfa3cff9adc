// The exit window: asked before the program closes.  A borderless window painted from its
// picture, shaped by a region with rounded corners cut by four corner masks, with three picture
// buttons (OK, cancel, close) and a page in its middle.  Any point off the buttons drags it.
// Its result is QDialog::Accepted when the person chose to leave.
#pragma once

#include <QDialog>

#include <memory>
#include <string>

#include "platform/Surface.h"
#include "shell/GDIButtonArray.h"

class QPushButton;
class QTextBrowser;

class TClostForm : public QDialog {
public:
    static constexpr int kWidth = 330;
    static constexpr int kHeight = 431;

    explicit TClostForm(QWidget* owner);
    ~TClostForm() override;

    // The mask the window's region is built from at its present size: white, with the four
    // corner masks copied into their corners.
    platform::Surface RegionMask() const;
    // The window's picture: the form picture with the buttons drawn over it.
    platform::Surface Compose() const;

    CGDIButtonArray Buttons;
    // A remote exit page announced for the page pane; empty: none.  Remote pages are not
    // reachable here, so the local page stays.
    std::string RemotePage;

    void FormMouseDown(int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(int x, int y);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FormShow();
    void BuildRegion();

    QPushButton* BitBtn1;  // hidden; OK
    QPushButton* BitBtn2;  // hidden; cancel
    QTextBrowser* CppWebBrowser1;
    std::unique_ptr<platform::Surface> FormBitmap;
    std::unique_ptr<platform::Surface> CornerMasks[4];
};
