// Every bitmap dialog of the program, made once with the table from its background picture and
// kept in its global pointer; the frame finds the active one in its slot by id.  The table
// deletes them when it goes, in the order it made them.
#include "engine/Mj.h"
#include "ui/ShellForm.h"

namespace {

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
    Make<CNetRoom>(pNetRoom, "Graphic\\NetForm\\Room.bmp", this, CNetRoom::kId);
    Make<CLoginForm>(pLoginForm, "Graphic\\LoginForm\\background.bmp", this, CLoginForm::kId);
    Make<CRegForm>(pRegForm, "Graphic\\RegForm\\background.bmp", this, CRegForm::kId);
    Make<CInviteForm>(pInviteForm, "Graphic\\InviteForm\\background.bmp", this, CInviteForm::kId);
    Make<CInviteMessage>(pInviteMessage, "Graphic\\InviteMessage\\background.bmp", this, 0);
    Make<CChooseNetForm>(pChooseNetForm, "Graphic\\ChooseNetForm\\background.bmp", this,
                         CChooseNetForm::kId);
}

void CMj::DeleteDialogs() {
    Delete(pNetRoom);
    Delete(pLoginForm);
    Delete(pRegForm);
    Delete(pInviteForm);
    Delete(pInviteMessage);
    Delete(pChooseNetForm);
}
