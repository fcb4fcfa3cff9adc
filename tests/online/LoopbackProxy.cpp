#include "tests/online/LoopbackProxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace onlinetest {

namespace {

// Reads exactly n bytes (blocking); false when the connection ends first.
bool ReadExactly(int fd, std::string* out, std::size_t n) {
    std::string bytes(n, '\0');
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = recv(fd, &bytes[got], n - got, 0);
        if (r <= 0) return false;
        got += static_cast<std::size_t>(r);
    }
    *out += bytes;
    return true;
}

int Byte(const std::string& bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

std::string ReplyAddress(int type) {
    switch (type) {
        case 1: return std::string("\x01\x0a\x00\x00\x01", 5);
        case 3: return std::string("\x03\x0crelay.lan.io", 14);
        default: return std::string(1, '\x04') + std::string(16, '\x01');
    }
}

}  // namespace

LoopbackProxy::LoopbackProxy(Script script) : script_(std::move(script)) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 8);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { AcceptLoop(); });
}

LoopbackProxy::~LoopbackProxy() {
    stopping_ = true;
    shutdown(listener_, SHUT_RDWR);
    acceptor_.join();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (int fd : open_) shutdown(fd, SHUT_RDWR);
    }
    for (std::thread& t : threads_) t.join();
    close(listener_);
}

std::vector<std::string> LoopbackProxy::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void LoopbackProxy::AcceptLoop() {
    while (!stopping_) {
        const int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) return;
        const int yes = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        std::lock_guard<std::mutex> lock(mutex_);
        open_.push_back(fd);
        threads_.emplace_back([this, fd] { Serve(fd); });
    }
}

void LoopbackProxy::Serve(int fd) {
    std::string request;
    std::uint16_t port = 0;
    const bool ok = script_.kind == Kind::kSocks5 ? Socks5(fd, &request, &port) : Http(fd, &request, &port);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
    }
    if (ok) Relay(fd, port);
    shutdown(fd, SHUT_RDWR);
    std::lock_guard<std::mutex> lock(mutex_);
    open_.erase(std::find(open_.begin(), open_.end(), fd));
    close(fd);
}

bool LoopbackProxy::Answer(int fd, const std::string& bytes) const {
    if (!script_.oneBytePerWrite) return send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
    for (char c : bytes) {
        if (send(fd, &c, 1, MSG_NOSIGNAL) != 1) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

bool LoopbackProxy::Socks5(int fd, std::string* request, std::uint16_t* port) {
    if (!ReadExactly(fd, request, 2) || !ReadExactly(fd, request, static_cast<std::size_t>(Byte(*request, 1))))
        return false;
    if (!Answer(fd, {char(script_.version), char(script_.method)}) || script_.method == 255 ||
        script_.version != 5)
        return false;
    if (script_.method == 2) {
        const std::size_t at = request->size();
        if (!ReadExactly(fd, request, 2) ||
            !ReadExactly(fd, request, static_cast<std::size_t>(Byte(*request, at + 1))) ||
            !ReadExactly(fd, request, 1) ||
            !ReadExactly(fd, request, static_cast<std::size_t>(Byte(*request, request->size() - 1))))
            return false;
        if (!Answer(fd, {1, char(script_.authStatus)}) || script_.authStatus != 0) return false;
    }
    const std::size_t at = request->size();
    if (!ReadExactly(fd, request, 4)) return false;
    const int type = Byte(*request, at + 3);
    std::string address;
    if (type == 1) {
        if (!ReadExactly(fd, &address, 4)) return false;
    } else if (type == 3) {
        if (!ReadExactly(fd, &address, 1) || !ReadExactly(fd, &address, static_cast<std::size_t>(Byte(address, 0))))
            return false;
    } else {
        return false;
    }
    *request += address;
    if (!ReadExactly(fd, request, 2)) return false;
    *port = static_cast<std::uint16_t>(Byte(*request, request->size() - 2) << 8 | Byte(*request, request->size() - 1));
    const bool loopback = type == 1 && address == std::string("\x7f\x00\x00\x01", 4);
    const std::string reply = std::string{5, char(script_.connectReply), 0} + ReplyAddress(script_.addressType) +
                              std::string("\x04\x38", 2);
    return Answer(fd, reply) && script_.connectReply == 0 && loopback;
}

bool LoopbackProxy::Http(int fd, std::string* request, std::uint16_t* port) {
    while (request->size() < 8192 && request->find("\r\n\r\n") == std::string::npos)
        if (!ReadExactly(fd, request, 1)) return false;
    const std::string prefix = "CONNECT 127.0.0.1:";
    if (request->compare(0, prefix.size(), prefix) != 0) return false;
    *port = static_cast<std::uint16_t>(std::atoi(request->c_str() + prefix.size()));
    const std::string& reply = script_.httpReply;
    const bool success = reply.size() > 9 && reply[9] == '2';
    return Answer(fd, reply) && success;
}

void LoopbackProxy::Relay(int client, std::uint16_t port) {
    const int server = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(server);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        open_.push_back(server);
    }
    char buffer[4096];
    pollfd fds[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
    bool flowing = true;
    while (flowing && !stopping_) {
        if (poll(fds, 2, 100) <= 0) continue;
        for (int i = 0; i < 2 && flowing; i++) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t n = recv(fds[i].fd, buffer, sizeof buffer, 0);
            flowing = n > 0 && send(fds[1 - i].fd, buffer, static_cast<std::size_t>(n), MSG_NOSIGNAL) == n;
        }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    open_.erase(std::find(open_.begin(), open_.end(), server));
    shutdown(server, SHUT_RDWR);
    close(server);
}

}  // namespace onlinetest
