// The game link on a scripted socket: framing, the order of records and of the link's end,
// the send queue, the login record and the errors.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "online/GameMsgClient.h"
#include "online/NetworkStart.h"
#include "online/OnlineAddresses.h"
#include "platform/Adapter.h"
#include "tests/online/LinkTestSupport.h"

using namespace onlinetest;

namespace {

// Refusals numbered in their text: each one handled posts its text.
std::string Numbered(int count, int first = 0) {
    std::string bytes;
    for (int i = first; i < first + count; i++) bytes += LoginFail("r" + std::to_string(i));
    return bytes;
}

std::vector<std::string> NumberedTexts(int count, int first = 0) {
    std::vector<std::string> texts;
    for (int i = first; i < first + count; i++) texts.push_back("r" + std::to_string(i));
    return texts;
}

std::string Record(int n) { return "r" + std::to_string(n); }

}  // namespace

TEST_F(LinkTest, ARecordSplitAtEveryByteIsHandledOnceWhole) {
    Connect();
    const std::string one = LoginFail("whole");
    for (std::size_t split = 1; split < one.size(); split++) {
        Game().Feed(one.substr(0, split));
        ASSERT_TRUE(NoticeTexts().empty()) << split;
        Game().Feed(one.substr(split));
        ASSERT_EQ(NoticeTexts(), std::vector<std::string>{"whole"}) << split;
    }
}

TEST_F(LinkTest, SeveralRecordsInOneReadAndABurstLargerThanTheBufferComeInOrder) {
    Connect();
    Game().Feed(Numbered(3));
    EXPECT_EQ(NoticeTexts(), NumberedTexts(3));
    const int burst = RecordFramer::kWorkBytes / kGameMsgSize + 20;  // 407 records, 52,503 bytes
    Game().Feed(Numbered(burst, 3).substr(0, burst * kGameMsgSize - 5));
    EXPECT_EQ(NoticeTexts(), NumberedTexts(burst - 1, 3));  // drained in one event
    Game().Feed(Numbered(burst, 3).substr(burst * kGameMsgSize - 5));
    EXPECT_EQ(NoticeTexts(), std::vector<std::string>{Record(burst + 2)});
}

TEST_F(LinkTest, OneByteAtATime) {
    Connect();
    const std::string stream = Numbered(2) + LoginSuccess();
    for (char c : stream) Game().Feed(std::string(1, c));
    EXPECT_EQ(NoticeTexts(), NumberedTexts(2));
    EXPECT_TRUE(bench.table->IsNetGame());
}

TEST_F(LinkTest, RecordsSentRightBeforeThePeerClosesAreHandledBeforeTheDisconnect) {
    Connect();
    Game().Feed(LoginSuccess() + LoginFail("last"));
    ASSERT_TRUE(Game().Hangup());
    EXPECT_EQ(NoticeTexts(), std::vector<std::string>{"last"});
    EXPECT_FALSE(bench.table->IsNetGame());
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
}

// A handler that runs a nested loop (here: showing the main window after a command-line login)
// meets records and the server's close inside it: they wait until it returns, in order.
TEST_F(LinkTest, ReadsAndTheCloseDuringAHandlerWaitForItAndKeepTheirOrder) {
    bool handlerRan = false;
    bench.windows.onShowMain = [&] {
        Game().Feed(LoginFail("during") + LoginFail("and").substr(0, 100));
        Game().Feed(LoginFail("and").substr(100));
        Game().Hangup();
        EXPECT_TRUE(bench.notices.Empty());  // nothing handled inside the handler
        EXPECT_TRUE(bench.link->ClientSocket1.Active() == false);
        handlerRan = true;
    };
    StartNetworkFromCommandLine("tester", "secret", "127.0.0.1");
    ASSERT_TRUE(Game().AcceptConnection());
    Game().Feed(LoginSuccess());
    ASSERT_TRUE(handlerRan);
    // The refusals after it end the command-line start with one box (the second finds it
    // ended), and the disconnect comes last: the table left online play after it began.
    const auto ends = PostedBoxes(bench, WM_NETENDMSG);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].text, "during");
    EXPECT_FALSE(bench.table->IsNetGame());
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
}

