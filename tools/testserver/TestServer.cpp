// The server's sockets: listening, the poll loop, reading, sending, closing.
#include "tools/testserver/TestServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "tools/testserver/Connection.h"
#include "tools/testserver/TinyHttpServer.h"

namespace testserver {

namespace {

// How long a connection the server closed may take to close its end before it is dropped.
constexpr std::chrono::milliseconds kLinger{2000};
constexpr int kMaxPollMs = 100;

int Listen(std::uint16_t port, std::uint16_t* chosen, std::string* error) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        *error = "no socket";
        return -1;
    }
    const int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, SOMAXCONN) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        *error = "cannot listen on 127.0.0.1:" + std::to_string(port);
        close(fd);
        return -1;
    }
    *chosen = ntohs(address.sin_port);
    return fd;
}

int Milliseconds(Clock::duration d) {
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

}  // namespace


TestServer::TestServer(ServerOptions options) : options_(std::move(options)) {}

TestServer::~TestServer() { Stop(); }

bool TestServer::Start(std::string* error) {
    std::string reason;
    if (!options_.hostileCase.empty()) {
        hostile_ = FindHostileCase(options_.hostileCase);
        if (!hostile_) reason = "no hostile case " + options_.hostileCase;
    }
    if (reason.empty()) {
        if (options_.accountFile.empty())
            accounts_ = DefaultAccounts();
        else
            LoadAccounts(options_.accountFile, &accounts_, &reason);
    }
    if (reason.empty()) gameListener_ = Listen(options_.gamePort, &gamePort_, &reason);
    if (reason.empty()) regListener_ = Listen(options_.regPort, &regPort_, &reason);
    if (reason.empty()) StartPictures(&reason);
    if (reason.empty() && pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0) reason = "no pipe";
    if (!reason.empty()) {
        if (error) *error = reason;
        Stop();
        return false;
    }
    transcript_.Open(options_.transcriptFile, options_.keepTranscript);
    if (!options_.rooms.empty())
        rooms_ = std::make_unique<Rooms>(options_.rooms, options_.serverName, options_.minFan,
                                         [this](int id, const GameMsg& r) { SendTo(id, r); });
    if (rooms_) JoinRoomsToTables();
    thread_ = std::thread([this] { Run(); });
    return true;
}

void TestServer::Stop() {
    stopping_ = true;
    Wake();
    if (thread_.joinable()) thread_.join();
    for (auto& c : connections_)
        if (!c->closed) Close(*c);
    connections_.clear();
    http_.reset();
    tables_.clear();
    for (int* fd : {&gameListener_, &regListener_, &wake_[0], &wake_[1]})
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
}

void TestServer::Wake() {
    if (wake_[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = write(wake_[1], &byte, 1);
    }
}

bool TestServer::HasAccount(const std::string& name) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::any_of(accounts_.begin(), accounts_.end(),
                       [&](const Account& a) { return a.name == name; });
}

std::set<std::string> TestServer::OnlineUsers() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return online_;
}

int TestServer::OpenConnections() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return openConnections_;
}

void TestServer::SendTo(int id, const GameMsg& record) {
    for (auto& c : connections_)
        if (c->id == id && !c->closed) {
            AnnounceShownUsers(*c, record);
            Send(*c, std::string(record.begin(), record.end()));
        }
}

void TestServer::WithRooms(const std::function<void(Rooms*)>& look) {
    std::mutex done;
    std::condition_variable finished;
    bool ran = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        looks_.push_back([&] {
            look(rooms_.get());
            std::lock_guard<std::mutex> l(done);
            ran = true;
            finished.notify_one();
        });
    }
    Wake();
    std::unique_lock<std::mutex> wait(done);
    finished.wait(wait, [&] { return ran || stopping_; });
}

void TestServer::RunPendingLooks() {
    std::vector<std::function<void()>> looks;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        looks.swap(looks_);
    }
    for (auto& look : looks) look();
}

const HostileCase* TestServer::CaseFor(HostileWhen when) const {
    return hostile_ && hostile_->when == when ? hostile_ : nullptr;
}

void TestServer::Run() {
    while (!stopping_) {
        std::vector<pollfd> fds = {{wake_[0], POLLIN, 0},
                                   {gameListener_, POLLIN, 0},
                                   {regListener_, POLLIN, 0}};
        for (const auto& c : connections_) {
            const bool writing = c->out.size() > 0;
            fds.push_back({c->fd, static_cast<short>(POLLIN | (writing ? POLLOUT : 0)), 0});
        }
        poll(fds.data(), fds.size(), PollTimeoutMs());
        if (fds[0].revents) {
            char drain[64];
            while (read(wake_[0], drain, sizeof drain) > 0) {
            }
        }
        RunPendingLooks();
        if (fds[1].revents & POLLIN) Accept(gameListener_, false);
        if (fds[2].revents & POLLIN) Accept(regListener_, true);
        for (std::size_t i = 3; i < fds.size(); i++) {
            Connection& c = *connections_[i - 3];
            if (!c.closed && (fds[i].revents & (POLLIN | POLLHUP | POLLERR))) {
                if (c.lingering)
                    Discard(c);
                else if (c.signUp)
                    ReadSignUp(c);
                else
                    ReadGame(c);
            }
            if (!c.closed && (fds[i].revents & POLLOUT)) Flush(c);
        }
        TickTables();
        for (std::size_t i = 0; i < connections_.size(); i++)
            if (!connections_[i]->closed) Tick(*connections_[i]);
        connections_.erase(std::remove_if(connections_.begin(), connections_.end(),
                                          [](const auto& c) { return c->closed; }),
                           connections_.end());
    }
}

