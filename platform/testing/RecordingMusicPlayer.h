// The music player for tests: available until shut down, gives out song numbers for any path
// but the refused ones, keeps every call in order and plays nothing.  A song plays until it is
// stopped, another song is played, the songs are unloaded, or the test ends it (EndSong), as
// the synthesiser's song ends by itself.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Music.h"

namespace platform::testing {

enum class MusicCallKind { Load, Play, Stop, UnloadAll, Shutdown };

struct MusicCall {
    MusicCallKind kind;
    int song = -1;     // Load: the number given out (-1 when refused); Play, Stop: the argument
    std::string path;  // Load: the GBK game path
};

class RecordingMusicPlayer : public MusicPlayer {
public:
    bool IsAvailable() const override { return available_; }
    int Load(std::string_view gbkPath) override;
    bool Play(int song) override;
    void Stop(int song) override;
    bool IsPlaying(int song) const override;
    void UnloadAll() override;
    void Shutdown() override;

    // Load answers -1 for this path, as for a missing file or one that is not MIDI.
    void RefuseLoad(std::string gbkPath) { refused_.insert(std::move(gbkPath)); }
    // The song that plays reaches its end.
    void EndSong() { playing_ = -1; }

    const std::vector<MusicCall>& Calls() const { return calls_; }
    int Count(MusicCallKind kind) const;
    // The path of a song loaded and not unloaded since; empty for an unknown song.
    std::string SongPath(int song) const;
    // The song playing, -1 when none.
    int Playing() const { return playing_; }
    void ClearCalls() { calls_.clear(); }

private:
    bool Known(int song) const { return song >= 0 && song < static_cast<int>(songs_.size()); }

    std::vector<MusicCall> calls_;
    std::vector<std::string> songs_;
    std::set<std::string> refused_;
    int playing_ = -1;
    bool available_ = true;
};

}  // namespace platform::testing
