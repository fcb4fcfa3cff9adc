// Every bitmap dialog of the program, made once with the table from its background picture and
// kept in its global pointer; the frame finds an active dialog in its slot by id and the boxes
// over the table in its overlay pointers.  The table deletes them when it goes, in the order it
// made them.
#include "engine/Mj.h"
#include "online/ChooseNetForm.h"
#include "online/InviteForm.h"
#include "online/InviteMessage.h"
#include "online/LoginForm.h"
#include "online/NetRoom.h"
#include "online/RegForm.h"
#include "ui/Dialogs.h"
#include "ui/InfoForm.h"
#include "ui/InputNameDlg.h"
#include "ui/ItemForm.h"
#include "ui/ModeForm.h"
#include "ui/NewGameDlg.h"
#include "ui/ScoreForm.h"
#include "ui/SetForm.h"
#include "ui/ShowMessageForm.h"
#include "ui/WelComForm.h"

namespace {

// A box shown over the table by its own flag rather than as the active dialog.
constexpr int kNoSlot = 0;

// Makes the dialog, keeps it in its pointer and, for an active dialog, in its frame slot.
template <typename Form, typename Pointer>
void Make(Pointer*& pointer, const char* backgroundPath, CMj* owner, int slot) {
    Form* form = new Form(backgroundPath, owner);
    pointer = form;
    if (slot > 0 && slot < kDialogSlotCount) DialogSlots[slot] = form;
}

template <typename Pointer>
void Delete(Pointer*& pointer) {
    if (!pointer) return;
    for (CBitForm*& slot : DialogSlots)
        if (slot == pointer) slot = nullptr;
    delete pointer;
    pointer = nullptr;
}

}  // namespace

void CMj::CreateDialogs() {
    Make<CScoreForm>(pScoreForm, "Graphic\\ScoreForm\\background.bmp", this, kScoreFormId);
    Make<CWelComForm>(pWelComForm, "Graphic\\LoadForm\\background.bmp", this, kWelComFormId);
    Make<CSetForm>(pSetForm, "Graphic\\OptionForm\\background.bmp", this, kSetFormId);
    Make<CNewGameDlg>(pNewGameDlg, "Graphic\\MessageBox\\background.bmp", this, kNewGameDlgId);
    Make<CInputNameDlg>(pInputNameDlg, "Graphic\\InputName\\background.bmp", this,
                        kInputNameDlgId);
    Make<CItemForm>(pItemForm, "Graphic\\Form\\item.bmp", this, kItemFormId);
    Make<CNetRoom>(pNetRoom, "Graphic\\NetForm\\Room.bmp", this, CNetRoom::kId);
    Make<CModeForm>(pModeForm, "Graphic\\ModeForm\\background.bmp", this, kModeFormId);
    Make<CLoginForm>(pLoginForm, "Graphic\\LoginForm\\background.bmp", this, CLoginForm::kId);
    Make<CRegForm>(pRegForm, "Graphic\\RegForm\\background.bmp", this, CRegForm::kId);
    Make<CShowMessageForm>(pShowMessageForm, "Graphic\\ShowMessage\\background.bmp", this,
                           kNoSlot);
    Make<CInviteForm>(pInviteForm, "Graphic\\InviteForm\\background.bmp", this, CInviteForm::kId);
    Make<CInviteMessage>(pInviteMessage, "Graphic\\InviteMessage\\background.bmp", this, kNoSlot);
    Make<CInfoForm>(pInfoForm, "Graphic\\ShowMessage\\background.bmp", this, kNoSlot);
    Make<CChooseNetForm>(pChooseNetForm, "Graphic\\ChooseNetForm\\background.bmp", this,
                         CChooseNetForm::kId);
}

// The options dialog writes its settings as it goes.
void CMj::DeleteDialogs() {
    Delete(pScoreForm);
    Delete(pWelComForm);
    Delete(pSetForm);
    Delete(pNewGameDlg);
    Delete(pInputNameDlg);
    Delete(pItemForm);
    Delete(pNetRoom);
    Delete(pModeForm);
    Delete(pLoginForm);
    Delete(pRegForm);
    Delete(pShowMessageForm);
    Delete(pInviteForm);
    Delete(pInviteMessage);
    Delete(pInfoForm);
    Delete(pChooseNetForm);
}
