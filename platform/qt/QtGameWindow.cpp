#include "platform/qt/QtGameWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Gbk.h"
#include "platform/Path.h"
#include "platform/Surface.h"
#include "platform/WindowKeys.h"
#include "platform/qt/QtKeys.h"
#include "platform/qt/QtSurfaceImage.h"

namespace platform {

namespace {

// A notice on its way to the window, with its own copy of the payload.
class NoticeEvent : public QEvent {
public:
    static QEvent::Type Kind() {
        static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
        return kind;
    }
    NoticeEvent(int id, std::string payload)
        : QEvent(Kind()), id(id), payload(std::move(payload)) {}
    int id;
    std::string payload;
};

// The character a key types when Qt gives no text for it, as the game expects: Backspace 8,
// Enter 13, Esc 27.
QString ControlCharacter(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Backspace: return QString(QChar(8));
        case Qt::Key_Return:
        case Qt::Key_Enter: return QString(QChar(13));
        case Qt::Key_Escape: return QString(QChar(27));
        default: return {};
    }
}

// A dropped file's path as the game writes paths: GBK, backslashes (under the program folder
// from the folder's own name, which GBK may not hold).
std::string GamePathOf(const QString& localFile) {
    std::string path = GamePathOfDisk(localFile.toStdString());
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

WindowEvents& NoReceiver() {
    static WindowEvents ignoreAll;
    return ignoreAll;
}

}  // namespace

QtGameWindow::QtGameWindow(WindowEvents* receiver)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                  Qt::WindowCloseButtonHint),
      receiver_(receiver),
      timers_([this](int id) { Receiver().OnTimer(id); }),
      frame_(kClientWidth, kClientHeight, QImage::Format_RGB16) {
    frame_.fill(Qt::black);
    setFixedSize(kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAcceptDrops(true);
}

QtGameWindow::~QtGameWindow() = default;

WindowEvents& QtGameWindow::Receiver() { return receiver_ ? *receiver_ : NoReceiver(); }

void QtGameWindow::Present(const std::uint16_t* pixels, int width, int height,
                           int pitchBytes) {
    if (!IsPresentableFrame(pixels, width, height, pitchBytes)) return;
    int w = std::min(width, kClientWidth);
    int h = std::min(height, kClientHeight);
    const auto* row = reinterpret_cast<const unsigned char*>(pixels);
    for (int y = 0; y < h; ++y, row += pitchBytes)
        std::memcpy(frame_.scanLine(y), row, static_cast<std::size_t>(w) * 2);
    if (painting_) return;
    presenting_ = true;
    repaint(0, 0, w, h);
    presenting_ = false;
}

void QtGameWindow::Post(int id, std::string payload) {
    QCoreApplication::postEvent(this, new NoticeEvent(id, std::move(payload)));
}

bool QtGameWindow::SetGameCursor(const ResourceCursor& cursor) {
    if (!cursor.image) return false;
    gameCursor_ = QCursor(QPixmap::fromImage(SurfaceImage(*cursor.image)), cursor.hotX, cursor.hotY);
    setCursor(gameCursor_);
    return true;
}

void QtGameWindow::SetCursorVisible(bool visible) {
    setCursor(visible ? gameCursor_ : QCursor(Qt::BlankCursor));
}

void QtGameWindow::paintEvent(QPaintEvent*) {
    // A paint the system asks for lets the receiver compose and present first; that frame is
    // what gets drawn.  A paint of a presented frame only draws it.
    if (!presenting_) {
        painting_ = true;
        Receiver().OnPaint();
        painting_ = false;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
}

void QtGameWindow::mousePressEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        Receiver().OnLButtonDown(p.x(), p.y(), kLeftButton);
    else if (event->button() == Qt::RightButton)
        Receiver().OnLButtonDown(p.x(), p.y(), kRightButton);
}

void QtGameWindow::mouseMoveEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    Receiver().OnMouseMove(p.x(), p.y());
}

void QtGameWindow::mouseReleaseEvent(QMouseEvent* event) {
    QPoint p = event->position().toPoint();
    Receiver().OnLButtonUp(p.x(), p.y());
}

void QtGameWindow::SendText(const QString& text) {
    if (text.isEmpty()) return;
    for (unsigned char byte : Utf8ToGbk(text.toStdString())) Receiver().OnChar(byte);
}

void QtGameWindow::keyPressEvent(QKeyEvent* event) {
    int vk = VirtualKeyFromQt(event->key(), event->modifiers());
    if (vk) Receiver().OnKeyDown(vk);
    // Tab types its character when it is released; Delete types none.
    if (vk == VK_TAB || vk == VK_DELETE) return;
    QString text = event->text();
    SendText(text.isEmpty() ? ControlCharacter(event->key()) : text);
}

void QtGameWindow::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key-down only.
    if (event->isAutoRepeat()) return;
    int vk = VirtualKeyFromQt(event->key(), event->modifiers());
    if (vk) Receiver().OnKeyUp(vk);
    if (vk == VK_TAB) Receiver().OnChar(9);
}

void QtGameWindow::inputMethodEvent(QInputMethodEvent* event) {
    SendText(event->commitString());
    event->accept();
}

QVariant QtGameWindow::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return true;
    return QWidget::inputMethodQuery(query);
}

void QtGameWindow::closeEvent(QCloseEvent* event) {
    if (Receiver().OnClose())
        event->accept();
    else
        event->ignore();
}

void QtGameWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void QtGameWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void QtGameWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(GamePathOf(url.toLocalFile()));
    if (paths.empty()) return;
    event->acceptProposedAction();
    Receiver().OnDropFiles(paths);
}

void QtGameWindow::customEvent(QEvent* event) {
    if (event->type() != NoticeEvent::Kind()) return;
    auto* notice = static_cast<NoticeEvent*>(event);
    Receiver().OnPosted(notice->id, notice->payload);
}

bool QtGameWindow::focusNextPrevChild(bool) { return false; }  // Tab belongs to the game

}  // namespace platform
