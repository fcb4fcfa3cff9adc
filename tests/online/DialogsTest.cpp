// The server-line chooser and the sign-up dialog.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "online/OnlineAddresses.h"
#include "ui/ModeForm.h"
#include "online/RegRequest.h"
#include "platform/Ini.h"
#include "tests/online/LinkTestSupport.h"

using namespace onlinetest;

namespace {

std::string Directory(int count) {
    std::string text = "[Public]\r\nServerNum=" + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; i++)
        text += "[DIRSERVER" + std::to_string(i) + "]\r\nname=线路" + std::to_string(i) +
                "\r\nhost=127.0.0." + std::to_string(i + 1) + "\r\n";
    return text;
}

}  // namespace

TEST(ChooseNetForm, ButtonsForTheLinesOfTheDirectoryAndNoMore) {
    OnlineBench bench([](const std::filesystem::path& f) { WriteFile(f / "Dirconfig.ini", Directory(3)); });
    CChooseNetForm& chooser = *pChooseNetForm;
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(chooser.buttons.GetButton(i)->caption, "线路" + std::to_string(i));
        EXPECT_TRUE(chooser.buttons.GetButton(i)->enabled);
    }
    for (int i = 3; i < 5; i++) {
        EXPECT_EQ(chooser.buttons.GetButton(i)->caption, "");
        EXPECT_FALSE(chooser.buttons.GetButton(i)->enabled);
    }
    EXPECT_EQ(DirServer[2].port, 1982);  // a missing port key
    chooser.Show();
    OnlineBench::ClickButton(chooser, 3);  // inert
    EXPECT_EQ(nActiveForm, CChooseNetForm::kId);
    OnlineBench::ClickButton(chooser, 2);
    EXPECT_EQ(nServerIndex, 2);
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
    chooser.Show();
    OnlineBench::ClickButton(chooser, CChooseNetForm::kCloseButton);
    EXPECT_EQ(nActiveForm, kModeFormId);
}

TEST(ChooseNetForm, TheStartScreensNetworkButtonBringsItUp) {
    OnlineBench bench;
    pModeForm->Show();
    OnlineBench::ClickButton(*pModeForm, CModeForm::kNet);
    EXPECT_EQ(nActiveForm, CChooseNetForm::kId);
}

TEST(ChooseNetForm, ADirectoryOfMoreThanFiveLinesFillsFive) {
    OnlineBench bench([](const std::filesystem::path& f) { WriteFile(f / "Dirconfig.ini", Directory(9)); });
    EXPECT_EQ(ServerNum, 5);
    EXPECT_EQ(pChooseNetForm->buttons.GetButton(4)->caption, "线路4");
    EXPECT_EQ(pChooseNetForm->buttons.count, 6);
}

TEST(ChooseNetForm, NoDirectoryFileGivesTheTwoLinesOnTheLoopback) {
    OnlineBench bench([](const std::filesystem::path& f) { std::filesystem::remove(f / "Dirconfig.ini"); });
    ASSERT_EQ(ServerNum, 2);
    EXPECT_STREQ(DirServer[0].name, "电信服务器");
    EXPECT_STREQ(DirServer[1].name, "网通服务器");
    EXPECT_STREQ(DirServer[0].host, kDefaultServerHost);
    EXPECT_STREQ(DirServer[1].host, kDefaultServerHost);
    EXPECT_EQ(DirServer[1].port, 1982);
}

// --- Sign-up ------------------------------------------------------------------------------

class SignUpTest : public LinkTest {
protected:
    SignUpTest() {
        reg = pRegForm;
        reg->Show();
        Fill("newname", "pass99", "pass99", "me@home.net");
    }
    void Fill(const std::string& name, const std::string& password, const std::string& confirm,
              const std::string& mail) {
        auto set = [](CDxEdit* edit, const std::string& text) {
            std::snprintf(edit->text, sizeof edit->text, "%s", text.c_str());
            edit->length = static_cast<int>(text.size());
        };
        set(reg->NameEdit, name);
        set(reg->PassEdit, password);
        set(reg->ConfirmEdit, confirm);
        set(reg->MailEdit, mail);
    }
    void Submit() { OnlineBench::ClickButton(*reg, CRegForm::kSubmit); }
    // Submits and lets the sign-up connection come up; the request is returned.
    std::string SubmitAndConnect() {
        Submit();
        EXPECT_TRUE(SignUp().AcceptConnection());
        return SignUp().TakeSent();
    }

