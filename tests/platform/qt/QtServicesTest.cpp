// The Qt message boxes and desktop services, driven the way a user would answer them.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtGameWindow.h"
#include "platform/qt/QtMessageBoxes.h"

using namespace platform;

namespace {

struct SeenBox {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QStringList buttonTexts;  // in the order of the standard buttons' values
    QWidget* owner = nullptr;
};

// Shows `request` and, once the box is up, writes down what it shows and lets `answer` act on it.
MbResult ShowAndAnswer(const MessageBoxRequest& request, SeenBox& seen,
                       const std::function<void(QMessageBox&)>& answer) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.text = box->text();
        seen.caption = box->windowTitle();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (box->defaultButton()) seen.defaultButton = box->standardButton(box->defaultButton());
        for (QMessageBox::StandardButton b : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes,
                                              QMessageBox::No})
            if (box->button(b)) seen.buttonTexts << box->button(b)->text();
        seen.owner = box->parentWidget();
        answer(*box);
    });
    return QtMessageBoxes().Show(request);
}

TEST(QtMessageBoxes, ShowsGbkTextsAndAnswersTheButtonClicked) {
    SeenBox seen;
    MessageBoxRequest request{"\xC8\xB7\xB6\xA8\xD2\xAA\xBD\xFB\xD6\xB9\xC2\xF0\xA3\xBF",
                              "\xCC\xE1\xCA\xBE\xD0\xC5\xCF\xA2", MbIcon::Question,
                              MbButtons::YesNo, MbResult::No};
    MbResult result = ShowAndAnswer(request, seen, [](QMessageBox& box) {
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(result, MbResult::Yes);
    EXPECT_EQ(seen.text, QString::fromUtf8(u8"确定要禁止吗？"));
    EXPECT_EQ(seen.caption, QString::fromUtf8(u8"提示信息"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.defaultButton, QMessageBox::No);
}

TEST(QtMessageBoxes, EscapeOnAYesNoBoxAnswersNo) {
    SeenBox seen;
    MessageBoxRequest request{"?", "c", MbIcon::Question, MbButtons::YesNo, MbResult::Yes};
    MbResult result = ShowAndAnswer(request, seen, [](QMessageBox& box) {
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
    EXPECT_EQ(result, MbResult::No);
}

TEST(QtMessageBoxes, OkBoxAnswersOk) {
    SeenBox seen;
    MessageBoxRequest request{"\xB4\xE4\xC1\xEB\xD2\xD1\xBE\xAD\xD4\xCB\xD0\xD0.",
                              "\xB4\xE4\xC1\xEB", MbIcon::Information};
    MbResult result = ShowAndAnswer(request, seen, [](QMessageBox& box) { box.close(); });
    EXPECT_EQ(result, MbResult::Ok);
    EXPECT_EQ(seen.text, QString::fromUtf8(u8"翠岭已经运行."));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

// Every kind of box the game raises speaks Chinese, whatever the desktop's language; the
// caption is the one asked for.
TEST(QtMessageBoxes, EachKindOfBoxHasChineseButtonsAndItsCaption) {
    const struct {
        MbButtons buttons;
        const char* gbkCaption;
        QStringList texts;
        QString caption;
    } kinds[] = {
        {MbButtons::Ok, "\xD0\xC5\xCF\xA2", {QString::fromUtf8(u8"确定")}, QString::fromUtf8(u8"信息")},
        {MbButtons::YesNo, "\xB4\xE4\xC1\xEB",
         {QString::fromUtf8(u8"是"), QString::fromUtf8(u8"否")}, QString::fromUtf8(u8"翠岭")},
    };
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const auto& kind : kinds) {
        SeenBox seen;
        MessageBoxRequest request{"?", kind.gbkCaption, MbIcon::Information, kind.buttons,
                                  MbResult::Yes};
        ShowAndAnswer(request, seen, [](QMessageBox& box) { box.close(); });
        EXPECT_EQ(seen.buttonTexts, kind.texts);
        EXPECT_EQ(seen.caption, kind.caption);
    }
    QLocale::setDefault(before);
}

// A box for the main window stands over the game window even when another window is active.
TEST(QtMessageBoxes, ABoxForTheMainWindowStandsOverTheGameWindow) {
    QtGameWindow game;
    game.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    other.activateWindow();
    SeenBox seen;
    MessageBoxRequest request{"?", "c", MbIcon::Information};
    request.owner = MbOwner::MainWindow;
    ShowAndAnswer(request, seen, [](QMessageBox& box) { box.close(); });
    EXPECT_EQ(seen.owner, &game);
}

// A box never stands over a window that is not on the screen (an active window that has just
// been hidden, as the start notice or the exit window is when the box comes): it takes the game
// window then, and with no window shown it stands on its own, shown all the same.
TEST(QtMessageBoxes, ABoxStandsOverAShownWindowOrOnItsOwn) {
    QtGameWindow game;
    QDialog closed;
    closed.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&closed));
    closed.hide();
    const struct {
        bool gameShown;
        MbOwner owner;
        QWidget* expected;
    } kCases[] = {
        {true, MbOwner::ActiveWindow, &game},
        {true, MbOwner::MainWindow, &game},
        {false, MbOwner::ActiveWindow, nullptr},
        {false, MbOwner::MainWindow, nullptr},
    };
    for (const auto& c : kCases) {
        game.setVisible(c.gameShown);
        QApplication::setActiveWindow(&closed);
        SeenBox seen;
        bool onScreen = false;
        MessageBoxRequest request{"?", "c", MbIcon::Information};
        request.owner = c.owner;
        ShowAndAnswer(request, seen, [&](QMessageBox& box) {
            onScreen = box.isVisible();
            box.close();
        });
        EXPECT_EQ(seen.owner, c.expected) << c.gameShown;
        EXPECT_TRUE(onScreen) << c.gameShown;
    }
}

// A key held down from before the box (the Return that closed the window before it) repeats;
// its repeats answer nothing, and the next real press does.
TEST(QtMessageBoxes, TheRepeatsOfAHeldKeyDoNotAnswerTheBox) {
    SeenBox seen;
    bool openAfterRepeats = false;
    MessageBoxRequest request{"?", "c", MbIcon::Question, MbButtons::YesNo, MbResult::Yes};
    const MbResult result = ShowAndAnswer(request, seen, [&](QMessageBox& box) {
        QWidget* focused = box.focusWidget() ? box.focusWidget() : &box;
        for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress, QEvent::KeyRelease,
                                  QEvent::KeyPress}) {
            QKeyEvent repeat(type, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(focused, &repeat);
        }
        openAfterRepeats = box.isVisible();
        QTest::keyClick(focused, Qt::Key_Return);
    });
    EXPECT_TRUE(openAfterRepeats);
    EXPECT_EQ(result, MbResult::Yes);
}

TEST(QtDesktop, MinimiseMinimisesTheWindow) {
    QtGameWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QtDesktop desktop(&window);
    desktop.FlashIfInactive();  // harmless whatever the window's state
    desktop.Minimize();
    EXPECT_TRUE(window.isMinimized());
}

}  // namespace
