// The sound system for tests: it reports itself available, keeps every call in order (loads,
// plays, stops, volumes, the sound-file channel, beeps) and plays nothing.  Each loaded buffer
// keeps its own record, which outlives the buffer, so a test can look at a sound the game has
// already released.  Buffers behave as the mixer's do: Play does not restart a playing buffer,
// Stop rewinds it, volumes are clamped.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Sound.h"

namespace platform::testing {

enum class SoundCallKind { Load, Play, Stop, SetVolume, PlayFile, Beep };

struct SoundCall {
    SoundCallKind kind;
    std::string path;  // GBK game path: the buffer's for Play, Stop and SetVolume; empty for Beep
    int volume = kFullVolume;  // SetVolume: the volume after clamping
};

// One loaded buffer as the test sees it.
struct SoundBufferRecord {
    std::string path;
    int playCalls = 0;  // every Play, also those on a buffer already playing
    int starts = 0;     // the Plays that started it from the beginning
    int stops = 0;
    int volume = kFullVolume;
    bool playing = false;
    bool released = false;  // the game destroyed the buffer
};

class RecordingSoundSystem : public SoundSystem {
public:
    RecordingSoundSystem();
    ~RecordingSoundSystem() override;

    bool IsAvailable() const override { return available_; }
    // A buffer for any path except the refused ones (null for those; the refusal is recorded
    // as a Load call all the same).
    std::unique_ptr<SoundBuffer> LoadWave(std::string_view gbkPath) override;
    void PlaySoundFile(std::string_view gbkPath) override;
    void Beep() override;

    void SetAvailable(bool available) { available_ = available; }
    // LoadWave answers null for this path, as for a missing or damaged file.
    void RefuseLoad(std::string gbkPath) { refused_.insert(std::move(gbkPath)); }
    // Every playing buffer reaches its end (stops playing, without a Stop call).
    void FinishPlaying();

    const std::vector<SoundCall>& Calls() const;
    // The paths of the calls of one kind, in order.
    std::vector<std::string> Paths(SoundCallKind kind) const;
    int Count(SoundCallKind kind) const;
    // Every buffer loaded, in load order, released ones included.
    const std::vector<std::shared_ptr<SoundBufferRecord>>& Buffers() const { return buffers_; }
    // The buffer loaded last from `gbkPath`; null when none was.
    const SoundBufferRecord* Buffer(std::string_view gbkPath) const;
    // Forgets the calls (the buffers and their records stay).
    void ClearCalls();

private:
    class RecordingBuffer;
    struct Log;

    std::shared_ptr<Log> log_;  // shared with the buffers, which may outlive the system
    std::vector<std::shared_ptr<SoundBufferRecord>> buffers_;
    std::set<std::string> refused_;
    bool available_ = true;
};

}  // namespace platform::testing
