// SET.ini: the options and names the table reads when it is made and writes when it goes,
// with the file's own spellings, and the music and sound switches.
#include <filesystem>

#include "TableFixture.h"
#include "graphics/DxSound.h"
#include "platform/Ini.h"
#include "platform/WholeFile.h"
#include "platform/testing/RecordingMusicPlayer.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"

namespace enginetest {
namespace {

namespace fs = std::filesystem;
using platform::testing::MusicCallKind;
using platform::testing::RecordingMusicPlayer;
using platform::testing::RecordingSoundSystem;
using platform::testing::SoundCallKind;

class Options : public ::testing::Test {
protected:
    Options() : folder(FreshProgramFolder("options")), path(platform::ProgramPath("SET.ini")) {}
    std::unique_ptr<HeadlessTable> Make() { return std::make_unique<HeadlessTable>(1); }
    std::string Read(const char* section, const char* key) {
        return platform::ReadProfileString(section, key, std::string_view("<none>"), path);
    }
    fs::path folder;
    std::string path;
};

struct ReadCase {
    const char* file;
    std::uint8_t sound, music, animate, voice, help, brood;
};
const ReadCase kReadCases[] = {
    // No file: the table's own defaults.
    {nullptr, 1, 0, 1, 0, 0, 0},
    {"[Option]\nSound=0\nMusic=5\nAnimate=0\nYuYin=1\n[Window]\nHelp=1\n", 0, 1, 0, 1, 1, 0},
    // YuYin counts only at exactly 1; Help only at exactly 1; words read as 0.
    {"[Option]\nYuYin=2\nMusic=abc\n[Window]\nHelp=2\n", 1, 0, 1, 0, 0, 0},
    // An empty file: every key takes its default (Animate on, Help on).
    {"", 1, 0, 1, 0, 1, 0},
};

TEST_F(Options, ReadingTakesEachKeyAsItsRuleSays) {
    for (const ReadCase& c : kReadCases) {
        fs::remove(folder / "SET.ini");
        if (c.file) WriteFile(folder / "SET.ini", c.file);
        bHelp = 0;
        auto h = Make();
        const CMj& t = *h->table;
        const std::string what = c.file ? c.file : "(no file)";
        EXPECT_EQ(t.soundon, c.sound) << what;
        EXPECT_EQ(t.musicon, c.music) << what;
        EXPECT_EQ(t.animate, c.animate) << what;
        EXPECT_EQ(t.voiceon, c.voice) << what;
        EXPECT_EQ(bHelp, c.help) << what;
        EXPECT_EQ(t.brood, c.brood) << what;
        h.reset();
    }
}

TEST_F(Options, AFirstExitWritesTheSevenSectionsAndEveryKeyWithTheFilesSpellings) {
    auto h = Make();
    CMj& t = *h->table;
    t.Player[1].language = 0;
    t.Player[2].language = 1;
    std::strcpy(t.Player[2].name, "小强");
    h.reset();
    const auto text = platform::ReadWholeFile((folder / "SET.ini").string(), 1 << 16);
    ASSERT_TRUE(text);
    for (const char* section : {"[PlayerInfo]", "[Rull]", "[Skin]", "[Option]", "[Volume]",
                                "[UserSet]", "[Avatar]", "[Window]"})
        EXPECT_NE(text->find(section), std::string::npos) << section;
    EXPECT_EQ(Read("Rull", "Brood"), "0");
    EXPECT_EQ(Read("Rull", "Rain"), "0");
    EXPECT_EQ(Read("Option", "Animate"), "1");
    EXPECT_EQ(Read("Option", "Sound"), "1");
    EXPECT_EQ(Read("Option", "Music"), "0");
    EXPECT_EQ(Read("Option", "YuYin"), "0");
    EXPECT_EQ(Read("Window", "FullScreen"), "0");
    EXPECT_EQ(Read("PlayerInfo", "SPlayerName"), "玩家");
    EXPECT_EQ(Read("PlayerInfo", "NPlayerName"), "小强");
    EXPECT_EQ(Read("PlayerInfo", "SPlayerSex"), "1");
    EXPECT_EQ(Read("PlayerInfo", "EPlayerSex"), "0");
    // A language of 1 goes under the key; any other writes "0" under the key with an x.
    EXPECT_EQ(Read("PlayerInfo", "NPlayerLaguage"), "1");
    EXPECT_EQ(Read("PlayerInfo", "SPlayerLaguage"), "<none>");
    EXPECT_EQ(Read("PlayerInfo", "SPlayerLaguagex"), "0");
    EXPECT_EQ(Read("PlayerInfo", "EPlayerLaguagex"), "0");
    EXPECT_EQ(Read("PlayerInfo", "WPlayerLaguagex"), "0");
    // The order of the keys as written.
    EXPECT_LT(text->find("SPlayerName"), text->find("NPlayerName"));
    EXPECT_LT(text->find("NPlayerName"), text->find("EPlayerName"));
    EXPECT_LT(text->find("WPlayerLaguagex"), text->find("EPlayerLaguagex"));
}

TEST_F(Options, WritingKeepsTheOtherSectionsAndThePlainLanguageKey) {
    WriteFile(folder / "SET.ini",
              "[PlayerInfo]\nSPlayerLaguage=7\n[Volume]\nWave=-300\n[Option]\nYuYin=1\n");
    auto h = Make();
    h->table->SetAnimate(0);
    h.reset();
    EXPECT_EQ(Read("PlayerInfo", "SPlayerLaguage"), "7");
    EXPECT_EQ(Read("Volume", "Wave"), "-300");
    EXPECT_EQ(Read("Option", "YuYin"), "1");
    EXPECT_EQ(Read("Option", "Animate"), "0");
}

// A SET.ini grown past what the reader takes gives the defaults; the exit replaces it with the
// options of this run rather than losing them again.
TEST_F(Options, AnOversizedFileIsReplacedAtTheExit) {
    WriteFile(folder / "SET.ini", "[Option]\nAnimate=1\n" + std::string(5 << 20, ';'));
    auto h = Make();
    h->table->SetAnimate(0);
    h.reset();
    EXPECT_LT(fs::file_size(folder / "SET.ini"), 4096u);
    EXPECT_EQ(Read("Option", "Animate"), "0");
    EXPECT_EQ(Read("PlayerInfo", "SPlayerName"), "玩家");
}

TEST_F(Options, YuYinSwitchesTheSoundObjectsVoicesOn) {
    RecordingSoundSystem sound;
    platform::testing::ScopedSoundSystem installed(&sound);
    WriteFile(folder / "SET.ini", "[Option]\nYuYin=1\nSound=0\n");
    auto h = Make();
    ASSERT_NE(pDxSound, nullptr);
    EXPECT_EQ(pDxSound->bVoicesOn, 1);
    EXPECT_EQ(pDxSound->bEffectsOn, 0);
}

TEST_F(Options, ThePlayersNameFallsBackForAnEmptyOrTooLongText) {
    auto h = Make();
    CMj& t = *h->table;
    t.SetPlayerName("阿明");
    EXPECT_STREQ(t.Player[0].name, "阿明");
    t.SetPlayerName("");
    EXPECT_STREQ(t.Player[0].name, "玩家");
    t.SetPlayerName("一二三四五六七八九十");  // 20 bytes
    EXPECT_STREQ(t.Player[0].name, "玩家");
}

TEST_F(Options, MusicSwitchesPlayAndStopTheBackgroundSongAndTimerSixLoopsIt) {
    RecordingSoundSystem sound;
    platform::testing::ScopedSoundSystem soundInstalled(&sound);
    RecordingMusicPlayer music;
    platform::testing::ScopedMusicPlayer musicInstalled(&music);
    WriteFile(folder / "SET.ini", "[Option]\nMusic=1\n");
    auto h = Make();
    CMj& t = *h->table;
    t.PlayMusic();
    EXPECT_EQ(bMusicPlaying, 1);
    EXPECT_EQ(music.Count(MusicCallKind::Play), 1);
    t.SetMusic(1);  // the value it has: nothing happens
    EXPECT_EQ(music.Count(MusicCallKind::Play), 1);
    music.EndSong();
    t.OnTimer(kTimerIdle);
    EXPECT_EQ(music.Count(MusicCallKind::Play), 2);
    EXPECT_NE(music.Playing(), -1);
    t.SetMusic(0);
    EXPECT_EQ(bMusicPlaying, 0);
    EXPECT_EQ(music.Playing(), -1);
    t.StopMusic();
    EXPECT_EQ(t.musicwanted, 0);
}

TEST_F(Options, PlayWaveTakesANameUnderTheProgramFolderOnlyWithEffectsOn) {
    RecordingSoundSystem sound;
    platform::testing::ScopedSoundSystem installed(&sound);
    fs::create_directories(folder / "Wave");
    WriteFile(folder / "Wave" / "start.wav", "RIFF");
    auto h = Make();
    CMj& t = *h->table;
    t.PlayWave("Wave\\start.wav");
    ASSERT_EQ(sound.Count(SoundCallKind::PlayFile), 1);
    EXPECT_EQ(sound.Paths(SoundCallKind::PlayFile)[0], platform::ProgramPath("Wave\\start.wav"));
    t.PlayWave("Wave\\missing.wav");
    t.SetSound(0);
    t.PlayWave("Wave\\start.wav");
    EXPECT_EQ(sound.Count(SoundCallKind::PlayFile), 1);
}

}  // namespace
}  // namespace enginetest
