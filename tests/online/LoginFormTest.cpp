// The login dialog: its length rules and where their messages go, keys and focus, the server
// line it connects to, the time-out and its texts, the proxy settings it keeps.
#include <gtest/gtest.h>

#include <string>

#include "online/OnlineAddresses.h"
#include "online/RegForm.h"
#include "platform/Ini.h"
#include "tests/online/LinkTestSupport.h"

using namespace onlinetest;

namespace {

struct LengthCase {
    const char* name;
    const char* password;
    const char* message;  // null: the connection is made
};

const LengthCase kLengthCases[] = {
    {"abc", "secret", "请输入至少4位的帐号"},
    {"abcd", "secret", nullptr},
    {"abcdefghijkl", "secret", nullptr},
    {"abcdefghijklm", "secret", "请输入少于12位的帐号"},
    {"名字", "secret", nullptr},  // two characters are four bytes
    {"tester", "abc", "请输入至少4位的密码"},
    {"tester", "abcdefghijkl", nullptr},
    {"tester", "abcdefghijklm", "请输入少于12位的密码"},
    {"abc", "abc", "请输入至少4位的帐号"},  // the name is checked first
};

void Type(CLoginForm& form, const std::string& text) {
    for (char c : text) form.Login(static_cast<unsigned char>(c));
}

}  // namespace

TEST_F(LinkTest, TheLengthRulesStopALoginWithTheirMessageOnTheTableFromTheButton) {
    for (const LengthCase& c : kLengthCases) {
        SCOPED_TRACE(std::string(c.name) + "/" + c.password);
        bMessageShown = 0;
        bench.LogInAs(c.name, c.password);
        EXPECT_EQ(bMessageShown != 0, c.message != nullptr);
        EXPECT_EQ(bench.link->ClientSocket1.Active(), c.message == nullptr);
        EXPECT_TRUE(bench.Boxes().Shown().empty());
        bench.link->CloseGameSocket();
        bench.login->EndAttempt();
    }
}

TEST_F(LinkTest, TheLengthRulesFromTheEnterKeyGoToAMessageBox) {
    for (const LengthCase& c : kLengthCases) {
        SCOPED_TRACE(std::string(c.name) + "/" + c.password);
        bench.Boxes().Clear();
        bench.login->SetName(c.name);
        bench.login->SetPassword(c.password);
        bench.login->Login(13);
        if (c.message) {
            ASSERT_EQ(bench.Boxes().Shown().size(), 1u);
            EXPECT_EQ(bench.Boxes().Last().text, c.message);
            EXPECT_EQ(bench.Boxes().Last().caption, "翠岭");
            EXPECT_EQ(bench.Boxes().Last().icon, platform::MbIcon::Information);
        } else {
            EXPECT_TRUE(bench.Boxes().Shown().empty());
        }
        EXPECT_EQ(bench.link->ClientSocket1.Active(), c.message == nullptr);
        bench.link->CloseGameSocket();
        bench.login->EndAttempt();
    }
}

TEST_F(LinkTest, ALoginConnectsShowsItsStatusRemembersTheNameAndIsNotRepeated) {
    bench.LogInAs("remember", "secret");
    EXPECT_EQ(bench.login->StatusLabel.text, "正在连接到游戏服务器...");
    EXPECT_TRUE(bench.login->StatusLabel.visible);
    EXPECT_FALSE(bench.login->PassEdit->enabled);
    EXPECT_TRUE(bench.Clock().IsArmed(CLoginForm::kTimerId));
    EXPECT_EQ(platform::ReadProfileString("loginserver", "name", "", platform::ProgramPath("Network.cfg")),
              "remember");
    bench.login->EnableControls(true);
    bench.LogInAs("remember", "secret");  // still connecting: nothing more happens
    EXPECT_EQ(Game().Opens(), 1);
}

TEST_F(LinkTest, TheChosenLineOrTheFallbackHostAndPort) {
    ServerNum = 2;
    std::snprintf(DirServer[1].host, sizeof DirServer[1].host, "127.0.0.2");
    DirServer[1].port = 2001;
    nServerIndex = 1;
    bench.LogInAs("tester", "secret");
    EXPECT_EQ(Game().Host(), "127.0.0.2");
    EXPECT_EQ(Game().Port(), 2001);
    bench.link->CloseGameSocket();
    bench.login->EndAttempt();

    platform::WriteProfileString("loginserver", "ip", "127.0.0.3", platform::ProgramPath("Network.cfg"));
    nServerIndex = 5;  // beyond the lines: the Network.cfg host on the game port
    bench.LogInAs("tester", "secret");
    EXPECT_EQ(Game().Host(), "127.0.0.3");
    EXPECT_EQ(Game().Port(), 1982);
    nServerIndex = 0;
}

