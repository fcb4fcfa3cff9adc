// The client side of a proxy handshake, SOCKS5 (RFC 1928, user and password by RFC 1929) or
// HTTP CONNECT, run on a socket that is already connected to the proxy.  The socket's connect
// event starts it (OnConnect), every read event feeds it (OnRead) until it answers true, and
// then IsFailed tells how it ended; after a success the caller sends its own first record on
// the same connection.  Replies are read as they come, one byte at a time or all at once, and
// never beyond what the handshake needs: bytes the server sends after the proxy's reply stay in
// the socket.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Socket.h"

class CProxySock {
public:
    enum Type : int { kSocks5 = 1, kHttp = 3 };
    enum Failure : int {
        kNotFailed = 0,
        kRefused = 1,         // refused by the proxy, a bad reply, or a send that did not go out
        kConnectRefused = 2,  // the proxy refused the CONNECT
    };
    // An HTTP reply's header block longer than this fails.
    static constexpr std::size_t kMaxHttpReply = 4096;
    static constexpr int kReplyBytes = 256;

    void SetType(int type) { m_nType = type; }
    void SetAuth(const std::string& user, const std::string& password);
    // The server the proxy is asked to reach.  A dotted address is kept as an address; a name
    // is looked up here (blocking) and, when that fails, sent to the proxy to resolve.
    void SetDest(const std::string& host, int port);
    void OnConnect(platform::ClientSocket& socket);
    // True when the handshake is finished or has failed; false while it needs more bytes.
    bool OnRead(platform::ClientSocket& socket);
    int IsFailed() const { return m_nFailed; }

    int m_nType = 0;
    int m_nState = 0;  // SOCKS5: 1 method reply, 2 authentication reply, 3 CONNECT reply, 0 done
    std::string m_sUser;
    std::string m_sPassword;
    std::uint8_t m_Reply[kReplyBytes] = {};
    int m_nRead = 0;
    int m_nFailed = kNotFailed;
    std::string m_sHost;
    std::uint32_t m_nAddr = 0;  // network byte order; 0: sent by name
    std::uint16_t m_nPort = 0;  // network byte order
    int m_nPending = 0;         // bytes of the CONNECT reply still to read after its first five
    std::uint8_t m_bDone = 0;   // the HTTP reply is complete
    std::string m_sHttpReply;

private:
    void Socks5Greeting(platform::ClientSocket& socket);
    bool Socks5OnReply(platform::ClientSocket& socket);
    bool Socks5MethodReply(platform::ClientSocket& socket);
    bool Socks5AuthReply(platform::ClientSocket& socket);
    bool Socks5ConnectReply(platform::ClientSocket& socket);
    // Reads the current reply until it holds n bytes (n <= kReplyBytes); true when it does.
    bool RecvExact(platform::ClientSocket& socket, int n);
    // Reads and drops the rest of the CONNECT reply; true when none is left.
    bool SkipPending(platform::ClientSocket& socket);
    bool Socks5Auth(platform::ClientSocket& socket);
    bool Socks5Connect(platform::ClientSocket& socket);
    void HttpConnect(platform::ClientSocket& socket);
    bool HttpOnRead(platform::ClientSocket& socket);
    void HttpCheckReply();
    // False (after telling the user) when no destination was set.
    bool CheckDest();
    static void ShowError(const char* gbkText);
    // Sends the whole request; a send that takes less fails the handshake.  False then.
    bool SendAll(platform::ClientSocket& socket, const std::string& bytes);
};

// True when an HTTP reply's status line ("HTTP/1.1 200 Connection established") carries a
// 2xx status.
bool HttpStatusIsSuccess(const std::string& reply);
