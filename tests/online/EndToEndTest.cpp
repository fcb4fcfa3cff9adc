// The client against the loopback test server over real sockets on 127.0.0.1, each test with a
// server on ports of its own: logins refused and accepted, the switch to online play and back,
// the command-line start, a sign-up, logins through each kind of proxy, and the hostile cases
// that concern the link and the login.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "online/GameMsgClient.h"
#include "online/NetRoom.h"
#include "platform/net/QtSocketFactory.h"
#include "tests/online/LoopbackProxy.h"
#include "tests/online/OnlineTestSupport.h"
#include "tests/online/ServerBench.h"
#include "tests/online/LinkPlayer.h"
#include "tests/online/TableCompare.h"
#include "tools/testserver/TestServer.h"
#include "ui/DxGameChatWnd.h"
#include "ui/DxLinkLabel.h"

using namespace onlinetest;
using testserver::HostileCase;
using testserver::HostileOutcome;
using testserver::HostileWhen;
using testserver::ServerOptions;
using testserver::TestServer;

namespace {

// Online the table shows its chat log, chat input and their buttons, and its link labels take
// no clicks; offline the reverse.
bool WidgetsShown(CMj& table, bool online) {
    bool shown = table.chatlog->visible == online && table.chatedit->visible == online &&
                 (table.Button(17).visible != 0) == online && (table.Button(21).visible != 0) == online;
    for (const CDxLinkLabel* link : table.links) shown = shown && (link->visible != 0) == !online;
    return shown;
}
bool OnlineWidgetsShown(CMj& table) { return WidgetsShown(table, true); }
bool OfflineWidgetsShown(CMj& table) { return WidgetsShown(table, false); }

}  // namespace

TEST(EndToEnd, ARefusedLoginThenARetryThatWorks) {
    ServerBench s;
    OnlineBench& b = *s.bench;
    b.LogInAs("tester", "wrong");
    ASSERT_TRUE(Pump([&] { return s.AtLogin() && b.notices.Empty() == false; }));
    EXPECT_EQ(NoticeTexts(b), std::vector<std::string>{"帐号或密码错误"});
    EXPECT_TRUE(b.login->buttons.GetButton(CLoginForm::kEnter)->enabled);
    EXPECT_FALSE(b.login->StatusLabel.visible);

    b.LogInAs("tester", "secret");
    ASSERT_TRUE(Pump([&] { return s.Online(); }));
    EXPECT_EQ(s.server.OnlineUsers(), std::set<std::string>{"tester"});
    EXPECT_EQ(std::string(szMyName), "tester");
    EXPECT_FALSE(b.Clock().IsArmed(CLoginForm::kTimerId));
}

TEST(EndToEnd, TheTableSwitchesToOnlinePlayAndKeepsTheConnectionAlive) {
    ServerBench s;
    OnlineBench& b = *s.bench;
    b.table->Button(kButtonNewGame).visible = 1;
    b.LogInAs("tester", "secret");
    ASSERT_TRUE(Pump([&] { return s.Online(); }));
    EXPECT_EQ(nActiveForm, kLobbyId);
    EXPECT_EQ(b.table->ownseat, 0);
    EXPECT_EQ(b.table->state, kNoHand);
    EXPECT_FALSE(b.table->Button(kButtonNewGame).visible);
    EXPECT_TRUE(b.table->Button(20).visible);
    EXPECT_TRUE(OnlineWidgetsShown(*b.table));
    EXPECT_TRUE(b.Clock().IsArmed(kTimerKeepAlive));
    EXPECT_FALSE(s.SawClientRecord(CS_KEEPALIVE));
    b.Clock().Advance(10000);
    EXPECT_TRUE(Pump([&] { return s.SawClientRecord(CS_KEEPALIVE); }));
}

TEST(EndToEnd, ADisconnectReturnsToTheLoginDialog) {
    ServerOptions options;
    options.idleTimeoutMs = 400;  // the virtual clock sends no keep-alive: the server hangs up
    ServerBench s(options);
    OnlineBench& b = *s.bench;
    b.LogInAs("tester", "secret");
    ASSERT_TRUE(Pump([&] { return s.Online(); }));
    ASSERT_TRUE(Pump([&] { return s.AtLogin(); }));
    EXPECT_EQ(b.login->PassEdit->length, 0);
    EXPECT_FALSE(b.Clock().IsArmed(kTimerKeepAlive));
    EXPECT_FALSE(b.table->Button(20).visible);
    EXPECT_TRUE(OfflineWidgetsShown(*b.table));
    EXPECT_TRUE(b.Boxes().Shown().empty());  // a server's close is no error
}