TEST_F(LinkTest, AfterTheLinkClosesItselfTheRestOfTheBatchIsDropped) {
    bench.windows.onShowMain = [&] {
        Game().SetSendRoom(0);
        const GameMsg keepAlive = Encode(CsKeepAlive{});
        for (int i = 0; i < 80; i++) bench.link->SendRecord(keepAlive.data(), kGameMsgSize);
    };
    StartNetworkFromCommandLine("tester", "secret", "127.0.0.1:1999");
    ASSERT_TRUE(Game().AcceptConnection());
    EXPECT_EQ(Game().Port(), 1999);
    Game().Feed(LoginSuccess() + LoginFail("dropped") + LoginFail("x").substr(0, 50));
    EXPECT_TRUE(NoticeTexts().empty());
    EXPECT_EQ(Game().CurrentState(), ScriptedSocket::State::Closed);
    EXPECT_EQ(bench.link->framer.leftbufnum, 0);
}

TEST_F(LinkTest, TheQueueTakesWhatFitsAndClosesOnARecordThatDoesNot) {
    ConnectAndLogIn();
    Game().SetSendRoom(0);
    const std::string filler(9870, 'f');
    bench.link->QueueSend(filler.data(), static_cast<int>(filler.size()), false);
    const GameMsg keepAlive = Encode(CsKeepAlive{});
    bench.link->SendRecord(keepAlive.data(), kGameMsgSize);  // 9,870 + 129 = 9,999: queued
    EXPECT_EQ(bench.link->sendbufnum, 9999);
    EXPECT_TRUE(Game().IsConnected());

    bench.link->sendbufnum = 9900;
    bench.link->SendRecord(keepAlive.data(), kGameMsgSize);  // 9,900 + 129 >= 10,000: closes
    EXPECT_EQ(bench.link->sendbufnum, 9900);
    EXPECT_FALSE(Game().IsConnected());
    EXPECT_FALSE(bench.table->IsNetGame());
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
}

TEST_F(LinkTest, APartialSendKeepsTheRestFirstAndRoomFlushesTheQueue) {
    ConnectAndLogIn();
    const GameMsg a = Encode(CsTableChat{"first"});
    const GameMsg b = Encode(CsTableChat{"second"});
    const GameMsg c = Encode(CsTableChat{"third"});
    Game().SetSendRoom(50);
    bench.link->SendRecord(a.data(), kGameMsgSize);
    EXPECT_EQ(bench.link->sendbufnum, 79);
    EXPECT_EQ(std::memcmp(bench.link->sendbuf, a.data() + 50, 79), 0);
    bench.link->SendRecord(b.data(), kGameMsgSize);
    EXPECT_EQ(bench.link->sendbufnum, 79 + 129);

    Game().MakeRoom(100);  // the socket has room: the queue goes on by itself
    EXPECT_EQ(bench.link->sendbufnum, 79 + 129 - 100);
    Game().MakeRoom(10000);
    bench.link->SendRecord(c.data(), kGameMsgSize);
    EXPECT_EQ(bench.link->sendbufnum, 0);
    EXPECT_EQ(Game().TakeSent(), Bytes(a) + Bytes(b) + Bytes(c));
}

TEST_F(LinkTest, ANewConnectionStartsWithAnEmptyQueueAndNoPartialRecord) {
    Connect();
    Game().SetSendRoom(0);
    const GameMsg keepAlive = Encode(CsKeepAlive{});
    bench.link->SendRecord(keepAlive.data(), kGameMsgSize);
    Game().Feed(LoginFail("x").substr(0, 70));
    Game().Hangup();
    Game().SetSendRoom(SIZE_MAX);
    bench.LogInAs("tester", "secret");
    ASSERT_TRUE(Game().AcceptConnection());
    EXPECT_EQ(bench.link->framer.leftbufnum, 0);
    const std::string sent = Game().TakeSent();
    ASSERT_EQ(sent.size(), static_cast<std::size_t>(kGameMsgSize));
    EXPECT_EQ(MsgType(reinterpret_cast<const std::uint8_t*>(sent.data())), CS_LOGIN);
}

