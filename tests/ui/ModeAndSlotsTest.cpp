// The start screen, the save slots and the new-game confirmation: the active dialog after each
// button, the slots' files and captions, the music while the slots are up, loading a slot.
#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "SaveGameTable.h"
#include "SavedGameCases.h"
#include "engine/SaveGameFile.h"
#include "platform/WindowEvents.h"
#include "platform/WindowPost.h"
#include "platform/testing/NoticeQueue.h"
#include "ui/ModeForm.h"
#include "ui/NewGameDlg.h"
#include "ui/WelComForm.h"

namespace dialog_test {
namespace {

// Notices as the main window receives them.
struct NoticeLog : platform::WindowEvents {
    void OnPosted(int id, const std::string&) override { ids.push_back(id); }
    std::vector<int> ids;
};

class ModeFormTest : public DialogTest {
protected:
    ModeFormTest() { platform::InstallWindowPoster(&notices); }
    ~ModeFormTest() override { platform::InstallWindowPoster(nullptr); }
    platform::testing::NoticeQueue notices;
};

TEST_F(ModeFormTest, EachButtonLeadsWhereItSays) {
    struct Case {
        int button;
        int activeAfter;
        int closeRequests;
        const char* opened;  // the web address handed to the desktop, or none
    };
    const Case cases[] = {
        {CModeForm::kExit, kModeFormId, 1, nullptr},
        {CModeForm::kNet, kChooseNetFormId, 0, nullptr},
        {CModeForm::kHome, kModeFormId, 0, kHomePageAddress},
        {CModeForm::kMoreGames, kModeFormId, 0, kMoreGamesAddress},
        {CModeForm::kGame, kWelComFormId, 0, nullptr},
    };
    for (const Case& c : cases) {
        pModeForm->Show();
        ASSERT_EQ(nActiveForm, kModeFormId);
        desktop.opened.clear();
        NoticeLog log;
        EXPECT_EQ(Click(*pModeForm, c.button), c.button);
        notices.DeliverAll(log);
        EXPECT_EQ(nActiveForm, c.activeAfter) << c.button;
        EXPECT_EQ(static_cast<int>(log.ids.size()), c.closeRequests) << c.button;
        if (c.closeRequests) {
            EXPECT_EQ(log.ids[0], platform::kCloseRequest);
        }
        ASSERT_EQ(desktop.opened.size(), c.opened ? 1u : 0u) << c.button;
        if (c.opened) {
            EXPECT_EQ(desktop.opened[0], c.opened);
        }
    }
}

TEST_F(ModeFormTest, APressReleasedOverAnotherButtonClicksNothing) {
    pModeForm->Show();
    pModeForm->OnLButtonDown(ButtonX(*pModeForm, CModeForm::kGame),
                             ButtonY(*pModeForm, CModeForm::kGame));
    EXPECT_EQ(pModeForm->OnLButtonUp(ButtonX(*pModeForm, CModeForm::kExit),
                                     ButtonY(*pModeForm, CModeForm::kExit)),
              -1);
    EXPECT_EQ(nActiveForm, kModeFormId);
    EXPECT_TRUE(notices.Empty());
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(pModeForm->buttons.GetButton(i)->pressed) << i;
}

TEST_F(ModeFormTest, TheButtonsStayAtTheirScreenPlacesAndCloseLeavesTheDialogActive) {
    pModeForm->Show();
    pModeForm->SetPos(100, 50);
    EXPECT_EQ(pModeForm->buttons.GetButton(CModeForm::kGame)->x, 291);
    EXPECT_EQ(pModeForm->buttons.GetButton(CModeForm::kExit)->y, 462);
    pModeForm->Close();
    EXPECT_EQ(nActiveForm, kModeFormId);
}

class SaveSlotsTest : public DialogTest {
protected:
    void WriteSlot(int n, const std::string& bytes) {
        std::filesystem::create_directories(folder / "Save");
        enginetest::WriteFile(folder / "Save" / (std::to_string(n) + ".cmj"), bytes);
    }
    static std::string ValidBytes() { return WriteSavedGame(enginetest::ValidSavedGame()); }
};

TEST_F(SaveSlotsTest, WithoutSavedGamesTheLoadButtonsAreOffAndEveryNewGameGoesToTheNames) {
    pWelComForm->ScanSaveSlots();
    for (int i = 0; i < CWelComForm::kSlots; ++i) {
        const CBitButton* load = pWelComForm->buttons.GetButton(CWelComForm::kFirstLoad + i);
        EXPECT_FALSE(load->enabled) << i;
        EXPECT_EQ(load->caption, "") << i;
        EXPECT_EQ(pWelComForm->slotExists[i], 0) << i;
    }
    pWelComForm->Show();
    EXPECT_EQ(Click(*pWelComForm, CWelComForm::kFirstLoad + 2), -1);
    EXPECT_EQ(nActiveForm, kWelComFormId);
    EXPECT_EQ(Click(*pWelComForm, CWelComForm::kFirstNewGame + 2), CWelComForm::kFirstNewGame + 2);
    EXPECT_EQ(nActiveForm, kInputNameDlgId);
    EXPECT_EQ(pWelComForm->currentSlot, 3);
    EXPECT_EQ(table.savefile, CWelComForm::SlotPath(3));
    EXPECT_EQ(table.Player[0].cardnum, 0) << "the table is cleared";
}

TEST_F(SaveSlotsTest, AScanCaptionsTheSlotsThatHoldAGame) {
    WriteSlot(2, ValidBytes());
    WriteSlot(5, "anything");
    pWelComForm->ScanSaveSlots();
    const char* captions[] = {"", "档案2", "", "", "档案5"};
    for (int i = 0; i < CWelComForm::kSlots; ++i) {
        const CBitButton* load = pWelComForm->buttons.GetButton(CWelComForm::kFirstLoad + i);
        EXPECT_EQ(load->caption, captions[i]) << i;
        EXPECT_EQ(load->enabled, captions[i][0] != 0) << i;
        EXPECT_TRUE(pWelComForm->buttons.GetButton(CWelComForm::kFirstNewGame + i)->enabled);
    }
}

TEST_F(SaveSlotsTest, ANewGameInAnOccupiedSlotAsksFirstWithTheMusicOff) {
    WriteSlot(1, ValidBytes());
    pWelComForm->ScanSaveSlots();
    table.musicon = 1;
    table.PlayMusic();
    pWelComForm->Show();
    EXPECT_EQ(table.musicwanted, 0);
    Click(*pWelComForm, CWelComForm::kFirstNewGame);
    EXPECT_EQ(nActiveForm, kNewGameDlgId);
    Click(*pNewGameDlg, CNewGameDlg::kCancel);
    EXPECT_EQ(nActiveForm, kWelComFormId);
    EXPECT_EQ(table.musicwanted, 0);
    Click(*pWelComForm, CWelComForm::kFirstNewGame);
    Click(*pNewGameDlg, CNewGameDlg::kOk);
    EXPECT_EQ(nActiveForm, kInputNameDlgId);
    EXPECT_EQ(table.musicwanted, 0) << "the names dialog starts the music with the game";
}

TEST_F(SaveSlotsTest, TheMusicIsOffWhileTheSlotsAreUpWhenItsOptionIsOn) {
    struct Case {
        std::uint8_t option;
        std::uint8_t wantedAfterShow;
        std::uint8_t wantedAfterClose;
    };
    const Case cases[] = {{1, 0, 1}, {0, 1, 1}};  // option off: the switches are left alone
    for (const Case& c : cases) {
        table.musicon = c.option;
        table.musicwanted = 1;
        pWelComForm->Show();
        EXPECT_EQ(table.musicwanted, c.wantedAfterShow) << int(c.option);
        pWelComForm->Close();
        EXPECT_EQ(nActiveForm, 0);
        EXPECT_EQ(table.musicwanted, c.wantedAfterClose) << int(c.option);
    }
}

TEST_F(SaveSlotsTest, BackShowsTheStartScreenAndKeepsTheMusicOff) {
    table.musicon = 1;
    table.musicwanted = 1;
    pWelComForm->Show();
    Click(*pWelComForm, CWelComForm::kBack);
    EXPECT_EQ(nActiveForm, kModeFormId);
    EXPECT_EQ(table.musicwanted, 0);
}

TEST_F(SaveSlotsTest, LoadingASlotResumesItsGameOrStaysWhenItCannot) {
    WriteSlot(1, ValidBytes());
    WriteSlot(2, enginetest::Damaged(ValidBytes(), enginetest::DamageCases()[2]));
    WriteSlot(3, ValidBytes());
    pWelComForm->ScanSaveSlots();
    pWelComForm->Show();

    std::filesystem::remove(folder / "Save" / "3.cmj");  // gone since the scan
    const std::string before = enginetest::Fingerprint(table);
    Click(*pWelComForm, CWelComForm::kFirstLoad + 2);
    EXPECT_EQ(nActiveForm, kWelComFormId);
    EXPECT_EQ(pWelComForm->currentSlot, 0);
    EXPECT_EQ(enginetest::Fingerprint(table), before);

    Click(*pWelComForm, CWelComForm::kFirstLoad + 1);
    EXPECT_EQ(nActiveForm, kWelComFormId);
    EXPECT_EQ(headless.Boxes().Shown().size(), 1u) << "the damaged file is reported";
    EXPECT_EQ(enginetest::Fingerprint(table), before);

    Click(*pWelComForm, CWelComForm::kFirstLoad);
    EXPECT_EQ(nActiveForm, 0);
    EXPECT_EQ(pWelComForm->currentSlot, 1);
    EXPECT_EQ(table.savefile, CWelComForm::SlotPath(1));
    EXPECT_EQ(table.Player[3].score, 1030);
}

TEST_F(SaveSlotsTest, TheConfirmationStandsInTheMiddleOverTheSlots) {
    const platform::Rect& bg = pNewGameDlg->backgroundRect;
    EXPECT_EQ(pNewGameDlg->x, (800 - bg.right) / 2);
    EXPECT_EQ(pNewGameDlg->y, (600 - bg.bottom) / 2);
    EXPECT_EQ(pNewGameDlg->buttons.GetButton(CNewGameDlg::kOk)->x, pNewGameDlg->x + 41);
    EXPECT_EQ(pNewGameDlg->buttons.GetButton(CNewGameDlg::kCancel)->y, pNewGameDlg->y + 56);
}

}  // namespace
}  // namespace dialog_test