    CRegForm* reg;
};

TEST_F(SignUpTest, TheChecksInOrderWithTheirMessageAndFocus) {
    const struct {
        const char* name;
        const char* password;
        const char* confirm;
        const char* mail;
        CDxEdit* CRegForm::*focus;
    } cases[] = {
        {"abc", "pass99", "pass99", "a@b.c", &CRegForm::NameEdit},
        {"abcdefghijklm", "pass99", "pass99", "a@b.c", &CRegForm::NameEdit},
        {"name", "abc", "abc", "a@b.c", &CRegForm::PassEdit},
        {"name", "pass99", "pass98", "a@b.c", &CRegForm::PassEdit},
        {"name", "pass99", "pass99", "a@bc", &CRegForm::MailEdit},
        {"name", "pass99", "pass99", "ab.c", &CRegForm::MailEdit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.confirm + " " + c.mail);
        bMessageShown = 0;
        Fill(c.name, c.password, c.confirm, c.mail);
        reg->FocusEdit = reg->ExtraEdit3;
        Submit();
        EXPECT_TRUE(bMessageShown);
        EXPECT_TRUE((reg->*c.focus)->focus);
        EXPECT_EQ(reg->FocusEdit, reg->*c.focus);
        EXPECT_EQ(SignUp().Opens(), 0);
    }
    Fill("name", "pass99", "pass99", "x.y@z");  // the order of '.' and '@' is not checked
    Submit();
    EXPECT_EQ(SignUp().Opens(), 1);
}

TEST_F(SignUpTest, TheRequestCarriesTheFieldsAndTheOneByteAnswerIsShown) {
    reg->OnLButtonDown(reg->FemaleBox->x + 5, reg->FemaleBox->y + 5);
    EXPECT_TRUE(reg->FemaleBox->checked);
    EXPECT_FALSE(reg->MaleBox->checked);
    const std::string sent = SubmitAndConnect();
    EXPECT_EQ(SignUp().Host(), kDefaultServerHost);
    EXPECT_EQ(SignUp().Port(), kRegPort);
    ASSERT_EQ(sent.size(), static_cast<std::size_t>(kRegRequestSize));
    const RegRequest request = DecodeRegRequest(reinterpret_cast<const std::uint8_t*>(sent.data()));
    EXPECT_EQ(request.name, "newname");
    EXPECT_EQ(request.password, "pass99");
    EXPECT_EQ(request.mail, "me@home.net");
    EXPECT_EQ(sent[62], 0);  // female
    EXPECT_EQ(reg->StatusLabel.text, "连接服务器成功,正在提交注册请求...");
    EXPECT_FALSE(reg->buttons.GetButton(CRegForm::kSubmit)->enabled);

    SignUp().Feed(std::string(1, '\x01'));
    ASSERT_EQ(bench.Boxes().Shown().size(), 1u);
    EXPECT_EQ(bench.Boxes().Last().text, "注册帐号成功");
    EXPECT_EQ(bench.Boxes().Last().caption, "信息");
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
    // The login dialog holds the new name, ready for its password.
    EXPECT_EQ(pLoginForm->NameText(), "newname");
    EXPECT_EQ(pLoginForm->PasswordText(), "");
    EXPECT_EQ(pLoginForm->FocusEdit, pLoginForm->PassEdit);
    EXPECT_TRUE(reg->buttons.GetButton(CRegForm::kSubmit)->enabled);
    EXPECT_FALSE(reg->StatusLabel.visible);
    EXPECT_EQ(SignUp().CurrentState(), ScriptedSocket::State::Closed);  // closed after the answer
    EXPECT_FALSE(bench.Clock().IsArmed(CRegForm::kTimerId));
}

