// A frame of each offline dialog as the table shows it, written as a PNG under
// MJ_TEST_OUT_DIR/dialogs/ for a person to look at.  Each frame is also checked for the
// dialog's own picture at its place.
#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "SavedGameCases.h"
#include "ui/InfoForm.h"
#include "ui/InputNameDlg.h"
#include "ui/ItemForm.h"
#include "ui/ModeForm.h"
#include "ui/NewGameDlg.h"
#include "ui/ScoreForm.h"
#include "ui/SetForm.h"
#include "ui/ShowMessageForm.h"
#include "ui/WelComForm.h"

namespace dialog_test {
namespace {

class DialogGoldenTest : public DialogTest {
protected:
    // The frame differs from the table alone somewhere inside the dialog's background.
    void ExpectDrawn(const CBitForm& form, const char* name) {
        const platform::Rect area{form.x, form.y, form.x + form.backgroundRect.right,
                                  form.y + form.backgroundRect.bottom};
        EXPECT_GT(ui_test::CountDifferences(frame, *presentation.draw.lpDDSRoom, area), 0) << name;
        WriteGolden(name);
    }
};

TEST_F(DialogGoldenTest, StartScreenSlotsAndConfirmation) {
    pModeForm->Show();
    ExpectDrawn(*pModeForm, "mode");
    std::filesystem::create_directories(folder / "Save");
    for (int n : {1, 3})
        enginetest::WriteFile(folder / "Save" / (std::to_string(n) + ".cmj"),
                              WriteSavedGame(enginetest::ValidSavedGame()));
    pWelComForm->ScanSaveSlots();
    pWelComForm->Show();
    pWelComForm->OnMouseMove(ButtonX(*pWelComForm, CWelComForm::kFirstLoad),
                             ButtonY(*pWelComForm, CWelComForm::kFirstLoad));
    ExpectDrawn(*pWelComForm, "save_slots");
    pNewGameDlg->Show();
    ExpectDrawn(*pNewGameDlg, "new_game");
}

TEST_F(DialogGoldenTest, ScoreSheetAfterAWinAndAfterAnExhaustedWall) {
    const char* names[4] = {"阿福", "小资妹", "陈钱贵", "梦雨柔"};
    const int gains[4] = {-8, 56, -40, -8};
    for (int s = 0; s < 4; ++s) {
        std::snprintf(table.Player[s].name, sizeof table.Player[s].name, "%s", names[s]);
        table.Player[s].gain = gains[s];
    }
    CMjPlayer& w = table.Player[1];
    w.hued = 1;
    w.fan = 32;
    w.flowers = 2;
    w.winmj = MakeTile(7, 2);
    w.gangnum = 2;
    w.Gang[0].num = 3;
    for (int k = 0; k < 3; ++k) w.Gang[0].Mj[k] = MakeTile(5, kHonourSuit);
    w.Gang[1].num = 4;
    for (int k = 0; k < 4; ++k) w.Gang[1].Mj[k] = MakeTile(1, kHonourSuit);
    w.splitnum = 3;
    for (int g = 0; g < 2; ++g) {
        w.Split[g].num = 3;
        for (int k = 0; k < 3; ++k) w.Split[g].Mj[k] = MakeTile(3 * g + 1 + k, 2);
    }
    w.Split[2].num = 2;
    w.Split[2].Mj[0] = w.Split[2].Mj[1] = MakeTile(7, 2);
    for (int f : {16, 48, 55, 59, 60, 70, 79}) w.FanFlag[f] = 1;
    pScoreForm->Show();
    ExpectDrawn(*pScoreForm, "score_win");
    Click(*pScoreForm, CScoreForm::kDown);
    WriteGolden("score_win_scrolled");
    w.hued = 0;
    pScoreForm->Show();
    ExpectDrawn(*pScoreForm, "score_exhausted");
}

TEST_F(DialogGoldenTest, NamesAndRules) {
    pInputNameDlg->Show();
    const int ids[4] = {0, 7, 3, 10};
    std::copy(std::begin(ids), std::end(ids), pInputNameDlg->avatarId);
    for (char c : std::string("阿福")) pInputNameDlg->OnKeyPress(static_cast<unsigned char>(c));
    pInputNameDlg->wildAfterBox->checked = 1;
    pInputNameDlg->noWildBox->checked = 0;
    table.Redraw();
    ExpectDrawn(*pInputNameDlg, "names");
    pInputNameDlg->officialBox->checked = 1;
    pInputNameDlg->secondFamilyBox->checked = 0;
    table.Redraw();
    WriteGolden("names_official");
}

TEST_F(DialogGoldenTest, OptionsMessageInformationAndItem) {
    pSetForm->volumeSlider->value = 12;
    pSetForm->speedSlider->value = 5;
    pSetForm->Show();
    ExpectDrawn(*pSetForm, "options");
    nActiveForm = 0;
    ShowMessageText("在轮到你选择出牌时候才可以存储进度");
    ExpectDrawn(*pShowMessageForm, "message");
    InfoBoxForm()->text = "正在获取房间信息,请稍后...";
    pInfoForm->Show();  // over the message box, which it dismisses
    EXPECT_EQ(bMessageShown, 0);
    ExpectDrawn(*pInfoForm, "info");
    pInfoForm->Close();
    pItemForm->Show();
    ExpectDrawn(*pItemForm, "item");
}

}  // namespace
}  // namespace dialog_test
