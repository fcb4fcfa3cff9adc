#include "platform/Socket.h"

namespace platform {

namespace {

SocketFactory* gFactory = nullptr;

// The socket of a program without a network: it never connects, so it never reports anything.
class UnconnectedSocket : public ClientSocket {
public:
    void SetEvents(SocketEvents) override {}
    void Open(const std::string&, std::uint16_t) override {}
    void Close() override {}
    bool IsConnected() const override { return false; }
    std::size_t BytesAvailable() const override { return 0; }
    std::size_t Read(void*, std::size_t) override { return 0; }
    std::size_t Write(const void*, std::size_t) override { return 0; }
};

}  // namespace

void InstallSocketFactory(SocketFactory* factory) { gFactory = factory; }
SocketFactory* CurrentSocketFactory() { return gFactory; }

std::unique_ptr<ClientSocket> CreateClientSocket() {
    std::unique_ptr<ClientSocket> socket = gFactory ? gFactory->Create() : nullptr;
    return socket ? std::move(socket) : std::make_unique<UnconnectedSocket>();
}

}  // namespace platform
