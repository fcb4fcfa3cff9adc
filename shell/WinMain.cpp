#include "shell/WinMain.h"

#include <QApplication>
#include <QScreen>

#include <exception>

#include "platform/MessageBox.h"
#include "platform/Path.h"
#include "platform/SingleInstance.h"
#include "shell/InstallRecord.h"
#include "shell/MainForm.h"
#include "shell/QtText.h"
#include "shell/ShellForms.h"

namespace {

// The guard that lets one copy of the program run: the lock "qelu", held for the process's life.
using TOneApp = platform::SingleInstance;

QRect PrimaryScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

// An exception that ends the program, shown with its message.
void ShowException(const char* what) {
    platform::ShowMessage(ToGbk(QString::fromLocal8Bit(what)), kApplicationTitle,
                          platform::MbIcon::Error);
}

}  // namespace

int WinMain(const std::vector<std::string>& args) {
    WriteGameInstallRecord();
    TOneApp instance;
    if (!instance.IsFirstInstance("qelu")) {
        platform::ShowMessage("翠岭已经运行.", kApplicationTitle, platform::MbIcon::Information);
        return 0;
    }
    try {
        // The loop ends when the main window has agreed to close, not when a window closes.
        QApplication::setQuitOnLastWindowClosed(false);
        // The main window's start-up shows a "NetWork" start's connection hint.
        ShellForms forms(args, PrimaryScreenArea());
        if (!forms.EndRequested()) QApplication::exec();
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        // Anything else thrown is shown the same way, with an empty message.
        ShowException("");
    }
    return 0;
}

std::vector<std::string> ProgramArguments(int argc, const char* const* argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(platform::GamePathOfDisk(argv[i]));
    return args;
}
