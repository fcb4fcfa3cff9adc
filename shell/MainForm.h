// The main window: the one top-level window of the program, whose 800 × 600 client area is the
// table.  Its constructor carries the start-up after the program's entry (settings, the start
// notice, the resource folder, the table object); it forwards mouse, keys, paint and timer
// ticks to the table, handles the notices posted to it, confirms the exit and tears the table
// down.  The work is split by concern: MainForm.cpp (start-up and teardown), MainFormInput.cpp
// (forwarding), MainFormNotices.cpp (the posted notices, the about box and dropped files),
// MainFormClose.cpp (closing) and MainFormUpdate.cpp (the update download).
//
// It makes the server link after the table and starts a "NetWork" start's connection; what
// online play adds to it later (the user list and room tree, talk windows, the room list) is
// marked "Online play".
#pragma once

#include <QRect>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/WindowEvents.h"
#include "platform/WindowPlacement.h"
#include "online/MainWindowNotices.h"
#include "online/NoticeBoxQueue.h"
#include "shell/UpdateDownload.h"

class CMj;
class RendererPresentation;
class TableEvents;
class QEventLoop;
class QtOnlineWindows;
class QtLobbyWindows;
class QTextBrowser;

namespace platform {
class QtGameWindow;
class QtDesktop;
}  // namespace platform

// The application's title: the caption of the program's own message boxes.  (The main
// window's title stays its own: Qt would add an application title to every window's.)
constexpr char kApplicationTitle[] = "翠岭";

// The about box's system-menu command; F12 gives it, since the window manager owns the menu.
constexpr int kAboutCommand = 200;

// What closing the main window does first.
enum class CloseStep {
    QuitGame,         // an online game is on: the table asks and leaves it; the window stays
    AskExitWindow,    // the exit window decides
    CloseAtOnce,      // the start-mode dialog is showing: no question
};
CloseStep CloseDecision(int activeForm, bool netGame);

// What a drop of files on the window does (the window reports at least one file).
enum class DropStep {
    RefuseNetGame,  // "网络游戏中不能打开游戏档案。"
    TooMany,        // "一次只能打开一个游戏档案。"
    UnknownType,    // "未知的档案类型。"
    Load,           // the one file is a saved game: open it
};
DropStep DropDecision(const std::vector<std::string>& gbkPaths, bool netGame);

// The first argument that starts online play at once, and the one that skips the start notice.
constexpr char kNetworkArgument[] = "NetWork";
constexpr char kRegServerArgument[] = "/REGSERVER";

class TMainForm : public platform::WindowEvents {
public:
    // Start-up: `args` are the program's arguments (GBK), the first argument first; `screen`
    // is the primary screen's area.  When start-up ends the program (a screen narrower than the
    // table, the resource folder or a table picture missing), EndRequested() says so and the
    // caller returns at once.
    TMainForm(std::vector<std::string> args, QRect screen);
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    bool EndRequested() const { return endRequested_; }
    platform::QtGameWindow& Window() { return *window_; }
    // The table object; null before it is made and after it is deleted.
    CMj* Table() const { return table_.get(); }

    // Forwarding to the table (MainFormInput.cpp).
    void OnLButtonDown(int x, int y, int button) override;
    void OnMouseMove(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    void OnKeyDown(int vk) override;
    void OnKeyUp(int vk) override;
    void OnChar(unsigned char gbkByte) override;
    void OnPaint() override;
    void OnTimer(int id) override;

    // The message map (MainFormNotices.cpp).
    void OnPosted(int id, const std::string& payload) override;
    void OnDropFiles(const std::vector<std::string>& gbkPaths) override;
    void WMSysCommand(int command);
    void WMDropFiles(const std::vector<std::string>& gbkPaths);
    void WMNotice(const std::string& text);
    void WMTalkClosed(const std::string& peer);
    void WMRoomList(const std::string& text);
    void WMLinkDlg(const LinkNotice& notice);
    void WMNetworkStartEnded(platform::MessageBoxRequest box);

    // Closing (MainFormClose.cpp): false keeps the window open.
    bool OnClose() override { return FormClose(); }
    bool FormClose();
    // The question before closing: false keeps the window open.
    bool ConfirmClose();
    void FormDestroy();

    // The update download (MainFormUpdate.cpp).
    void WMUpdate(const std::string& question);
    void HTTPDownConnect();
    void HTTPDownPacketRecvd(std::uint64_t received, std::uint64_t total);
    void HTTPDownSuccess();
    void HTTPDownFailure();

    // An exit page announced: opened in the desktop's browser when the program closes.
    bool bExitPage = false;
    std::string szExitPageUrl;
    // The installer download finished, and where the installer is fetched from.
    bool bDownloadOk = false;
    std::string szInstallerUrl;

    // The hidden page panes of the window.
    QTextBrowser* Panel1 = nullptr;
    QTextBrowser* Banner = nullptr;
    // Online play's lobby panes and talk windows; null until the window services are installed.
    QtLobbyWindows* LobbyPanes() const { return lobbyWindows_.get(); }

private:
    // Start-up steps (MainForm.cpp).
    bool StartUp(QRect screen);
    void PlaceWindow(QRect screen, platform::WindowFrame frame);
    const std::string& FirstArgument() const;
    // The argument at `index` (0 the first), empty when there are fewer.
    const char* Argument(std::size_t index) const;
    void ChooseTableStyle();
    bool CreateTable();
    // What the window asks of the table (MainFormInput.cpp): a saved game opened, after which
    // the game shows; an online game left through the table's question.
    void OpenSavedGame(const std::string& gbkPath);
    void QuitGame();
    void InstallWindowServices();
    void RemoveWindowServices();
    // The end of the update download (MainFormUpdate.cpp).
    void DownloadProgress(const std::string& payload);
    void DownloadDone(const std::string& payload);
    void OfferInstaller();
    // The posted notices' boxes and dialogs (MainFormNotices.cpp).
    void ShowRefusalThenRoomList(const std::string& text);
    void ShowLinkDlg(const LinkNotice& notice);
    // Runs `work` from the event loop, unless the window is gone by then.
    void RunLater(std::function<void()> work);

    std::vector<std::string> args_;
    std::unique_ptr<platform::QtGameWindow> window_;
    std::unique_ptr<platform::QtDesktop> desktop_;
    std::unique_ptr<QtOnlineWindows> onlineWindows_;
    std::unique_ptr<QtLobbyWindows> lobbyWindows_;  // online play's panes (shell/LobbyPanes.h)
    std::unique_ptr<RendererPresentation> presentation_;
    std::unique_ptr<CMj> table_;
    // The table's side of the window's events; exists exactly while the table does.
    std::unique_ptr<TableEvents> events_;
    bool endRequested_ = false;
    bool servicesInstalled_ = false;
    bool downloadConnected_ = false;
    QEventLoop* downloadLoop_ = nullptr;
    CInstallerDownload download_;
    // What the posted notices show (the server's boxes, its link dialog and room refusal, the
    // link's box, a command-line start's last box), one at a time from the event loop.
    NoticeBoxQueue noticeBoxes_{[this](std::function<void()> work) { RunLater(std::move(work)); }};
};

// The main window, the window itself, and the globals of the start-up.
extern TMainForm* MainForm;
extern platform::QtGameWindow* hGameWnd;
// A link notice is showing: further link notices are dropped.
extern std::uint8_t bLinkDlgBusy;
