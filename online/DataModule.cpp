// The game socket: connecting, reading records, the end of the connection.
#include "online/DataModule.h"

#include "engine/Mj.h"
#include "online/LobbyRecords.h"
#include "online/LoginForm.h"
#include "online/NetworkStart.h"
#include "online/OnlineAddresses.h"
#include "online/ProxySettings.h"
#include "online/RegRequest.h"
#include "platform/Adapter.h"
#include "platform/MessageBox.h"

TDataModule1* DataModule1 = nullptr;

TDataModule1::TDataModule1(CMj* mj)
    : ClientSocket1(kGamePort), ClientSocket2(static_cast<std::uint16_t>(kRegPort)), pMj(mj) {
    ClientSocket1.Host = kDefaultServerHost;
    ClientSocket2.Host = kDefaultServerHost;
    ClientSocket1.SetEvents({
        [this] { ClientSocket1Connect(); },
        [this] { ClientSocket1Read(); },
        [this] { FlushSend(); },
        [this] { ClientSocket1Disconnect(); },
        [this](platform::SocketError kind) { ClientSocket1Error(kind); },
    });
    ClientSocket2.SetEvents({
        [this] { ClientSocket2Connect(); },
        [this] { ClientSocket2Read(); },
        nullptr,
        [this] { ClientSocket2Disconnect(); },
        [this](platform::SocketError kind) { ClientSocket2Error(kind); },
    });
}

TDataModule1::~TDataModule1() {
    // The sockets go quietly: nothing is handled any more.
    ClientSocket1.SetEvents({});
    ClientSocket2.SetEvents({});
    if (DataModule1 == this) DataModule1 = nullptr;
}

void TDataModule1::RouteThroughProxy(TClientSocket& socket, const std::string& host, int port) {
    const ProxySettings* proxy = pLoginForm ? &pLoginForm->proxy : nullptr;
    bUseProxy = proxy && proxy->useProxy;
    if (!bUseProxy) {
        socket.Host = host;
        socket.Port = static_cast<std::uint16_t>(port);
        return;
    }
    ProxySock.SetType(proxy->type != 0 ? CProxySock::kHttp : CProxySock::kSocks5);
    socket.Host = proxy->host;
    socket.Port = static_cast<std::uint16_t>(proxy->port);
    ProxySock.SetDest(host, port);
    // Credentials that were set once are cleared when the proxy no longer needs them.
    ProxySock.SetAuth(proxy->auth ? proxy->user : std::string(),
                      proxy->auth ? proxy->password : std::string());
}

void TDataModule1::ConnectGameServer(const std::string& host, int port) {
    RouteThroughProxy(ClientSocket1, host, port);
    OpenGameSocket();
}

void TDataModule1::OpenGameSocket() {
    bProxyDone = 0;
    ClientSocket1.Open();
}

void TDataModule1::CloseGameSocket() {
    closedByUs_ = true;
    framer.Clear();
    ClientSocket1.Close();
}

// A new connection starts with an empty queue and no incomplete record.
void TDataModule1::ClientSocket1Connect() {
    sendbufnum = 0;
    framer.Clear();
    closedByUs_ = false;
    if (bUseProxy)
        ProxySock.OnConnect(ClientSocket1.Socket());
    else
        SendLogin();
}

void TDataModule1::ClientSocket1Read() {
    if (reading_) {
        readAgain_ = true;
        return;
    }
    if (bUseProxy && !ProxyPhase()) return;
    ReadRecords();
}

// A failed handshake ends the attempt; a finished one sends the login, and whatever the server
// sent behind the proxy's reply is read at once.
bool TDataModule1::ProxyPhase() {
    if (!ProxySock.OnRead(ClientSocket1.Socket())) return false;
    if (ProxySock.IsFailed()) {
        CloseGameSocket();
        GiveLoginBack();
        platform::ShowMessage("连接代理服务器失败!", "信息", platform::MbIcon::Information);
        return false;
    }
    if (!bProxyDone) {
        bProxyDone = 1;
        SendLogin();
    }
    return true;
}

// A read's records are handled with the table's frames held: one frame shows where they end.
void TDataModule1::ReadRecords() {
    reading_ = true;
    platform::ClientSocket& socket = ClientSocket1.Socket();
    do {
        readAgain_ = false;
        while (!closedByUs_ &&
               framer.ReadOnce([&](std::uint8_t* buffer, std::size_t room) { return socket.Read(buffer, room); },
                               [this](const std::uint8_t* record) { return HandleRecord(record); }) > 0) {
        }
    } while (readAgain_ && !closedByUs_);
    if (pMj) pMj->ReleaseFrames();
    reading_ = false;
    EndAfterBatch();
}

bool TDataModule1::HandleRecord(const std::uint8_t* record) {
    if (closedByUs_) return false;
    if (pMj) {
        pMj->HoldFrames(framer.RecordsWaiting() > 0);
        pMj->OnGameMsg(record);
    }
    return !closedByUs_;
}

// A disconnect or error that came while records were handled is handled now.
void TDataModule1::EndAfterBatch() {
    const LinkEnd end = pendingEnd_;
    pendingEnd_ = LinkEnd::kNone;
    if (end == LinkEnd::kDisconnect) OnDisconnect();
    if (end == LinkEnd::kError) OnError(pendingError_);
}

void TDataModule1::ClientSocket1Disconnect() {
    if (reading_) {
        pendingEnd_ = LinkEnd::kDisconnect;
        return;
    }
    // What the server sent before it closed is still readable: handle it first.
    if (!closedByUs_) {
        ReadRecords();
        if (pendingEnd_ != LinkEnd::kNone) return;
    }
    OnDisconnect();
}

void TDataModule1::OnDisconnect() {
    // The user was online and the server (or the network) ended it, not the user or the link.
    const bool lost = pMj && pMj->IsNetGame() && !closedByUs_;
    CloseNetworkHint();
    GiveLoginBack();
    if (pLoginForm) pLoginForm->StatusLabel.visible = 0;
    if (pMj) pMj->NetGameEnded();
    framer.Clear();
    // A command-line start that loses its connection before the login went through has no
    // window to go back to: it ends like a failed connection.
    if (bNetMode && !bNetLoggedIn)
        EndNetworkStartLost();
    else if (lost)
        TellConnectionLost(platform::SocketError::Disconnect);
}

void TDataModule1::ClientSocket1Error(platform::SocketError kind) {
    if (reading_) {
        pendingEnd_ = LinkEnd::kError;
        pendingError_ = kind;
        return;
    }
    OnError(kind);
}

void TDataModule1::OnError(platform::SocketError kind) {
    CloseNetworkHint();
    GiveLoginBack();
    if (pMj) pMj->NetGameEnded();
    closedByUs_ = true;
    ClientSocket1.Close();
    framer.Clear();
    ReportError(kind);
    if (pMj) pMj->Redraw();
}

void TDataModule1::GiveLoginBack() {
    if (pLoginForm) pLoginForm->EndAttempt();
}

std::string GetAdapterMacHex() {
    const std::string address = platform::AdapterMacHex();
    return address == "000000000000" ? std::string() : address;
}
