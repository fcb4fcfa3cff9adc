// Saving and loading games through the table: when saving is allowed, the same bytes after a
// load, the hand resumed where it stood, a game between hands going on with its next hand,
// damaged files refused with the game on the table untouched, files that cannot be written,
// and leaving an offline game.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include "EngineTestSupport.h"
#include "SaveGameTable.h"
#include "SavedGameCases.h"
#include "SelfPlay.h"
#include "platform/WholeFile.h"
#include "platform/WindowKeys.h"

namespace enginetest {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    return platform::ReadWholeFile(path.string(), 1 << 20).value_or("(missing)");
}

class SaveGameTest : public ::testing::Test {
protected:
    SaveGameTest() : folder_(ProgramFolderOfTheBuild("savegame")) {
        nActiveForm = 0;
        bMessageShown = 0;
    }
    ~SaveGameTest() override {
        nActiveForm = 0;
        bMessageShown = 0;
    }

    // A new game under the Official rules played until the user's discard turn with some
    // discards on the desk.
    void PlayToUserTurn(HeadlessTable& h, int minTaken = 70) {
        h.StartGame(kOfficial);
        ASSERT_TRUE(PlayUntil(h, [minTaken](CMj& t) {
            return AtUserDiscardTurn(t) && t.taken >= minTaken && t.Player[0].hasnew;
        }));
    }

    std::string Slot(int n) const {
        return platform::ProgramPath("Save\\" + std::to_string(n) + ".cmj");
    }

    fs::path folder_;
    SavePresentation desk_;
};

TEST_F(SaveGameTest, SaveLoadAndSaveAgainGiveTheSameBytesAndTheSameTurn) {
    std::string first;
    std::string handBefore;
    std::uint8_t heights[kWallStacks];
    std::vector<std::uint8_t> deskBefore;
    {
        HeadlessTable h(5, &desk_);
        PlayToUserTurn(h);
        CMj& t = *h.table;
        ASSERT_TRUE(t.SaveProgress(Slot(1)));
        first = ReadBytes(folder_ / "Save" / "1.cmj");
        handBefore.assign(reinterpret_cast<const char*>(t.Player[0].Mj), sizeof t.Player[0].Mj);
        std::memcpy(heights, t.stackheight, sizeof heights);
        deskBefore = DeskBytes(t);
    }
    ASSERT_EQ(first.size(), kSavedGameBytes);
    SavePresentation fresh;
    HeadlessTable h(9, &fresh);
    CMj& t = *h.table;
    ASSERT_TRUE(t.LoadProgress(Slot(1)));
    EXPECT_EQ(t.savefile, Slot(1));
    EXPECT_EQ(t.curplayer, 0);
    EXPECT_TRUE(t.maydiscard);
    EXPECT_EQ(t.state, kHandRunning);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(t.Player[0].Mj), sizeof t.Player[0].Mj),
              handBefore);
    EXPECT_EQ(std::memcmp(t.stackheight, heights, sizeof heights), 0) << "the wall picture";
    EXPECT_EQ(DeskBytes(t), deskBefore) << "the desk grid";
    EXPECT_TRUE(TableFault(t, true).empty()) << TableFault(t, true);
    ASSERT_TRUE(t.SaveProgress(Slot(2)));
    EXPECT_EQ(ReadBytes(folder_ / "Save" / "2.cmj"), first);
}

TEST_F(SaveGameTest, ALoadedHandPlaysOnToItsEnd) {
    {
        HeadlessTable h(6, &desk_);
        PlayToUserTurn(h, 60);
        ASSERT_TRUE(h.table->SaveProgress(Slot(1)));
    }
    HeadlessTable h(6, &desk_);
    ASSERT_TRUE(h.table->LoadProgress(Slot(1)));
    std::string fault;
    ASSERT_TRUE(PlayUntil(h, [&fault](CMj& t) {
        fault = TableFault(t, true);
        return !fault.empty() || nActiveForm == 1;
    }));
    EXPECT_EQ(fault, "");
    EXPECT_EQ(ScoreSum(*h.table), 4000);
}

