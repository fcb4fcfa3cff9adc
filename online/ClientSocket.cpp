#include "online/ClientSocket.h"

#include <utility>

TClientSocket::TClientSocket(std::uint16_t defaultPort)
    : Port(defaultPort), socket_(platform::CreateClientSocket()) {}

void TClientSocket::SetEvents(platform::SocketEvents events) {
    auto inactive = [this](auto handler) {
        return [this, handler](auto... args) {
            active_ = false;
            if (handler) handler(args...);
        };
    };
    events.onDisconnect = inactive(std::move(events.onDisconnect));
    events.onError = inactive(std::move(events.onError));
    socket_->SetEvents(std::move(events));
}

void TClientSocket::Open() {
    socket_->Close();
    active_ = true;
    socket_->Open(Host, Port);
}

void TClientSocket::Close() {
    active_ = false;
    socket_->Close();
}
