// The factory of the program's client sockets: each one on Qt's event loop.
#pragma once

#include <memory>

#include "platform/Socket.h"
#include "platform/net/QtClientSocket.h"

namespace platform {

class QtSocketFactory : public SocketFactory {
public:
    std::unique_ptr<ClientSocket> Create() override { return std::make_unique<QtClientSocket>(); }
};

}  // namespace platform