TEST_F(LinkTest, TheTimeOutSaysWhetherTheConnectionWasMade) {
    bench.LogInAs("tester", "secret");
    bench.Clock().Advance(29000);
    EXPECT_TRUE(bench.Boxes().Shown().empty());
    bench.Clock().Advance(1000);
    ASSERT_EQ(bench.Boxes().Shown().size(), 1u);
    EXPECT_EQ(bench.Boxes().Last().text, "连接游戏服务器超时,请重试.");
    EXPECT_EQ(bench.Boxes().Last().caption, "翠岭");
    EXPECT_FALSE(bench.link->ClientSocket1.Active());
    EXPECT_TRUE(bench.login->buttons.GetButton(CLoginForm::kEnter)->enabled);
    EXPECT_FALSE(bench.Clock().IsArmed(CLoginForm::kTimerId));

    bench.Boxes().Clear();
    Connect();  // connected, and the server says nothing
    bench.Clock().Advance(30000);
    ASSERT_EQ(bench.Boxes().Shown().size(), 1u);
    EXPECT_EQ(bench.Boxes().Last().text, "接收游戏数据超时,请重试.");
    EXPECT_FALSE(Game().IsConnected());
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
}

TEST_F(LinkTest, AnAnswerStopsTheTimeOut) {
    Connect();
    Game().Feed(LoginFail("no"));
    EXPECT_FALSE(bench.Clock().IsArmed(CLoginForm::kTimerId));
    EXPECT_TRUE(bench.login->buttons.GetButton(CLoginForm::kEnter)->enabled);
    const auto notices = NoticeTexts();
    EXPECT_EQ(notices, std::vector<std::string>{"no"});
}

TEST_F(LinkTest, TabMovesTheFocusAndKeysGoToTheFocusedEdit) {
    bench.login->SetName("");
    ASSERT_TRUE(bench.login->NameEdit->focus);
    Type(*bench.login, "ab");
    bench.login->PassEdit->caretOn = 0;
    bench.login->Login(9);
    EXPECT_TRUE(bench.login->PassEdit->focus);
    EXPECT_TRUE(bench.login->PassEdit->caretOn);  // the caret shows at once in the edit
    EXPECT_FALSE(bench.login->NameEdit->focus);
    Type(*bench.login, "cd");
    bench.login->Login(8);
    bench.login->Login(9);
    EXPECT_TRUE(bench.login->NameEdit->focus);
    EXPECT_FALSE(bench.login->PassEdit->focus);
    EXPECT_EQ(bench.login->NameText(), "ab");
    EXPECT_EQ(bench.login->PasswordText(), "c");
    bench.login->Show();  // showing the dialog empties the password
    EXPECT_EQ(bench.login->PassEdit->length, 0);
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
}

TEST_F(LinkTest, TheOtherButtons) {
    OnlineBench::ClickButton(*bench.login, CLoginForm::kBack);
    EXPECT_EQ(nActiveForm, kModeFormId);
    // The sign-up button opens the sign-up dialog; no web page is needed for it.
    OnlineBench::ClickButton(*bench.login, CLoginForm::kSignUp);
    EXPECT_EQ(nActiveForm, CRegForm::kId);
    EXPECT_TRUE(bench.desktop.opened.empty());
    OnlineBench::ClickButton(*bench.login, CLoginForm::kProxy);
    EXPECT_EQ(bench.windows.shownProxyFields.size(), 1u);
}

// The name remembered in Network.cfg fills the name and puts the focus in the password.
TEST(LoginFormStart, ARememberedNameFocusesThePassword) {
    OnlineBench remembered([](const std::filesystem::path& folder) {
        WriteFile(folder / "Network.cfg", "[loginserver]\r\nname=老玩家\r\nip=127.0.0.1\r\n");
    });
    EXPECT_EQ(remembered.login->NameText(), "老玩家");
    EXPECT_TRUE(remembered.login->PassEdit->focus);
    EXPECT_FALSE(remembered.login->NameEdit->focus);
}

