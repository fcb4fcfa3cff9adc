#include "platform/net/QtClientSocket.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace platform;

namespace {

// Runs the event loop until `done` holds or five seconds pass; returns `done`.
bool Pump(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Runs the event loop for a while, to show that nothing more happens.
void Settle() { Pump([] { return false; }, 100); }

const char* ErrorName(SocketError e) {
    switch (e) {
        case SocketError::Connect: return "error:connect";
        case SocketError::Lookup: return "error:lookup";
        case SocketError::Disconnect: return "error:disconnect";
        default: return "error:other";
    }
}

class SocketTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
        port_ = server_.serverPort();
        client_.SetEvents({
            [this] { log_.push_back("connect"); },
            [this] { ++reads_; },
            [this] { ++writes_; },
            [this] { log_.push_back("disconnect"); },
            [this](SocketError e) { log_.push_back(ErrorName(e)); },
        });
    }
    // Connects the client and returns the server's end of the connection.
    QTcpSocket* Connect() {
        client_.Open("127.0.0.1", port_);
        EXPECT_TRUE(Pump([this] { return client_.IsConnected() && server_.hasPendingConnections(); }));
        return server_.nextPendingConnection();
    }
    std::string ReadAll() {
        std::string got(client_.BytesAvailable(), '\0');
        got.resize(client_.Read(got.data(), got.size()));
        return got;
    }
    // A port on which nothing listens.
    static std::uint16_t ClosedPort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const std::uint16_t port = probe.serverPort();
        probe.close();
        return port;
    }

    QTcpServer server_;
    std::uint16_t port_ = 0;
    QtClientSocket client_;
    std::vector<std::string> log_;
    int reads_ = 0;
    int writes_ = 0;
};

}  // namespace

TEST_F(SocketTest, BytesFlowBothWays) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(log_, std::vector<std::string>{"connect"});

    peer->write("hello, table");
    ASSERT_TRUE(Pump([this] { return client_.BytesAvailable() == 12; }));
    EXPECT_GE(reads_, 1);
    char part[5];
    ASSERT_EQ(client_.Read(part, 5), 5u);
    EXPECT_EQ(std::string(part, 5), "hello");
    EXPECT_EQ(ReadAll(), ", table");
    EXPECT_EQ(client_.Read(part, 5), 0u);

    EXPECT_EQ(client_.Write("discard", 7), 7u);
    ASSERT_TRUE(Pump([peer] { return peer->bytesAvailable() == 7; }));
    EXPECT_EQ(peer->readAll().toStdString(), "discard");
}

TEST_F(SocketTest, PeerClosingIsReportedOnce) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    peer->disconnectFromHost();
    ASSERT_TRUE(Pump([this] { return log_.size() == 2; }));
    Settle();
    client_.Close();
    EXPECT_EQ(log_, (std::vector<std::string>{"connect", "disconnect"}));
    EXPECT_FALSE(client_.IsConnected());
    EXPECT_EQ(client_.Write("x", 1), 0u);
}

TEST_F(SocketTest, BytesSentBeforeThePeerClosedStayReadableAfterTheDisconnect) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    peer->write("last record");
    peer->disconnectFromHost();
    ASSERT_TRUE(Pump([this] { return log_.size() == 2; }));  // nothing read meanwhile
    EXPECT_EQ(log_.back(), "disconnect");
    EXPECT_EQ(client_.BytesAvailable(), 11u);
    EXPECT_EQ(ReadAll(), "last record");
    EXPECT_EQ(client_.BytesAvailable(), 0u);

    peer = Connect();
    ASSERT_NE(peer, nullptr);
    peer->write("dropped");
    peer->disconnectFromHost();
    ASSERT_TRUE(Pump([this] { return log_.size() == 4; }));
    client_.Close();  // closing drops what was kept
    EXPECT_EQ(client_.BytesAvailable(), 0u);
}

TEST_F(SocketTest, CloseReportsDisconnectOnceAndThePeerSeesIt) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    client_.Close();
    EXPECT_EQ(log_, (std::vector<std::string>{"connect", "disconnect"}));  // before Close returned
    client_.Close();
    ASSERT_TRUE(Pump([peer] { return peer->state() == QAbstractSocket::UnconnectedState; }));
    Settle();
    EXPECT_EQ(log_.size(), 2u);
}

