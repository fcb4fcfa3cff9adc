#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt/QtGbk.h"

namespace platform {

namespace {

QMessageBox::Icon IconOf(MbIcon icon) {
    switch (icon) {
        case MbIcon::Information: return QMessageBox::Information;
        case MbIcon::Warning: return QMessageBox::Warning;
        case MbIcon::Error: return QMessageBox::Critical;
        case MbIcon::Question: return QMessageBox::Question;
        case MbIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MbResult QtMessageBoxes::Show(const MessageBoxRequest& request) {
    QMessageBox box(IconOf(request.icon), FromGbk(request.caption), FromGbk(request.text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (request.buttons == MbButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MbResult::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(request.defaultButton == MbResult::Yes ? QMessageBox::Yes
                                                                : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MbResult::Yes : MbResult::No;
}

}  // namespace platform
