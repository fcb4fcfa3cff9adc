// The login record, and what the user is told when the game socket fails.
#include <cstring>

#include "engine/Mj.h"
#include "online/ChooseNetForm.h"
#include "online/DataModule.h"
#include "online/GameMsgClient.h"
#include "online/LoginForm.h"
#include "online/MainWindowNotices.h"
#include "online/NetRoom.h"
#include "online/NetworkStart.h"
#include "online/OnlineAddresses.h"
#include "online/OnlineWindows.h"
#include "platform/MessageBox.h"

namespace {

constexpr const char* kVerifying = "正在验证用户身份...";

// What a socket error tells the user: a message box in a command-line start, else a link
// notice to the service-status page (the connect error also brings up the server lines); the
// login dialog's status line for the errors of reaching the server.
struct ErrorReport {
    platform::SocketError kind;
    const char* boxText;     // the message box
    const char* caption;
    platform::MbIcon icon;
    const char* noticeText;  // null: the message box in every start
    bool chooseLine;
    const char* status;      // null: the status line stays
};

const ErrorReport kErrorReports[] = {
    {platform::SocketError::Connect,
     "连接游戏服务器失败，可能是网络故障或者游戏服务器正在维护。\n请尝试选择另外的服务器进行登陆。",
     "翠岭", platform::MbIcon::Warning, "连接到游戏服务器失败，可能是网络故障或者服务器维护",
     true, "连接服务器失败，请检查网络。"},
    {platform::SocketError::Lookup,
     "查询服务器域名失败，可能是网络故障或者游戏服务器正在维护。\n请尝试选择另外的服务器进行登陆。",
     "翠岭", platform::MbIcon::Warning, "查询服务器域名失败，可能是网络故障或者服务器维护",
     false, "查询服务器域名失败，请检查网络。"},
    {platform::SocketError::Disconnect, "与服务器的连接断开，请尽快重新登录继续游戏.", "信息",
     platform::MbIcon::Information, nullptr, false, nullptr},
    {platform::SocketError::Other, "和服务器的连接断开，请重新登录。", "信息",
     platform::MbIcon::Warning, nullptr, false, nullptr},
};

const ErrorReport& ReportFor(platform::SocketError kind) {
    for (const ErrorReport& report : kErrorReports)
        if (report.kind == kind) return report;
    return kErrorReports[3];
}

}  // namespace

void TDataModule1::SendLogin() {
    if (!pLoginForm) return;
    pLoginForm->SetStatus(kVerifying);
    if (pMj) pMj->Redraw();

    CsLogin login;
    login.name = pLoginForm->NameText();
    login.password = pLoginForm->PasswordText();
    login.adapter = GetAdapterMacHex();
    const GameMsg record = Encode(login);
    SendRecord(record.data(), kGameMsgSize);
    // The tables of a session before are not this one's.
    if (pNetRoom) pNetRoom->ClearTables();

    std::memset(szMyName, 0, sizeof szMyName);
    std::memcpy(szMyName, record.data() + 1, kMyNameBytes);
    if (bNetMode) CurrentOnlineWindows()->SetHintText(kVerifying);
}

void TDataModule1::ReportError(platform::SocketError kind) {
    const ErrorReport& report = ReportFor(kind);
    if (bNetMode) {
        EndNetworkStart(report.boxText, report.caption, report.icon);
    } else if (!report.noticeText) {
        TellConnectionLost(kind);
    } else {
        PostLinkNotice({report.noticeText, "点击查看服务状态 ", kServiceStatusUrl});
        if (report.chooseLine && pChooseNetForm) pChooseNetForm->Show();
    }
    if (report.status && pLoginForm && !bNetMode) {
        pLoginForm->SetStatus(report.status);
        if (pMj) pMj->Redraw();
    }
}

// The box goes to the main window, which shows it in turn with the server's boxes: a lost
// connection often follows a box of the server's, and the two must not stand over each other.
void TDataModule1::TellConnectionLost(platform::SocketError kind) {
    const ErrorReport& report = ReportFor(kind);
    PostNoticeBox({report.boxText, report.caption, report.icon});
}

void TDataModule1::EndNetworkStartLost() {
    const ErrorReport& report = ReportFor(platform::SocketError::Disconnect);
    EndNetworkStart(report.boxText, report.caption, report.icon);
}
