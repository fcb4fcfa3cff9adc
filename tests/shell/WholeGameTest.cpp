// A person plays a whole offline game in the program's window with the mouse and the keys:
// the start screen, a save slot, the names and rules, hands played to their score sheets
// (discards, claims, wins), the three items, the quick-phrase list, and leaving the game, which
// saves it to its slot.  Golden frames of the key moments are written for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "WindowTable.h"
#include "tests/engine/SelfPlay.h"
#include "ui/Dialogs.h"
#include "ui/DxGameChatWnd.h"
#include "ui/InputNameDlg.h"
#include "ui/ModeForm.h"
#include "ui/ScoreForm.h"
#include "ui/WelComForm.h"

namespace shelltest {
namespace {

// What the person did and saw in the game.
struct Played {
    int hands = 0;
    int wins = 0;
    int userWins = 0;  // hands the user won with the win button
    int userDiscards = 0;
    int userClaims = 0;  // pungs, chows and kongs the user made
    int steps = 0;
};

class WholeGame : public WindowTable {
protected:
    WholeGame() : WindowTable(kSeed) {}

    static constexpr unsigned kSeed = 3;
    static constexpr int kHands = 4;  // the east round: each seat deals once

    // From the start screen to the first hand, with the mouse and the keys.
    void SetUpTheGame() {
        ASSERT_EQ(nActiveForm, kModeFormId);
        WriteGolden("00_start_screen");
        ClickDialogButton(*pModeForm, CModeForm::kGame);
        ASSERT_EQ(nActiveForm, kWelComFormId);
        ClickDialogButton(*pWelComForm, CWelComForm::kFirstNewGame);
        ASSERT_EQ(nActiveForm, kInputNameDlgId);
        for (char c : std::string("Ada")) Key(Qt::Key_A + (c | 0x20) - 'a', QString(QChar(c)));
        ClickDialogButton(*pInputNameDlg, CInputNameDlg::kOk);
        ASSERT_EQ(nActiveForm, 0);
        ASSERT_STREQ(User().name, "Ada");
    }

    // The user's claims so far: melds made from another seat's discard.
    int UserMelds() const { return table->Player[0].gangnum; }

    // At the user's first turn, with one use of each item given: a raised tile, the exchange of
    // two marked tiles, the hide item's ripple, and every hand shown.
    void UseTheItems() {
        for (int& uses : User().items) uses = 1;
        HoverTile(3);
        EXPECT_EQ(User().select, 3);
        WriteGolden("02_tile_raised");

        Key(Qt::Key_F7);
        ASSERT_EQ(T().exchangemode, 2);
        ASSERT_TRUE(T().Button(kButtonExchange).visible);
        ClickTile(0);
        ClickTile(5);
        EXPECT_TRUE(User().change[0] && User().change[5]);
        WriteGolden("03_tiles_marked");
        const std::size_t pauses = Clock().Pauses().size();
        ClickButton(kButtonExchange);
        EXPECT_EQ(T().exchangemode, 0);
        EXPECT_EQ(User().change[0] + User().change[5], 0);
        ASSERT_EQ(Clock().Pauses().size(), pauses + 1);
        EXPECT_EQ(Clock().Pauses().back(), 500u);
        EXPECT_EQ(enginetest::TableFault(T(), true), "");
        WriteGolden("04_tiles_exchanged");

        // The ripple's 100 frames, then the calm table; the fiftieth is kept.
        FrameTap tap = Tap(50);
        {
            platform::testing::ScopedPresenter tapped(&tap);
            Key(Qt::Key_F3);
        }
        EXPECT_EQ(tap.count, 101);
        WriteGolden("05_ripple", tap.kept);
        EXPECT_TRUE(User().hidemj);

        Key(Qt::Key_F1);
        EXPECT_TRUE(T().renderer.bRevealAll);
        WriteGolden("06_all_hands_shown");
        for (int uses : User().items) EXPECT_EQ(uses, 0);
    }

