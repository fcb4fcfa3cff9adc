// Our software mixer: every playing buffer, the sound-file channel and the music are summed
// and brought to 16-bit stereo through a peak limiter, so coinciding sounds never clip.  An
// audio output (SdlAudioOutput) pulls the mix through Mix(); tests call Mix() directly and
// look at the samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "platform/Sound.h"
#include "platform/Wav.h"
#include "platform/sdl/Limiter.h"

namespace platform {

// Something that renders into the mix (the music synthesiser).  Render is called from the
// mixing thread with the mixer's lock held and adds nothing itself: it writes `frames` frames
// of interleaved stereo into `out`, which the mixer then adds in.
class MixerSource {
public:
    virtual ~MixerSource() = default;
    virtual void Render(std::int16_t* out, std::size_t frames) = 0;
};

// Linear gain for a volume in hundredths of a decibel, as a 16.16 fixed-point factor.
std::int32_t GainForVolume(int hundredthsOfDb);

class SoundMixer : public SoundSystem {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBeepMs = 150;

    SoundMixer();
    ~SoundMixer() override;

    bool IsAvailable() const override;
    std::unique_ptr<SoundBuffer> LoadWave(std::string_view gbkPath) override;
    void PlaySoundFile(std::string_view gbkPath) override;
    // A short tone (kBeepMs of 880 Hz at a quarter of full scale) on a voice of its own.
    void Beep() override;

    // A buffer from a parsed sound, converted to the mixer's format; null when it is empty.
    std::unique_ptr<SoundBuffer> CreateBuffer(const WavSound& sound);
    // True while the sound-file channel still has sound to play.
    bool IsSoundFilePlaying() const;

    // Sets (or with null removes) the music source.  The source must outlive its registration.
    void SetMusicSource(MixerSource* source);
    // Set by the audio output while it pulls from this mixer.
    void SetOutputOpen(bool open);

    // Renders `frames` frames of interleaved stereo into `out` and advances every playing
    // sound; buffers that reach their end stop.  The sum goes through the limiter: no sample
    // leaves louder than Limiter::kCeiling.
    void Mix(std::int16_t* out, std::size_t frames);

    struct Voice;  // one buffer's samples and play state (the mixer's own)

private:
    class Buffer;
    // The lock and the live buffers, shared with every buffer, so that a buffer that outlives
    // its mixer still has them to lock and leave.
    struct Voices {
        std::mutex mutex;
        std::vector<std::shared_ptr<Voice>> live;
    };

    std::shared_ptr<Voices> voices_ = std::make_shared<Voices>();  // its lock guards all below
    std::shared_ptr<Voice> soundFile_;             // the sound-file channel, null when idle
    std::shared_ptr<Voice> beep_;                  // the default beep, one of the live voices
    MixerSource* music_ = nullptr;
    bool outputOpen_ = false;
    Limiter limiter_{kSampleRate, kChannels};
    std::vector<std::int32_t> accum_;
    std::vector<std::int16_t> musicBuffer_;
};

}  // namespace platform
