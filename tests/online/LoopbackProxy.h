// A SOCKS5 or HTTP CONNECT proxy on 127.0.0.1 for the tests: it answers the handshake as its
// script says, a byte at a time if asked, and after a success relays the connection to the
// destination, which must be on 127.0.0.1.  Each connection runs on a thread of its own.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace onlinetest {

class LoopbackProxy {
public:
    enum class Kind { kSocks5, kHttp };

    struct Script {
        Kind kind = Kind::kSocks5;
        // SOCKS5: the method chosen (0 none, 2 user and password, 255 none acceptable), the
        // authentication status, the CONNECT reply code, and the address type of the reply
        // (1 IPv4, 3 a name, 4 IPv6).
        int version = 5;
        int method = 0;
        int authStatus = 0;
        int connectReply = 0;
        int addressType = 1;
        // HTTP: the whole reply header block.
        std::string httpReply = "HTTP/1.1 200 Connection established\r\n\r\n";
        bool oneBytePerWrite = true;
    };

    explicit LoopbackProxy(Script script);
    ~LoopbackProxy();
    LoopbackProxy(const LoopbackProxy&) = delete;
    LoopbackProxy& operator=(const LoopbackProxy&) = delete;

    std::uint16_t Port() const { return port_; }
    // What the clients sent during their handshakes, one entry a connection.
    std::vector<std::string> Requests() const;

private:
    void AcceptLoop();
    void Serve(int fd);
    bool Socks5(int fd, std::string* request, std::uint16_t* port);
    bool Http(int fd, std::string* request, std::uint16_t* port);
    bool Answer(int fd, const std::string& bytes) const;
    void Relay(int client, std::uint16_t port);

    Script script_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::vector<int> open_;
    std::vector<std::thread> threads_;
    std::thread acceptor_;
};

}  // namespace onlinetest
