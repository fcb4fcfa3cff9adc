// Sound effects and voices: static buffers loaded once from WAV files and played on request,
// plus one channel for plain sound files played the way a one-shot "play this file" call does.
#pragma once

#include <memory>
#include <string_view>

namespace platform {

// Volume in hundredths of a decibel: 0 is full, kSilentVolume is silence.
constexpr int kFullVolume = 0;
constexpr int kSilentVolume = -10000;

// A loaded sound.  Plays once from its start; playing a buffer that is still playing does not
// restart it.  Destroying it stops it.
class SoundBuffer {
public:
    virtual ~SoundBuffer() = default;
    virtual void Play() = 0;
    // Stops the sound and rewinds it, so the next Play starts from the beginning.
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;
    // Hundredths of a decibel, clamped to kSilentVolume..kFullVolume; gain = 10^(volume/2000).
    virtual void SetVolume(int hundredthsOfDb) = 0;
    virtual int Volume() const = 0;
};

class SoundSystem {
public:
    virtual ~SoundSystem() = default;
    // True when a sound device plays what is mixed; without one everything stays silent.
    virtual bool IsAvailable() const = 0;
    // Loads the WAV file at a game path into a new buffer; null when missing or refused.
    virtual std::unique_ptr<SoundBuffer> LoadWave(std::string_view gbkPath) = 0;
    // Plays a sound file asynchronously on the one file channel: the sound playing there is cut
    // off, and a file that is missing or refused plays nothing.
    virtual void PlaySoundFile(std::string_view gbkPath) = 0;
    // Plays the short default beep (the sound of an alert that has none of its own),
    // asynchronously; a beep that is still sounding starts again.
    virtual void Beep() = 0;
};

// The sound system the game plays through; none installed: the game has no sound.
void InstallSoundSystem(SoundSystem* system);
SoundSystem* CurrentSoundSystem();

// Shorthands through the installed system.
void PlaySoundFile(std::string_view gbkPath);
void Beep();

}  // namespace platform
