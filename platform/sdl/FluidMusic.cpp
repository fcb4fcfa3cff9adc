#include "platform/sdl/FluidMusic.h"

#include <fluidsynth.h>

#include <optional>

#include "platform/Path.h"
#include "platform/WholeFile.h"
#include "platform/sdl/MemorySoundFont.h"

namespace platform {
namespace {

// Songs are a few tens of kilobytes; anything larger than this is not one of them.
constexpr std::size_t kMaxSongBytes = 4u << 20;
// General MIDI soundfonts run from a few to a few hundred megabytes.
constexpr std::size_t kMaxSoundFontBytes = 512u << 20;

// The synthesiser's output gain.  The game's effects and voices share one loudness (the RMS
// of their loudest 400 ms at -20 dB of full scale); at this gain the background song sits
// about 4 dB under them and peaks near 0.3 of full scale, leaving the mix room for the calls.
constexpr double kMusicGain = 0.72;

// A Standard MIDI File starts with its 14-byte "MThd" header chunk.
bool LooksLikeMidi(const std::string& bytes) {
    return bytes.size() >= 14 && bytes.compare(0, 4, "MThd") == 0;
}

}  // namespace

FluidMusic::FluidMusic(SoundMixer& mixer, const std::string& soundFont) : mixer_(mixer) {
    // FluidSynth's informational chatter goes nowhere; warnings and errors stay on stderr.
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    std::optional<std::string> bytes = ReadWholeFile(soundFont, kMaxSoundFontBytes);
    if (!bytes) return;
    soundFont_ = std::move(*bytes);
    settings_ = new_fluid_settings();
    if (!settings_) return;
    fluid_settings_setnum(settings_, "synth.sample-rate", SoundMixer::kSampleRate);
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    fluid_settings_setnum(settings_, "synth.gain", kMusicGain);
    synth_ = new_fluid_synth(settings_);
    if (!synth_ || !LoadSoundFontFromMemory(synth_, settings_, soundFont_)) {
        Shutdown();
        return;
    }
    mixer_.SetMusicSource(this);
}

FluidMusic::~FluidMusic() { Shutdown(); }

bool FluidMusic::IsAvailable() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return synth_ != nullptr;
}

int FluidMusic::Load(std::string_view gbkPath) {
    if (!IsAvailable()) return -1;
    std::optional<std::string> bytes = ReadWholeFile(ToDiskPath(gbkPath), kMaxSongBytes);
    if (!bytes || !LooksLikeMidi(*bytes)) return -1;
    std::lock_guard<std::mutex> lock(mutex_);
    songs_.push_back(std::move(*bytes));
    return static_cast<int>(songs_.size()) - 1;
}

bool FluidMusic::Play(int song) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!synth_ || song < 0 || song >= static_cast<int>(songs_.size())) return false;
    DropPlayer();
    fluid_synth_system_reset(synth_);  // programs and controllers of the last song go too
    player_ = new_fluid_player(synth_);
    if (!player_) return false;
    const auto& bytes = songs_[song];
    if (fluid_player_add_mem(player_, bytes.data(), bytes.size()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
        DropPlayer();
        return false;
    }
    current_ = song;
    return true;
}

void FluidMusic::Stop(int song) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (song == current_) DropPlayer();
}

bool FluidMusic::IsPlaying(int song) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!player_ || song != current_ || fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING)
        return false;
    // The player stays busy while the last notes ring out; the song itself ends with its last
    // event, so a restarted song follows without a gap.  Before the first rendering the file
    // is not parsed yet and has no length.
    const int total = fluid_player_get_total_ticks(player_);
    return total <= 0 || fluid_player_get_current_tick(player_) < total;
}

void FluidMusic::UnloadAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    DropPlayer();
    songs_.clear();
}

void FluidMusic::Shutdown() {
    // Leave the mix first: after this no Render runs, so the synthesiser can go.
    mixer_.SetMusicSource(nullptr);
    UnloadAll();
    std::lock_guard<std::mutex> lock(mutex_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
    synth_ = nullptr;
    settings_ = nullptr;
    soundFont_.clear();
}

void FluidMusic::DropPlayer() {
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    if (synth_) fluid_synth_all_sounds_off(synth_, -1);
    current_ = -1;
}

void FluidMusic::Render(std::int16_t* out, std::size_t frames) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (synth_) fluid_synth_write_s16(synth_, static_cast<int>(frames), out, 0, 2, out, 1, 2);
}

}  // namespace platform
