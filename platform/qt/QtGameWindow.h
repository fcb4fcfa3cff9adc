// The main window: a fixed 800 × 600 client area showing the game's RGB565 frame, forwarding
// mouse, keys, typed text, paint, timer ticks, posted notices, drops and the close request to
// one receiver.
#pragma once

#include <QCursor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <string>

#include "platform/Presenter.h"
#include "platform/Resource.h"
#include "platform/WindowEvents.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowPost.h"
#include "platform/qt/QtTimers.h"

namespace platform {

class QtGameWindow : public QWidget, public Presenter, public WindowPoster {
public:
    static constexpr int kClientWidth = kGameWidth;
    static constexpr int kClientHeight = kGameHeight;

    // Events go to `receiver`; none: they are dropped and closing is allowed.
    explicit QtGameWindow(WindowEvents* receiver = nullptr);
    ~QtGameWindow() override;

    void SetReceiver(WindowEvents* receiver) { receiver_ = receiver; }
    // The window's timers; their ticks reach the receiver's OnTimer.
    QtTimers& Timers() { return timers_; }

    // Copies the frame and repaints at once (inside a paint request, the frame simply
    // becomes what that paint shows).
    void Present(const std::uint16_t* pixels, int width, int height, int pitchBytes) override;
    // Queues a notice for the receiver's OnPosted; callable from any thread.
    void Post(int id, std::string payload) override;

    // Makes the game's cursor (as LoadResourceCursor gives it: pixels of the colour key are
    // transparent) the mouse cursor over the window.  False (cursor unchanged) when the cursor
    // has no picture.
    bool SetGameCursor(const ResourceCursor& cursor);
    // Hides or shows the mouse cursor over the window.
    void SetCursorVisible(bool visible);

    // The frame the window shows (RGB565).
    const QImage& Frame() const { return frame_; }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void customEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    WindowEvents& Receiver();
    void SendText(const QString& text);

    WindowEvents* receiver_;
    QtTimers timers_;
    QImage frame_;
    QCursor gameCursor_;
    bool painting_ = false;    // inside the receiver's OnPaint
    bool presenting_ = false;  // repainting a presented frame
};

}  // namespace platform
