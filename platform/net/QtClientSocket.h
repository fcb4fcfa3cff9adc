// The client socket on Qt's event loop (QTcpSocket).  Needs a running Qt application on the
// main thread; each connection gets a fresh QTcpSocket, so an event handler may close or reopen
// the socket it is called for.
#pragma once

#include <memory>

#include "platform/Socket.h"

namespace platform {

class QtClientSocket : public ClientSocket {
public:
    // Bytes the socket holds unsent before Write takes less than it is offered.
    static constexpr std::size_t kSendBufferBytes = 64 * 1024;

    QtClientSocket();
    ~QtClientSocket() override;
    QtClientSocket(const QtClientSocket&) = delete;
    QtClientSocket& operator=(const QtClientSocket&) = delete;

    void SetEvents(SocketEvents events) override;
    void Open(const std::string& host, std::uint16_t port) override;
    void Close() override;
    bool IsConnected() const override;
    std::size_t BytesAvailable() const override;
    std::size_t Read(void* buffer, std::size_t size) override;
    std::size_t Write(const void* data, std::size_t size) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
