// Every file the sound generator lays into the program folder: its game path, its kind and
// what it holds.  The game loads each of these by name, so the table is the one place the
// names live; the tests walk it to find every file in the built program folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace soundgen {

enum class SoundKind { Effect, Voice, Music };

// The two speakers of the spoken calls.
enum class Speaker { Male, Female };

// How an effect is synthesised (Effects.cpp).
enum class EffectRecipe {
    DiceRattle, TileLands, ClaimChime, DealClick, HoverTick, StandInVoice, WinFanfare, Chips,
    SelectPluck, StartGong, PhraseTap, ExchangeSwoosh, RevealRise, RippleFall, CheckTick,
    MessageDing, TalkRing, ButtonPress, ButtonHover,
};

struct EffectFile {
    std::string_view gamePath;  // "Wave\\sezi.wav"
    EffectRecipe recipe;
};

// One spoken call: its file name in each voice folder and the Mandarin words it speaks
// (GBK, as every literal of the program).
struct VoiceCall {
    std::string_view file;   // "wan_1.wav"
    std::string_view words;  // "一万"
};

struct VoiceBank {
    std::string_view folder;  // "Wave\\Male\\"
    Speaker speaker;
};

// One file of the generator's output.
struct SoundFile {
    std::string gamePath;
    SoundKind kind;
    // Effect: its recipe.  Voice: the call and the speaker.  Music: nothing more.
    EffectRecipe recipe = EffectRecipe::DiceRattle;
    const VoiceCall* call = nullptr;
    Speaker speaker = Speaker::Male;
};

const std::vector<EffectFile>& EffectFiles();
const std::vector<VoiceCall>& VoiceCalls();     // in slot order, 41 calls
const std::vector<VoiceBank>& VoiceBanks();     // male, then female
constexpr std::string_view kMusicFile = "Music\\bg.mid";

// Every file the generator makes: the effects, both voice banks, the song.
std::vector<SoundFile> SoundFiles();

}  // namespace soundgen