// The 注册 button, pointed at and clicked, hands the mouse to the sign-up dialog.  However that
// dialog closes back (a created account, or 返回), the login dialog shows the button unlit,
// without the hint a lit button draws above it.
TEST_F(SignUpTest, TheLoginDialogComesBackWithTheSignUpButtonUnlit) {
    const std::function<void()> kWaysBack[] = {
        [&] {
            SubmitAndConnect();
            SignUp().Feed(std::string(1, '\x01'));
        },
        [&] { OnlineBench::ClickButton(*reg, CRegForm::kReturn); },
    };
    CLoginForm& login = *bench.login;
    const CBitButton& signUp = *login.buttons.GetButton(CLoginForm::kSignUp);
    for (const auto& back : kWaysBack) {
        nActiveForm = CLoginForm::kId;
        const int x = signUp.x + 5;
        const int y = signUp.y + 5;
        login.OnMouseMove(x, y);
        ASSERT_TRUE(signUp.hover);
        login.OnLButtonDown(x, y);
        login.OnLButtonUp(x, y);
        ASSERT_EQ(nActiveForm, CRegForm::kId);
        back();
        EXPECT_EQ(nActiveForm, CLoginForm::kId);
        EXPECT_FALSE(signUp.hover);
    }
}

TEST_F(SignUpTest, EachAnswerByteHasItsMessage) {
    const struct {
        int reply;
        const char* text;
        const char* caption;
    } cases[] = {
        {10, "帐号中含有系统禁止的字符", "翠岭"},
        {9, "服务器停止注册", "翠岭"},
        {5, "注册帐号不成功", "翠岭"},
        {7, "已经被注册的帐号", "翠岭"},
        {0, "已经被注册的帐号", "翠岭"},
    };
    for (const auto& c : cases) {
        bench.Boxes().Clear();
        SubmitAndConnect();
        SignUp().Feed(std::string(1, static_cast<char>(c.reply)));
        ASSERT_EQ(bench.Boxes().Shown().size(), 1u) << c.reply;
        EXPECT_EQ(bench.Boxes().Last().text, c.text);
        EXPECT_EQ(bench.Boxes().Last().caption, c.caption);
        EXPECT_EQ(nActiveForm, CRegForm::kId);
    }
}

TEST_F(SignUpTest, AnAnswerOfTwoBytesShowsNothingAndEndsTheRequest) {
    SubmitAndConnect();
    SignUp().Feed(std::string("\x01\x01", 2));
    EXPECT_TRUE(bench.Boxes().Shown().empty());
    EXPECT_TRUE(reg->buttons.GetButton(CRegForm::kSubmit)->enabled);
    EXPECT_EQ(SignUp().CurrentState(), ScriptedSocket::State::Closed);
}

TEST_F(SignUpTest, NoAnswerInThirtySecondsOrAClosedChannelGivesTheButtonsBack) {
    SubmitAndConnect();
    bench.Clock().Advance(29999);
    EXPECT_FALSE(reg->buttons.GetButton(CRegForm::kSubmit)->enabled);
    bench.Clock().Advance(1);
    EXPECT_TRUE(reg->buttons.GetButton(CRegForm::kSubmit)->enabled);
    EXPECT_EQ(reg->StatusLabel.text, "连接服务器失败，请检查网络。");
    EXPECT_EQ(SignUp().CurrentState(), ScriptedSocket::State::Closed);
    EXPECT_TRUE(bench.Boxes().Shown().empty());

    reg->StatusLabel.text.clear();
    SubmitAndConnect();
    SignUp().Hangup();
    EXPECT_TRUE(reg->buttons.GetButton(CRegForm::kSubmit)->enabled);
    EXPECT_EQ(reg->StatusLabel.text, "连接服务器失败，请检查网络。");
    EXPECT_FALSE(bench.Clock().IsArmed(CRegForm::kTimerId));
}