// A record written just before the socket closes or goes (the log-off as the program ends)
// still reaches the peer.
TEST_F(SocketTest, BytesWrittenRightBeforeACloseAreSent) {
    for (const bool destroy : {false, true}) {
        auto client = std::make_unique<QtClientSocket>();
        client->Open("127.0.0.1", port_);
        ASSERT_TRUE(Pump([&] { return client->IsConnected() && server_.hasPendingConnections(); }));
        QTcpSocket* peer = server_.nextPendingConnection();
        ASSERT_EQ(client->Write("bye", 3), 3u);
        if (destroy)
            client.reset();
        else
            client->Close();
        QByteArray got;
        ASSERT_TRUE(Pump([&] {
            got += peer->readAll();
            return got.size() >= 3;
        })) << destroy;
        EXPECT_EQ(got, QByteArray("bye"));
    }
}

TEST_F(SocketTest, RefusedConnectIsAConnectError) {
    client_.Open("127.0.0.1", ClosedPort());
    ASSERT_TRUE(Pump([this] { return !log_.empty(); }));
    Settle();
    EXPECT_EQ(log_, std::vector<std::string>{"error:connect"});
    EXPECT_FALSE(client_.IsConnected());
}

TEST_F(SocketTest, UnresolvableNameIsALookupError) {
    client_.Open("bad..name", port_);  // not a valid host name: refused without asking anyone
    ASSERT_TRUE(Pump([this] { return !log_.empty(); }));
    EXPECT_EQ(log_, std::vector<std::string>{"error:lookup"});
}

TEST_F(SocketTest, ClosingWhileConnectingReportsNothing) {
    client_.Open("127.0.0.1", port_);
    client_.Close();
    Settle();
    EXPECT_TRUE(log_.empty());
}

TEST_F(SocketTest, WriteTakesNoMoreThanTheSendBufferHolds) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    const std::string big(100 * 1024, 'x');
    const std::size_t first = client_.Write(big.data(), big.size());
    EXPECT_EQ(first, QtClientSocket::kSendBufferBytes);
    EXPECT_EQ(client_.Write(big.data(), big.size()), 0u);
    std::size_t received = 0;
    ASSERT_TRUE(Pump([&] { received += peer->readAll().size(); return writes_ > 0 && received == first; }));
    EXPECT_EQ(client_.Write(big.data() + first, big.size() - first), big.size() - first);
}

TEST_F(SocketTest, HandlersMayCloseAndReopen) {
    int connects = 0;
    client_.SetEvents({
        [&] { ++connects; },
        [&] { client_.Close(); },                     // a reader that gives up
        nullptr,
        [&] { log_.push_back("disconnect"); if (connects == 1) client_.Open("127.0.0.1", port_); },
        nullptr,
    });
    client_.Open("127.0.0.1", port_);
    ASSERT_TRUE(Pump([&] { return server_.hasPendingConnections(); }));
    QTcpSocket* peer = server_.nextPendingConnection();
    peer->write("bye");
    ASSERT_TRUE(Pump([&] { return connects == 2; }));
    EXPECT_EQ(log_, std::vector<std::string>{"disconnect"});
    EXPECT_TRUE(client_.IsConnected());
}

TEST_F(SocketTest, ResetConnectionIsReportedOnce) {
    QTcpSocket* peer = Connect();
    ASSERT_NE(peer, nullptr);
    client_.Write("unread", 6);
    ASSERT_TRUE(Pump([peer] { return peer->bytesAvailable() == 6 || peer->waitForReadyRead(10); }));
    peer->abort();  // closing with unread bytes resets the connection
    ASSERT_TRUE(Pump([this] { return log_.size() == 2; }));
    Settle();
    ASSERT_EQ(log_.size(), 2u);
    EXPECT_TRUE(log_[1] == "disconnect" || log_[1] == "error:disconnect") << log_[1];
    EXPECT_FALSE(client_.IsConnected());
}
