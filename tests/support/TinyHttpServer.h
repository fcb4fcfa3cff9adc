// A loopback HTTP server for the download tests: one thread, one connection at a time, fixed
// routes.  Enough HTTP/1.0 to answer a GET and close.
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
    explicit TinyHttpServer(std::map<std::string, Route> routes);
    ~TinyHttpServer();
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