// Every moment of seeded whole games at which the user may save, in every rule family, is
// written and read back: the reader's checks accept every state a live game saves (also the
// turns after the user's own pungs and chows, which are counted to show they were met).
TEST_F(SaveGameTest, EverySaveOfSeededWholeGamesReadsBack) {
    int saves = 0, afterClaims = 0;
    std::string fault;
    const std::string path = Slot(4);
    const std::string disk = (folder_ / "Save" / "4.cmj").string();
    auto check = [&](CMj& t) {
        const bool userTurn = t.curplayer == 0 && !t.Button(kButtonPass).visible && t.maydiscard;
        if (t.state == kHandRunning && !userTurn) return;
        ASSERT_TRUE(t.SaveProgress(path));
        saves++;
        if (t.state == kHandRunning && t.nodraw) afterClaims++;
        const auto bytes = platform::ReadWholeFile(disk, kSavedGameBytes);
        if (!ReadSavedGame(bytes.value_or(""), &fault))
            fault += " at taken " + std::to_string(t.taken) + "\n" + Describe(t);
    };
    for (const RuleFamily& rules : {kOfficial, kOpen, kWildNext, kWildPrevious, kWildFlower})
        for (unsigned seed : {1u, 2u, 3u}) {
            HeadlessTable h(seed, &desk_);
            h.table->SetAnimate(0);
            h.StartGame(rules);
            int hands = 0;
            // Before each step of the user, and on each score sheet, until the fourth.
            ASSERT_TRUE(PlayUntil(h, [&](CMj& t) {
                check(t);
                if (nActiveForm == 1) hands++;
                return !fault.empty() || hands == 4 || bMessageShown;
            })) << rules.name;
            ASSERT_EQ(fault, "") << rules.name << " seed " << seed;
            bMessageShown = 0;
        }
    EXPECT_GT(afterClaims, 0);
    std::printf("[figures] %d saves read back, %d of them after the user's pung or chow\n", saves,
                afterClaims);
}

// The hide item (F3) pressed at the user's turn goes through a save: the loaded game lays the
// user's next discard face down, and that cell stays face down to the hand's end, until the
// next hand clears the desk.  A game saved without the item clears a flag left on the table.
TEST_F(SaveGameTest, TheHideItemGoesThroughASaveAndItsDiscardStaysFaceDownToTheHandsEnd) {
    {
        HeadlessTable h(5, &desk_);
        PlayToUserTurn(h, 30);
        CMj& t = *h.table;
        ASSERT_TRUE(t.SaveProgress(Slot(2)));
        t.Player[0].items[1] = 1;
        t.OnKeyDown(platform::VK_F3);
        ASSERT_TRUE(t.Player[0].hidemj);
        ASSERT_TRUE(t.SaveProgress(Slot(1)));
    }
    HeadlessTable h(7, &desk_);
    CMj& t = *h.table;
    ASSERT_TRUE(t.LoadProgress(Slot(1)));
    EXPECT_EQ(t.Player[0].hidemj, 1);
    auto faceDown = [&t] { return std::count(std::begin(t.deskhidden), std::end(t.deskhidden), 1); };
    ASSERT_TRUE(PlayUntil(h, [](CMj& c) { return !c.Player[0].hidemj; }));
    EXPECT_EQ(faceDown(), 1) << "the user's discard lies face down";
    ASSERT_TRUE(PlayUntil(h, [](CMj&) { return nActiveForm == 1; }));
    EXPECT_EQ(faceDown(), 1) << "still face down at the hand's end";
    nActiveForm = 0;
    t.StartHand();
    EXPECT_EQ(faceDown(), 0) << "a new hand clears the desk";

    t.Player[0].hidemj = 1;
    ASSERT_TRUE(t.LoadProgress(Slot(2)));
    EXPECT_EQ(t.Player[0].hidemj, 0);
}

TEST_F(SaveGameTest, SavingIsRefusedOutsideTheUsersDiscardTurn) {
    HeadlessTable h(5, &desk_);
    CMj& t = *h.table;
    h.StartGame(kOfficial);
    struct Moment {
        const char* what;
        std::function<bool(CMj&)> reached;
    };
    const Moment moments[] = {
        {"a computer seat's turn",
         [](CMj& c) { return c.state == kHandRunning && c.curplayer > 0; }},
        {"a claim offered to the user",
         [](CMj& c) { return c.state == kHandRunning && c.Button(kButtonPass).visible; }},
    };
    for (const Moment& m : moments) {
        ASSERT_TRUE(PlayUntil(h, m.reached)) << m.what;
        desk_.messages.clear();
        EXPECT_FALSE(t.SaveProgress(Slot(3))) << m.what;
        ASSERT_EQ(desk_.messages.size(), 1u) << m.what;
        EXPECT_EQ(desk_.messages[0], "在轮到你选择出牌时候才可以存储进度");
        EXPECT_TRUE(bMessageShown);
        EXPECT_FALSE(fs::exists(folder_ / "Save" / "3.cmj"));
        bMessageShown = 0;
    }
}

