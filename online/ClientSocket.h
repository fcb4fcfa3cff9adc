// A client socket as the link holds it: the host and port to open next, and whether it is
// active (opened and neither closed nor failed since).  Events go to the handlers given; the
// active flag is cleared before they run.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Socket.h"

class TClientSocket {
public:
    explicit TClientSocket(std::uint16_t defaultPort);

    void SetEvents(platform::SocketEvents events);
    // Opens a connection to Host and Port (an open one is closed first).
    void Open();
    // Closes the socket (an open connection reports its disconnect before this returns).
    void Close();
    bool Active() const { return active_; }
    bool Connected() const { return socket_->IsConnected(); }
    platform::ClientSocket& Socket() { return *socket_; }

    std::string Host;
    std::uint16_t Port;

private:
    std::unique_ptr<platform::ClientSocket> socket_;
    bool active_ = false;
};