TEST_F(LinkTest, TheLoginRecordCarriesTheDialogsNameAndPassword) {
    bench.LogInAs("名字四个", "pass1234");
    EXPECT_EQ(Game().Host(), "127.0.0.1");
    EXPECT_EQ(Game().Port(), 1982);
    ASSERT_TRUE(Game().AcceptConnection());
    EXPECT_EQ(bench.login->StatusLabel.text, "正在验证用户身份...");
    const std::string sent = Game().TakeSent();
    ASSERT_EQ(sent.size(), static_cast<std::size_t>(kGameMsgSize));
    CsLogin login;
    ASSERT_TRUE(Decode(reinterpret_cast<const std::uint8_t*>(sent.data()), &login));
    EXPECT_EQ(login.name, "名字四个");
    EXPECT_EQ(login.password, "pass1234");
    EXPECT_EQ(login.version, 25);
    EXPECT_EQ(sent[101], 'x');
    // The machine's adapter goes along when it has one; no adapter sends nothing.
    const std::string adapter = platform::AdapterMacHex();
    EXPECT_EQ(login.adapter, adapter == "000000000000" ? "" : adapter);
    EXPECT_EQ(GetAdapterMacHex(), login.adapter);
    EXPECT_EQ(std::string(szMyName), "名字四个");
}

TEST_F(LinkTest, KeepAliveEveryTenSecondsOnceOnline) {
    ConnectAndLogIn();
    bench.Clock().Advance(9999);
    EXPECT_TRUE(Game().TakeSent().empty());
    bench.Clock().Advance(1);
    EXPECT_EQ(Game().TakeSent(), Bytes(Encode(CsKeepAlive{})));
    bench.Clock().Advance(10000);
    EXPECT_EQ(Game().TakeSent(), Bytes(Encode(CsKeepAlive{})));
    Game().Hangup();
    bench.Clock().Advance(30000);
    EXPECT_TRUE(Game().TakeSent().empty());
}

TEST_F(LinkTest, ADisconnectDuringTheLoginGivesTheControlsBack) {
    Connect();
    EXPECT_FALSE(bench.login->buttons.GetButton(CLoginForm::kEnter)->enabled);
    Game().Hangup();
    EXPECT_TRUE(bench.login->buttons.GetButton(CLoginForm::kEnter)->enabled);
    EXPECT_TRUE(bench.login->NameEdit->enabled);
    EXPECT_FALSE(bench.Clock().IsArmed(CLoginForm::kTimerId));
    EXPECT_FALSE(bench.login->StatusLabel.visible);
    EXPECT_EQ(bench.login->PassEdit->length, 0);
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
}

// What each error tells the user, from the login dialog and in a command-line start.
struct ErrorCase {
    platform::SocketError kind;
    const char* box;         // null: a link notice instead (login dialog only)
    const char* caption;
    platform::MbIcon icon;
    const char* notice;
    int dialogAfter;
    const char* status;
};

const ErrorCase kDialogErrors[] = {
    {platform::SocketError::Connect, nullptr, "", platform::MbIcon::None,
     "连接到游戏服务器失败，可能是网络故障或者服务器维护", 18, "连接服务器失败，请检查网络。"},
    {platform::SocketError::Lookup, nullptr, "", platform::MbIcon::None,
     "查询服务器域名失败，可能是网络故障或者服务器维护", 12, "查询服务器域名失败，请检查网络。"},
    {platform::SocketError::Disconnect, "与服务器的连接断开，请尽快重新登录继续游戏.", "信息",
     platform::MbIcon::Information, nullptr, 12, "正在连接到游戏服务器..."},
    {platform::SocketError::Other, "和服务器的连接断开，请重新登录。", "信息",
     platform::MbIcon::Warning, nullptr, 12, "正在连接到游戏服务器..."},
};

TEST_F(LinkTest, EachErrorOfTheLoginDialogsConnection) {
    for (const ErrorCase& c : kDialogErrors) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        bench.Boxes().Clear();
        nActiveForm = CLoginForm::kId;
        bench.LogInAs("tester", "secret");
        Game().Fail(c.kind);
        EXPECT_TRUE(bench.login->buttons.GetButton(CLoginForm::kEnter)->enabled);
        EXPECT_FALSE(bench.Clock().IsArmed(CLoginForm::kTimerId));
        EXPECT_FALSE(bench.link->ClientSocket1.Active());
        const auto notices = bench.TakeNotices();
        if (c.box) {
            // The main window shows it, in turn with the server's boxes.
            EXPECT_TRUE(bench.Boxes().Shown().empty());
            ASSERT_EQ(notices.size(), 1u);
            EXPECT_EQ(notices[0].first, WM_LINKBOXMSG);
            const platform::MessageBoxRequest box = UnpackNoticeBox(notices[0].second);
            EXPECT_EQ(box.text, c.box);
            EXPECT_EQ(box.caption, c.caption);
            EXPECT_EQ(box.icon, c.icon);
        } else {
            EXPECT_TRUE(bench.Boxes().Shown().empty());
            ASSERT_EQ(notices.size(), 1u);
            EXPECT_EQ(notices[0].first, WM_LINKDLGMSG);
            const LinkNotice notice = UnpackLinkNotice(notices[0].second);
            EXPECT_EQ(notice.text, c.notice);
            EXPECT_EQ(notice.caption, "点击查看服务状态 ");
            EXPECT_EQ(notice.url, kServiceStatusUrl);
        }
        EXPECT_EQ(nActiveForm, c.dialogAfter);
        EXPECT_EQ(bench.login->StatusLabel.text, c.status);
    }
}

