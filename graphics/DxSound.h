// The game's one sound object: the short effects (dice, a discard landing, buttons, chips) and
// the spoken calls (every tile's name and seven action calls) in a male and a female voice,
// all loaded once at start-up into static buffers of the current sound system and played by
// slot.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/Sound.h"
#include "rules/Tile.h"

// Effect slots.  Slots 2 and 4 have no sound: slot 2 is only ever stopped, slot 4 never played.
enum EffectSlot : int {
    kEffectDice = 0,     // Wave\sezi.wav
    kEffectDiscard = 1,  // Wave\DaPai.wav
    kEffectSlot2 = 2,
    kEffectAction = 3,   // Wave\action.wav
    kEffectClick = 5,    // Wave\Click.wav
    kEffectMove = 6,     // Wave\move.wav
    kEffectGiveMj = 7,   // Wave\givemj.wav: stands in for every call while voices are off
    kEffectWin = 8,      // Wave\win.wav
    kEffectChips = 9,    // Wave\chouma.wav
};

// Action calls: voice slots after the 34 tile names (slots 0..33, suit * 9 + value - 1).
enum VoiceSlot : int {
    kVoicePung = 34,
    kVoiceKong = 35,
    kVoiceWin = 36,
    kVoiceSelfDrawn = 37,
    kVoiceFlower = 38,
    kVoiceChow = 39,
    kVoiceReady = 40,
};

constexpr int kEffectSlots = 10;
constexpr int kVoiceBanks = 4;
constexpr int kVoiceSlots = 50;
// Bank 0 holds the male voice, bank 1 the female one; banks 2 and 3 stay empty.
constexpr int kMaleBank = 0;
constexpr int kFemaleBank = 1;

class CDxSound {
public:
    // Takes the current sound system; with none installed, or one without a device, the object
    // stays disabled and every operation does nothing.
    CDxSound();
    ~CDxSound();
    CDxSound(const CDxSound&) = delete;
    CDxSound& operator=(const CDxSound&) = delete;

    // Loads a WAV file (a game path) into a new buffer; null when it is missing or refused.
    std::unique_ptr<platform::SoundBuffer> LoadWave(std::string_view gbkPath);
    // Reloads the 41 calls of a bank from Wave\Male\ (male non-zero) or Wave\FeMale\.
    void LoadVoiceBank(int bank, int male);

    // A discarded tile's name in the seat's voice (sex non-zero: male); the language selects
    // nothing.  With voices off every call is the givemj effect instead.
    void PlayTile(int sex, int language, const tagMj* tile);
    // An action call (kVoicePung..kVoiceReady) in the seat's voice, as for PlayTile.
    void PlayAction(int sex, int language, int slot);
    // Effect slot 0..9 while effects are on.
    void PlayEffect(int slot);
    void SetEffectsOn(std::uint8_t on);
    void StopEffect2();
    // Hundredths of a decibel (0 full, negative quieter) on every loaded buffer.
    void SetVolume(int volume);

    // 1 while the object cannot play.
    std::uint8_t bDisabled = 1;
    // Effects and spoken calls wanted (the Sound option); 1 after construction.
    std::uint8_t bEffectsOn = 1;
    // Spoken calls wanted (the YuYin option); 0 after construction.  Written directly by the
    // table and the options dialog.
    std::uint8_t bVoicesOn = 0;

private:
    void PlayCall(int sex, int slot, int lowest, int highest);
    static void PlayBuffer(platform::SoundBuffer* buffer);

    std::unique_ptr<platform::SoundBuffer> lpVoice[kVoiceBanks][kVoiceSlots];
    std::unique_ptr<platform::SoundBuffer> lpEffect[kEffectSlots];
};

// The sound system the sound object plays through; null when none is available.  Without it
// the table loads no music.
extern platform::SoundSystem* lpDS;
// The one sound object, made and deleted by the table.
extern CDxSound* pDxSound;
