// The background music switches.  Music needs a sound device: without one no switch touches the
// song table.
#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "graphics/MidiMusic.h"

bool CMj::SoundDeviceExists() const { return lpDS != nullptr; }

void CMj::PlayMusic() {
    musicwanted = 1;
    if (musicon && SoundDeviceExists()) {
        bMusicPlaying = 1;
        MidiPlay(MidiSongs[0]);
    } else {
        bMusicPlaying = 0;
    }
}

void CMj::StopMusic() {
    musicwanted = 0;
    if (musicon && SoundDeviceExists()) {
        bMusicPlaying = 0;
        MidiStop(MidiSongs[0]);
    }
}

void CMj::MusicOff() { StopMusic(); }

void CMj::SetMusic(std::uint8_t on) {
    if (on == musicon) return;
    musicon = on;
    if (!musicwanted || !SoundDeviceExists()) return;
    bMusicPlaying = on;
    if (on)
        MidiPlay(MidiSongs[0]);
    else
        MidiStop(MidiSongs[0]);
}

// Timer 6: the song loops by being started again once it has ended.
void CMj::RestartMusicWhenEnded() {
    if (bMusicPlaying && SoundDeviceExists() && !MidiIsPlaying(MidiSongs[0])) MidiPlay(MidiSongs[0]);
}
