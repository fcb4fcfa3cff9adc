#include "tools/testserver/TinyHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace nettest {
namespace {

bool SendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// The path of the request line "GET <path> HTTP/1.x".
std::string RequestPath(int fd) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    const std::size_t start = request.find(' ');
    const std::size_t end = request.find(' ', start + 1);
    if (start == std::string::npos || end == std::string::npos) return {};
    return request.substr(start + 1, end - start - 1);
}

}  // namespace

TinyHttpServer::TinyHttpServer(std::map<std::string, Route> routes, std::uint16_t port)
    : routes_(std::move(routes)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::listen(listener_, 8) == 0 &&
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

TinyHttpServer::~TinyHttpServer() {
    stop_ = true;
    thread_.join();
    ::close(listener_);
}

std::string TinyHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void TinyHttpServer::Serve() {
    while (!stop_) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0) continue;
        Answer(client);
        ::close(client);
    }
}

void TinyHttpServer::Answer(int client) {
    const auto found = routes_.find(RequestPath(client));
    const Route route = found != routes_.end() ? found->second : Route{404, "not here"};
    std::string head = "HTTP/1.0 " + std::to_string(route.status) + " X\r\n" + route.extraHeaders;
    if (route.announceLength) head += "Content-Length: " + std::to_string(route.body.size()) + "\r\n";
    if (!SendAll(client, head + "\r\n")) return;
    const std::size_t step = route.trickleMs > 0 ? 1000 : route.body.size();
    for (std::size_t at = 0; at < route.body.size() && !stop_; at += step) {
        if (!SendAll(client, route.body.substr(at, step))) return;
        if (route.trickleMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(route.trickleMs));
    }
}

}  // namespace nettest
