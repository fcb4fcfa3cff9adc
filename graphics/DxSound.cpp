#include "graphics/DxSound.h"

#include <string>

#include "platform/Path.h"
#include "rules/Log.h"

platform::SoundSystem* lpDS = nullptr;
CDxSound* pDxSound = nullptr;

namespace {

struct EffectFile {
    int slot;
    const char* file;
};
// Loaded in this order; slots 2 and 4 have no file.
constexpr EffectFile kEffectFiles[] = {
    {kEffectDice, "Wave\\sezi.wav"},     {kEffectDiscard, "Wave\\DaPai.wav"},
    {kEffectAction, "Wave\\action.wav"}, {kEffectClick, "Wave\\Click.wav"},
    {kEffectMove, "Wave\\move.wav"},     {kEffectGiveMj, "Wave\\givemj.wav"},
    {kEffectWin, "Wave\\win.wav"},       {kEffectChips, "Wave\\chouma.wav"},
};

// The numbered suits' file prefixes, suit 0 to 2: their tiles take slots suit * 9 + value - 1.
constexpr const char* kSuitPrefixes[] = {"wan_", "tiao_", "bing_"};
constexpr int kNumberedSuits = 3;
constexpr int kSuitValues = 9;
// The honour names (slots 27..33) and the action calls (slots 34..40), one run of slots.
constexpr int kFirstNamedSlot = kNumberedSuits * kSuitValues;
constexpr const char* kNamedFiles[] = {
    "dong.wav", "nan.wav",  "xi.wav", "bei.wav",  "hongzhong.wav", "facai.wav", "baiban.wav",
    "peng.wav", "gang.wav", "hu.wav", "zimo.wav", "buhua.wav",     "chi.wav",   "ting.wav",
};
// Slots 0..33 name the 34 tile kinds; flowers (suit 4) fall at 36 and above and have no name.
constexpr int kTileNameSlots = kVoicePung;

const char* VoiceFolder(int male) { return male ? "Wave\\Male\\" : "Wave\\FeMale\\"; }

int BankOfSex(int sex) { return sex ? kMaleBank : kFemaleBank; }

}  // namespace

CDxSound::CDxSound() {
    bDisabled = 1;
    platform::SoundSystem* system = platform::CurrentSoundSystem();
    if (system == nullptr || !system->IsAvailable()) {
        Log.Write("DirectSoundCreate失败!");
        lpDS = nullptr;
        return;
    }
    lpDS = system;
    for (const EffectFile& effect : kEffectFiles)
        lpEffect[effect.slot] = LoadWave(platform::ProgramPath(effect.file));
    bEffectsOn = 1;
    bDisabled = 0;
    bVoicesOn = 0;
    LoadVoiceBank(kMaleBank, 1);
    LoadVoiceBank(kFemaleBank, 0);
}

CDxSound::~CDxSound() {
    if (lpDS == nullptr) return;
    for (auto& bank : lpVoice)
        for (auto& voice : bank) voice.reset();
    for (auto& effect : lpEffect) effect.reset();
    lpDS = nullptr;
}

std::unique_ptr<platform::SoundBuffer> CDxSound::LoadWave(std::string_view gbkPath) {
    if (lpDS == nullptr) return nullptr;
    return lpDS->LoadWave(gbkPath);
}

void CDxSound::LoadVoiceBank(int bank, int male) {
    if (bDisabled || bank < 0 || bank >= kVoiceBanks) return;
    auto& voices = lpVoice[bank];
    for (auto& voice : voices) voice.reset();
    const std::string folder = platform::ProgramPath(VoiceFolder(male));
    for (int suit = 0; suit < kNumberedSuits; suit++)
        for (int value = 1; value <= kSuitValues; value++)
            voices[suit * kSuitValues + value - 1] = LoadWave(
                folder + kSuitPrefixes[suit] + std::to_string(value) + ".wav");
    int slot = kFirstNamedSlot;
    for (const char* file : kNamedFiles) voices[slot++] = LoadWave(folder + file);
}

void CDxSound::PlayBuffer(platform::SoundBuffer* buffer) {
    if (buffer != nullptr) buffer->Play();
}

// A spoken call: with voices off the givemj effect stands in for it, effects switch or not;
// with voices on the chosen bank's slot speaks while effects are on and the slot is one of
// the calls allowed here.
void CDxSound::PlayCall(int sex, int slot, int lowest, int highest) {
    if (bDisabled) return;
    if (!bVoicesOn) {
        PlayBuffer(lpEffect[kEffectGiveMj].get());
        return;
    }
    if (bEffectsOn && slot >= lowest && slot <= highest)
        PlayBuffer(lpVoice[BankOfSex(sex)][slot].get());
}

void CDxSound::PlayTile(int sex, int /*language*/, const tagMj* tile) {
    const int slot = tile ? tile->suit * kSuitValues + tile->value - 1 : -1;
    PlayCall(sex, slot, 0, kTileNameSlots - 1);
}

void CDxSound::PlayAction(int sex, int /*language*/, int slot) {
    PlayCall(sex, slot, kVoicePung, kVoiceReady);
}

void CDxSound::PlayEffect(int slot) {
    if (bEffectsOn && !bDisabled && slot >= 0 && slot < kEffectSlots)
        PlayBuffer(lpEffect[slot].get());
}

void CDxSound::SetEffectsOn(std::uint8_t on) { bEffectsOn = on; }

void CDxSound::StopEffect2() {
    if (!bDisabled && lpEffect[kEffectSlot2]) lpEffect[kEffectSlot2]->Stop();
}

void CDxSound::SetVolume(int volume) {
    if (bDisabled) return;
    for (auto& bank : lpVoice)
        for (auto& voice : bank)
            if (voice) voice->SetVolume(volume);
    for (auto& effect : lpEffect)
        if (effect) effect->SetVolume(volume);
}
