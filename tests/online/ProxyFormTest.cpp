// The Qt windows of online play: the proxy dialog's controls and rules, and the hint window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "online/qt/HintForm.h"
#include "online/qt/ProxyForm.h"
#include "online/qt/QtOnlineWindows.h"
#include "platform/qt/QtGbk.h"

namespace {

ProxyFormFields Fields(bool use, bool auth) {
    ProxyFormFields f;
    f.useProxy = use;
    f.host = "proxy.lan";
    f.port = "3128";
    f.http = true;
    f.auth = auth;
    if (use && auth) {
        f.user = "u";
        f.password = "p";
    }
    return f;
}

void Press(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}

}  // namespace

TEST(ProxyForm, LoadsAProxyInUseWithCredentials) {
    TProxyForm form;
    form.Load(Fields(true, true));
    EXPECT_TRUE(form.UseProxy->isChecked());
    EXPECT_TRUE(form.RadioButton2->isChecked());
    EXPECT_FALSE(form.RadioButton1->isChecked());
    EXPECT_TRUE(form.CheckBox1->isChecked());
    for (QWidget* w : {static_cast<QWidget*>(form.ProxyName), static_cast<QWidget*>(form.Port),
                       static_cast<QWidget*>(form.User), static_cast<QWidget*>(form.PassWord)})
        EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(form.User->text(), "u");
    EXPECT_EQ(form.PassWord->echoMode(), QLineEdit::Password);
    EXPECT_EQ(form.ProxyName->palette().color(QPalette::Base), QColor(Qt::white));
}

// A dialog border: shown, it keeps the size its controls need and offers no resizing, minimising
// or maximising, so no window manager puts a resize handle under it.
TEST(ProxyForm, HasADialogBorderOfTheSizeItsControlsNeed) {
    TProxyForm form;
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.size(), form.minimumSize());
    EXPECT_GE(form.height(), form.sizeHint().height());
    const QRect buttons = form.BitBtn1->geometry().united(form.BitBtn2->geometry());
    EXPECT_TRUE(form.rect().contains(buttons));
    for (Qt::WindowType hint : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(form.windowFlags().testFlag(hint)) << hint;
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST(ProxyForm, AProxyWithoutCredentialsOrOffDisablesWhatItDoesNotUse) {
    TProxyForm noAuth;
    noAuth.Load(Fields(true, false));
    EXPECT_TRUE(noAuth.ProxyName->isEnabled());
    EXPECT_FALSE(noAuth.User->isEnabled());
    EXPECT_FALSE(noAuth.PassWord->isEnabled());
    EXPECT_NE(noAuth.User->palette().color(QPalette::Base), QColor(Qt::white));

    TProxyForm off;
    off.Load(Fields(false, true));
    EXPECT_FALSE(off.UseProxy->isChecked());
    EXPECT_EQ(off.ProxyName->text(), "proxy.lan");  // filled all the same
    EXPECT_EQ(off.Port->text(), "3128");
    for (QWidget* w : {static_cast<QWidget*>(off.ProxyName), static_cast<QWidget*>(off.Port),
                       static_cast<QWidget*>(off.RadioButton1), static_cast<QWidget*>(off.RadioButton2),
                       static_cast<QWidget*>(off.CheckBox1), static_cast<QWidget*>(off.User)})
        EXPECT_FALSE(w->isEnabled());

    off.UseProxy->click();  // ticking the switch brings the controls back, not the credentials
    EXPECT_TRUE(off.ProxyName->isEnabled());
    EXPECT_TRUE(off.CheckBox1->isEnabled());
    EXPECT_TRUE(off.User->isEnabled());  // the authentication box is ticked
    off.CheckBox1->click();
    EXPECT_FALSE(off.User->isEnabled());
    EXPECT_FALSE(off.PassWord->isEnabled());
}

TEST(ProxyForm, ThePortTakesOnlyDigitsAndBackspace) {
    TProxyForm form;
    form.Load(Fields(true, false));
    form.Port->clear();
    form.Port->setFocus();
    Press(form.Port, Qt::Key_1, "1");
    Press(form.Port, Qt::Key_A, "a");
    Press(form.Port, Qt::Key_Minus, "-");
    Press(form.Port, Qt::Key_8, "8");
    EXPECT_EQ(form.Port->text(), "18");
    Press(form.Port, Qt::Key_Backspace, QString(QChar(8)));
    EXPECT_EQ(form.Port->text(), "1");
    EXPECT_TRUE(TProxyForm::PortKeyPress(QChar('0')));
    EXPECT_FALSE(TProxyForm::PortKeyPress(QChar(0x0661)));  // an Arabic-Indic digit
}

TEST(ProxyForm, ReadBackTextsAreAtMostFortyNineBytesCutAtACharacter) {
    TProxyForm form;
    form.Load(Fields(true, true));
    form.ProxyName->setText(QString(48, 'h') + platform::FromGbk("中"));
    form.User->setText(platform::FromGbk("用户") + QString(60, 'u'));
    form.RadioButton1->setChecked(true);
    const ProxyFormFields f = form.Fields();
    EXPECT_EQ(f.host, std::string(48, 'h'));
    EXPECT_EQ(f.user.size(), 49u);
    EXPECT_EQ(f.user.substr(0, 4), "用户");
    EXPECT_FALSE(f.http);
}

TEST(ProxyForm, OkConfirmsAndCancelLeavesTheFieldsAsTheyWere) {
    QtOnlineWindows windows(nullptr);
    ProxyFormFields fields = Fields(true, false);
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        auto* proxy = static_cast<TProxyForm*>(form);
        proxy->Port->setText("8080");
        proxy->BitBtn1->click();
    });
    EXPECT_TRUE(windows.EditProxySettings(fields));
    EXPECT_EQ(fields.port, "8080");

    QTimer::singleShot(0, [] {
        auto* proxy = static_cast<TProxyForm*>(QApplication::activeModalWidget());
        proxy->Port->setText("1");
        proxy->BitBtn2->click();
    });
    EXPECT_FALSE(windows.EditProxySettings(fields));
    EXPECT_EQ(fields.port, "8080");
}

TEST(HintForm, AFramelessPictureWithItsLineOfText) {
    bool closed = false;
    THintForm hint([&] { closed = true; });
    EXPECT_EQ(hint.size(), QSize(THintForm::kWidth, THintForm::kHeight));
    EXPECT_TRUE(hint.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(hint.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(hint.Label1->text(), platform::FromGbk("游戏服务器连接中"));
    hint.ShowCentred();
    EXPECT_TRUE(hint.isVisible());
    EXPECT_FALSE(hint.Button1->isVisible());
    hint.SetText("正在验证用户身份...");
    EXPECT_EQ(hint.Label1->text(), platform::FromGbk("正在验证用户身份..."));
    hint.Button1Click();
    EXPECT_TRUE(closed);
}

TEST(HintForm, TheOnlineWindowsShowAndCloseItAndTheMainWindow) {
    QWidget main;
    QtOnlineWindows windows(&main);
    windows.ShowHint();
    EXPECT_TRUE(windows.Hint()->isVisible());
    windows.CloseHint();
    EXPECT_FALSE(windows.Hint()->isVisible());
    windows.ShowMainWindow();
    EXPECT_TRUE(main.isVisible());
    windows.Hint()->Button1Click();  // the hidden cancel closes the main window
    EXPECT_FALSE(main.isVisible());
}