TEST_F(SignUpTest, AnAnswerSentRightBeforeTheChannelClosesIsShown) {
    SubmitAndConnect();
    SignUp().Hangup();  // nothing came: the request failed
    bench.Boxes().Clear();
    SubmitAndConnect();
    // The answer and the close in one go: the scripted socket reports the read first, so the
    // close finds the request answered.
    SignUp().Feed(std::string(1, '\x09'));
    SignUp().Hangup();
    ASSERT_EQ(bench.Boxes().Shown().size(), 1u);
    EXPECT_EQ(bench.Boxes().Last().text, "服务器停止注册");
}

TEST_F(SignUpTest, ConnectErrorsOfferTheSignUpPage) {
    Submit();
    SignUp().Fail(platform::SocketError::Connect);
    EXPECT_EQ(reg->StatusLabel.text, "连接服务器失败，请检查网络。");
    EXPECT_TRUE(reg->buttons.GetButton(CRegForm::kSubmit)->enabled);
    const auto notices = bench.TakeNotices();
    ASSERT_EQ(notices.size(), 1u);
    const LinkNotice notice = UnpackLinkNotice(notices[0].second);
    EXPECT_EQ(notice.text, "接到注册服务器失败，请至游戏网站进行注册");
    EXPECT_EQ(notice.caption, "点击这里注册帐号 ");
    EXPECT_EQ(notice.url, kSignUpPageUrl);
    Submit();
    SignUp().Fail(platform::SocketError::Lookup);
    EXPECT_EQ(reg->StatusLabel.text, "查询服务器域名失败，请检查网络。");
}

TEST_F(SignUpTest, TheSignUpServerComesFromNetworkCfgDirectOrThroughTheProxy) {
    platform::WriteProfileString("loginserver", "regip", "127.0.0.5", platform::ProgramPath("Network.cfg"));
    platform::WriteProfileString("loginserver", "regport", "4000", platform::ProgramPath("Network.cfg"));
    Submit();
    EXPECT_EQ(SignUp().Host(), "127.0.0.5");
    EXPECT_EQ(SignUp().Port(), 4000);
    SignUp().Close();
    reg->EnableButtons(true);

    platform::WriteProfileString("loginserver", "regport", "", platform::ProgramPath("Network.cfg"));
    ProxySettings& p = bench.login->proxy;
    p.useProxy = true;
    p.host = "127.0.0.9";
    p.port = 3128;
    p.type = ProxySettings::kHttp;
    Submit();
    EXPECT_EQ(SignUp().Host(), "127.0.0.9");
    EXPECT_EQ(SignUp().Port(), 3128);
    ASSERT_TRUE(SignUp().AcceptConnection());
    EXPECT_EQ(SignUp().TakeSent(), "CONNECT 127.0.0.5:3891 HTTP/1.1\r\nHost: 127.0.0.5:3891\r\n\r\n");
    SignUp().Feed("HTTP/1.0 200 OK\r\n\r\n");
    EXPECT_EQ(SignUp().TakeSent().size(), static_cast<std::size_t>(kRegRequestSize));
    SignUp().Feed(std::string(1, '\x01'));
    EXPECT_EQ(bench.Boxes().Last().text, "注册帐号成功");
}

TEST_F(SignUpTest, ANewSubmitClosesTheOldRequestFirst) {
    SubmitAndConnect();
    reg->EnableButtons(true);
    Submit();
    EXPECT_EQ(SignUp().Opens(), 2);
    EXPECT_EQ(SignUp().CurrentState(), ScriptedSocket::State::Connecting);
}

TEST_F(SignUpTest, TabWalksTheFourShownEdits) {
    reg->OnLButtonDown(reg->NameEdit->x + 3, reg->NameEdit->y + 3);
    EXPECT_EQ(reg->FocusEdit, reg->NameEdit);
    for (CDxEdit* next : {reg->PassEdit, reg->ConfirmEdit, reg->MailEdit, reg->NameEdit}) {
        reg->OnKeyPress(9);
        EXPECT_EQ(reg->FocusEdit, next);
        EXPECT_TRUE(next->focus);
    }
    reg->FocusEdit = reg->ExtraEdit2;
    reg->OnKeyPress(9);
    EXPECT_EQ(reg->FocusEdit, reg->NameEdit);
    OnlineBench::ClickButton(*reg, CRegForm::kReturn);
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
}
