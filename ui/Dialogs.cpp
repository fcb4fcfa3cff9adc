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
CShowMessageForm* pShowMessageForm = nullptr;
CInfoForm* pInfoForm = nullptr;

void CreateOfflineDialogs(CMj* owner) {
    pScoreForm = new CScoreForm("Graphic\\ScoreForm\\background.bmp", owner);
    pWelComForm = new CWelComForm("Graphic\\LoadForm\\background.bmp", owner);
    pSetForm = new CSetForm("Graphic\\OptionForm\\background.bmp", owner);
    pNewGameDlg = new CNewGameDlg("Graphic\\MessageBox\\background.bmp", owner);
    pInputNameDlg = new CInputNameDlg("Graphic\\InputName\\background.bmp", owner);
    pItemForm = new CItemForm("Graphic\\Form\\item.bmp", owner);
    pModeForm = new CModeForm("Graphic\\ModeForm\\background.bmp", owner);
    pShowMessageForm = new CShowMessageForm("Graphic\\ShowMessage\\background.bmp", owner);
    pInfoForm = new CInfoForm("Graphic\\ShowMessage\\background.bmp", owner);
}

namespace {
template <typename T>
void DeleteDialog(T*& dialog) {
    delete dialog;
    dialog = nullptr;
}
}  // namespace

void DeleteOfflineDialogs() {
    DeleteDialog(pInfoForm);
    DeleteDialog(pShowMessageForm);
    DeleteDialog(pModeForm);
    DeleteDialog(pItemForm);
    DeleteDialog(pInputNameDlg);
    DeleteDialog(pNewGameDlg);
    DeleteDialog(pSetForm);
    DeleteDialog(pWelComForm);
    DeleteDialog(pScoreForm);
}

CBitForm* OfflineDialog(int id) {
    switch (id) {
        case kScoreFormId: return pScoreForm;
        case kSetFormId: return pSetForm;
        case kWelComFormId: return pWelComForm;
        case kNewGameDlgId: return pNewGameDlg;
        case kInputNameDlgId: return pInputNameDlg;
        case kItemFormId: return pItemForm;
        case kModeFormId: return pModeForm;
        default: return nullptr;
    }
}

void ShowOfflineDialog(int id) {
    if (CBitForm* dialog = OfflineDialog(id)) dialog->Show();
}

void ShowMessageText(const char* gbkText) {
    if (!pShowMessageForm) return;
    pShowMessageForm->text = gbkText ? gbkText : "";
    pShowMessageForm->Show();
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
