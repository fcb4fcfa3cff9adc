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

namespace {

CShowMessageForm* messageBox = nullptr;
CInfoForm* infoBox = nullptr;

template <typename T>
T* Make(T*& pointer, const char* background, CMj* owner, int slot = 0) {
    pointer = new T(background, owner);
    if (slot) DialogSlots[slot] = pointer;
    return pointer;
}

template <typename T>
void Delete(T*& dialog) {
    delete dialog;
    dialog = nullptr;
}

}  // namespace

CShowMessageForm* MessageBoxForm() { return messageBox; }

CInfoForm* InfoBoxForm() { return infoBox; }

void CreateOfflineDialogs(CMj* owner) {
    Make(pScoreForm, "Graphic\\ScoreForm\\background.bmp", owner, kScoreFormId);
    Make(pWelComForm, "Graphic\\LoadForm\\background.bmp", owner, kWelComFormId);
    Make(pSetForm, "Graphic\\OptionForm\\background.bmp", owner, kSetFormId);
    Make(pNewGameDlg, "Graphic\\MessageBox\\background.bmp", owner, kNewGameDlgId);
    Make(pInputNameDlg, "Graphic\\InputName\\background.bmp", owner, kInputNameDlgId);
    Make(pItemForm, "Graphic\\Form\\item.bmp", owner, kItemFormId);
    Make(pModeForm, "Graphic\\ModeForm\\background.bmp", owner, kModeFormId);
    pShowMessageForm = Make(messageBox, "Graphic\\ShowMessage\\background.bmp", owner);
    pInfoForm = Make(infoBox, "Graphic\\ShowMessage\\background.bmp", owner);
}

void DeleteOfflineDialogs() {
    pInfoForm = pShowMessageForm = nullptr;
    for (int id : {kScoreFormId, kSetFormId, kWelComFormId, kNewGameDlgId, kInputNameDlgId,
                   kItemFormId, kModeFormId})
        DialogSlots[id] = nullptr;
    Delete(infoBox);
    Delete(messageBox);
    Delete(pModeForm);
    Delete(pItemForm);
    Delete(pInputNameDlg);
    Delete(pNewGameDlg);
    Delete(pSetForm);
    Delete(pWelComForm);
    Delete(pScoreForm);
}

void ShowOfflineDialog(int id) {
    if (CBitForm* dialog = DialogForId(id)) dialog->Show();
}

void ShowMessageText(const char* gbkText) {
    if (!messageBox) return;
    messageBox->text = gbkText ? gbkText : "";
    messageBox->Show();
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
