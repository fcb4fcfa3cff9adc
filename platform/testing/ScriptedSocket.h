// A client socket that a test drives.  Nothing happens by itself: the test plays the network
// and the server (AcceptConnection, Feed, Hangup, Fail, MakeRoom), and each of these reports
// its event to the socket's handlers at once, as the main loop would deliver it.  The game's
// own calls report nothing, except the disconnect that Close reports, as on the real socket.
//
// The factory hands the game its sockets and keeps each one for the test, also after the game
// has destroyed it (a destroyed socket closes quietly and reports nothing more).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Socket.h"

namespace platform::testing {

class ScriptedSocket : public ClientSocket {
public:
    enum class State { Closed, Connecting, Connected };

    void SetEvents(SocketEvents events) override;
    void Open(const std::string& host, std::uint16_t port) override;
    void Close() override;
    bool IsConnected() const override { return state_ == State::Connected; }
    std::size_t BytesAvailable() const override { return received_.size() - readPos_; }
    std::size_t Read(void* buffer, std::size_t size) override;
    std::size_t Write(const void* data, std::size_t size) override;

    // The network's side.  The connection being opened comes up: onConnect.  False when none
    // is being opened.
    bool AcceptConnection();
    // One chunk of bytes arrives: onRead.  False (and nothing arrives) when not connected.
    bool Feed(std::string_view bytes);
    // The server closes the connection: onDisconnect, with the bytes not read yet still
    // readable until the socket is opened or closed again.  False when not connected.
    bool Hangup();
    // The socket fails with `kind` (any of SocketError): it closes, unread bytes are dropped,
    // and onError reports it; no disconnect follows.
    void Fail(SocketError kind);
    // Bytes left the send buffer: onWrite.
    void MakeRoom();
    // The send buffer has room for `bytes` more: onWrite.
    void MakeRoom(std::size_t bytes);
    // Each Write takes at most `bytes` from now on (the rest must be offered again).
    void SetWriteLimit(std::size_t bytes) { writeLimit_ = bytes; }
    // The send buffer takes `bytes` more in all, then Write takes nothing until MakeRoom.
    void SetSendRoom(std::size_t bytes) { room_ = bytes; }

    // What the game did.
    State CurrentState() const { return state_; }
    const std::string& Host() const { return host_; }  // of the last Open
    std::uint16_t Port() const { return port_; }
    int Opens() const { return opens_; }
    // Every byte Write took, across connections; TakeSent hands them over and forgets them.
    const std::string& Sent() const { return sent_; }
    std::string TakeSent();
    // The game destroyed its socket.
    bool Released() const { return released_; }
    // Closes quietly and drops the handlers: the socket reports nothing more.
    void Release();

private:
    void Drop();  // closed, unread bytes gone

    SocketEvents events_;
    State state_ = State::Closed;
    std::string received_;
    std::size_t readPos_ = 0;
    std::string sent_;
    std::size_t writeLimit_ = SIZE_MAX;
    std::size_t room_ = SIZE_MAX;
    std::string host_;
    std::uint16_t port_ = 0;
    int opens_ = 0;
    bool released_ = false;
};

class ScriptedSocketFactory : public SocketFactory {
public:
    std::unique_ptr<ClientSocket> Create() override;

    // The sockets made, in order of creation.
    int Count() const { return static_cast<int>(sockets_.size()); }
    ScriptedSocket& Socket(int index) { return *sockets_.at(index); }
    ScriptedSocket& Last() { return *sockets_.back(); }

private:
    class Handle;
    std::vector<std::shared_ptr<ScriptedSocket>> sockets_;
};

}  // namespace platform::testing
