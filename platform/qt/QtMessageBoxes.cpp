#include "platform/qt/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
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

// A window a box may stand over: one that is on the screen now.  The active window can be a
// dialog that is closing or already hidden (the start notice, the exit window), most of all on
// a desktop without a window manager; a box over it would be placed by a window nobody sees.
QWidget* Shown(QWidget* window) { return window && window->isVisible() ? window : nullptr; }

QWidget* ShownGameWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<QtGameWindow*>(widget) && widget->isVisible()) return widget;
    return nullptr;
}

// The box stands over the window asked for when it shows, else over the shown game window,
// else over whatever window is active and shown; with none it stands on its own.
QWidget* OwnerOf(MbOwner owner) {
    QWidget* active = Shown(QApplication::activeWindow());
    QWidget* game = ShownGameWindow();
    QWidget* first = owner == MbOwner::MainWindow ? game : active;
    QWidget* second = owner == MbOwner::MainWindow ? active : game;
    return first ? first : second;
}

// A message box that comes to the front and takes the keyboard as it shows, also where no
// window manager gives it the focus, and that no key held down from before can answer: the key
// that closed the window before it (Return held a moment too long) repeats into it otherwise,
// and the box would close before it was seen.
class GameMessageBox : public QMessageBox {
public:
    GameMessageBox(Icon icon, const QString& caption, const QString& text, QWidget* owner)
        : QMessageBox(icon, caption, text, QMessageBox::NoButton, owner) {
        qApp->installEventFilter(this);
    }
    ~GameMessageBox() override { qApp->removeEventFilter(this); }

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        raise();
        activateWindow();
    }
    // Key events go to the box's focused button: the repeats of a held key are dropped there.
    bool eventFilter(QObject* target, QEvent* event) override {
        const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
                         event->type() == QEvent::ShortcutOverride;
        auto* widget = qobject_cast<QWidget*>(target);
        return key && static_cast<QKeyEvent*>(event)->isAutoRepeat() && widget &&
               (widget == this || isAncestorOf(widget));
    }
};

}  // namespace

MbResult QtMessageBoxes::Show(const MessageBoxRequest& request) {
    GameMessageBox box(IconOf(request.icon), FromGbk(request.caption), FromGbk(request.text),
                       OwnerOf(request.owner));
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
