// The scripted socket keeps the socket contract: events only when the network acts, the
// disconnect of Close, errors that close, writes that take part of what they are offered.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/ScopedService.h"
#include "platform/testing/ScriptedSocket.h"

using namespace platform;
using namespace platform::testing;

namespace {

// A socket whose events are written down as words.
class ScriptedSocketTest : public ::testing::Test {
protected:
    ScriptedSocketTest() {
        socket_.SetEvents({[this] { log_.push_back("connect"); },
                           [this] { log_.push_back("read"); },
                           [this] { log_.push_back("write"); },
                           [this] { log_.push_back("disconnect"); },
                           [this](SocketError e) {
                               log_.push_back("error" + std::to_string(static_cast<int>(e)));
                           }});
    }
    std::vector<std::string> TakeLog() { return std::exchange(log_, {}); }
    std::string ReadAll() {
        std::string out(socket_.BytesAvailable(), '\0');
        out.resize(socket_.Read(out.data(), out.size()));
        return out;
    }

    ScriptedSocket socket_;
    std::vector<std::string> log_;
};

using Log = std::vector<std::string>;

TEST_F(ScriptedSocketTest, ReportsOnlyWhatTheNetworkDoesAndTakesWritesInPart) {
    socket_.Open("game.example", 1982);
    EXPECT_EQ(socket_.Write("early", 5), 0u);  // not connected yet
    EXPECT_FALSE(socket_.Feed("lost"));
    EXPECT_TRUE(TakeLog().empty());
    ASSERT_TRUE(socket_.AcceptConnection());
    socket_.SetWriteLimit(3);
    EXPECT_EQ(socket_.Write("login", 5), 3u);
    EXPECT_EQ(socket_.Write("in", 2), 2u);
    socket_.MakeRoom();
    socket_.Feed("ab");
    socket_.Feed("cd");
    EXPECT_EQ(ReadAll(), "abcd");  // chunks read as one stream
    EXPECT_EQ(TakeLog(), (Log{"connect", "write", "read", "read"}));
    EXPECT_EQ(socket_.TakeSent(), "login");
    EXPECT_EQ(socket_.Host(), "game.example");
    EXPECT_EQ(socket_.Port(), 1982);
}

TEST_F(ScriptedSocketTest, CloseReportsTheDisconnectOfAnOpenConnectionOnly) {
    socket_.Open("h", 1);
    socket_.Close();  // still connecting: nothing to report
    socket_.Open("h", 1);
    socket_.AcceptConnection();
    socket_.Feed("unread");
    socket_.Open("h", 2);  // reopening closes the open connection first
    EXPECT_EQ(socket_.BytesAvailable(), 0u);
    EXPECT_FALSE(socket_.Hangup());
    socket_.AcceptConnection();
    EXPECT_TRUE(socket_.Hangup());
    socket_.Close();
    EXPECT_EQ(TakeLog(), (Log{"connect", "read", "disconnect", "connect", "disconnect"}));
    EXPECT_EQ(socket_.Opens(), 3);
}

TEST_F(ScriptedSocketTest, ASendBufferWithoutRoomTakesNothingUntilRoomIsMade) {
    socket_.Open("h", 1);
    socket_.AcceptConnection();
    socket_.SetSendRoom(4);
    EXPECT_EQ(socket_.Write("abcdef", 6), 4u);
    EXPECT_EQ(socket_.Write("ef", 2), 0u);
    TakeLog();
    socket_.MakeRoom(1);
    EXPECT_EQ(TakeLog(), Log{"write"});
    EXPECT_EQ(socket_.Write("ef", 2), 1u);
    EXPECT_EQ(socket_.TakeSent(), "abcde");
}

TEST_F(ScriptedSocketTest, BytesSentBeforeTheHangupStayReadableUntilTheSocketIsUsedAgain) {
    socket_.Open("h", 1);
    socket_.AcceptConnection();
    socket_.Feed("last words");
    ASSERT_TRUE(socket_.Hangup());
    EXPECT_FALSE(socket_.IsConnected());
    EXPECT_EQ(ReadAll(), "last words");
    socket_.Feed("more");  // the connection is gone: nothing arrives
    EXPECT_EQ(socket_.BytesAvailable(), 0u);

    socket_.Open("h", 1);
    socket_.AcceptConnection();
    socket_.Feed("unread");
    socket_.Hangup();
    socket_.Close();  // closing drops what was kept
    EXPECT_EQ(socket_.BytesAvailable(), 0u);
}

TEST_F(ScriptedSocketTest, EachErrorKindClosesTheSocketWithoutADisconnect) {
    for (SocketError kind : {SocketError::Connect, SocketError::Lookup, SocketError::Disconnect,
                             SocketError::Other}) {
        socket_.Open("h", 1);
        socket_.AcceptConnection();
        socket_.Feed("x");
        TakeLog();
        socket_.Fail(kind);
        EXPECT_EQ(TakeLog(), (Log{"error" + std::to_string(static_cast<int>(kind))}));
        EXPECT_EQ(socket_.CurrentState(), ScriptedSocket::State::Closed);
        EXPECT_EQ(socket_.BytesAvailable(), 0u);
    }
}

TEST(SocketFactory, GivesScriptedSocketsWhileInstalledAndUnconnectedOnesWithout) {
    auto offline = CreateClientSocket();
    offline->Open("h", 1);
    EXPECT_FALSE(offline->IsConnected());

    ScriptedSocketFactory factory;
    ScopedSocketFactory installed(&factory);
    auto socket = CreateClientSocket();
    int reports = 0;
    socket->SetEvents({[&] { ++reports; }, {}, {}, {}, {}});
    socket->Open("h", 2);
    ASSERT_EQ(factory.Count(), 1);
    EXPECT_TRUE(factory.Last().AcceptConnection());
    EXPECT_TRUE(socket->IsConnected());
    socket.reset();  // the game's socket is gone: the test's one closes and reports no more
    EXPECT_TRUE(factory.Last().Released());
    EXPECT_FALSE(factory.Last().IsConnected());
    factory.Last().Open("h", 2);
    factory.Last().AcceptConnection();
    EXPECT_EQ(reports, 1);
}

}  // namespace
