#include "online/OnlineDialogs.h"

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "online/ChooseNetForm.h"
#include "online/LoginForm.h"
#include "online/RegForm.h"

bool PassKeyToOnlineDialog(int activeForm, int key) {
    if (activeForm == CLoginForm::kId && pLoginForm) {
        pLoginForm->Login(key);
        return true;
    }
    if (activeForm == CRegForm::kId && pRegForm) {
        pRegForm->OnKeyPress(key);
        return true;
    }
    return false;
}

CDxEdit* FocusedOnlineEdit(int activeForm) {
    if (activeForm == CLoginForm::kId && pLoginForm) return pLoginForm->FocusEdit;
    if (activeForm == CRegForm::kId && pRegForm) return pRegForm->FocusEdit;
    return nullptr;
}

bool PassTimerToOnlineDialog(unsigned id) {
    if (pLoginForm && pLoginForm->OnTimer(id)) return true;
    return pRegForm && pRegForm->OnTimer(id);
}

void ShowDialogById(CMj* owner, int id) {
    if (CBitForm* dialog = DialogForId(id)) {
        dialog->Show();
        return;
    }
    nActiveForm = id;
    if (owner) owner->Redraw();
}

void CloseDialogById(CMj* owner, int id) {
    if (CBitForm* dialog = DialogForId(id)) {
        dialog->Close();
        return;
    }
    if (nActiveForm == id) nActiveForm = 0;
    if (owner) owner->Redraw();
}
