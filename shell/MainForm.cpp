// The main window's start-up and teardown.
#include "shell/MainForm.h"

#include <QCheckBox>
#include <QTextBrowser>

#include <utility>

#include "engine/Mj.h"
#include "engine/RendererPresentation.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/SurfaceHelpers.h"
#include "online/DataModule.h"
#include "online/NetworkStart.h"
#include "online/OnlineDialogs.h"
#include "online/OnlineWindows.h"
#include "online/qt/QtOnlineWindows.h"
#include "platform/Desktop.h"
#include "platform/Ini.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"
#include "platform/Presenter.h"
#include "platform/Resource.h"
#include "platform/Timer.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowPost.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtGameWindow.h"
#include "shell/Addresses.h"
#include "shell/AdviceForm.h"
#include "shell/InstallRecord.h"
#include "shell/LobbyPanes.h"
#include "shell/Modal.h"
#include "shell/QtText.h"
#include "shell/TableEvents.h"
#include "shell/WebPane.h"
#include "ui/SetForm.h"

TMainForm* MainForm = nullptr;
platform::QtGameWindow* hGameWnd = nullptr;
std::uint8_t bLinkDlgBusy = 0;

namespace {

std::string SettingsPath() { return platform::ProgramPath("SET.ini"); }

}  // namespace

TMainForm::TMainForm(std::vector<std::string> args, QRect screen)
    : szInstallerUrl(kInstallerUrl), args_(std::move(args)) {
    window_ = std::make_unique<platform::QtGameWindow>(this);
    presentation_ = std::make_unique<RendererPresentation>();
    window_->setWindowTitle(FromGbk("澄枫翠岭 v4.2 2019"));
    window_->setAcceptDrops(false);
    Panel1 = NewWebPane(window_.get(), 154, 227, 495, 294);
    Panel1->hide();
    // The lobby's banner shows the program folder's own page.
    Banner = NewWebPane(window_.get(), 162, 1, 285, 52);
    if (NavigatePane(*Banner, platform::ProgramPath("ad\\banner.htm"))) FinishPage(*Banner, true);
    Banner->hide();
    endRequested_ = !StartUp(screen);
}

// The start-up in its order; false when it ends the program.
bool TMainForm::StartUp(QRect screen) {
    const platform::WindowFrame frame = platform::FrameForScreenWidth(screen.width());
    if (frame == platform::WindowFrame::TooNarrow) return false;  // without a word
    InstallWindowServices();
    bNetMode = FirstArgument() == kNetworkArgument;
    bNetworkStart = bNetMode ? 1 : 0;
    // A "NetWork" start shows its connection hint while the table loads in the hidden window.
    if (bNetMode) CurrentOnlineWindows()->ShowHint();
    ChooseTableStyle();
    bFullScreen = 0;
    if (!platform::ResourceFolderExists()) {
        platform::ShowMessage("游戏缺少文件，重新安装可能解决该问题。", "警告",
                              platform::MbIcon::Warning);
        return false;
    }
    PlaceWindow(screen, frame);
    if (!CreateTable()) return false;
    DataModule1 = new TDataModule1(table_.get());
    window_->setAcceptDrops(true);
    platform::MakeFolder(platform::ProgramPath("Save"));
    platform::MakeFolder(platform::ProgramPath("Avatar"));
    WritePortalInstallRecord();
    // A saved game named on the command line; the launcher's keywords are not saved games.
    const std::string& first = FirstArgument();
    if (!first.empty() && first != kNetworkArgument && first != kRegServerArgument)
        OpenSavedGame(first);
    // A "NetWork" start logs in with the second and third arguments at the host of the
    // fourth; the window stays hidden until the login succeeds.
    if (bNetMode) StartNetworkFromCommandLine(Argument(1), Argument(2), Argument(3));
    return true;
}