TEST_F(SaveGameTest, AGameSavedBetweenHandsStartsItsNextHandWithItsScoresAndDealer) {
    int scores[kSeats];
    int dealer = 0;
    {
        HeadlessTable h(7, &desk_);
        h.StartGame(kOfficial);
        ASSERT_TRUE(PlayUntil(h, [](CMj&) { return nActiveForm == 1; }));
        CMj& t = *h.table;
        EXPECT_EQ(t.state, kHandOver);
        ASSERT_TRUE(t.SaveProgress(Slot(4)));
        for (int s = 0; s < kSeats; ++s) scores[s] = t.Player[s].score;
        dealer = t.dealer;
        nActiveForm = 0;
    }
    EXPECT_EQ(ReadBytes(folder_ / "Save" / "4.cmj")[10], kHandOver);
    HeadlessTable h(8, &desk_);
    CMj& t = *h.table;
    ASSERT_TRUE(t.LoadProgress(Slot(4)));
    EXPECT_EQ(t.state, kHandRunning);
    EXPECT_EQ(t.dealer, dealer);
    EXPECT_EQ(t.handdealer, dealer);
    for (int s = 0; s < kSeats; ++s) EXPECT_EQ(t.Player[s].score, scores[s]) << s;
    ASSERT_TRUE(PlayUntil(h, [](CMj& c) { return c.curplayer >= 0; }));
    EXPECT_TRUE(TableFault(t, true).empty()) << TableFault(t, true);
}

TEST_F(SaveGameTest, ALoadRebuildsWhatTheFileLeavesOutAndSpreadsTheRules) {
    SavedGame g = ValidRunningGame();
    g.minFan = 0;
    g.wildRule = 1;
    g.wildKind = kWildPreviousTile;
    g.wildTile = MakeTile(5, 1);
    g.indicator = MakeTile(6, 1);
    g.seats[1].melds[0].open = 1;  // a concealed kong
    g.seats[1].melds[0].kind = 0;
    g.seats[1].melds[0].num = 4;
    g.seats[1].melds[0].tiles[3] = MakeTile(7, kHonourSuit);
    g.seats[2].melds[0].open = 0;  // an older file: exposed
    fs::create_directories(folder_ / "elsewhere");
    WriteFile(folder_ / "elsewhere" / "game.cmj", WriteSavedGame(g));
    HeadlessTable h(3, &desk_);
    CMj& t = *h.table;
    const std::string path = platform::ProgramPath("elsewhere\\game.cmj");
    ASSERT_TRUE(t.LoadProgress(path));
    EXPECT_EQ(t.savefile, path) << "a game from another file is saved back there";
    EXPECT_EQ(t.Player[1].open[0], 0);
    EXPECT_EQ(t.Player[2].open[0], 1);
    EXPECT_EQ(t.Player[0].open[0], 1);
    EXPECT_TRUE(TileEqual(t.Player[0].winmj, MakeTile(2, 2))) << "the drawn tile";
    EXPECT_TRUE(TileEqual(t.Player[1].winmj, MakeTile(9, 2))) << "seat 0's last discard";
    EXPECT_EQ(t.hu.minfan, 0);
    EXPECT_EQ(t.ai.wildrule, 1);
    EXPECT_TRUE(TileEqual(t.Player[3].wildmj, MakeTile(5, 1)));
    EXPECT_EQ(t.wildkind, kWildPreviousTile);
    EXPECT_EQ(t.Player[2].sex, 1) << "avatar 6 is male";
    EXPECT_EQ(t.Player[1].sex, 0);
    ASSERT_EQ(desk_.avatars.size(), 4u);
    EXPECT_EQ(desk_.avatars[3].picture, 10);
    EXPECT_EQ(DeskBytes(t)[5], 1);
}

