#include "platform/qt/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "platform/qt/QtGameWindow.h"
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

// The game's buttons speak Chinese whatever the desktop's language: Qt would label its
// standard buttons from the desktop's translation, in English when there is none.
struct ButtonText {
    QMessageBox::StandardButton button;
    const char* gbkText;
};
constexpr ButtonText kButtonTexts[] = {
    {QMessageBox::Ok, "确定"},
    {QMessageBox::Cancel, "取消"},
    {QMessageBox::Yes, "是"},
    {QMessageBox::No, "否"},
};

void LabelButtons(QMessageBox& box) {
    for (const ButtonText& label : kButtonTexts)
        if (QAbstractButton* button = box.button(label.button)) button->setText(FromGbk(label.gbkText));
}

// The shown game window; the active window when there is none.
QWidget* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<QtGameWindow*>(widget) && widget->isVisible()) return widget;
    return QApplication::activeWindow();
}

QWidget* OwnerOf(MbOwner owner) {
    return owner == MbOwner::MainWindow ? MainWindow() : QApplication::activeWindow();
}

}  // namespace

MbResult QtMessageBoxes::Show(const MessageBoxRequest& request) {
    QMessageBox box(IconOf(request.icon), FromGbk(request.caption), FromGbk(request.text),
                    QMessageBox::NoButton, OwnerOf(request.owner));
    if (request.buttons == MbButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        LabelButtons(box);
        box.exec();
        return MbResult::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    LabelButtons(box);
    box.setDefaultButton(request.defaultButton == MbResult::Yes ? QMessageBox::Yes
                                                                : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? MbResult::Yes : MbResult::No;
}

}  // namespace platform
