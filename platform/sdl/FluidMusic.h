// The music player on FluidSynth: one synthesiser with a General MIDI soundfont, one MIDI
// player at a time, rendered into the sound mixer as its music source.  Timing follows the
// rendered samples, so the music advances exactly as fast as the mixer is pulled.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Music.h"
#include "platform/sdl/SoundMixer.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace platform {

// The soundfont the game's music is played with (Debian's timgm6mb-soundfont).
constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class FluidMusic : public MusicPlayer, private MixerSource {
public:
    // `soundFont` is a path on disk, read whole into memory.  A soundfont that is missing,
    // not a regular file or not a soundfont leaves the player unavailable.
    explicit FluidMusic(SoundMixer& mixer, const std::string& soundFont = kDefaultSoundFont);
    ~FluidMusic() override;
    FluidMusic(const FluidMusic&) = delete;
    FluidMusic& operator=(const FluidMusic&) = delete;

    bool IsAvailable() const override;
    int Load(std::string_view gbkPath) override;
    bool Play(int song) override;
    void Stop(int song) override;
    bool IsPlaying(int song) const override;
    void UnloadAll() override;
    void Shutdown() override;

private:
    void Render(std::int16_t* out, std::size_t frames) override;
    void DropPlayer();  // with mutex_ held

    SoundMixer& mixer_;
    mutable std::mutex mutex_;
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_player_t* player_ = nullptr;
    std::string soundFont_;           // the soundfont file's bytes, which the synthesiser reads
    std::vector<std::string> songs_;  // each song's MIDI file bytes
    int current_ = -1;                              // the song the player holds
};

}  // namespace platform
