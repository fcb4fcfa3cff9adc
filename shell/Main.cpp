// The game's executable: the application object, the real message boxes, sound, music and
// sockets, then the program itself (WinMain.h).
#include <QApplication>

#include "platform/MessageBox.h"
#include "platform/Music.h"
#include "platform/Path.h"
#include "platform/Sound.h"
#include "platform/Socket.h"
#include "platform/net/QtSocketFactory.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/sdl/AudioSystem.h"
#include "shell/WinMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::ProgramFolder();
    platform::QtMessageBoxes boxes;
    platform::InstallMessageBoxes(&boxes);
    platform::AudioSystem audio;
    platform::InstallSoundSystem(&audio.Sound());
    platform::InstallMusicPlayer(&audio.Music());
    platform::QtSocketFactory sockets;
    platform::InstallSocketFactory(&sockets);

    const int code = WinMain(ProgramArguments(argc, argv));

    platform::InstallSocketFactory(nullptr);
    platform::InstallMusicPlayer(nullptr);
    platform::InstallSoundSystem(nullptr);
    platform::InstallMessageBoxes(nullptr);
    return code;
}
