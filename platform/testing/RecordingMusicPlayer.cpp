#include "platform/testing/RecordingMusicPlayer.h"

#include <algorithm>

namespace platform::testing {

int RecordingMusicPlayer::Load(std::string_view gbkPath) {
    int song = -1;
    if (available_ && !refused_.count(std::string(gbkPath))) {
        songs_.emplace_back(gbkPath);
        song = static_cast<int>(songs_.size()) - 1;
    }
    calls_.push_back({MusicCallKind::Load, song, std::string(gbkPath)});
    return song;
}

bool RecordingMusicPlayer::Play(int song) {
    calls_.push_back({MusicCallKind::Play, song, {}});
    if (!Known(song)) return false;
    playing_ = song;
    return true;
}

void RecordingMusicPlayer::Stop(int song) {
    calls_.push_back({MusicCallKind::Stop, song, {}});
    if (song == playing_) playing_ = -1;
}

bool RecordingMusicPlayer::IsPlaying(int song) const { return Known(song) && song == playing_; }

void RecordingMusicPlayer::UnloadAll() {
    calls_.push_back({MusicCallKind::UnloadAll, -1, {}});
    songs_.clear();
    playing_ = -1;
}

void RecordingMusicPlayer::Shutdown() {
    UnloadAll();
    calls_.back().kind = MusicCallKind::Shutdown;
    available_ = false;
}

int RecordingMusicPlayer::Count(MusicCallKind kind) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [kind](const MusicCall& c) { return c.kind == kind; }));
}

std::string RecordingMusicPlayer::SongPath(int song) const {
    return Known(song) ? songs_[song] : std::string();
}

}  // namespace platform::testing