// The lobby's tables belong to one session: the next login's record clears them, so the lobby
// it brings up shows none of the tables the session before saw.
TEST(EndToEnd, ANewLoginShowsNoTableOfTheSessionBefore) {
    ServerBench s;
    OnlineBench& b = *s.bench;
    b.LogInAs("tester", "secret");
    ASSERT_TRUE(Pump([&] { return s.Online(); }));
    TableInfo seen{};
    std::strcpy(seen.name[2], "gone");
    seen.state[2] = 1;
    seen.ingame = 1;
    pNetRoom->UpdateTable(40, reinterpret_cast<const std::uint8_t*>(&seen));
    b.link->CloseGameSocket();
    ASSERT_TRUE(Pump([&] { return s.AtLogin(); }));
    b.link->SendLogin();
    EXPECT_EQ(pNetRoom->GetTable(40)->state[2], 0);
    EXPECT_EQ(pNetRoom->GetTable(40)->ingame, 0);
}

TEST(EndToEnd, TheCommandLineStartLogsInWithoutTheDialogs) {
    ServerBench s;
    OnlineBench& b = *s.bench;
    const std::string target = "127.0.0.1:" + std::to_string(s.server.GamePort());
    ASSERT_TRUE(StartNetworkFromCommandLine("玩家甲", "1234", target.c_str()));
    ASSERT_TRUE(Pump([&] { return s.Online(); }));
    EXPECT_EQ(b.windows.log, (std::vector<std::string>{"hint", "hint:正在验证用户身份...", "hint closed",
                                                       "main shown"}));
    EXPECT_EQ(nActiveForm, kLobbyId);
    EXPECT_EQ(b.login->NameText(), "玩家甲");
    EXPECT_TRUE(b.Boxes().Shown().empty());
    EXPECT_EQ(s.server.OnlineUsers(), std::set<std::string>{"玩家甲"});
}

TEST(EndToEnd, ARefusedCommandLineStartSaysSoAndEnds) {
    ServerBench s;
    OnlineBench& b = *s.bench;
    const std::string target = "127.0.0.1:" + std::to_string(s.server.GamePort());
    ASSERT_TRUE(StartNetworkFromCommandLine("玩家甲", "wrong", target.c_str()));
    ASSERT_TRUE(Pump([&] { return !b.notices.Empty() && !b.link->ClientSocket1.Active(); }));
    Settle();
    // The main window shows the box in turn with its others, then closes.
    EXPECT_TRUE(b.Boxes().Shown().empty());
    const platform::MessageBoxRequest end = StartEndBox(b);
    EXPECT_EQ(end.text, "帐号或密码错误");
    EXPECT_EQ(end.caption, "翠岭");
    EXPECT_FALSE(b.windows.Saw("main shown"));
}

// The server's answer and its close in one go: the answer is handled before the close.
TEST(EndToEnd, TheAnswerBeforeTheServersCloseIsHandledFirst) {
    ServerOptions options;
    options.hostileCase = "close-after-last-record";
    ServerBench s(options);
    OnlineBench& b = *s.bench;
    const std::string target = "127.0.0.1:" + std::to_string(s.server.GamePort());
    ASSERT_TRUE(StartNetworkFromCommandLine("tester", "secret", target.c_str()));
    ASSERT_TRUE(Pump([&] { return s.AtLogin(); }));
    EXPECT_TRUE(b.windows.Saw("main shown"));  // logged in first, then the close
    EXPECT_TRUE(b.Boxes().Shown().empty());
}

TEST(EndToEnd, ASignUpRoundTrip) {
    ServerBench s;
    OnlineBench& b = *s.bench;
    CRegForm& reg = *pRegForm;
    reg.Show();
    auto set = [](CDxEdit* edit, const char* text) {
        std::snprintf(edit->text, sizeof edit->text, "%s", text);
        edit->length = static_cast<int>(std::strlen(edit->text));
    };
    set(reg.NameEdit, "新来的");
    set(reg.PassEdit, "pw2024");
    set(reg.ConfirmEdit, "pw2024");
    set(reg.MailEdit, "new@home.net");
    OnlineBench::ClickButton(reg, CRegForm::kSubmit);
    ASSERT_TRUE(Pump([&] { return !b.Boxes().Shown().empty(); }));
    EXPECT_EQ(b.Boxes().Last().text, "注册帐号成功");
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
    EXPECT_EQ(pLoginForm->NameText(), "新来的");
    EXPECT_TRUE(s.server.HasAccount("新来的"));
    EXPECT_EQ(s.server.PictureOf("新来的"), 7);  // a man's picture
    EXPECT_FALSE(b.link->ClientSocket2.Active());

    // The same name again is taken.
    b.Boxes().Clear();
    reg.Show();
    OnlineBench::ClickButton(reg, CRegForm::kSubmit);
    ASSERT_TRUE(Pump([&] { return !b.Boxes().Shown().empty(); }));
    EXPECT_EQ(b.Boxes().Last().text, "已经被注册的帐号");
    EXPECT_EQ(nActiveForm, CRegForm::kId);

    b.LogInAs("新来的", "pw2024");
    ASSERT_TRUE(Pump([&] { return s.Online(); }));
}

