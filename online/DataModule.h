// The one object that talks to the game server: the game-server socket, the sign-up socket and
// the proxy handshake they share.  It cuts the game socket's byte stream into 129-byte records
// for CMj::OnGameMsg, queues and sends every outgoing record, sends the login record, and
// turns the sockets' connect, disconnect and error events into the login and sign-up dialogs'
// state and the user's messages.  Everything runs on the main thread, inside socket events.
//
// Reading drains the socket: one read event reads, frames and hands on records until nothing
// is left, so no byte waits for the next packet.  A read event that arrives while records are
// being handled (a handler's modal box runs a nested loop) only asks for another round, and a
// disconnect or error that arrives then waits until the batch is done; bytes the server sent
// before it closed are all handled before its disconnect.  After the link closes the socket
// itself (a full send queue, a time-out, a failed proxy) the rest of the batch and the
// incomplete record are dropped.
#pragma once

#include <cstdint>
#include <string>

#include "online/ClientSocket.h"
#include "online/ProxySock.h"
#include "online/RecordFramer.h"
#include "platform/Socket.h"

class CMj;

// The default ports of the game server and of the sign-up server.
constexpr std::uint16_t kGamePort = 1982;

class TDataModule1 {
public:
    static constexpr int kSendQueueBytes = 10000;

    explicit TDataModule1(CMj* mj = nullptr);
    ~TDataModule1();
    TDataModule1(const TDataModule1&) = delete;
    TDataModule1& operator=(const TDataModule1&) = delete;

    // Queues `length` bytes and sends what the socket takes.
    void SendRecord(const void* data, int length);
    // Appends to the queue; a record the queue cannot take closes the connection instead.
    void QueueSend(const void* data, int length, bool flush);
    // Sends the queue's bytes until the socket takes no more; the rest goes when it has room.
    void FlushSend();
    // Builds and sends CS_LOGIN from the login dialog's name and password.
    void SendLogin();
    // Opens the game connection to ClientSocket1's host and port; the login goes out once it
    // is up (after the proxy's handshake when bUseProxy is set).
    void OpenGameSocket();
    // Closes the game connection from this side (its disconnect handling runs).
    void CloseGameSocket();

    // The game socket's events.
    void ClientSocket1Connect();
    void ClientSocket1Read();
    void ClientSocket1Disconnect();
    void ClientSocket1Error(platform::SocketError kind);

    // The sign-up socket's events (AccountSignUp.cpp).
    void ClientSocket2Connect();
    void ClientSocket2Read();
    void ClientSocket2Disconnect();
    void ClientSocket2Error(platform::SocketError kind);
    // Opens the sign-up connection to the server of Network.cfg, directly or through the
    // login's proxy; the dialog's request goes out once it is up.
    void StartSignUp();
    // Ends a sign-up that got no answer: the socket closes and the dialog gets its buttons back.
    void SignUpTimedOut();
    // Points the game socket at `host`:`port`, through the login settings' proxy when it has
    // one, and opens it.
    void ConnectGameServer(const std::string& host, int port);

    TClientSocket ClientSocket1;  // the game server
    TClientSocket ClientSocket2;  // the sign-up server
    RecordFramer framer;          // the incomplete record of the game stream
    std::uint8_t sendbuf[kSendQueueBytes] = {};
    int sendbufnum = 0;
    CProxySock ProxySock;
    std::uint8_t bUseProxy = 0;   // the connection being made goes through the proxy
    std::uint8_t bProxyDone = 0;  // the handshake is over and the first request has gone
    CMj* pMj;

private:
    // The link's own ends of a batch of records.
    enum class LinkEnd { kNone, kDisconnect, kError };

    // The proxy's part of a read event; true when the event goes on to the records.
    bool ProxyPhase();
    // Reads and handles records until the socket is empty or the link closed itself.
    void ReadRecords();
    bool HandleRecord(const std::uint8_t* record);
    void EndAfterBatch();
    void OnDisconnect();
    void OnError(platform::SocketError kind);
    void ReportError(platform::SocketError kind);
    // The user is told the connection is lost (the box of the error `kind`), over the main window.
    void TellConnectionLost(platform::SocketError kind);
    // A command-line start ends with the lost connection's box.
    void EndNetworkStartLost();
    // The login dialog's controls come back and its time-out stops.
    void GiveLoginBack();
    // Points `socket` at host:port, or at the login settings' proxy with host:port as the
    // destination the proxy is asked for.
    void RouteThroughProxy(TClientSocket& socket, const std::string& host, int port);
    void SubmitSignUp();
    void ShowSignUpReply();
    void EndSignUp(const char* gbkStatus);

    bool reading_ = false;        // records are being handled
    bool readAgain_ = false;      // a read event came meanwhile
    bool closedByUs_ = false;     // the link closed the game socket itself
    LinkEnd pendingEnd_ = LinkEnd::kNone;
    platform::SocketError pendingError_ = platform::SocketError::Other;
    bool flushing_ = false;
    bool awaitingSignUpReply_ = false;
};

// The one link, made by the main window after the table; null before and after.
extern TDataModule1* DataModule1;

// The network adapter's address as 12 hexadecimal digits; empty when the machine has none.
std::string GetAdapterMacHex();
