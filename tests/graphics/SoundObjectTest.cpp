// The sound object over the recording sound system: which file each effect, tile and action
// call plays, the two voices, the switches, volume, and the silent object without a device.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "graphics/DxSound.h"
#include "platform/Path.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"

using namespace platform;
using namespace platform::testing;

namespace {

std::string Wave(const std::string& relative) { return ProgramPath("Wave\\" + relative); }
std::string Male(const std::string& file) { return Wave("Male\\" + file); }
std::string FeMale(const std::string& file) { return Wave("FeMale\\" + file); }

constexpr int kMaleSex = 1;
constexpr int kFemaleSex = 0;
constexpr int kLanguage = 0;

class SoundObjectTest : public ::testing::Test {
protected:
    // The paths played by `action`, in order.
    std::vector<std::string> Played(const std::function<void(CDxSound&)>& action) {
        sound_.ClearCalls();
        action(*dx_);
        sound_.FinishPlaying();
        return sound_.Paths(SoundCallKind::Play);
    }
    std::vector<std::string> PlayedTile(int sex, tagMj tile) {
        return Played([&](CDxSound& dx) { dx.PlayTile(sex, kLanguage, &tile); });
    }
    std::vector<std::string> PlayedAction(int sex, int slot) {
        return Played([&](CDxSound& dx) { dx.PlayAction(sex, kLanguage, slot); });
    }
    void Make() { dx_ = std::make_unique<CDxSound>(); }

