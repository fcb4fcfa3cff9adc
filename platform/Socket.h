// A non-blocking TCP client on the main loop: the connection is opened in the background and
// everything that happens to it arrives as an event on the main thread, never inside a call
// made on the socket, except the disconnect that Close itself reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

enum class SocketError {
    Connect,     // the connection could not be made (refused, unreachable, timed out)
    Lookup,      // the host name could not be resolved
    Disconnect,  // an established connection broke with an error
    Other,
};

struct SocketEvents {
    std::function<void()> onConnect;     // the connection is up
    std::function<void()> onRead;        // bytes are waiting
    std::function<void()> onWrite;       // bytes left the send buffer: there is room again
    // An established connection closed (once per connection).  When the peer closed it, the
    // bytes it sent before and that were not read yet stay readable (BytesAvailable, Read)
    // until the socket is opened or closed again, so a reader handles them before the end.
    std::function<void()> onDisconnect;
    std::function<void(SocketError)> onError;  // the socket is closed already; no disconnect follows
};

class ClientSocket {
public:
    virtual ~ClientSocket() = default;
    virtual void SetEvents(SocketEvents events) = 0;
    // Starts connecting to a host name or dotted address; an open connection is closed first
    // (reporting its disconnect).  The outcome arrives as onConnect or onError.
    virtual void Open(const std::string& host, std::uint16_t port) = 0;
    // Closes the socket and drops every unread byte.  When it was connected, onDisconnect is
    // reported before Close returns; closing a socket that is connecting or closed reports
    // nothing.
    virtual void Close() = 0;
    virtual bool IsConnected() const = 0;
    // Bytes received and not read yet (also those kept after the peer closed).
    virtual std::size_t BytesAvailable() const = 0;
    // Reads up to `size` bytes; the number read (0 when nothing waits or not connected).
    virtual std::size_t Read(void* buffer, std::size_t size) = 0;
    // Sends up to `size` bytes; the number the socket took, which is less than `size` when its
    // send buffer is full (the rest must be offered again) and 0 when not connected.  Bytes
    // taken are sent even when the socket is closed or destroyed right after (as far as the
    // system takes them without waiting).
    virtual std::size_t Write(const void* data, std::size_t size) = 0;
};

// Makes the client sockets of the game: the real ones on the main loop, scripted ones in tests.
class SocketFactory {
public:
    virtual ~SocketFactory() = default;
    virtual std::unique_ptr<ClientSocket> Create() = 0;
};

// The factory the game's sockets come from; none installed: sockets that never connect
// (Open reports nothing, reads and writes take no bytes).
void InstallSocketFactory(SocketFactory* factory);
SocketFactory* CurrentSocketFactory();

// A new socket from the installed factory; never null.
std::unique_ptr<ClientSocket> CreateClientSocket();

}  // namespace platform
