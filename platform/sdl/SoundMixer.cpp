#include "platform/sdl/SoundMixer.h"

#include <algorithm>
#include <cmath>

namespace platform {

struct SoundMixer::Voice {
    std::vector<std::int16_t> samples;  // interleaved stereo at the mixer's rate
    std::size_t position = 0;           // next frame to play
    bool playing = false;
    int volume = kFullVolume;
    std::int32_t gain = 1 << 16;

    std::size_t Frames() const { return samples.size() / kChannels; }
};

namespace {

// Adds the voice's next frames into the accumulator at its gain; rewinds and stops it at its
// end.  Returns false once it has stopped.
bool MixVoice(SoundMixer::Voice& voice, std::int32_t* accum, std::size_t frames) {
    const std::size_t count = std::min(frames, voice.Frames() - voice.position);
    const std::int16_t* src = voice.samples.data() + voice.position * SoundMixer::kChannels;
    for (std::size_t i = 0; i < count * SoundMixer::kChannels; ++i)
        accum[i] += static_cast<std::int32_t>((static_cast<std::int64_t>(src[i]) * voice.gain) >> 16);
    voice.position += count;
    if (voice.position < voice.Frames()) return true;
    voice.position = 0;
    voice.playing = false;
    return false;
}

std::shared_ptr<SoundMixer::Voice> MakeVoice(const WavSound& sound) {
    auto voice = std::make_shared<SoundMixer::Voice>();
    voice->samples = WavToStereo16(sound, SoundMixer::kSampleRate);
    if (voice->samples.empty()) return nullptr;
    return voice;
}

// The default beep: an 880 Hz tone at a quarter of full scale, faded in and out over 5 ms so
// that it starts and stops without a click.
std::shared_ptr<SoundMixer::Voice> MakeBeepVoice() {
    constexpr double kPi = 3.14159265358979323846;
    constexpr int kFrames = SoundMixer::kSampleRate * SoundMixer::kBeepMs / 1000;
    constexpr int kFadeFrames = SoundMixer::kSampleRate * 5 / 1000;
    auto voice = std::make_shared<SoundMixer::Voice>();
    voice->samples.reserve(kFrames * SoundMixer::kChannels);
    for (int i = 0; i < kFrames; ++i) {
        const double fade = std::min({1.0, double(i) / kFadeFrames, double(kFrames - i) / kFadeFrames});
        const double level = 8192.0 * fade * std::sin(2 * kPi * 880.0 * i / SoundMixer::kSampleRate);
        voice->samples.insert(voice->samples.end(), SoundMixer::kChannels,
                              static_cast<std::int16_t>(std::lround(level)));
    }
    return voice;
}

}  // namespace

std::int32_t GainForVolume(int hundredthsOfDb) {
    const int volume = std::clamp(hundredthsOfDb, kSilentVolume, kFullVolume);
    return static_cast<std::int32_t>(std::lround(65536.0 * std::pow(10.0, volume / 2000.0)));
}

class SoundMixer::Buffer : public SoundBuffer {
public:
    Buffer(std::shared_ptr<Voices> voices, std::shared_ptr<Voice> voice)
        : voices_(std::move(voices)), voice_(std::move(voice)) {}
    ~Buffer() override {
        std::lock_guard<std::mutex> lock(voices_->mutex);
        auto& live = voices_->live;
        live.erase(std::remove(live.begin(), live.end(), voice_), live.end());
    }

    void Play() override {
        std::lock_guard<std::mutex> lock(voices_->mutex);
        voice_->playing = true;
    }
    void Stop() override {
        std::lock_guard<std::mutex> lock(voices_->mutex);
        voice_->playing = false;
        voice_->position = 0;
    }
    bool IsPlaying() const override {
        std::lock_guard<std::mutex> lock(voices_->mutex);
        return voice_->playing;
    }
    void SetVolume(int hundredthsOfDb) override {
        std::lock_guard<std::mutex> lock(voices_->mutex);
        voice_->volume = std::clamp(hundredthsOfDb, kSilentVolume, kFullVolume);
        voice_->gain = GainForVolume(voice_->volume);
    }
    int Volume() const override {
        std::lock_guard<std::mutex> lock(voices_->mutex);
        return voice_->volume;
    }

private:
    std::shared_ptr<Voices> voices_;
    std::shared_ptr<Voice> voice_;
};

SoundMixer::SoundMixer() : beep_(MakeBeepVoice()) { voices_->live.push_back(beep_); }
SoundMixer::~SoundMixer() = default;

bool SoundMixer::IsAvailable() const {
    std::lock_guard<std::mutex> lock(voices_->mutex);
    return outputOpen_;
}

void SoundMixer::SetOutputOpen(bool open) {
    std::lock_guard<std::mutex> lock(voices_->mutex);
    outputOpen_ = open;
}

void SoundMixer::SetMusicSource(MixerSource* source) {
    std::lock_guard<std::mutex> lock(voices_->mutex);
    music_ = source;
}

std::unique_ptr<SoundBuffer> SoundMixer::LoadWave(std::string_view gbkPath) {
    const auto sound = LoadWavFile(gbkPath);
    return sound ? CreateBuffer(*sound) : nullptr;
}

std::unique_ptr<SoundBuffer> SoundMixer::CreateBuffer(const WavSound& sound) {
    auto voice = MakeVoice(sound);
    if (!voice) return nullptr;
    {
        std::lock_guard<std::mutex> lock(voices_->mutex);
        voices_->live.push_back(voice);
    }
    return std::make_unique<Buffer>(voices_, std::move(voice));
}

void SoundMixer::PlaySoundFile(std::string_view gbkPath) {
    // Load outside the lock so the mixing thread is not held up by the file.
    const auto sound = LoadWavFile(gbkPath);
    std::shared_ptr<Voice> voice = sound ? MakeVoice(*sound) : nullptr;
    if (voice) voice->playing = true;
    std::lock_guard<std::mutex> lock(voices_->mutex);
    soundFile_ = std::move(voice);
}

void SoundMixer::Beep() {
    std::lock_guard<std::mutex> lock(voices_->mutex);
    beep_->position = 0;
    beep_->playing = true;
}

bool SoundMixer::IsSoundFilePlaying() const {
    std::lock_guard<std::mutex> lock(voices_->mutex);
    return soundFile_ != nullptr;
}

void SoundMixer::Mix(std::int16_t* out, std::size_t frames) {
    std::lock_guard<std::mutex> lock(voices_->mutex);
    const std::size_t samples = frames * kChannels;
    accum_.assign(samples, 0);
    for (const auto& voice : voices_->live)
        if (voice->playing) MixVoice(*voice, accum_.data(), frames);
    if (soundFile_ && !MixVoice(*soundFile_, accum_.data(), frames)) soundFile_.reset();
    if (music_) {
        musicBuffer_.assign(samples, 0);
        music_->Render(musicBuffer_.data(), frames);
        for (std::size_t i = 0; i < samples; ++i) accum_[i] += musicBuffer_[i];
    }
    limiter_.Process(accum_.data(), out, frames);
}

}  // namespace platform