    RecordingSoundSystem sound_;
    ScopedSoundSystem installed_{&sound_};
    std::unique_ptr<CDxSound> dx_ = std::make_unique<CDxSound>();
};

using Paths = std::vector<std::string>;

TEST_F(SoundObjectTest, StartsReadyWithEffectsOnAndVoicesOffAndEverySoundLoaded) {
    EXPECT_EQ(dx_->bDisabled, 0);
    EXPECT_EQ(dx_->bEffectsOn, 1);
    EXPECT_EQ(dx_->bVoicesOn, 0);
    EXPECT_EQ(lpDS, &sound_);
    // 8 effects and 41 calls in each of the two voices, each file once, before anything plays.
    const Paths loads = sound_.Paths(SoundCallKind::Load);
    EXPECT_EQ(loads.size(), 90u);
    EXPECT_EQ(std::set<std::string>(loads.begin(), loads.end()).size(), 90u);
}

struct EffectCase {
    int slot;
    const char* file;  // null: the slot plays nothing
};
const EffectCase kEffectCases[] = {
    {0, "sezi.wav"},  {1, "DaPai.wav"},  {2, nullptr},       {3, "action.wav"},
    {4, nullptr},     {5, "Click.wav"},  {6, "move.wav"},    {7, "givemj.wav"},
    {8, "win.wav"},   {9, "chouma.wav"}, {-1, nullptr},      {10, nullptr},
};

TEST_F(SoundObjectTest, EachEffectSlotPlaysItsFile) {
    for (const EffectCase& c : kEffectCases) {
        const Paths expected = c.file ? Paths{Wave(c.file)} : Paths{};
        EXPECT_EQ(Played([&](CDxSound& dx) { dx.PlayEffect(c.slot); }), expected) << c.slot;
    }
}

struct TileCase {
    tagMj tile;
    const char* file;  // null: no name
};
const TileCase kTileCases[] = {
    {{1, 0}, "wan_1.wav"},     {{9, 0}, "wan_9.wav"},      {{1, 1}, "tiao_1.wav"},
    {{5, 1}, "tiao_5.wav"},    {{1, 2}, "bing_1.wav"},     {{9, 2}, "bing_9.wav"},
    {{1, 3}, "dong.wav"},      {{2, 3}, "nan.wav"},        {{3, 3}, "xi.wav"},
    {{4, 3}, "bei.wav"},       {{5, 3}, "hongzhong.wav"},  {{6, 3}, "facai.wav"},
    {{7, 3}, "baiban.wav"},
    {{1, 4}, nullptr},  // flowers have no name
    {{8, 4}, nullptr},
    {{0, 0}, nullptr},  // the empty tile
};

TEST_F(SoundObjectTest, EveryTileKindIsNamedFromItsSlotAndFlowersAreSilent) {
    dx_->bVoicesOn = 1;
    for (const TileCase& c : kTileCases) {
        const Paths expected = c.file ? Paths{Male(c.file)} : Paths{};
        EXPECT_EQ(PlayedTile(kMaleSex, c.tile), expected) << int(c.tile.value) << "," << int(c.tile.suit);
    }
    EXPECT_EQ(Played([](CDxSound& dx) { dx.PlayTile(kMaleSex, kLanguage, nullptr); }), Paths{});
}

struct ActionCase {
    int slot;
    const char* file;  // null: not an action call
};
const ActionCase kActionCases[] = {
    {kVoicePung, "peng.wav"},  {kVoiceKong, "gang.wav"},   {kVoiceWin, "hu.wav"},
    {kVoiceSelfDrawn, "zimo.wav"}, {kVoiceFlower, "buhua.wav"}, {kVoiceChow, "chi.wav"},
    {kVoiceReady, "ting.wav"}, {33, nullptr}, {41, nullptr}, {-1, nullptr}, {50, nullptr},
};

TEST_F(SoundObjectTest, ActionCallsPlayTheirSlotsAndNothingOutside34To40) {
    dx_->bVoicesOn = 1;
    for (const ActionCase& c : kActionCases) {
        const Paths expected = c.file ? Paths{FeMale(c.file)} : Paths{};
        EXPECT_EQ(PlayedAction(kFemaleSex, c.slot), expected) << c.slot;
    }
}

TEST_F(SoundObjectTest, AnySexButZeroIsTheMaleVoiceAndTheLanguageSelectsNothing) {
    dx_->bVoicesOn = 1;
    const tagMj east{1, 3};
    for (int language : {0, 1, 7}) {
        EXPECT_EQ(Played([&](CDxSound& dx) { dx.PlayTile(1, language, &east); }), Paths{Male("dong.wav")});
        EXPECT_EQ(Played([&](CDxSound& dx) { dx.PlayTile(2, language, &east); }), Paths{Male("dong.wav")});
        EXPECT_EQ(Played([&](CDxSound& dx) { dx.PlayTile(0, language, &east); }), Paths{FeMale("dong.wav")});
        EXPECT_EQ(Played([&](CDxSound& dx) { dx.PlayAction(0, language, kVoiceWin); }), Paths{FeMale("hu.wav")});
    }
}

TEST_F(SoundObjectTest, WithVoicesOffEveryCallIsGivemjWhetherEffectsAreOnOrOff) {
    const Paths givemj{Wave("givemj.wav")};
    const tagMj flower{3, 4};
    const tagMj nine{9, 2};
    for (std::uint8_t effects : {1, 0}) {
        dx_->SetEffectsOn(effects);
        EXPECT_EQ(PlayedTile(kMaleSex, nine), givemj) << int(effects);
        EXPECT_EQ(PlayedTile(kFemaleSex, flower), givemj) << int(effects);
        EXPECT_EQ(PlayedAction(kMaleSex, kVoicePung), givemj) << int(effects);
        EXPECT_EQ(PlayedAction(kFemaleSex, 12), givemj) << int(effects);
    }
    // The effect slot itself still follows the switch.
    EXPECT_EQ(Played([](CDxSound& dx) { dx.PlayEffect(kEffectGiveMj); }), Paths{});
}

TEST_F(SoundObjectTest, WithVoicesOnAndEffectsOffCallsAndEffectsAreSilent) {
    dx_->bVoicesOn = 1;
    dx_->SetEffectsOn(0);
    const tagMj one{1, 0};
    EXPECT_EQ(PlayedTile(kMaleSex, one), Paths{});
    EXPECT_EQ(PlayedAction(kFemaleSex, kVoiceKong), Paths{});
    EXPECT_EQ(Played([](CDxSound& dx) { dx.PlayEffect(kEffectDice); }), Paths{});
    dx_->SetEffectsOn(1);
    EXPECT_EQ(PlayedTile(kMaleSex, one), Paths{Male("wan_1.wav")});
}

TEST_F(SoundObjectTest, APlayingSoundIsNotRestartedNorStopped) {
    sound_.ClearCalls();
    dx_->PlayEffect(kEffectMove);
    dx_->PlayEffect(kEffectMove);  // still playing: runs on from where it is
    const SoundBufferRecord* move = sound_.Buffer(Wave("move.wav"));
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->playCalls, 2);
    EXPECT_EQ(move->starts, 1);
    EXPECT_EQ(move->stops, 0);
    sound_.FinishPlaying();
    dx_->PlayEffect(kEffectMove);  // ended: plays again from its start
    EXPECT_EQ(move->starts, 2);
    EXPECT_EQ(sound_.Count(SoundCallKind::Stop), 0);
}

