#include "ui/Dialogs.h"

#include "engine/Mj.h"
#include "ui/InfoForm.h"
#include "ui/InputNameDlg.h"
#include "ui/ItemForm.h"
#include "ui/ModeForm.h"
#include "ui/NewGameDlg.h"
#include "ui/ScoreForm.h"
#include "ui/SetForm.h"
#include "ui/ShowMessageForm.h"
#include "ui/WelComForm.h"

CScoreForm* pScoreForm = nullptr;
CWelComForm* pWelComForm = nullptr;
CSetForm* pSetForm = nullptr;
CNewGameDlg* pNewGameDlg = nullptr;
CInputNameDlg* pInputNameDlg = nullptr;
CItemForm* pItemForm = nullptr;
CModeForm* pModeForm = nullptr;

bool GameOnTable(int activeForm) {
    return activeForm == 0 || activeForm == kScoreFormId || activeForm == kSetFormId ||
           activeForm == kInviteFormId;
}

// The table makes the two boxes and keeps them in the frame's overlay pointers.
CShowMessageForm* MessageBoxForm() { return static_cast<CShowMessageForm*>(pShowMessageForm); }

CInfoForm* InfoBoxForm() { return static_cast<CInfoForm*>(pInfoForm); }

void ShowOfflineDialog(int id) {
    if (CBitForm* dialog = DialogForId(id)) dialog->Show();
}

void ShowMessageText(const char* gbkText) {
    CShowMessageForm* box = MessageBoxForm();
    if (!box) return;
    box->text = gbkText ? gbkText : "";
    box->Show();
}

void ShowSaveSlots() {
    if (!pWelComForm) return;
    pWelComForm->ScanSaveSlots();
    pWelComForm->Show();
}

void OpenNewGame(CMj* owner) {
    if (owner) {
        owner->ResetTable();
        owner->Redraw();
    }
    if (pInputNameDlg) pInputNameDlg->Show();
}
