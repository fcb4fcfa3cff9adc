// A frame of each offline dialog as the table shows it, written as a PNG under
// MJ_TEST_OUT_DIR/dialogs/ for a person to look at.  Each frame is also checked for the
// dialog's own picture at its place.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "DialogTestSupport.h"
#include "SavedGameCases.h"
#include "online/ChooseNetForm.h"
#include "online/InviteForm.h"
#include "online/InviteMessage.h"
#include "online/LoginForm.h"
#include "online/RegForm.h"
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

    // Seat 1 won with seven fan lines, kongs among its melds; all four seats are named.
    void AWin() {
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
    AWin();
    pScoreForm->Show();
    ExpectDrawn(*pScoreForm, "score_win");
    Click(*pScoreForm, CScoreForm::kDown);
    WriteGolden("score_win_scrolled");
    table.Player[1].hued = 0;
    pScoreForm->Show();
    ExpectDrawn(*pScoreForm, "score_exhausted");
}

// Pictures that the dialogs lay next to or over each other fit: the new-game confirmation
// hides every slot button it lies over (none shows a sliver past its edge), and the score
// sheet's win picture ends before the winning tile drawn right of it.
TEST_F(DialogGoldenTest, PicturesFitWhereTheDialogsPlaceThem) {
    const CBitForm& box = *pNewGameDlg;
    const platform::Rect over{box.x, box.y, box.x + box.backgroundRect.right,
                              box.y + box.backgroundRect.bottom};
    for (int i = 0; i < pWelComForm->buttons.count; ++i) {
        const CBitButton& b = *pWelComForm->buttons.GetButton(i);
        const platform::Rect r{b.x, b.y, b.x + b.pictureRect.right / 5, b.y + b.GetHeight()};
        const bool apart = r.right <= over.left || r.left >= over.right ||
                           r.bottom <= over.top || r.top >= over.bottom;
        const bool covered = r.left >= over.left && r.right <= over.right &&
                             r.top >= over.top && r.bottom <= over.bottom;
        EXPECT_TRUE(apart || covered) << "slot button " << i;
    }
    EXPECT_LE(15 + pScoreForm->winRect.right, 100);  // picture at x + 15, tile at x + 100
}

// Every shown button of a dialog drawn over the table stands on the dialog's own picture.
TEST_F(DialogGoldenTest, ButtonsStandOnTheirDialogs) {
    const std::pair<CBitForm*, const char*> forms[] = {
        {pScoreForm, "score sheet"},  {pSetForm, "options"},   {pNewGameDlg, "new game"},
        {pItemForm, "item"},          {pInviteForm, "invite"}, {pShowMessageForm, "message"},
        {pInviteMessage, "invitation"}};
    for (const auto& [form, name] : forms) {
        for (int i = 0; i < form->buttons.count; ++i) {
            const CBitButton& b = *form->buttons.GetButton(i);
            if (!b.visible) continue;
            EXPECT_GE(b.x, form->x) << name << " button " << i;
            EXPECT_GE(b.y, form->y) << name << " button " << i;
            EXPECT_LE(b.x + b.pictureRect.right / 5, form->x + form->backgroundRect.right)
                << name << " button " << i;
            EXPECT_LE(b.y + b.GetHeight(), form->y + form->backgroundRect.bottom)
                << name << " button " << i;
        }
    }
}

// --- Legibility of the score sheet ---------------------------------------------------------

const std::uint16_t kWhiteInk = Rgb565(255, 255, 255);
const std::uint16_t kOrangeInk = Rgb565(255, 190, 0);

// Where the sheet writes a text, relative to its corner, and in which colour.
struct TextArea {
    platform::Rect rect;
    std::uint16_t ink;
    std::string what;
};

std::vector<TextArea> ScoreSheetTexts() {
    std::vector<TextArea> areas;
    for (int i = 0; i < CScoreForm::kVisibleLines; ++i) {
        const int top = 248 + 25 * i;
        areas.push_back({{28, top, 158, top + 32}, kWhiteInk, "fan name " + std::to_string(i)});
        areas.push_back({{130, top, 200, top + 32}, kOrangeInk, "fan value " + std::to_string(i)});
    }
    areas.push_back({{80, 410, 160, 442}, kOrangeInk, "fan total"});
    areas.push_back({{271, 359, 402, 391}, kWhiteInk, "seat 0"});
    areas.push_back({{363, 310, 450, 342}, kWhiteInk, "seat 1"});
    areas.push_back({{284, 260, 375, 292}, kWhiteInk, "seat 2"});
    areas.push_back({{217, 310, 304, 342}, kWhiteInk, "seat 3"});
    return areas;
}

