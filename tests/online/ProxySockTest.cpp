// The proxy handshakes: every reply kind of a SOCKS5 and an HTTP proxy, fed one byte per read
// on a scripted socket and answered a byte at a time by loopback responders over real sockets.
#include <gtest/gtest.h>

#include <string>

#include "online/ProxySock.h"
#include "platform/net/QtClientSocket.h"
#include "platform/testing/ScriptedSocket.h"
#include "tests/online/LoopbackProxy.h"
#include "tests/online/OnlineTestSupport.h"

using namespace onlinetest;
using Kind = LoopbackProxy::Kind;

namespace {

struct ReplyCase {
    const char* name;
    LoopbackProxy::Script script;
    bool withUser;
    int expected;  // CProxySock's failure code
};

LoopbackProxy::Script Socks(int method, int authStatus, int connectReply, int addressType, int version = 5) {
    LoopbackProxy::Script s;
    s.kind = Kind::kSocks5;
    s.version = version;
    s.method = method;
    s.authStatus = authStatus;
    s.connectReply = connectReply;
    s.addressType = addressType;
    return s;
}

LoopbackProxy::Script Http(const std::string& reply) {
    LoopbackProxy::Script s;
    s.kind = Kind::kHttp;
    s.httpReply = reply;
    s.oneBytePerWrite = reply.size() < 200;  // a long reply goes in one piece
    return s;
}

const ReplyCase kReplyCases[] = {
    {"socks-ipv4", Socks(0, 0, 0, 1), false, CProxySock::kNotFailed},
    {"socks-name", Socks(0, 0, 0, 3), false, CProxySock::kNotFailed},
    {"socks-ipv6", Socks(0, 0, 0, 4), false, CProxySock::kNotFailed},
    {"socks-password", Socks(2, 0, 0, 1), true, CProxySock::kNotFailed},
    {"socks-no-auth-needed", Socks(0, 0, 0, 1), true, CProxySock::kNotFailed},
    {"socks-password-refused", Socks(2, 1, 0, 1), true, CProxySock::kRefused},
    {"socks-no-method", Socks(255, 0, 0, 1), false, CProxySock::kRefused},
    {"socks-connect-refused", Socks(0, 0, 5, 1), false, CProxySock::kConnectRefused},
    {"socks-version-4", Socks(0, 0, 0, 1, 4), false, CProxySock::kRefused},
    {"http-200", Http("HTTP/1.1 200 Connection established\r\nProxy-agent: t\r\n\r\n"), false,
     CProxySock::kNotFailed},
    {"http-1.0-empty-block", Http("HTTP/1.0 200\r\n\r\n"), false, CProxySock::kNotFailed},
    {"http-lower-case", Http("http/1.1 200 ok\r\n\r\n"), false, CProxySock::kNotFailed},
    {"http-204", Http("HTTP/1.1 204 No Content\r\n\r\n"), true, CProxySock::kNotFailed},
    {"http-407", Http("HTTP/1.1 407 Proxy Authentication Required\r\n\r\n"), false,
     CProxySock::kRefused},
    {"http-502-naming-200", Http("HTTP/1.1 502 Bad gateway 200\r\n\r\n"), false,
     CProxySock::kRefused},
    {"http-not-http", Http("XTTP/1.1 200 OK\r\n\r\n"), false, CProxySock::kRefused},
    {"http-oversized", Http("HTTP/1.1 200 OK\r\nX: " + std::string(5000, 'a') + "\r\n\r\n"), false,
     CProxySock::kRefused},
};

// The bytes a responder with this script answers.
std::string ReplyBytes(const LoopbackProxy::Script& s) {
    if (s.kind == Kind::kHttp) return s.httpReply;
    std::string bytes{char(s.version), char(s.method)};
    if (s.method == 2) bytes += std::string{1, char(s.authStatus)};
    const std::string address = s.addressType == 1   ? std::string("\x01\x0a\x00\x00\x01", 5)
                                : s.addressType == 3 ? std::string("\x03\x0crelay.lan.io", 14)
                                                     : std::string(1, '\x04') + std::string(16, '\x01');
    return bytes + std::string{5, char(s.connectReply), 0} + address + std::string("\x04\x38", 2);
}

void Configure(CProxySock& proxy, const ReplyCase& c) {
    proxy.SetType(c.script.kind == Kind::kHttp ? CProxySock::kHttp : CProxySock::kSocks5);
    proxy.SetDest("127.0.0.1", 1982);
    if (c.withUser) proxy.SetAuth("user", "pass");
}

}  // namespace

TEST(ProxyHandshake, EveryReplyKindReadOneBytePerRead) {
    for (const ReplyCase& c : kReplyCases) {
        SCOPED_TRACE(c.name);
        platform::testing::ScriptedSocket socket;
        CProxySock proxy;
        Configure(proxy, c);
        socket.Open("127.0.0.9", 1080);
        socket.AcceptConnection();
        proxy.OnConnect(socket);
        // The replies come one byte per read, followed by the game server's first bytes.
        const std::string reply = ReplyBytes(c.script) + "GAME";
        bool finished = false;
        std::size_t fed = 0;
        while (!finished && fed < reply.size()) {
            socket.Feed(reply.substr(fed++, 1));
            finished = proxy.OnRead(socket);
        }
        ASSERT_TRUE(finished);
        EXPECT_EQ(proxy.IsFailed(), c.expected);
        EXPECT_TRUE(proxy.OnRead(socket));  // once over, it stays over
        if (c.expected == CProxySock::kNotFailed) {
            EXPECT_EQ(fed, reply.size() - 4);  // the server's bytes are left
        }
    }
}

