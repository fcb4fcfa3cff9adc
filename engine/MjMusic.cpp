// The background music switches and the plain sound files of the table.
#include "engine/Mj.h"
#include "graphics/DxSound.h"

// Music needs a sound device; without one no switch touches the player.
bool CMj::SoundDeviceExists() const { return lpDS != nullptr; }

void CMj::PlayMusic() {
    musicwanted = 1;
    bMusicPlaying = musicon && SoundDeviceExists();
}

void CMj::StopMusic() {
    musicwanted = 0;
    if (musicon && SoundDeviceExists()) bMusicPlaying = 0;
}

void CMj::MusicOff() { StopMusic(); }

void CMj::SetMusic(std::uint8_t on) {
    if (on == musicon) return;
    musicon = on;
    if (musicwanted && SoundDeviceExists()) bMusicPlaying = on;
}

void CMj::RestartMusicWhenEnded() {}
