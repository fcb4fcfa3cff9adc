#include "platform/qt/QtDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

#include <string>

namespace platform {

bool QtDesktop::OpenWebAddress(std::string_view utf8Url) {
    QUrl url(QString::fromStdString(std::string(utf8Url)), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void QtDesktop::FlashIfInactive() {
    if (!window_) return;
    bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
    if (active && !window_->isMinimized()) return;
    // Duration 0: the taskbar entry stays marked until the window is activated.
    QApplication::alert(window_, 0);
}

void QtDesktop::Minimize() {
    if (window_) window_->showMinimized();
}

}  // namespace platform
