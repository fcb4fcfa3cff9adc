// The main window's message map: the notices posted to it, the about box and dropped files.
#include <QTimer>

#include <string>
#include <utility>
#include <vector>

#include "engine/Mj.h"
#include "online/OnlineWindows.h"
#include "platform/MessageBox.h"
#include "platform/WindowPost.h"
#include "platform/qt/QtGameWindow.h"
#include "shell/AboutForm.h"
#include "shell/Forms.h"
#include "shell/LinkDlgForm.h"
#include "shell/LobbyPanes.h"
#include "shell/MainForm.h"
#include "shell/Modal.h"

namespace {

bool IsSavedGameName(const std::string& gbkPath) {
    const std::size_t dot = gbkPath.rfind('.');
    const std::size_t folder = gbkPath.find_last_of("\\/");
    if (dot == std::string::npos || (folder != std::string::npos && dot < folder)) return false;
    return gbkPath.compare(dot, std::string::npos, ".cmj") == 0;
}

void ShowError(const char* gbkText) {
    platform::ShowMessage(gbkText, "错误", platform::MbIcon::Error);
}

}  // namespace

DropStep DropDecision(const std::vector<std::string>& gbkPaths, bool netGame) {
    if (netGame) return DropStep::RefuseNetGame;
    if (gbkPaths.size() != 1) return DropStep::TooMany;
    return IsSavedGameName(gbkPaths.front()) ? DropStep::Load : DropStep::UnknownType;
}

void TMainForm::OnPosted(int id, const std::string& payload) {
    switch (id) {
        case WM_NOTICEMSG: WMNotice(payload); break;
        case WM_TALKCLOSED: WMTalkClosed(payload); break;
        case WM_ROOMLISTMSG: WMRoomList(payload); break;
        case WM_UPDATEMSG: WMUpdate(payload); break;
        case WM_LINKDLGMSG: WMLinkDlg(UnpackLinkNotice(payload)); break;
        case WM_LINKBOXMSG:
            noticeBoxes_.OfferBox(UnpackNoticeBox(payload), NoticeBoxQueue::Kind::Closing);
            break;
        case WM_NETENDMSG: WMNetworkStartEnded(UnpackNoticeBox(payload)); break;
        case WM_DOWNLOADPROGRESS: DownloadProgress(payload); break;
        case WM_DOWNLOADDONE: DownloadDone(payload); break;
        case platform::kCloseRequest: window_->close(); break;
        default: break;
    }
}

void TMainForm::WMSysCommand(int command) {
    if (command == kAboutCommand && AboutForm) ShowModal(*AboutForm);
}

void TMainForm::OnDropFiles(const std::vector<std::string>& gbkPaths) { WMDropFiles(gbkPaths); }

void TMainForm::WMDropFiles(const std::vector<std::string>& gbkPaths) {
    switch (DropDecision(gbkPaths, table_ && table_->IsNetGame())) {
        case DropStep::RefuseNetGame: ShowError("网络游戏中不能打开游戏档案。"); break;
        case DropStep::TooMany: ShowError("一次只能打开一个游戏档案。"); break;
        case DropStep::UnknownType: ShowError("未知的档案类型。"); break;
        case DropStep::Load: OpenSavedGame(gbkPaths.front()); break;
    }
}

void TMainForm::WMNotice(const std::string& text) {
    noticeBoxes_.OfferBox({text, kApplicationTitle, platform::MbIcon::Information});
}

// The talk window of that peer is closed, removed from the list and deleted.
void TMainForm::WMTalkClosed(const std::string& peer) {
    if (lobbyWindows_) lobbyWindows_->TalkClosed(peer);
}

void TMainForm::WMRoomList(const std::string& text) {
    noticeBoxes_.Offer([this, text] { ShowRefusalThenRoomList(text); });
}

// A link notice that arrives while one is showing is dropped.
void TMainForm::WMLinkDlg(const LinkNotice& notice) {
    if (bLinkDlgBusy || !LinkDlgForm) return;
    noticeBoxes_.Offer([this, notice] { ShowLinkDlg(notice); });
}

// A command-line start that cannot go on: its box after every other, then the hidden main
// window closes.
void TMainForm::WMNetworkStartEnded(platform::MessageBoxRequest box) {
    box.owner = platform::MbOwner::ActiveWindow;  // the main window is hidden
    noticeBoxes_.Offer(
        [box] {
            platform::ShowBox(box);
            CurrentOnlineWindows()->CloseMainWindow();
        },
        NoticeBoxQueue::Kind::Closing);
}

// The refusal, then the room list to pick another room.  The list needs the connection: after
// one lost before or during the box it stays shut (the login dialog is back behind it).
void TMainForm::ShowRefusalThenRoomList(const std::string& text) {
    platform::ShowMessage(text, "信息", platform::MbIcon::Information);
    if (table_ && table_->IsNetGame()) CurrentLobbyWindows()->ShowRoomList();
}

void TMainForm::ShowLinkDlg(const LinkNotice& notice) {
    if (!LinkDlgForm) return;
    bLinkDlgBusy = 1;
    LinkDlgForm->SetNotice(notice.text, notice.caption, notice.url);
    ShowModal(*LinkDlgForm);
    bLinkDlgBusy = 0;
}

void TMainForm::RunLater(std::function<void()> work) {
    if (window_) QTimer::singleShot(0, window_.get(), std::move(work));
}
