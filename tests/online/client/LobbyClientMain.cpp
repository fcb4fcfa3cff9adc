// One real client of the lobby in a process of its own, for the two-client scenario: the table
// with its online dialogs, the link on Qt's sockets, the lobby's Qt panes and talk windows, and
// the single-instance lock in its own configuration folder (XDG_CONFIG_HOME).  It plays a script
// of steps given as arguments and prints "ok <step>" for each, or "timeout <step>" and ends.
//
//   mj_lobby_client <program folder> <user> <password> <step>...
//
// Steps: login | room | inroom:N | see:NAME | chat:TEXT | heard:TEXT | talk:PEER:TEXT |
// talked:PEER:TEXT | sit:T:C | seated:T:C:NAME | rawsit:T:C | back | enter:N | invite:NAME |
// invited | accept | quit.  A refused room entry goes through the room list window, which
// picks room 0.
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTreeWidget>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "online/DataModule.h"
#include "online/GameMsgClient.h"
#include "online/InviteForm.h"
#include "online/InviteMessage.h"
#include "online/Lobby.h"
#include "online/LoginForm.h"
#include "online/MainWindowNotices.h"
#include "online/NetRoom.h"
#include "online/qt/RoomListForm.h"
#include "online/qt/TalkForm.h"
#include "platform/Gbk.h"
#include "platform/Path.h"
#include "platform/SingleInstance.h"
#include "platform/WindowEvents.h"
#include "platform/net/QtSocketFactory.h"
#include "platform/qt/QtGbk.h"
#include "platform/testing/DesktopRecorder.h"
#include "platform/testing/NoticeQueue.h"
#include "platform/testing/ScopedService.h"
#include "shell/LobbyPanes.h"
#include "testsupport/engine/HeadlessTable.h"
#include "ui/DxChatWnd.h"
#include "ui/DxEdit.h"

namespace {

constexpr int kStepMs = 15000;

std::vector<std::string> Split(const std::string& step) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = step.find(':', start);
        parts.push_back(step.substr(start, colon - start));
        if (colon == std::string::npos) return parts;
        start = colon + 1;
    }
}

// The notices the main window would handle: each printed; a room-list notice opens the room
// list, which picks room 0.
class Notices : public platform::WindowEvents {
public:
    void OnPosted(int id, const std::string& payload) override {
        std::printf("notice %d %s\n", id, platform::GbkToUtf8(payload).c_str());
        if (id == WM_NOTICEMSG) backs++;
        if (id != WM_ROOMLISTMSG) return;
        TRoomListForm form;
        form.Fill();
        if (form.ListView1->topLevelItemCount() > 0)
            form.ListView1SelectItem(form.ListView1->topLevelItem(0));
        form.BitBtn1Click();
    }
    int backs = 0;
};

bool RoomChatHas(const std::string& text) {
    const CChatPageList& pages = pNetRoom->chat->pages;
    for (int p = 0; p < pages.count; p++)
        for (const CChatLine& line : pages.GetPage(p)->lines.Lines())
            if (line.text.find(text) != std::string::npos) return true;
    return false;
}

