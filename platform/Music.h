// Background music: Standard MIDI files played once from their start by a synthesiser that
// renders into the sound mixer.  The game restarts a song that has ended by asking IsPlaying.
#pragma once

#include <string_view>

namespace platform {

class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    // True while a synthesiser with its instruments is ready; without one every call below
    // does nothing and Load answers -1.
    virtual bool IsAvailable() const = 0;
    // Loads the MIDI file at a game path; a song number (0 or more), or -1 when the file is
    // missing or is not a MIDI file.
    virtual int Load(std::string_view gbkPath) = 0;
    // Plays the song once from its start, stopping the song that plays; false for an unknown song.
    virtual bool Play(int song) = 0;
    // Stops the song when it is the one playing, silencing its notes.
    virtual void Stop(int song) = 0;
    // True while the song plays; false after its end, after Stop and for an unknown song.
    virtual bool IsPlaying(int song) const = 0;
    // Stops the music and forgets every song; numbers given out before are unknown after.
    virtual void UnloadAll() = 0;
    // UnloadAll, then releases the synthesiser; the player is unavailable afterwards.
    virtual void Shutdown() = 0;
};

// The music player the game goes through; none installed: the game has no music.
void InstallMusicPlayer(MusicPlayer* player);
MusicPlayer* CurrentMusicPlayer();

}  // namespace platform
