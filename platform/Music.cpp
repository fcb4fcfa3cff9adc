#include "platform/Music.h"

namespace platform {

namespace {
MusicPlayer* gPlayer = nullptr;
}

void InstallMusicPlayer(MusicPlayer* player) { gPlayer = player; }
MusicPlayer* CurrentMusicPlayer() { return gPlayer; }

}  // namespace platform
