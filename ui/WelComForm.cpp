#include "ui/WelComForm.h"

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "platform/Path.h"
#include "ui/Dialogs.h"
#include "ui/ModeForm.h"
#include "ui/NewGameDlg.h"

std::string CWelComForm::SlotPath(int n) {
    return platform::ProgramPath("Save\\" + std::to_string(n) + ".cmj");
}

CWelComForm::CWelComForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    for (int i = 0; i < kSlots; ++i) buttons.Add("Graphic\\LoadForm\\newgame.bmp", "");
    buttons.Add("Graphic\\LoadForm\\close.bmp", "");
    for (int i = 0; i < kSlots; ++i) buttons.Add("Graphic\\LoadForm\\load.bmp", "");
    SetPos(0, 0);
    ScanSaveSlots();
}

void CWelComForm::ScanSaveSlots() {
    for (int n = 1; n <= kSlots; ++n) {
        const bool exists = platform::FileExists(SlotPath(n));
        slotExists[n - 1] = exists;
        CBitButton* load = buttons.GetButton(kFirstLoad + n - 1);
        load->SetCaption(exists ? "档案" + std::to_string(n) : "");
        load->enabled = exists;
    }
}

// The buttons stand at fixed screen positions.
void CWelComForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    for (int i = 0; i < kSlots; ++i) {
        buttons.SetPos(kFirstNewGame + i, 457, 280 + 40 * i);
        buttons.SetPos(kFirstLoad + i, 280, 278 + 40 * i);
    }
    buttons.SetPos(kBack, 350, 490);
}

void CWelComForm::Show() {
    nActiveForm = kWelComFormId;
    Redraw();
    if (owner && owner->GetMusic()) owner->MusicOff();
}

void CWelComForm::Close() {
    CBitForm::Close();
    if (pDxSound) pDxSound->StopEffect2();
    if (owner && owner->GetMusic()) owner->PlayMusic();
}

int CWelComForm::OnLButtonDown(int px, int py) { return PressButtons(px, py); }

int CWelComForm::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

int CWelComForm::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (index >= kFirstNewGame && index < kFirstNewGame + kSlots)
        NewGameIn(index - kFirstNewGame + 1);
    else if (index == kBack && pModeForm)
        pModeForm->Show();  // the slot dialog stays open underneath, so the music stays off
    else if (index >= kFirstLoad && index < kFirstLoad + kSlots)
        LoadSlot(index - kFirstLoad + 1);
    return index;
}

// A slot that holds a game asks first; an empty one goes straight to the names and rules.
void CWelComForm::NewGameIn(int slot) {
    currentSlot = slot;
    if (owner) owner->savefile = SlotPath(slot);
    if (slotExists[slot - 1]) {
        if (pNewGameDlg) pNewGameDlg->Show();
        return;
    }
    nActiveForm = 0;
    Close();
    OpenNewGame(owner);
}

// A file removed since the last scan is noticed here: nothing happens.  A failed load keeps
// this dialog up; the load reports its failure itself.
void CWelComForm::LoadSlot(int slot) {
    const std::string path = SlotPath(slot);
    if (!platform::FileExists(path)) return;
    currentSlot = slot;
    if (owner && owner->LoadProgress(path)) {
        nActiveForm = 0;
        Close();
    }
    Redraw();
}