bool SeatedAs(int table, int chair, const std::string& name) {
    const TableInfo* t = pNetRoom->GetTable(table);
    return t && t->state[chair] != 0 &&
           std::string(t->name[chair], strnlen(t->name[chair], 20)) == name;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: mj_lobby_client <folder> <user> <password> <step>...\n");
        return 2;
    }
    QApplication app(argc, argv);
    platform::SingleInstance instance;
    if (!instance.IsFirstInstance("qelu")) {
        std::printf("locked\n");
        return 3;
    }
    platform::SetProgramFolder(argv[1]);
    platform::QtSocketFactory sockets;
    platform::testing::ScopedSocketFactory socketsInstalled(&sockets);
    platform::testing::NoticeQueue queue;
    platform::testing::ScopedWindowPoster queueInstalled(&queue);
    platform::testing::DesktopRecorder desktop;
    platform::testing::ScopedDesktop desktopInstalled(&desktop);
    QWidget mainWindow;
    QtLobbyWindows panes(&mainWindow);
    InstallLobbyWindows(&panes);
    enginetest::HeadlessTable headless(1);
    DataModule1 = new TDataModule1(headless.table.get());
    Notices notices;
    const std::string user = platform::Utf8ToGbk(argv[2]);

    auto waitFor = [&](const std::function<bool()>& done) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < kStepMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            queue.DeliverAll(notices);
            if (done()) return true;
        }
        return false;
    };

    int result = 0;
    for (int i = 4; i < argc && result == 0; i++) {
        const std::string step = platform::Utf8ToGbk(argv[i]);
        const std::vector<std::string> a = Split(step);
        bool ok = true;
        const std::string& what = a[0];
        if (what == "login") {
            pLoginForm->SetName(user);
            pLoginForm->SetPassword(platform::Utf8ToGbk(argv[3]));
            CLoginForm& f = *pLoginForm;
            const CBitButton* b = f.buttons.GetButton(CLoginForm::kEnter);
            f.OnLButtonDown(b->x + 2, b->y + 2);
            f.OnLButtonUp(b->x + 2, b->y + 2);
            ok = waitFor([] { return pMj->IsNetGame(); });
        } else if (what == "room") {
            ok = waitFor([] { return pNetRoom->room >= 0 && !bInfoShown; });
        } else if (what == "inroom") {
            const int room = std::stoi(a[1]);
            ok = waitFor([room] { return pNetRoom->room == room && !bInfoShown; });
        } else if (what == "see") {
            ok = waitFor([&] { return Lobby.ListView1.Find(a[1]) != nullptr; });
        } else if (what == "chat") {
            for (unsigned char c : a[1]) pNetRoom->OnChatKey(c);
            pNetRoom->OnChatKey(13);
        } else if (what == "heard") {
            ok = waitFor([&] { return RoomChatHas(a[1]); });
        } else if (what == "talk") {
            panes.OpenTalkWindow(a[1]);
            TTalkForm* form = panes.FindTalk(a[1]);
            form->Memo2->setPlainText(platform::FromGbk(a[2]));
            form->Button1Click();
        } else if (what == "talked") {
            ok = waitFor([&] {
                TTalkForm* form = panes.FindTalk(a[1]);
                return form && platform::ToGbk(form->Memo1->toPlainText()).find(a[2]) != std::string::npos;
            });
        } else if (what == "sit") {
            ok = pNetRoom->SitDown(std::stoi(a[1]), std::stoi(a[2])) == 1;
        } else if (what == "seated") {
            const int t = std::stoi(a[1]), c = std::stoi(a[2]);
            ok = waitFor([&] { return SeatedAs(t, c, a[3]); });
        } else if (what == "rawsit") {
            notices.backs = 0;
            SendLobbyRecord(Encode(CsSitDown{std::stoi(a[1]), std::stoi(a[2])}));
        } else if (what == "back") {
            ok = waitFor([&] { return notices.backs > 0 && !bInfoShown && nActiveForm == CNetRoom::kId; });
        } else if (what == "enter") {
            EnterRoomFromTree(std::stoi(a[1]));
        } else if (what == "invite") {
            pInviteForm->FillAndShow();
            for (std::size_t r = 0; r < Lobby.ListView2.size(); r++)
                if (Lobby.ListView2[r].name == a[1]) Lobby.inviteSelected = static_cast<int>(r);
            const CBitButton* b = pInviteForm->buttons.GetButton(CInviteForm::kInvite);
            pInviteForm->OnLButtonDown(b->x + 2, b->y + 2);
            pInviteForm->OnLButtonUp(b->x + 2, b->y + 2);
            ok = nActiveForm != CInviteForm::kId;
        } else if (what == "invited") {
            ok = waitFor([] { return bInviteShown != 0; });
        } else if (what == "accept") {
            auto* prompt = static_cast<CInviteMessage*>(pInviteMessage);
            const CBitButton* b = prompt->buttons.GetButton(CInviteMessage::kOk);
            prompt->OnLButtonDown(b->x + 2, b->y + 2);
            prompt->OnLButtonUp(b->x + 2, b->y + 2);
            ok = bInviteShown == 0;
        } else if (what == "quit") {
            SendLobbyRecord(Encode(CsLogoff{}));
            QElapsedTimer timer;
            timer.start();
            while (timer.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        } else {
            ok = false;
        }
        std::printf("%s %s\n", ok ? "ok" : "timeout", argv[i]);
        std::fflush(stdout);
        if (!ok) result = 1;
    }
    delete DataModule1;
    DataModule1 = nullptr;
    InstallLobbyWindows(nullptr);
    return result;
}