TEST_F(SoundObjectTest, VolumeReachesEveryLoadedBufferAndSkipsMissingFiles) {
    sound_.RefuseLoad(Wave("win.wav"));
    sound_.RefuseLoad(FeMale("ting.wav"));
    Make();
    sound_.ClearCalls();
    dx_->SetVolume(-3000);
    int live = 0;
    for (const auto& record : sound_.Buffers()) {
        if (record->released) continue;
        ++live;
        EXPECT_EQ(record->volume, -3000) << record->path;
    }
    EXPECT_EQ(live, 88);
    EXPECT_EQ(sound_.Count(SoundCallKind::SetVolume), 88);
    EXPECT_EQ(sound_.Buffer(Male("ting.wav"))->volume, -3000);  // the ready call follows too
    // A slot whose file was missing is skipped when played.
    dx_->bVoicesOn = 1;
    EXPECT_EQ(Played([](CDxSound& dx) { dx.PlayEffect(kEffectWin); }), Paths{});
    EXPECT_EQ(PlayedAction(kFemaleSex, kVoiceReady), Paths{});
}

TEST_F(SoundObjectTest, StopEffect2FindsNothingToStop) {
    dx_->StopEffect2();
    EXPECT_EQ(sound_.Count(SoundCallKind::Stop), 0);
}

TEST_F(SoundObjectTest, ReloadingABankReleasesItsBuffersAndTakesTheOtherVoice) {
    dx_->bVoicesOn = 1;
    dx_->LoadVoiceBank(kMaleBank, 0);
    EXPECT_TRUE(sound_.Buffer(Male("chi.wav"))->released);
    EXPECT_EQ(PlayedAction(kMaleSex, kVoiceChow), Paths{FeMale("chi.wav")});
}

TEST_F(SoundObjectTest, DestructionReleasesEveryBufferAndTheDevice) {
    dx_.reset();
    for (const auto& record : sound_.Buffers()) EXPECT_TRUE(record->released) << record->path;
    EXPECT_EQ(lpDS, nullptr);
}

// Without a sound device the object is disabled: nothing loads, plays or changes volume.
void ExpectSilent(CDxSound& dx, const RecordingSoundSystem* sound) {
    EXPECT_EQ(dx.bDisabled, 1);
    EXPECT_EQ(lpDS, nullptr);
    dx.bVoicesOn = 1;
    const tagMj one{1, 0};
    dx.PlayTile(kMaleSex, kLanguage, &one);
    dx.PlayAction(kFemaleSex, kLanguage, kVoiceWin);
    dx.bVoicesOn = 0;
    dx.PlayTile(kMaleSex, kLanguage, &one);
    dx.PlayAction(kFemaleSex, kLanguage, kVoiceWin);
    for (int slot = 0; slot < kEffectSlots; slot++) dx.PlayEffect(slot);
    dx.SetVolume(-1000);
    dx.StopEffect2();
    dx.LoadVoiceBank(kMaleBank, 1);
    if (sound) {
        EXPECT_TRUE(sound->Calls().empty());
    }
}

TEST(SoundObjectWithoutDevice, AnUnavailableSystemLeavesTheObjectSilent) {
    RecordingSoundSystem sound;
    sound.SetAvailable(false);
    ScopedSoundSystem installed(&sound);
    {
        CDxSound dx;
        ExpectSilent(dx, &sound);
    }
    EXPECT_TRUE(sound.Calls().empty());  // its destruction calls nothing either
}

TEST(SoundObjectWithoutDevice, NoSystemInstalledLeavesTheObjectSilent) {
    ScopedSoundSystem none(nullptr);
    CDxSound dx;
    ExpectSilent(dx, nullptr);
}

}  // namespace