int TestServer::PollTimeoutMs() const {
    const Clock::time_point now = Clock::now();
    int timeout = kMaxPollMs;
    for (const auto& c : connections_)
        if (!c->drip.empty()) timeout = std::min(timeout, std::max(0, Milliseconds(c->nextDrip - now)));
    return timeout;
}

void TestServer::Accept(int listener, bool signUp) {
    for (;;) {
        const int fd = accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        const int yes = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        auto c = std::make_unique<Connection>();
        c->fd = fd;
        c->id = nextId_++;
        c->signUp = signUp;
        c->lastHeard = Clock::now();
        if (!signUp) c->framer = std::make_unique<RecordFramer>();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            openConnections_++;
        }
        connections_.push_back(std::move(c));
        if (!signUp)
            if (const HostileCase* hostile = CaseFor(HostileWhen::kOnConnect))
                Play(*connections_.back(), *hostile);
    }
}

void TestServer::ReadGame(Connection& c) {
    bool ended = false;
    const auto read = [&](std::uint8_t* buffer, std::size_t room) -> std::size_t {
        const ssize_t n = recv(c.fd, buffer, room, 0);
        if (n > 0) return static_cast<std::size_t>(n);
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) ended = true;
        return 0;
    };
    const auto onRecord = [&](const std::uint8_t* record) {
        transcript_.AddGame(c.id, true, std::string(record, record + kGameMsgSize));
        OnRecord(c, record);
        return !c.closed && !c.closeWhenSent;
    };
    while (!c.closed && !ended && c.framer->ReadOnce(read, onRecord) > 0) c.lastHeard = Clock::now();
    if (ended && !c.closed) Close(c);
}

void TestServer::ReadSignUp(Connection& c) {
    char buffer[kRegRequestSize];
    for (;;) {
        const ssize_t n = recv(c.fd, buffer, sizeof buffer, 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            Close(c);
            return;
        }
        if (n < 0) return;
        c.lastHeard = Clock::now();
        if (c.request.size() >= kRegRequestSize) continue;  // one request per connection
        c.request.append(buffer, static_cast<std::size_t>(n));
        if (c.request.size() < kRegRequestSize) continue;
        c.request.resize(kRegRequestSize);
        transcript_.AddSignUp(c.id, true, c.request);
        AnswerSignUp(c, c.request);
    }
}

// After the server shut its end: what the client still sends is dropped until it closes.
void TestServer::Discard(Connection& c) {
    char buffer[4096];
    for (;;) {
        const ssize_t n = recv(c.fd, buffer, sizeof buffer, 0);
        if (n > 0) continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) Close(c);
        return;
    }
}

void TestServer::Send(Connection& c, const std::string& bytes, Delivery delivery) {
    if (c.signUp)
        transcript_.AddSignUp(c.id, false, bytes);
    else
        transcript_.AddGame(c.id, false, bytes);
    if (delivery == Delivery::kOneBytePerRead) {
        if (c.drip.empty()) c.nextDrip = Clock::now();
        c.drip += bytes;
    } else {
        c.out += bytes;
        Flush(c);
    }
}

void TestServer::Play(Connection& c, const HostileCase& hostile) {
    Send(c, hostile.bytes(), hostile.delivery);
    if (hostile.closeAfter) CloseAfterSending(c);
}

void TestServer::CloseAfterSending(Connection& c) {
    c.closeWhenSent = true;
    Flush(c);
}

void TestServer::Flush(Connection& c) {
    while (!c.out.empty()) {
        const ssize_t n = send(c.fd, c.out.data(), c.out.size(), MSG_NOSIGNAL);
        if (n <= 0) {
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) Close(c);
            return;
        }
        c.out.erase(0, static_cast<std::size_t>(n));
    }
    // All out: a connection to be closed shuts its end and waits for the client's.
    if (c.closeWhenSent && c.drip.empty() && !c.lingering) {
        shutdown(c.fd, SHUT_WR);
        c.lingering = true;
        c.lingerUntil = Clock::now() + kLinger;
    }
}

// Time-driven work: the next byte of a slow delivery, the idle time-out, the end of a linger.
void TestServer::Tick(Connection& c) {
    const Clock::time_point now = Clock::now();
    if (!c.drip.empty() && now >= c.nextDrip && c.out.empty()) {
        c.out += c.drip[0];
        c.drip.erase(0, 1);
        c.nextDrip = now + std::chrono::milliseconds(options_.dripPauseMs);
        Flush(c);
        return;
    }
    if (c.lingering ? now >= c.lingerUntil
                    : now - c.lastHeard >= std::chrono::milliseconds(options_.idleTimeoutMs))
        Close(c);
}

// The server's own state goes first, so that a client that sees the close sees it too.
void TestServer::Close(Connection& c) {
    if (c.closed) return;
    TableLost(c);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        openConnections_--;
        if (c.loggedIn) online_.erase(c.name);
    }
    c.closed = true;
    close(c.fd);
    if (rooms_ && c.loggedIn) rooms_->OnGone(c.id);
}

}  // namespace testserver
