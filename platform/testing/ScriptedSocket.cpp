#include "platform/testing/ScriptedSocket.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace platform::testing {

namespace {

// Calls a handler through a copy, so that the handler may replace the socket's handlers.
template <typename Handler, typename... Args>
void Report(const Handler& handler, Args... args) {
    Handler copy = handler;
    if (copy) copy(args...);
}

}  // namespace

void ScriptedSocket::SetEvents(SocketEvents events) { events_ = std::move(events); }

void ScriptedSocket::Open(const std::string& host, std::uint16_t port) {
    Close();
    host_ = host;
    port_ = port;
    ++opens_;
    state_ = State::Connecting;
}

void ScriptedSocket::Close() {
    const bool wasConnected = IsConnected();
    Drop();
    if (wasConnected) Report(events_.onDisconnect);
}

std::size_t ScriptedSocket::Read(void* buffer, std::size_t size) {
    const std::size_t n = std::min(size, BytesAvailable());
    if (n == 0) return 0;
    std::memcpy(buffer, received_.data() + readPos_, n);
    readPos_ += n;
    return n;
}

std::size_t ScriptedSocket::Write(const void* data, std::size_t size) {
    if (!IsConnected()) return 0;
    const std::size_t n = std::min({size, writeLimit_, room_});
    if (room_ != SIZE_MAX) room_ -= n;
    sent_.append(static_cast<const char*>(data), n);
    return n;
}

bool ScriptedSocket::AcceptConnection() {
    if (state_ != State::Connecting) return false;
    state_ = State::Connected;
    Report(events_.onConnect);
    return true;
}

bool ScriptedSocket::Feed(std::string_view bytes) {
    if (!IsConnected()) return false;
    received_.erase(0, readPos_);
    readPos_ = 0;
    received_.append(bytes);
    Report(events_.onRead);
    return true;
}

bool ScriptedSocket::Hangup() {
    if (!IsConnected()) return false;
    state_ = State::Closed;
    Report(events_.onDisconnect);
    return true;
}

void ScriptedSocket::Fail(SocketError kind) {
    Drop();
    Report(events_.onError, kind);
}

void ScriptedSocket::MakeRoom() { Report(events_.onWrite); }

void ScriptedSocket::MakeRoom(std::size_t bytes) {
    room_ = room_ == SIZE_MAX ? SIZE_MAX : room_ + bytes;
    Report(events_.onWrite);
}

std::string ScriptedSocket::TakeSent() { return std::exchange(sent_, {}); }

void ScriptedSocket::Release() {
    events_ = {};
    Drop();
    released_ = true;
}

void ScriptedSocket::Drop() {
    state_ = State::Closed;
    received_.clear();
    readPos_ = 0;
}

// The game's socket: forwards to the scripted one the factory keeps, and releases it when the
// game destroys it.
class ScriptedSocketFactory::Handle : public ClientSocket {
public:
    explicit Handle(std::shared_ptr<ScriptedSocket> socket) : socket_(std::move(socket)) {}
    ~Handle() override { socket_->Release(); }

    void SetEvents(SocketEvents events) override { socket_->SetEvents(std::move(events)); }
    void Open(const std::string& host, std::uint16_t port) override { socket_->Open(host, port); }
    void Close() override { socket_->Close(); }
    bool IsConnected() const override { return socket_->IsConnected(); }
    std::size_t BytesAvailable() const override { return socket_->BytesAvailable(); }
    std::size_t Read(void* buffer, std::size_t size) override { return socket_->Read(buffer, size); }
    std::size_t Write(const void* data, std::size_t size) override {
        return socket_->Write(data, size);
    }

private:
    std::shared_ptr<ScriptedSocket> socket_;
};

std::unique_ptr<ClientSocket> ScriptedSocketFactory::Create() {
    sockets_.push_back(std::make_shared<ScriptedSocket>());
    return std::make_unique<Handle>(sockets_.back());
}

}  // namespace platform::testing
