// The game's entry: records where the program is installed, lets only one copy run, opens the
// main window with the sound and the music, and makes the table, which shows itself in the
// window through its renderer and takes the window's mouse, keys, paints and timer ticks
// (TableEvents).  The program ends
// when the window is closed.
#include <QApplication>
#include <QScreen>

#include <memory>
#include <string>

#include "engine/Mj.h"
#include "graphics/GraphicsGlobals.h"

#include "platform/Desktop.h"
#include "platform/Gbk.h"
#include "platform/Ini.h"
#include "platform/KeyStore.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"
#include "platform/Presenter.h"
#include "platform/Resource.h"
#include "platform/SingleInstance.h"
#include "platform/Timer.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowPost.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtGameWindow.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/sdl/AudioSystem.h"
#include "engine/RendererPresentation.h"
#include "shell/TableEvents.h"

namespace {

const char kUserInstallKey[] = "HKEY_CURRENT_USER\\Software\\Pemra\\InstalledGame\\6";
const char kMachineInstallKey[] = "HKEY_LOCAL_MACHINE\\Software\\Tovalink Portal\\Game\\0";
const char kExeName[] = "mahjong";

std::string ExePath() { return platform::ProgramFolder() + kExeName; }

// The record an outside game launcher reads to find the program; the program never reads it.
void WriteUserInstallRecord(platform::KeyStore& store) {
    const std::string folder = platform::ProgramFolder();
    const struct {
        const char* name;
        std::string value;
    } values[] = {
        {"GamePath", ExePath()},          {"GameName", "翠岭"},
        {"Version", "8"},                 {"CategoryID", "2"},
        {"GameID", "6"},                  {"NoRoomGame", "1"},
        {"GameIcon", folder + "mj.bmp"},  {"RoomIniPath", folder + "Room.ini"},
    };
    for (const auto& v : values) store.SetString(kUserInstallKey, v.name, v.value);
}

QRect ScreenArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::ProgramFolder();

    // A store that cannot be written only loses the record; the program runs on.  A store that
    // is there but cannot be read is left alone rather than replaced by the record alone.  A
    // folder whose name GBK cannot hold has no path the launcher could read: no record then.
    platform::KeyStore store(platform::KeyStore::DefaultPath());
    const bool recordFolder = platform::ProgramFolderFitsGbk();
    const bool storeRead = recordFolder && store.Load();
    if (recordFolder) WriteUserInstallRecord(store);
    if (storeRead) store.Save();

    platform::QtMessageBoxes boxes;
    platform::InstallMessageBoxes(&boxes);

    platform::SingleInstance instance;
    if (!instance.IsFirstInstance("qelu")) {
        platform::ShowMessage("翠岭已经运行.", "翠岭", platform::MbIcon::Information);
        return 0;
    }

    if (!recordFolder)
        platform::ShowMessage(
            "翠岭所在文件夹的名称含有GBK无法表示的字符, "
            "安装记录未写入, 游戏启动器将找不到翠岭.",
            "翠岭", platform::MbIcon::Warning);

    const QRect screen = ScreenArea();
    const platform::WindowFrame frame = platform::FrameForScreenWidth(screen.width());
    if (frame == platform::WindowFrame::TooNarrow) return 0;

    platform::QtGameWindow window;
    if (frame == platform::WindowFrame::Borderless)
        window.setWindowFlag(Qt::FramelessWindowHint, true);
    window.setWindowTitle(QString::fromStdString(platform::GbkToUtf8("澄枫翠岭 v4.2 2019")));
    window.SetGameCursor(platform::LoadResourceCursor("IDC_WCUR"));
    platform::QtDesktop desktop(&window);
    platform::InstallPresenter(&window);
    platform::InstallTimerService(&window.Timers());
    platform::InstallWindowPoster(&window);
    platform::InstallDesktop(&desktop);
    window.move(screen.x() + platform::CentredOrigin(screen.width(), window.width()),
                screen.y() + platform::CentredOrigin(screen.height(), window.height()));

    platform::AudioSystem audio;
    platform::InstallSoundSystem(&audio.Sound());
    platform::InstallMusicPlayer(&audio.Music());
    const std::string settings = platform::ProgramPath("SET.ini");
    bNewStyle = platform::ReadProfileInt("Window", "Style", 1, settings) ? 1 : 0;
    RendererPresentation presentation;
    auto table = std::make_unique<CMj>(&presentation);
    TableEvents events(*table);
    window.SetReceiver(&events);
    window.show();

    if (recordFolder) store.SetString(kMachineInstallKey, "ExePath", ExePath());
    if (storeRead) store.Save();

    app.exec();

    window.SetReceiver(nullptr);
    table.reset();
    platform::InstallMusicPlayer(nullptr);
    platform::InstallSoundSystem(nullptr);
    platform::InstallDesktop(nullptr);
    platform::InstallWindowPoster(nullptr);
    platform::InstallTimerService(nullptr);
    platform::InstallPresenter(nullptr);
    platform::InstallMessageBoxes(nullptr);
    return 0;
}