// With flowers set aside, their replacements are missing from the back of the wall: the front
// loses taken + 1 - flowers tiles, two a stack, the back one stack per two flowers.
TEST_F(SaveGameTest, TheWallPictureCountsTheFlowersFromTheBack) {
    SavedGame g = ValidRunningGame();
    g.taken = 60;
    g.wallBreak = 10;
    g.seats[1].flowers = 3;
    WriteFile(folder_ / "w.cmj", WriteSavedGame(g));
    HeadlessTable h(3, &desk_);
    CMj& t = *h.table;
    ASSERT_TRUE(t.LoadProgress(platform::ProgramPath("w.cmj")));
    for (int stack = 0; stack < kWallStacks; ++stack) {
        int expected = 2;
        if (stack >= 10 && stack < 10 + 29) expected = 0;  // 58 front tiles
        if (stack == 9) expected = 0;                      // flowers 1 and 2
        if (stack == 8) expected = 1;                      // flower 3
        EXPECT_EQ(t.stackheight[stack], expected) << stack;
    }
    EXPECT_EQ(t.taken, 60);
    EXPECT_EQ(t.backtaken, 3);
}

TEST_F(SaveGameTest, ALoadStopsTheFlowTimersOfTheGameOnTheTable) {
    SavedGame g = ValidRunningGame();
    WriteFile(folder_ / "t.cmj", WriteSavedGame(g));
    HeadlessTable h(3, &desk_);
    CMj& t = *h.table;
    h.StartGame(kOfficial);  // the dice are rolling
    ASSERT_TRUE(t.Timer(kTimerStep)->enabled);
    ASSERT_TRUE(t.LoadProgress(platform::ProgramPath("t.cmj")));
    for (unsigned id : {kTimerStep, kTimerReveal, kTimerClaims, kTimerPung, kTimerFlower,
                        kTimerComputerTurn, kTimerDice, kTimerDrawFlight, kTimerReadyDraw})
        EXPECT_FALSE(t.Timer(id)->enabled) << id;
    EXPECT_EQ(t.curplayer, 0);
    EXPECT_TRUE(t.maydiscard);
}

TEST_F(SaveGameTest, DamagedFilesAreRefusedAndTheGameOnTheTableStaysAsItWas) {
    HeadlessTable h(5, &desk_);
    CMj& t = *h.table;
    PlayToUserTurn(h, 40);
    ASSERT_TRUE(t.SaveProgress(Slot(1)));
    const std::string before = Fingerprint(t);
    const std::string valid = WriteSavedGame(ValidSavedGame());
    std::vector<std::pair<std::string, std::string>> files;
    for (const DamageCase& c : DamageCases()) files.emplace_back(c.fault, Damaged(valid, c));
    files.emplace_back("short", valid.substr(0, kSavedGameBytes - 1));
    files.emplace_back("long", valid + "x");
    files.emplace_back("empty", "");
    for (const auto& [what, bytes] : files) {
        WriteFile(folder_ / "bad.cmj", bytes);
        h.Boxes().Clear();
        EXPECT_FALSE(t.LoadProgress(platform::ProgramPath("bad.cmj"))) << what;
        ASSERT_EQ(h.Boxes().Shown().size(), 1u) << what;
        EXPECT_EQ(h.Boxes().Last().text, "该文件版本太低或者已经被损坏。");
        EXPECT_EQ(h.Boxes().Last().caption, "信息");
        EXPECT_EQ(h.Boxes().Last().icon, platform::MbIcon::Warning);
        EXPECT_EQ(Fingerprint(t), before) << what;
    }
    EXPECT_TRUE(AtUserDiscardTurn(t));
}

TEST_F(SaveGameTest, AMissingFileIsRefusedSilently) {
    HeadlessTable h(5, &desk_);
    CMj& t = *h.table;
    const std::string before = Fingerprint(t);
    EXPECT_FALSE(t.LoadProgress(Slot(5)));
    EXPECT_FALSE(t.LoadProgress(platform::ProgramPath("Save")));  // a folder
    EXPECT_TRUE(h.Boxes().Shown().empty());
    EXPECT_EQ(Fingerprint(t), before);
}

// Makes a folder unwritable for as long as it lives, also for the superuser (who ignores the
// permission bits): read-only bits, then the immutable flag where the file system has one.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const fs::path& folder) : folder_(folder) {
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
        const int fd = open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0) {
            int flags = 0;
            if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
                flags |= FS_IMMUTABLE_FL;
                immutable_ = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
            }
            close(fd);
        }
    }
    ~UnwritableFolder() {
        if (immutable_) {
            const int fd = open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
            int flags = 0;
            if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ioctl(fd, FS_IOC_SETFLAGS, &flags);
            }
            if (fd >= 0) close(fd);
        }
        fs::permissions(folder_, fs::perms::owner_all);
    }
    // True when a file can no longer be made in it.
    bool Holds() const {
        const fs::path probe = folder_ / "probe";
        const bool made = std::ofstream(probe).good();
        if (made) fs::remove(probe);
        return !made;
    }

