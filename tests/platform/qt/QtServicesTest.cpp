// The Qt message boxes and desktop services, driven the way a user would answer them.
#include <QAbstractButton>
#include <QApplication>
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
