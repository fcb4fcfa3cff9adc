// A whole offline game through the dialogs: the start screen, a slot, the names and rules, a
// hand played to its score sheet, leaving (the game saved to its slot), and resuming it from the
// slot, both between hands and in the middle of one.
#include <gtest/gtest.h>

#include <cstring>

#include "DialogTestSupport.h"
#include "SaveGameTable.h"
#include "SelfPlay.h"
#include "ui/InputNameDlg.h"
#include "ui/ModeForm.h"
#include "ui/ScoreForm.h"
#include "ui/WelComForm.h"

namespace dialog_test {
namespace {

class OfflineGameTest : public DialogTest {};

TEST_F(OfflineGameTest, AGameIsSetUpEndedSavedAndResumedThroughTheDialogs) {
    pModeForm->Show();
    Click(*pModeForm, CModeForm::kGame);
    ASSERT_EQ(nActiveForm, kWelComFormId);
    Click(*pWelComForm, CWelComForm::kFirstNewGame);
    ASSERT_EQ(nActiveForm, kInputNameDlgId);
    for (char c : std::string("阿福")) pInputNameDlg->OnKeyPress(static_cast<unsigned char>(c));
    Click(*pInputNameDlg, CInputNameDlg::kOk);
    ASSERT_EQ(nActiveForm, 0);
    EXPECT_STREQ(table.Player[0].name, "阿福");

    // The first hand to its score sheet, then leave: the game goes to slot 1.
    ASSERT_TRUE(enginetest::PlayUntil(headless, [](CMj&) { return nActiveForm == kScoreFormId; }));
    int scores[4];
    for (int s = 0; s < 4; ++s) scores[s] = table.Player[s].score;
    Click(*pScoreForm, CScoreForm::kLeave);
    ASSERT_EQ(nActiveForm, kWelComFormId);
    EXPECT_EQ(pWelComForm->buttons.GetButton(CWelComForm::kFirstLoad)->caption, "档案1");

    // Resumed between hands: the next hand starts with the scores of the saved game.
    for (CMjPlayer& p : table.Player) p.score = 1;
    Click(*pWelComForm, CWelComForm::kFirstLoad);
    ASSERT_EQ(nActiveForm, 0);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(table.Player[s].score, scores[s]) << s;
    EXPECT_STREQ(table.Player[0].name, "阿福");

    // In the middle of a hand: leave at the user's discard turn and come back to it.
    ASSERT_TRUE(enginetest::PlayUntil(
        headless, [](CMj& t) { return enginetest::AtUserDiscardTurn(t) && t.taken > 60; }));
    tagMj hand[14];
    std::memcpy(hand, table.Player[0].Mj, sizeof hand);
    const tagMj drawn = table.Player[0].newmj;
    table.QuitGame();
    ASSERT_EQ(nActiveForm, kWelComFormId);
    table.ResetTable();
    Click(*pWelComForm, CWelComForm::kFirstLoad);
    ASSERT_EQ(nActiveForm, 0);
    // The user's turn again (an own-turn kong the user passed on is offered again).
    EXPECT_EQ(table.curplayer, 0);
    EXPECT_TRUE(table.maydiscard);
    EXPECT_EQ(std::memcmp(hand, table.Player[0].Mj, sizeof hand), 0);
    EXPECT_TRUE(TileEqual(table.Player[0].newmj, drawn));
    EXPECT_EQ(enginetest::TableFault(table, true), "");
}

}  // namespace
}  // namespace dialog_test
