// Blocking clients on 127.0.0.1 for the test server's tests and its benchmark: bytes
// (RawClient) and records (CodecClient, a scripted client built on the record codec).
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "online/GameMsg.h"
#include "online/GameMsgClient.h"

namespace onlinetest {

// A blocking client on 127.0.0.1.
class RawClient {
public:
    explicit RawClient(std::uint16_t port) {
        fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawClient() { close(fd_); }

    bool Connected() const { return connected_; }
    void Send(const std::string& bytes) { send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL); }
    // Up to `n` bytes, waiting at most `ms` for them; fewer when the server closes first.
    std::string Receive(std::size_t n, int ms = 3000) {
        std::string got;
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (got.size() < n && std::chrono::steady_clock::now() < until) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, 20) <= 0) continue;
            char buffer[4096];
            const ssize_t r = recv(fd_, buffer, std::min(sizeof buffer, n - got.size()), 0);
            if (r <= 0) {
                closed_ = true;
                break;
            }
            got.append(buffer, static_cast<std::size_t>(r));
        }
        return got;
    }
    // True when the server closes the connection within `ms`.
    bool ClosedWithin(int ms) {
        Receive(1 << 20, ms);
        return closed_;
    }

private:
    int fd_ = -1;
    bool connected_ = false;
    bool closed_ = false;
};

// Records in and out; Expect waits for the next record of a type, keeping the others.
class CodecClient {
public:
    explicit CodecClient(std::uint16_t port) : raw_(port) {}

    bool Connected() const { return raw_.Connected(); }
    void Send(const GameMsg& record) { raw_.Send(std::string(record.begin(), record.end())); }
    void LogIn(const std::string& name, const std::string& password) {
        CsLogin login;
        login.name = name;
        login.password = password;
        Send(Encode(login));
    }
    // The next record of `type` (earlier records of other types are passed over and kept in
    // `seen`); none within `ms`.
    std::optional<GameMsg> Expect(int type, int ms = 3000) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        for (;;) {
            while (!pending_.empty()) {
                GameMsg r = pending_.front();
                pending_.pop_front();
                if (MsgType(r.data()) == type) return r;
                seen.push_back(r);
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            if (left.count() <= 0) return std::nullopt;
            buffer_ += raw_.Receive(kGameMsgSize - buffer_.size() % kGameMsgSize,
                                    static_cast<int>(left.count()));
            while (buffer_.size() >= kGameMsgSize) {
                GameMsg r;
                std::copy_n(buffer_.begin(), kGameMsgSize, r.begin());
                buffer_.erase(0, kGameMsgSize);
                pending_.push_back(r);
            }
        }
    }
    // The records of a type that Expect passed over, taken.
    std::deque<GameMsg> seen;

private:
    RawClient raw_;
    std::string buffer_;
    std::deque<GameMsg> pending_;
};

}  // namespace onlinetest