TEST(LoginFormStart, NoRememberedNameFocusesTheName) {
    OnlineBench fresh([](const std::filesystem::path& folder) {
        WriteFile(folder / "Network.cfg", "[loginserver]\r\nname=\r\n");
    });
    EXPECT_EQ(fresh.login->NameEdit->length, 0);
    EXPECT_TRUE(fresh.login->NameEdit->focus);
}

TEST(LoginFormProxy, ConfirmingWithTheProxyOffKeepsTheRestOfTheSettings) {
    std::filesystem::path folder;
    {
        OnlineBench bench([&](const std::filesystem::path& f) {
            folder = f;
            WriteFile(f / "SET.ini",
                      "[Proxy]\r\nUseProxy=1\r\nPort=8080\r\nType=1\r\nUsePassWord=1\r\n"
                      "Address=proxy.lan\r\nUserName=u1\r\nPassWord=p1\r\n");
        });
        const ProxySettings& p = bench.login->proxy;
        EXPECT_TRUE(p.useProxy);
        EXPECT_EQ(p.port, 8080);
        EXPECT_EQ(p.type, ProxySettings::kHttp);
        EXPECT_EQ(p.host, "proxy.lan");
        bench.windows.proxyAnswer = [](ProxyFormFields& f) {
            EXPECT_TRUE(f.useProxy);
            EXPECT_TRUE(f.http);
            EXPECT_EQ(f.port, "8080");
            EXPECT_EQ(f.user, "u1");
            f.useProxy = false;
            f.host = "changed";
            f.port = "1";
        };
        bench.login->ShowProxySettings();
        EXPECT_FALSE(bench.login->proxy.useProxy);
        EXPECT_EQ(bench.login->proxy.host, "proxy.lan");
    }
    const std::string ini = ReadFile(folder / "SET.ini");
    EXPECT_NE(ini.find("UseProxy=0"), std::string::npos);
    EXPECT_NE(ini.find("Address=proxy.lan"), std::string::npos);
    EXPECT_NE(ini.find("Port=8080"), std::string::npos);
    EXPECT_NE(ini.find("PassWord=p1"), std::string::npos);
}

TEST(LoginFormProxy, SettingsAreBoundedWhenReadAndWhenConfirmed) {
    OnlineBench bench([](const std::filesystem::path& f) {
        WriteFile(f / "SET.ini", "[Proxy]\r\nUseProxy=2\r\nPort=70000\r\nAddress=" +
                                     std::string(60, 'h') + "\r\n");
    });
    EXPECT_FALSE(bench.login->proxy.useProxy);  // only 1 turns it on
    EXPECT_EQ(bench.login->proxy.port, 1080);
    EXPECT_EQ(bench.login->proxy.host.size(), 49u);
    bench.windows.proxyAnswer = [](ProxyFormFields& f) {
        f.useProxy = true;
        f.port = "0";
        f.host = std::string(48, 'a') + "中";  // 50 bytes: the character does not fit
        f.auth = true;
        f.user = "user";
        f.password = "pw";
    };
    bench.login->ShowProxySettings();
    EXPECT_EQ(bench.login->proxy.port, 1080);
    EXPECT_EQ(bench.login->proxy.host, std::string(48, 'a'));
    EXPECT_EQ(bench.login->proxy.user, "user");
    // Cancel changes nothing.
    bench.windows.proxyAnswer = nullptr;
    bench.login->ShowProxySettings();
    EXPECT_EQ(bench.login->proxy.user, "user");
}

// A proxy that needed credentials once and no longer does sends none.
TEST_F(LinkTest, CredentialsGoOnlyWhileTheProxyNeedsThem) {
    ProxySettings& p = bench.login->proxy;
    p.useProxy = true;
    p.host = "127.0.0.9";
    p.auth = true;
    p.user = "u";
    p.password = "p";
    bench.LogInAs("tester", "secret");
    ASSERT_TRUE(Game().AcceptConnection());
    EXPECT_EQ(Game().TakeSent(), std::string("\x05\x02\x02\x00", 4));
    bench.link->CloseGameSocket();
    bench.login->EndAttempt();
    p.auth = false;
    bench.LogInAs("tester", "secret");
    ASSERT_TRUE(Game().AcceptConnection());
    EXPECT_EQ(Game().TakeSent(), std::string("\x05\x01\x00", 3));
}