enum class TableLook { Tiles, White };

class ScoreSheetContrastTest : public DialogGoldenTest,
                               public ::testing::WithParamInterface<TableLook> {
protected:
    // The table under the sheet: rows of white tiles with their coloured faces, or all white
    // (the lightest any table can be).
    void LayTable(TableLook look) {
        platform::Surface& room = *presentation.draw.lpDDSRoom;
        platform::ColorFill(&room, nullptr, kWhiteInk);
        if (look == TableLook::White) return;
        const auto tiles = GLoadPicture("Graphic\\ScoreForm\\mj.bmp");
        ASSERT_NE(tiles, nullptr);
        const int w = tiles->Width(), h = tiles->Height();
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {  // each row of tiles shifted against the last
                const std::uint16_t px = tiles->Row(y % h)[(x + y / h * 97) % w];
                if (px != ColorKey) room.Row(y)[x] = px;
            }
    }
    std::vector<std::uint16_t> Pixels() const {
        std::vector<std::uint16_t> copy;
        for (int y = 0; y < 600; ++y) copy.insert(copy.end(), frame.Row(y), frame.Row(y) + 800);
        return copy;
    }
};

// Every fan line, the total and the four seat names keep a contrast of at least 4.5 : 1 with
// every pixel behind them (the same sheet after an exhausted wall, which writes nothing there).
TEST_P(ScoreSheetContrastTest, TextStandsOutFromTheSheetOverAnyTable) {
    LayTable(GetParam());
    AWin();
    pScoreForm->Show();
    const std::vector<std::uint16_t> written = Pixels();
    WriteGolden(GetParam() == TableLook::Tiles ? "score_over_tiles" : "score_over_white");
    table.Player[1].hued = 0;
    pScoreForm->Show();
    const std::vector<std::uint16_t> behind = Pixels();
    double lowest = 100;
    for (const TextArea& area : ScoreSheetTexts()) {
        platform::Rect ink{800, 600, 0, 0};
        for (int y = pScoreForm->y + area.rect.top; y < pScoreForm->y + area.rect.bottom; ++y)
            for (int x = pScoreForm->x + area.rect.left; x < pScoreForm->x + area.rect.right; ++x)
                if (written[y * 800 + x] == area.ink)
                    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
        ASSERT_LT(ink.left, ink.right) << area.what << ": no text written";
        double least = 100;
        for (int y = ink.top; y < ink.bottom; ++y)
            for (int x = ink.left; x < ink.right; ++x)
                least = std::min(least, Contrast(area.ink, behind[y * 800 + x]));
        EXPECT_GE(least, 4.5) << area.what;
        lowest = std::min(lowest, least);
    }
    RecordProperty("lowest_contrast", std::to_string(lowest));
    std::printf("lowest contrast of the score sheet's text: %.2f : 1\n", lowest);
}

INSTANTIATE_TEST_SUITE_P(Tables, ScoreSheetContrastTest,
                         ::testing::Values(TableLook::Tiles, TableLook::White));

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

// The online dialogs before the link is up: the server lines of the default directory, the
// login and sign-up screens with some text typed, the invitation dialog and prompt.
TEST_F(DialogGoldenTest, ServerLinesLoginSignUpAndInvitations) {
    pChooseNetForm->Show();
    ExpectDrawn(*pChooseNetForm, "server_lines");
    pLoginForm->SetName("afu2026");
    pLoginForm->Show();
    ExpectDrawn(*pLoginForm, "login");
    pRegForm->Show();
    for (char c : std::string("afu2026")) pRegForm->OnKeyPress(static_cast<unsigned char>(c));
    ExpectDrawn(*pRegForm, "sign_up");
    nActiveForm = 0;
    pInviteForm->Show();
    ExpectDrawn(*pInviteForm, "invite");
    pInviteForm->Close();
    static_cast<CInviteMessage*>(pInviteMessage)->text = "小资妹邀请你到第3桌一起游戏";
    pInviteMessage->Show();
    table.Redraw();
    ExpectDrawn(*pInviteMessage, "invite_prompt");
    pInviteMessage->Close();  // its flag outlives the table
}

}  // namespace
}  // namespace dialog_test