TEST(ProxyHandshake, EveryReplyKindFromALoopbackResponder) {
    for (const ReplyCase& c : kReplyCases) {
        SCOPED_TRACE(c.name);
        LoopbackProxy responder(c.script);
        platform::QtClientSocket socket;
        CProxySock proxy;
        Configure(proxy, c);
        bool finished = false;
        socket.SetEvents({[&] { proxy.OnConnect(socket); },
                          [&] {
                              if (!finished) finished = proxy.OnRead(socket);
                          },
                          nullptr, nullptr, nullptr});
        socket.Open("127.0.0.1", responder.Port());
        ASSERT_TRUE(Pump([&] { return finished; }));
        EXPECT_EQ(proxy.IsFailed(), c.expected);
        socket.Close();
    }
}

TEST(ProxyHandshake, SocksRequestsCarryTheCredentialsAndTheDestination) {
    platform::testing::ScriptedSocket socket;
    CProxySock proxy;
    proxy.SetType(CProxySock::kSocks5);
    proxy.SetDest("127.0.0.1", 3891);
    proxy.SetAuth("名", "pw");
    socket.Open("p", 1);
    socket.AcceptConnection();
    proxy.OnConnect(socket);
    EXPECT_EQ(socket.TakeSent(), std::string("\x05\x02\x02\x00", 4));
    socket.Feed(std::string("\x05\x02", 2));
    EXPECT_FALSE(proxy.OnRead(socket));
    EXPECT_EQ(socket.TakeSent(), std::string("\x01\x02名\x02pw", 7));
    socket.Feed(std::string("\x01\x00", 2));
    EXPECT_FALSE(proxy.OnRead(socket));
    EXPECT_EQ(socket.TakeSent(), std::string("\x05\x01\x00\x01\x7f\x00\x00\x01\x0f\x33", 10));

    // A name that is not an address goes to the proxy to resolve.
    proxy.m_sHost = "game.lan";
    proxy.m_nAddr = 0;
    proxy.SetAuth("", "");
    proxy.OnConnect(socket);
    socket.TakeSent();
    socket.Feed(std::string("\x05\x00", 2));
    EXPECT_FALSE(proxy.OnRead(socket));
    EXPECT_EQ(socket.TakeSent(), std::string("\x05\x01\x00\x03\x08game.lan\x0f\x33", 15));
}

TEST(ProxyHandshake, HttpCredentialsGoOnlyInTheProxysHeaderAsBasic) {
    platform::testing::ScriptedSocket socket;
    CProxySock proxy;
    proxy.SetType(CProxySock::kHttp);
    proxy.SetDest("127.0.0.1", 1982);
    proxy.SetAuth("user", "pass");
    socket.Open("p", 1);
    socket.AcceptConnection();
    proxy.OnConnect(socket);
    EXPECT_EQ(socket.TakeSent(),
              "CONNECT 127.0.0.1:1982 HTTP/1.1\r\nHost: 127.0.0.1:1982\r\n"
              "Proxy-Authorization: Basic dXNlcjpwYXNz\r\n\r\n");
}

TEST(ProxyHandshake, AnIncompleteHttpReplyWaits) {
    platform::testing::ScriptedSocket socket;
    CProxySock proxy;
    proxy.SetType(CProxySock::kHttp);
    proxy.SetDest("127.0.0.1", 1982);
    socket.Open("p", 1);
    socket.AcceptConnection();
    proxy.OnConnect(socket);
    socket.Feed("HTTP/1.1 200 OK\r\n");
    EXPECT_FALSE(proxy.OnRead(socket));
    socket.Feed("\r\n");
    EXPECT_TRUE(proxy.OnRead(socket));
    EXPECT_EQ(proxy.IsFailed(), CProxySock::kNotFailed);
}

TEST(ProxyHandshake, AnHttpProxyWithoutADestinationSaysSoAndSendsNothing) {
    platform::testing::MessageBoxRecorder boxes;
    platform::testing::ScopedMessageBoxes installed(&boxes);
    platform::testing::ScriptedSocket socket;
    CProxySock proxy;
    proxy.SetType(CProxySock::kHttp);
    socket.Open("p", 1);
    socket.AcceptConnection();
    proxy.OnConnect(socket);
    EXPECT_TRUE(socket.TakeSent().empty());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Last().text, "错误：使用代理服务器时没有指定目的地址!");
}

TEST(ProxyHandshake, OnlyATwoHundredStatusLineIsASuccess) {
    EXPECT_TRUE(HttpStatusIsSuccess("HTTP/1.1 200 Connection established\r\n\r\n"));
    EXPECT_TRUE(HttpStatusIsSuccess("HTTP/1.0 299\r\n\r\n"));
    EXPECT_FALSE(HttpStatusIsSuccess("HTTP/1.1 302 Found\r\nX: 200\r\n\r\n"));
    EXPECT_FALSE(HttpStatusIsSuccess("HTTP/1.1 2000\r\n\r\n"));
    EXPECT_FALSE(HttpStatusIsSuccess("HTTP/1.1 20\r\n\r\n"));
    EXPECT_FALSE(HttpStatusIsSuccess("HTTP/1.1\r\n\r\n"));
}