private:
    fs::path folder_;
    bool immutable_ = false;
};

TEST_F(SaveGameTest, ASaveThatCannotBeWrittenIsReportedAndLeavesTheOldFileWhole) {
    HeadlessTable h(5, &desk_);
    CMj& t = *h.table;
    PlayToUserTurn(h, 40);
    fs::create_directories(folder_ / "Save");
    WriteFile(folder_ / "Save" / "1.cmj", "the old game");
    {
        UnwritableFolder locked(folder_ / "Save");
        if (!locked.Holds()) GTEST_SKIP() << "this file system lets the test write anywhere";
        EXPECT_FALSE(t.SaveProgress(Slot(1)));
    }
    ASSERT_EQ(h.Boxes().Shown().size(), 1u);
    EXPECT_EQ(h.Boxes().Last().text, "游戏保存失败。");
    EXPECT_EQ(h.Boxes().Last().caption, "错误");
    EXPECT_EQ(ReadBytes(folder_ / "Save" / "1.cmj"), "the old game");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "Save"), fs::directory_iterator()), 1);
}

TEST_F(SaveGameTest, TheSaveFolderIsMadeWhenMissingAndAFileInItsWayIsReported) {
    HeadlessTable h(5, &desk_);
    CMj& t = *h.table;
    ASSERT_FALSE(fs::exists(folder_ / "Save"));
    EXPECT_TRUE(t.SaveProgress(Slot(2)));  // no hand yet: always allowed
    EXPECT_EQ(fs::file_size(folder_ / "Save" / "2.cmj"), kSavedGameBytes);
    fs::remove_all(folder_ / "Save");
    WriteFile(folder_ / "Save", "a file where the folder should be");
    EXPECT_FALSE(t.SaveProgress(Slot(2)));
    ASSERT_EQ(h.Boxes().Shown().size(), 1u);
    EXPECT_EQ(h.Boxes().Last().text, "游戏保存失败。");
}

// The close button (classic style) and the menu's leave entry both leave the game.
TEST_F(SaveGameTest, LeavingAnOfflineGameSavesItToItsFileAndShowsTheSlots) {
    HeadlessTable h(5, &desk_);
    CMj& t = *h.table;
    PlayToUserTurn(h, 30);
    int slot = 3;
    for (int button : {kButtonClose, kButtonLeave}) {
        t.savefile = Slot(slot);
        t.musicwanted = 1;
        for (int id = kButtonSettings; id <= kButtonLeave; ++id) t.Button(id).visible = 1;
        t.Button(kButtonClose).visible = 1;
        t.Timer(kTimerClaims)->SetEnabled(true);
        t.OnButtonClick(button);
        EXPECT_EQ(fs::file_size(folder_ / "Save" / (std::to_string(slot) + ".cmj")),
                  kSavedGameBytes);
        EXPECT_EQ(desk_.saveSlotsShown, slot - 2);
        EXPECT_FALSE(t.Timer(kTimerClaims)->enabled);
        EXPECT_EQ(t.musicwanted, 0);
        for (int id = kButtonSettings; id <= kButtonLeave; ++id)
            EXPECT_FALSE(t.Button(id).visible) << id;
        ++slot;
    }
}

TEST_F(SaveGameTest, LeavingWithoutASlotSavesNothing) {
    HeadlessTable h(5, &desk_);
    CMj& t = *h.table;
    ASSERT_EQ(t.savefile, "");
    t.QuitGame();
    EXPECT_EQ(desk_.saveSlotsShown, 1);
    EXPECT_FALSE(fs::exists(folder_ / "Save"));
}

TEST_F(SaveGameTest, LeavingIsRefusedWhileTheGameCannotBeSaved) {
    HeadlessTable h(5, &desk_);
    CMj& t = *h.table;
    h.StartGame(kOfficial);
    ASSERT_TRUE(PlayUntil(h, [](CMj& c) { return c.state == kHandRunning && c.curplayer > 0; }));
    t.savefile = Slot(3);
    t.QuitGame();
    EXPECT_EQ(desk_.saveSlotsShown, 0);
    EXPECT_EQ(desk_.messages.size(), 1u);
    EXPECT_FALSE(fs::exists(folder_ / "Save" / "3.cmj"));
}

}  // namespace
}  // namespace enginetest