// The window centred on the screen, without a border on a screen exactly as wide as it, and
// shown at once (so the table loads in a visible window) unless the start is online.
void TMainForm::PlaceWindow(QRect screen, platform::WindowFrame frame) {
    // The title bar's buttons would bring the frame back: a borderless window has none.
    if (frame == platform::WindowFrame::Borderless)
        window_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window_->SetGameCursor(platform::LoadResourceCursor("IDC_WCUR"));
    window_->move(screen.x() + platform::CentredOrigin(screen.width(), platform::kGameWidth),
                  screen.y() + platform::CentredOrigin(screen.height(), platform::kGameHeight));
    if (!bNetMode) window_->show();
    hGameWnd = window_.get();
}

TMainForm::~TMainForm() {
    FormDestroy();
    if (hGameWnd == window_.get()) hGameWnd = nullptr;
    RemoveWindowServices();
}

const std::string& TMainForm::FirstArgument() const {
    static const std::string kNone;
    return args_.empty() ? kNone : args_.front();
}

const char* TMainForm::Argument(std::size_t index) const {
    return index < args_.size() ? args_[index].c_str() : "";
}

// The table style comes from the start notice's 3D box when the notice is shown, else from
// SET.ini.  The notice is not shown on an online start or a "/REGSERVER" one.
void TMainForm::ChooseTableStyle() {
    const std::string settings = SettingsPath();
    const int style = platform::ReadProfileInt("Window", "Style", 1, settings);
    if (FirstArgument() == kNetworkArgument || FirstArgument() == kRegServerArgument) {
        bNewStyle = style == 1 ? 1 : 0;
        return;
    }
    TAdviceForm notice(nullptr);
    notice.CheckBox1->setChecked(platform::ReadProfileInt("Window", "FullScreen", 0, settings) == 1);
    notice.CheckBox2->setChecked(style == 1);
    notice.CheckBox2Click();
    ShowModal(notice);
    bFullScreen = notice.CheckBox1->isChecked() ? 1 : 0;
    bNewStyle = notice.CheckBox2->isChecked() ? 1 : 0;
}

// Makes the table, which makes its dialogs and draws through the renderer's presentation, the
// mouse cursor hidden meanwhile; a picture
// found missing on the way (its message already shown) ends the program.
bool TMainForm::CreateTable() {
    window_->SetCursorVisible(false);
    table_ = std::make_unique<CMj>(presentation_.get());
    events_ = std::make_unique<TableEvents>(*table_);
    window_->SetCursorVisible(true);
    return !bGameFileMissing;
}

void TMainForm::InstallWindowServices() {
    platform::InstallPresenter(window_.get());
    platform::InstallTimerService(&window_->Timers());
    platform::InstallWindowPoster(window_.get());
    // A desktop installed before the window (a test's recorder) is kept.
    if (!platform::CurrentDesktop()) {
        desktop_ = std::make_unique<platform::QtDesktop>(window_.get());
        platform::InstallDesktop(desktop_.get());
    }
    onlineWindows_ = std::make_unique<QtOnlineWindows>(window_.get());
    InstallOnlineWindows(onlineWindows_.get());
    lobbyWindows_ = std::make_unique<QtLobbyWindows>(window_.get());
    lobbyWindows_->Banner = Banner;
    InstallLobbyWindows(lobbyWindows_.get());
    servicesInstalled_ = true;
}

void TMainForm::RemoveWindowServices() {
    if (!servicesInstalled_) return;
    if (CurrentOnlineWindows() == onlineWindows_.get()) InstallOnlineWindows(nullptr);
    if (CurrentLobbyWindows() == lobbyWindows_.get()) InstallLobbyWindows(nullptr);
    if (desktop_ && platform::CurrentDesktop() == desktop_.get()) platform::InstallDesktop(nullptr);
    if (platform::CurrentWindowPoster() == window_.get()) platform::InstallWindowPoster(nullptr);
    if (platform::CurrentTimerService() == &window_->Timers()) platform::InstallTimerService(nullptr);
    if (platform::CurrentPresenter() == window_.get()) platform::InstallPresenter(nullptr);
    servicesInstalled_ = false;
}

// The server link and the online dialogs go before the table they act on; the table's
// destructor writes SET.ini and stops its timers.
void TMainForm::FormDestroy() {
    // Online play: the talk windows are closed and deleted here.
    delete DataModule1;
    DataModule1 = nullptr;
    events_.reset();
    table_.reset();
}
