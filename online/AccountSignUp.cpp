// The sign-up socket: one 256-byte request on a connection of its own, one answer byte.  The
// socket closes after the answer, and before a new request; a request that gets no answer in
// 30 seconds, or whose connection closes without one, ends with the buttons back.
#include "engine/Mj.h"
#include "online/DataModule.h"
#include "online/LoginForm.h"
#include "online/MainWindowNotices.h"
#include "online/OnlineAddresses.h"
#include "online/RegForm.h"
#include "online/RegRequest.h"
#include "platform/Ini.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"

namespace {

constexpr const char* kSubmitting = "连接服务器成功,正在提交注册请求...";
constexpr const char* kNoServer = "连接服务器失败，请检查网络。";

// The sign-up server of Network.cfg: its host, and its port (3891 unless `regport` names one).
void SignUpServer(std::string* host, int* port) {
    const std::string cfg = platform::ProgramPath("Network.cfg");
    char text[50] = {};
    platform::ReadProfileString("loginserver", "regip", kDefaultServerHost, text, sizeof text, cfg);
    *host = text;
    *port = platform::ReadProfileInt("loginserver", "regport", kRegPort, cfg);
    if (*port < 1 || *port > 65535) *port = kRegPort;
}

}  // namespace

void TDataModule1::StartSignUp() {
    awaitingSignUpReply_ = false;
    ClientSocket2.Close();
    std::string host;
    int port = kRegPort;
    SignUpServer(&host, &port);
    RouteThroughProxy(ClientSocket2, host, port);
    bProxyDone = 0;
    awaitingSignUpReply_ = true;
    if (pRegForm) pRegForm->ReplyTimer->SetEnabled(true);
    ClientSocket2.Open();
}

void TDataModule1::ClientSocket2Connect() {
    if (bUseProxy)
        ProxySock.OnConnect(ClientSocket2.Socket());
    else
        SubmitSignUp();
}

void TDataModule1::SubmitSignUp() {
    if (!pRegForm) return;
    pRegForm->SetStatus(kSubmitting);
    if (pMj) pMj->Redraw();
    const RegRequestBytes request = pRegForm->BuildRequest();
    if (ClientSocket2.Socket().Write(request.data(), request.size()) != request.size())
        EndSignUp(kNoServer);
}

void TDataModule1::ClientSocket2Read() {
    if (!awaitingSignUpReply_) return;
    if (bUseProxy && !bProxyDone) {
        if (!ProxySock.OnRead(ClientSocket2.Socket())) return;
        if (ProxySock.IsFailed()) {
            EndSignUp(nullptr);
            platform::ShowMessage("连接代理服务器失败!", "信息", platform::MbIcon::Information);
            return;
        }
        bProxyDone = 1;
        SubmitSignUp();
        return;
    }
    ShowSignUpReply();
}

// The answer is one byte; an answer of any other length shows nothing.
void TDataModule1::ShowSignUpReply() {
    platform::ClientSocket& socket = ClientSocket2.Socket();
    if (socket.BytesAvailable() == 0) return;
    std::uint8_t bytes[2] = {};  // a second byte already tells that the answer is none
    const RegAnswer answer = ReadRegReply(bytes, socket.Read(bytes, sizeof bytes));
    if (pRegForm) pRegForm->StatusLabel.visible = 0;
    EndSignUp(nullptr);
    if (!answer.text) return;
    platform::ShowMessage(answer.text, answer.caption, platform::MbIcon::Information);
    if (answer.created && pLoginForm && pRegForm) pLoginForm->ShowSignedUp(pRegForm->AccountName());
}

void TDataModule1::ClientSocket2Disconnect() {
    if (!awaitingSignUpReply_) return;
    if (ClientSocket2.Socket().BytesAvailable() > 0 && (!bUseProxy || bProxyDone))
        ShowSignUpReply();
    else
        EndSignUp(kNoServer);
}

void TDataModule1::ClientSocket2Error(platform::SocketError kind) {
    if (!awaitingSignUpReply_) return;
    const char* status = kind == platform::SocketError::Connect  ? kNoServer
                         : kind == platform::SocketError::Lookup ? "查询服务器域名失败，请检查网络。"
                                                                 : nullptr;
    EndSignUp(status);
    PostLinkNotice({"接到注册服务器失败，请至游戏网站进行注册", "点击这里注册帐号 ", kSignUpPageUrl});
}

void TDataModule1::SignUpTimedOut() {
    if (awaitingSignUpReply_) EndSignUp(kNoServer);
}

// The sign-up is over: the socket closes, the buttons come back, and the status line shows
// `gbkStatus` (none: it stays as it is).
void TDataModule1::EndSignUp(const char* gbkStatus) {
    awaitingSignUpReply_ = false;
    ClientSocket2.Close();
    if (!pRegForm) return;
    pRegForm->ReplyTimer->SetEnabled(false);
    pRegForm->EnableButtons(true);
    if (gbkStatus) pRegForm->SetStatus(gbkStatus);
    if (pMj) pMj->Redraw();
}