TEST_F(LinkTest, EveryErrorEndsACommandLineStartAfterItsMessage) {
    const struct {
        platform::SocketError kind;
        const char* box;
    } cases[] = {
        {platform::SocketError::Connect,
         "连接游戏服务器失败，可能是网络故障或者游戏服务器正在维护。\n请尝试选择另外的服务器进行登陆。"},
        {platform::SocketError::Lookup,
         "查询服务器域名失败，可能是网络故障或者游戏服务器正在维护。\n请尝试选择另外的服务器进行登陆。"},
        {platform::SocketError::Disconnect, "与服务器的连接断开，请尽快重新登录继续游戏."},
        {platform::SocketError::Other, "和服务器的连接断开，请重新登录。"},
    };
    for (const auto& c : cases) {
        bench.Boxes().Clear();
        bench.windows.log.clear();
        ASSERT_TRUE(StartNetworkFromCommandLine("tester", "secret", "127.0.0.1"));
        Game().Fail(c.kind);
        EXPECT_TRUE(bench.windows.Saw("hint closed"));
        // The main window shows the box in turn with its others, then closes.
        EXPECT_TRUE(bench.Boxes().Shown().empty());
        EXPECT_FALSE(bench.windows.Saw("main closed"));
        EXPECT_EQ(StartEndBox(bench).text, c.box);
    }
}

TEST_F(LinkTest, ALoginThroughASocksProxyReadOneByteAtATime) {
    bench.login->proxy.useProxy = true;
    bench.login->proxy.host = "127.0.0.9";
    bench.login->proxy.port = 1080;
    bench.login->proxy.auth = true;
    bench.login->proxy.user = "pu";
    bench.login->proxy.password = "pp";
    bench.LogInAs("tester", "secret");
    EXPECT_EQ(Game().Host(), "127.0.0.9");
    EXPECT_EQ(Game().Port(), 1080);
    ASSERT_TRUE(Game().AcceptConnection());
    EXPECT_EQ(Game().TakeSent(), std::string("\x05\x02\x02\x00", 4));
    for (char c : std::string("\x05\x02", 2)) Game().Feed(std::string(1, c));
    EXPECT_EQ(Game().TakeSent(), std::string("\x01\x02pu\x02pp", 7));
    for (char c : std::string("\x01\x00", 2)) Game().Feed(std::string(1, c));
    EXPECT_EQ(Game().TakeSent(), std::string("\x05\x01\x00\x01\x7f\x00\x00\x01\x07\xbe", 10));
    const std::string reply("\x05\x00\x00\x01\x0a\x00\x00\x01\x04\x38", 10);
    for (std::size_t i = 0; i + 1 < reply.size(); i++) Game().Feed(reply.substr(i, 1));
    EXPECT_TRUE(Game().TakeSent().empty());
    // The reply's last byte and the server's answer in one read: the login goes, then the
    // answer is read at once.
    Game().Feed(reply.substr(9) + LoginSuccess());
    EXPECT_EQ(Game().TakeSent().substr(0, 1), std::string(1, char(CS_LOGIN)));
    EXPECT_TRUE(bench.table->IsNetGame());
}

TEST_F(LinkTest, AFailedProxyHandshakeEndsTheAttempt) {
    bench.login->proxy.useProxy = true;
    bench.login->proxy.host = "127.0.0.9";
    bench.login->proxy.type = ProxySettings::kHttp;
    bench.LogInAs("tester", "secret");
    ASSERT_TRUE(Game().AcceptConnection());
    EXPECT_EQ(Game().TakeSent(), "CONNECT 127.0.0.1:1982 HTTP/1.1\r\nHost: 127.0.0.1:1982\r\n\r\n");
    Game().Feed("HTTP/1.1 407 Proxy Authentication Required\r\n\r\n");
    ASSERT_EQ(bench.Boxes().Shown().size(), 1u);
    EXPECT_EQ(bench.Boxes().Last().text, "连接代理服务器失败!");
    EXPECT_EQ(bench.Boxes().Last().caption, "信息");
    EXPECT_EQ(Game().CurrentState(), ScriptedSocket::State::Closed);
    EXPECT_TRUE(bench.login->buttons.GetButton(CLoginForm::kEnter)->enabled);
    EXPECT_FALSE(bench.Clock().IsArmed(CLoginForm::kTimerId));
}