// A login through a proxy of each kind, which relays to the test server.
TEST(EndToEnd, ALoginThroughEachKindOfProxy) {
    const struct {
        const char* name;
        LoopbackProxy::Kind kind;
        int method;
        bool auth;
    } cases[] = {
        {"socks", LoopbackProxy::Kind::kSocks5, 0, false},
        {"socks-password", LoopbackProxy::Kind::kSocks5, 2, true},
        {"http", LoopbackProxy::Kind::kHttp, 0, false},
        {"http-password", LoopbackProxy::Kind::kHttp, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ServerBench s;
        OnlineBench& b = *s.bench;
        LoopbackProxy::Script script;
        script.kind = c.kind;
        script.method = c.method;
        LoopbackProxy proxy(script);
        ProxySettings& p = b.login->proxy;
        p.useProxy = true;
        p.host = "127.0.0.1";
        p.port = proxy.Port();
        p.type = c.kind == LoopbackProxy::Kind::kHttp ? ProxySettings::kHttp : ProxySettings::kSocks5;
        p.auth = c.auth;
        p.user = "proxyuser";
        p.password = "proxypass";
        b.LogInAs("tester", "secret");
        ASSERT_TRUE(Pump([&] { return s.Online(); }));
        ASSERT_EQ(proxy.Requests().size(), 1u);
        const std::string request = proxy.Requests()[0];
        EXPECT_EQ(request.find("proxypass") != std::string::npos,
                  c.auth && c.kind == LoopbackProxy::Kind::kSocks5);
        EXPECT_EQ(request.find("Proxy-Authorization: Basic ") != std::string::npos,
                  c.auth && c.kind == LoopbackProxy::Kind::kHttp);
    }
}

// The hostile cases of the link and the login: the client survives each as the table says.
TEST(EndToEnd, EveryHostileCaseOfTheLinkAndTheLogin) {
    for (const HostileCase& hostile : testserver::HostileCases()) {
        if (hostile.when == HostileWhen::kForSignUp || hostile.when == HostileWhen::kSeatedMidHand) continue;
        SCOPED_TRACE(hostile.id);
        ServerOptions options;
        options.hostileCase = hostile.id;
        ServerBench s(options);
        OnlineBench& b = *s.bench;
        b.LogInAs("tester", "secret");
        switch (hostile.expected) {
            case HostileOutcome::kIgnored:
            case HostileOutcome::kHandled:
                ASSERT_TRUE(Pump([&] { return s.Online(); }));
                Settle(300);
                EXPECT_TRUE(s.Online());
                EXPECT_TRUE(b.link->ClientSocket1.Connected());
                EXPECT_EQ(nActiveForm, kLobbyId);
                break;
            case HostileOutcome::kClamped: {
                ASSERT_TRUE(Pump([&] { return s.AtLogin() && !b.notices.Empty(); }));
                const auto texts = NoticeTexts(b);
                ASSERT_EQ(texts.size(), 1u);
                EXPECT_EQ(texts[0].size(), 128u);  // the whole field, and no byte past it
                break;
            }
            case HostileOutcome::kDisconnected:
                ASSERT_TRUE(Pump([&] { return s.AtLogin(); }));
                EXPECT_EQ(b.link->framer.leftbufnum, 0);
                break;
            case HostileOutcome::kTimedOut:
                ASSERT_TRUE(Pump([&] { return b.link->ClientSocket1.Connected() &&
                                              s.SawClientRecord(CS_LOGIN); }));
                b.Clock().Advance(30000);
                ASSERT_EQ(b.Boxes().Shown().size(), 1u);
                EXPECT_EQ(b.Boxes().Last().text, "接收游戏数据超时,请重试.");
                EXPECT_TRUE(s.AtLogin());
                break;
        }
    }
}

TEST(EndToEnd, EveryHostileCaseOfTheSignUpChannel) {
    for (const HostileCase& hostile : testserver::HostileCases()) {
        if (hostile.when != HostileWhen::kForSignUp) continue;
        SCOPED_TRACE(hostile.id);
        ServerOptions options;
        options.hostileCase = hostile.id;
        ServerBench s(options);
        OnlineBench& b = *s.bench;
        CRegForm& reg = *pRegForm;
        reg.Show();
        std::snprintf(reg.NameEdit->text, sizeof reg.NameEdit->text, "abcd");
        reg.NameEdit->length = 4;
        std::snprintf(reg.PassEdit->text, sizeof reg.PassEdit->text, "pw12");
        reg.PassEdit->length = 4;
        std::snprintf(reg.ConfirmEdit->text, sizeof reg.ConfirmEdit->text, "pw12");
        reg.ConfirmEdit->length = 4;
        std::snprintf(reg.MailEdit->text, sizeof reg.MailEdit->text, "a@b.c");
        reg.MailEdit->length = 5;
        OnlineBench::ClickButton(reg, CRegForm::kSubmit);
        const auto buttonsBack = [&] { return reg.buttons.GetButton(CRegForm::kSubmit)->enabled != 0; };
        if (hostile.expected == HostileOutcome::kTimedOut) {
            ASSERT_TRUE(Pump([&] { return b.link->ClientSocket2.Connected(); }));
            Settle();
            EXPECT_FALSE(buttonsBack());
            b.Clock().Advance(30000);
        }
        ASSERT_TRUE(Pump(buttonsBack));
        EXPECT_TRUE(b.Boxes().Shown().empty());  // no answer byte: no message
        EXPECT_FALSE(b.link->ClientSocket2.Active());
        if (hostile.expected != HostileOutcome::kIgnored) {
            EXPECT_EQ(reg.StatusLabel.text, "连接服务器失败，请检查网络。");
        }
    }
}

namespace {

ServerOptions SeatingServer(int minFan, bool wild, unsigned seed) {
    ServerOptions options;
    options.seatOnLogin = true;
    options.table.seed = seed;
    options.table.minFan = minFan;
    options.table.wild = wild;
    return options;
}

}  // namespace

// The client logs in, is seated with three robots and plays whole hands to the score sheet in
// each rule family over 127.0.0.1.
TEST(EndToEndHands, WholeHandsToTheScoreSheetInEachRuleFamily) {
    for (const auto& [minFan, wild] : {std::pair<int, bool>{8, false}, std::pair<int, bool>{0, true}}) {
        ServerBench s(SeatingServer(minFan, wild, 21));
        OnlineBench& b = *s.bench;
        b.LogInAs("tester", "secret");
        ASSERT_TRUE(Pump([&] { return b.table->seated != 0; }));
        EXPECT_EQ(b.table->ownseat, 0);
        LinkPlayer player{*b.table, s};
        testserver::TableView v;
        int seat = 0;
        ASSERT_TRUE(Pump(
            [&] {
                player.Act();
                return s.server.TableViewOf("tester", &v, &seat) && v.handsPlayed >= 2 &&
                       b.table->state == kHandOver;
            },
            60000));
        EXPECT_EQ(nActiveForm, kScoreFormId);
        EXPECT_GT(player.compared, 10);
        EXPECT_EQ(MinFan, minFan);
    }
}

// The link drops in the middle of a hand; at the next login the running hand comes back.
TEST(EndToEndHands, AReconnectionRestoresTheRunningHand) {
    ServerOptions options = SeatingServer(8, false, 21);
    options.table.robotThinkMs = 60;
    ServerBench s(options);
    OnlineBench& b = *s.bench;
    b.LogInAs("tester", "secret");
    LinkPlayer player{*b.table, s};
    ASSERT_TRUE(PlayToMidHandAndDrop(b, s, player));
    // The robot plays the seat meanwhile; the restored table goes on in step with the server
    // from the user's next turn.
    ASSERT_TRUE(Pump([&] { return s.server.OnlineUsers().count("tester") == 0; }));
    s.PaceTables(1000);
    b.LogInAs("tester", "secret");
    testserver::TableView v;
    int seat = 0;
    ASSERT_TRUE(WaitForRestoredTurn(b, s, &v, &seat));
    EXPECT_EQ(Compare(*b.table, v), "");
    ASSERT_TRUE(PlayToHandEnd(b, player));
}

// The hostile cases of a running hand over the link: the client stays connected, keeps its
// table sound after every record and plays on to the end of the hand.
TEST(EndToEndHands, EveryHostileCaseOfARunningHand) {
    for (const HostileCase& hostile : testserver::HostileCases()) {
        if (hostile.when != HostileWhen::kSeatedMidHand) continue;
        SCOPED_TRACE(hostile.id);
        ServerOptions options = SeatingServer(8, false, 21);
        options.hostileCase = hostile.id;
        ServerBench s(options);
        OnlineBench& b = *s.bench;
        b.LogInAs("tester", "secret");
        LinkPlayer player{*b.table, s};
        player.compare = false;  // the hostile records put the client off the server's view
        testserver::TableView v;
        int seat = 0;
        Pump(
            [&] {
                EXPECT_EQ(BrokenInvariant(*b.table), "");
                player.Act();
                return s.server.TableViewOf("tester", &v, &seat) && v.handsPlayed >= 1;
            },
            3000);
        EXPECT_TRUE(s.Online());
        EXPECT_TRUE(b.link->ClientSocket1.Connected());
    }
}
