// A loopback HTTP server on 127.0.0.1: one thread, one connection at a time, fixed routes.
// Enough HTTP/1.0 to answer a GET and close.  The download tests use it, and the test server
// serves its users' pictures with it.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <thread>
#include <utility>

namespace nettest {

struct Route {
    Route(int status, std::string body, bool announceLength = true, std::string extraHeaders = {},
          int trickleMs = 0)
        : status(status), body(std::move(body)), announceLength(announceLength),
          extraHeaders(std::move(extraHeaders)), trickleMs(trickleMs) {}
    int status;
    std::string body;
    bool announceLength;
    std::string extraHeaders;  // whole lines, each ending in "\r\n"
    int trickleMs;             // > 0: send the body 1000 bytes at a time with this pause
};

class TinyHttpServer {
public:
    // Listens on `port` (0: any free port).
    explicit TinyHttpServer(std::map<std::string, Route> routes, std::uint16_t port = 0);
    ~TinyHttpServer();
    TinyHttpServer(const TinyHttpServer&) = delete;
    TinyHttpServer& operator=(const TinyHttpServer&) = delete;
    // False when the port could not be taken.
    bool Listening() const { return port_ != 0; }
    std::uint16_t Port() const { return port_; }
    std::string Url(const std::string& path) const;

private:
    void Serve();
    void Answer(int client);

    std::map<std::string, Route> routes_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace nettest
