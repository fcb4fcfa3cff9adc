// Making and tearing down the table: the data files it reads, its buttons, rules and seats, the
// dialog it shows, and what it does as it goes.
#include <filesystem>
#include <functional>

#include "TableFixture.h"
#include "engine/ChatPhrases.h"
#include "graphics/DxSound.h"
#include "graphics/LevelTable.h"
#include "platform/testing/RecordingMusicPlayer.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"
#include "rules/FanTable.h"
#include "ui/DxGameChatWnd.h"

namespace enginetest {
namespace {

namespace fs = std::filesystem;
using platform::testing::RecordingMusicPlayer;
using platform::testing::RecordingSoundSystem;
using platform::testing::SoundCallKind;

class Construction : public ::testing::Test {
protected:
    Construction() : folder(FreshProgramFolder("construct")) {}
    std::unique_ptr<HeadlessTable> Make() { return std::make_unique<HeadlessTable>(1, &shown); }
    fs::path folder;
    RecordingPresentation shown;
};

TEST_F(Construction, TheServerDirectoryIsReadInSectionOrderWithItsDefaults) {
    WriteFile(folder / "Dirconfig.ini",
              "[Public]\nServerNum=3\n[DIRSERVER0]\nname=甲\nhost=a.example\nport=2000\n"
              "[DIRSERVER1]\nhost=b.example\n[DIRSERVER2]\nname=丙\n");
    auto h = Make();
    ASSERT_EQ(ServerNum, 3);
    EXPECT_STREQ(DirServer[0].name, "甲");
    EXPECT_STREQ(DirServer[0].host, "a.example");
    EXPECT_EQ(DirServer[0].port, 2000);
    EXPECT_STREQ(DirServer[1].name, "网通服务器");
    EXPECT_EQ(DirServer[1].port, 1982);
    EXPECT_STREQ(DirServer[2].name, "丙");
    EXPECT_NE(DirServer[2].host[0], '\0');
    EXPECT_EQ(nServerIndex, 0);
}

TEST_F(Construction, WithoutADirectoryTwoDefaultLinesAndNoMoreThanFiveFromOne) {
    auto h = Make();
    ASSERT_EQ(ServerNum, 2);
    EXPECT_STREQ(DirServer[0].name, "电信服务器");
    EXPECT_STREQ(DirServer[1].name, "网通服务器");
    // Both lines lead to this machine until a directory names the servers.
    EXPECT_STREQ(DirServer[0].host, "127.0.0.1");
    EXPECT_STREQ(DirServer[1].host, "127.0.0.1");
    h.reset();
    WriteFile(folder / "Dirconfig.ini", "[Public]\nServerNum=9\n");
    h = Make();
    EXPECT_EQ(ServerNum, kMaxDirServers);
    h.reset();
    // A name longer than the entry holds is cut to 49 bytes without splitting a character.
    WriteFile(folder / "Dirconfig.ini", "[Public]\nServerNum=1\n[DIRSERVER0]\nname=" +
                                            std::string(30, 'x') + std::string("中文中文中文中文中文") + "\n");
    h = Make();
    EXPECT_LE(std::strlen(DirServer[0].name), 49u);
    EXPECT_EQ(std::strlen(DirServer[0].name) % 2, 0u);
}

// The phrase list's lines, page by page.
std::vector<std::string> Phrases(const CMj& t) {
    std::vector<std::string> lines;
    for (int i = 0; i < t.phraselist->pages.count; i++)
        for (const CChatLine& line : t.phraselist->pages.GetPage(i)->lines.Lines())
            lines.push_back(line.text);
    return lines;
}

TEST_F(Construction, ChatPhrasesAreTheWordsOfChatTxtBounded) {
    WriteFile(folder / "Chat.txt", "你好 快点吧\n\t再见 \r\n");
    auto h = Make();
    EXPECT_EQ(Phrases(*h->table), (std::vector<std::string>{"你好", "快点吧", "再见"}));
    EXPECT_EQ(h->table->phraselist->currentPage, 0);
    h.reset();
    WriteFile(folder / "Chat.txt", "");
    h = Make();
    EXPECT_TRUE(Phrases(*h->table).empty());
    h.reset();
    std::string many;
    for (int i = 0; i < kMaxChatPhrases + 20; i++) many += "好 ";
    // A phrase longer than a chat record is cut where no character is split.
    WriteFile(folder / "Chat.txt", std::string(126, 'y') + "中中 " + many);
    h = Make();
    const std::vector<std::string> phrases = Phrases(*h->table);
    ASSERT_EQ(static_cast<int>(phrases.size()), kMaxChatPhrases);
    EXPECT_EQ(phrases[0], std::string(126, 'y'));
    EXPECT_EQ(phrases[1], "好");
}

TEST_F(Construction, TheLevelTitlesAreReadFromLevelTxt) {
    WriteFile(folder / "level.txt", "新手 100\n高手 1000\n");
    auto h = Make();
    EXPECT_EQ(nLevelCount, 2);
    EXPECT_STREQ(LevelForScore(500).title, "高手");
}

TEST_F(Construction, OnlyTheMenuButtonIsShownAndTheClaimButtonsAreOffAndDisabled) {
    auto h = Make();
    CMj& t = *h->table;
    for (int id = 0; id < kTableButtonCount; id++)
        EXPECT_EQ(t.Button(id).visible, id == kButtonMenu) << id;
    for (int id : kClaimButtons) EXPECT_FALSE(t.Button(id).enabled) << id;
    EXPECT_TRUE(t.Button(kButtonDiscard).enabled);
    EXPECT_FALSE(t.claimpending);
    EXPECT_STREQ(kTableButtonDefs[4].caption, "出");
    EXPECT_TRUE(kTableButtonDefs[kButtonClose].shownInClassic);
}

TEST_F(Construction, TheRulesStartOfficialWithoutAWildTileEverywhere) {
    MinFan = 0;
    bWildRule = 1;
    auto h = Make();
    CMj& t = *h->table;
    EXPECT_EQ(MinFan, 8);
    EXPECT_EQ(bWildRule, 0);
    EXPECT_TRUE(TileEqual(WildTile, tagMj{0, 0}));
    EXPECT_EQ(t.hu.minfan, 8);
    EXPECT_EQ(t.ai.minfan, 8);
    EXPECT_EQ(t.hu.wildrule, 0);
    for (const CMjPlayer& p : t.Player) EXPECT_EQ(p.wildmode, 0);
}

TEST_F(Construction, SeatsNamesWindsAndTheStartModeDialog) {
    auto h = Make();
    CMj& t = *h->table;
    const char* names[] = {"玩家", "小静", "小强", "花花"};
    const int sex[] = {1, 0, 1, 0};
    const int language[] = {0, 1, 1, 0};
    for (int s = 0; s < kSeats; s++) {
        EXPECT_STREQ(t.Player[s].name, names[s]);
        EXPECT_EQ(t.Player[s].sex, sex[s]);
        EXPECT_EQ(t.Player[s].language, language[s]);
        EXPECT_EQ(t.Player[s].menfeng, s + 1);
        EXPECT_EQ(t.Player[s].select, -1);
    }
    EXPECT_EQ(nActiveForm, 11);
    EXPECT_EQ(shown.dialogs, std::vector<int>{11});
    EXPECT_EQ(pMj, &t);
    for (int i = 0; i < kWallTiles; i++) ASSERT_EQ(t.shuffleorder[i], i);
    EXPECT_STREQ(FanNameTable[1], "大四喜");
    EXPECT_STREQ(FanNameTable[88], "听牌");
    EXPECT_STREQ(FanNameTable[0], "");
    EXPECT_STREQ(FanNameTable[89], "");
}

TEST_F(Construction, GoingAwayMarksTheProgramClosingWritesTheSettingsAndStopsEveryTimer) {
    RecordingMusicPlayer music;
    platform::testing::ScopedMusicPlayer musicInstalled(&music);
    RecordingSoundSystem sound;
    platform::testing::ScopedSoundSystem soundInstalled(&sound);
    bAppClosing = 0;
    auto h = Make();
    EXPECT_NE(pDxSound, nullptr);
    EXPECT_EQ(music.Count(platform::testing::MusicCallKind::Load), 1);
    platform::testing::VirtualClock& clock = h->Clock();
    h->table.reset();
    EXPECT_EQ(bAppClosing, 1);
    EXPECT_TRUE(fs::exists(folder / "SET.ini"));
    EXPECT_EQ(pDxSound, nullptr);
    EXPECT_EQ(pMj, nullptr);
    EXPECT_EQ(music.Count(platform::testing::MusicCallKind::Shutdown), 1);
    for (unsigned id : {1u, 6u, 10u, 11u, 100u, 106u}) EXPECT_FALSE(clock.IsArmed(static_cast<int>(id))) << id;
    bAppClosing = 0;
}

// Sees the table's state when the table unloads its music while it goes.
class MusicWatchingTheExit : public RecordingMusicPlayer {
public:
    std::function<void()> onUnload;
    void UnloadAll() override {
        if (onUnload) onUnload();
        RecordingMusicPlayer::UnloadAll();
    }
};

TEST_F(Construction, GoingAwayClosesFirstThenWritesSettingsStopsTimersAndOnlyThenTheMusic) {
    MusicWatchingTheExit music;
    platform::testing::ScopedMusicPlayer musicInstalled(&music);
    RecordingSoundSystem sound;
    platform::testing::ScopedSoundSystem soundInstalled(&sound);
    auto h = Make();
    bool closing = false, settingsWritten = false, timersStopped = false, soundAlive = false;
    music.onUnload = [&] {
        closing = bAppClosing == 1;
        settingsWritten = fs::exists(folder / "SET.ini");
        timersStopped = !h->Clock().IsArmed(kTimerIdle) && !h->Clock().IsArmed(kTimerLinks);
        soundAlive = pDxSound != nullptr;
    };
    bAppClosing = 0;
    h->table.reset();
    EXPECT_TRUE(closing);
    EXPECT_TRUE(settingsWritten);
    EXPECT_TRUE(timersStopped);
    EXPECT_TRUE(soundAlive) << "the sound object goes after the music";
    bAppClosing = 0;
}

}  // namespace
}  // namespace enginetest