    // The quick-phrase list opened and closed with buttons 18 and 19 (online play shows button
    // 18; the test shows it); while it is open the hand does not rise under the mouse.
    void OpenAndCloseThePhrases() {
        T().Button(kButtonPhrasesOpen).visible = 1;
        ClickButton(kButtonPhrasesOpen);
        ASSERT_TRUE(T().phraselist->visible);
        const int raised = User().select;
        HoverTile(raised == 1 ? 2 : 1);
        EXPECT_EQ(User().select, raised);
        WriteGolden("07_phrase_list");
        ClickButton(kButtonPhrasesClose);
        EXPECT_FALSE(T().phraselist->visible);
        EXPECT_TRUE(T().Button(kButtonPhrasesOpen).visible);
    }
};

TEST_F(WholeGame, APersonPlaysAGameThroughTheWindowToItsEnd) {
    SetUpTheGame();
    Person person(*this);
    Played played;
    std::uint64_t lastProgress = enginetest::Progress(T());
    std::uint64_t lastChange = Clock().Now();
    int meldsBefore = 0;
    bool leftTheGame = false;
    bool itemsUsed = false, phrasesShown = false, claimShown = false;
    int hiddenDiscard = 0;
    while (!leftTheGame && played.steps < 2000000) {
        ++played.steps;
        if (nActiveForm == kScoreFormId) {
            ++played.hands;
            for (const CMjPlayer& p : T().Player) played.wins += p.hued ? 1 : 0;
            played.userWins += User().hued ? 1 : 0;
            EXPECT_EQ(enginetest::TableFault(T(), true), "") << "hand " << played.hands;
            if (played.hands == 1) {
                hiddenDiscard = static_cast<int>(
                    std::count(std::begin(T().deskhidden), std::end(T().deskhidden), 1));
                if (played.wins > 0) WriteGolden("20_score_sheet_win");
            }
            const bool last = played.hands >= kHands;
            ClickDialogButton(*pScoreForm, last ? CScoreForm::kLeave : CScoreForm::kReplay);
            leftTheGame = last;
            meldsBefore = 0;
            continue;
        }
        const bool userTurn = T().maydiscard && T().curplayer == 0 && !T().claimpending;
        if (userTurn && !itemsUsed) {
            WriteGolden("01_first_turn");
            UseTheItems();
            itemsUsed = true;
        } else if (userTurn && played.userDiscards == 3 && !phrasesShown) {
            OpenAndCloseThePhrases();
            phrasesShown = true;
        }
        if (T().claimpending && T().curplayer != 0 && !claimShown) {
            WriteGolden("08_claim_offered");
            claimShown = true;
        }
        if (person.Act()) {
            played.userDiscards += userTurn && !T().maydiscard ? 1 : 0;
            if (UserMelds() > meldsBefore) played.userClaims += UserMelds() - meldsBefore;
            meldsBefore = UserMelds();
            continue;
        }
        const std::uint64_t progress = enginetest::Progress(T());
        if (progress != lastProgress) {
            lastProgress = progress;
            lastChange = Clock().Now();
        }
        ASSERT_LT(Clock().Now() - lastChange, 60000u) << "the table stopped";
        ASSERT_TRUE(Clock().AdvanceToNextTick());
    }
    ASSERT_TRUE(leftTheGame);
    WriteGolden("21_left_to_the_slots");
    EXPECT_EQ(nActiveForm, kWelComFormId);  // left: the game is saved to its slot
    EXPECT_TRUE(itemsUsed && phrasesShown && claimShown);
    EXPECT_EQ(hiddenDiscard, 1) << "the discard after the hide item lies face down";
    EXPECT_TRUE(platform::FileExists(platform::ProgramPath("Save\\1.cmj")));
    EXPECT_EQ(played.hands, kHands);
    EXPECT_GT(played.userDiscards, 10);
    EXPECT_GE(played.userWins, 1);
    EXPECT_GE(played.userClaims, 1);
    // A chow among several options picked by a click on its tile (a kong among several
    // choices does not come up in a seeded game: ChoicesAtTheWindowTest sets one up).
    EXPECT_GE(person.chowPicks, 1);
    EXPECT_TRUE(boxRecorder.Shown().empty());
    std::printf("hands %d, wins %d (the user's %d), user discards %d, user claims %d (chows "
                "picked among several %d), steps %d\n",
                played.hands, played.wins, played.userWins, played.userDiscards, played.userClaims,
                person.chowPicks, played.steps);
}

}  // namespace
}  // namespace shelltest