TEST_F(LinkTest, TheMainWindowsCloseLogsOffOnlyWhileOnline) {
    Connect();
    SendLogoff();  // not online yet
    EXPECT_TRUE(Game().TakeSent().empty());
    Game().Feed(LoginSuccess());
    Game().TakeSent();  // the table preferences
    SendLogoff();
    EXPECT_EQ(Game().TakeSent(), Bytes(Encode(CsLogoff{})));
}

// A command-line start has no dialog to go back to: a server that stays silent or closes before
// the login went through ends it with a message, like a refusal does.  The time-out closes the
// socket before its box can show: a server that trickles bytes keeps nothing open behind it.
TEST_F(LinkTest, ACommandLineStartEndsWhenTheServerNeverAnswers) {
    ASSERT_TRUE(StartNetworkFromCommandLine("tester", "secret", "127.0.0.1"));
    ASSERT_TRUE(Game().AcceptConnection());
    bench.Clock().Advance(15000);
    Game().Feed(LoginSuccess().substr(0, 1));  // a byte of a record that never completes
    bench.Clock().Advance(15000);
    EXPECT_FALSE(Game().IsConnected());
    EXPECT_TRUE(bench.Boxes().Shown().empty()) << "shown with the socket still open";
    EXPECT_EQ(StartEndBox(bench).text, "接收游戏数据超时,请重试.");
}

TEST_F(LinkTest, ACommandLineStartEndsWhenTheServerClosesBeforeTheLogin) {
    ASSERT_TRUE(StartNetworkFromCommandLine("tester", "secret", "127.0.0.1"));
    ASSERT_TRUE(Game().AcceptConnection());
    Game().Hangup();
    EXPECT_TRUE(bench.Boxes().Shown().empty());
    EXPECT_EQ(StartEndBox(bench).text, "与服务器的连接断开，请尽快重新登录继续游戏.");
}

// Once logged in, it says the connection is lost like any login does, and stays.
TEST_F(LinkTest, ACommandLineStartThatLoggedInReturnsToTheLoginDialogOnADisconnect) {
    ASSERT_TRUE(StartNetworkFromCommandLine("tester", "secret", "127.0.0.1"));
    ASSERT_TRUE(Game().AcceptConnection());
    Game().Feed(LoginSuccess());
    bench.TakeNotices();
    Game().Hangup();
    EXPECT_TRUE(bench.Boxes().Shown().empty());
    const auto notices = bench.TakeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].first, WM_LINKBOXMSG);
    EXPECT_EQ(UnpackNoticeBox(notices[0].second).text, "与服务器的连接断开，请尽快重新登录继续游戏.");
    EXPECT_FALSE(bench.windows.Saw("main closed"));
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
}

// The command line's "host" or "host:port": a port that is missing or no port at all gives
// the game port.
TEST(NetworkStartTarget, HostAndAnOptionalPort) {
    const struct {
        const char* text;
        const char* host;
        int port;
    } cases[] = {
        {"127.0.0.1", "127.0.0.1", 1982}, {"127.0.0.1:2000", "127.0.0.1", 2000},
        {"game.lan:65535", "game.lan", 65535}, {"game.lan:1", "game.lan", 1},
        {"game.lan:0", "game.lan", 1982},  {"game.lan:65536", "game.lan", 1982},
        {"game.lan:", "game.lan", 1982},   {"game.lan:12a", "game.lan", 1982},
        {"game.lan:-5", "game.lan", 1982}, {"game.lan:0002000", "game.lan", 1982},
        {"", "", 1982},
    };
    for (const auto& c : cases) {
        std::string host;
        std::uint16_t port = 0;
        ParseHostPort(c.text, kGamePort, &host, &port);
        EXPECT_EQ(host, c.host) << c.text;
        EXPECT_EQ(port, c.port) << c.text;
    }
}
