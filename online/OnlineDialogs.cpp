#include "online/OnlineDialogs.h"

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "online/ChooseNetForm.h"
#include "online/LoginForm.h"
#include "online/RegForm.h"

void CreateOnlineDialogs(CMj* owner) {
    pLoginForm = new CLoginForm("Graphic\\LoginForm\\background.bmp", owner);
    pRegForm = new CRegForm("Graphic\\RegForm\\background.bmp", owner);
    pChooseNetForm = new CChooseNetForm("Graphic\\ChooseNetForm\\background.bmp", owner);
    DialogSlots[CLoginForm::kId] = pLoginForm;
    DialogSlots[CRegForm::kId] = pRegForm;
    DialogSlots[CChooseNetForm::kId] = pChooseNetForm;
}

void DeleteOnlineDialogs() {
    DialogSlots[CLoginForm::kId] = nullptr;
    DialogSlots[CRegForm::kId] = nullptr;
    DialogSlots[CChooseNetForm::kId] = nullptr;
    delete pChooseNetForm;
    delete pRegForm;
    delete pLoginForm;
}

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
