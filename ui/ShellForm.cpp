#include "ui/ShellForm.h"

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"

CNetRoom* pNetRoom = nullptr;
CLoginForm* pLoginForm = nullptr;
CRegForm* pRegForm = nullptr;
CInviteForm* pInviteForm = nullptr;
CChooseNetForm* pChooseNetForm = nullptr;

CShellForm::CShellForm(std::string_view backgroundPath, CMj* ownerTable, int formId)
    : CBitForm(backgroundPath, ownerTable), id(formId) {}

void CShellForm::Show() {
    if (id == kOverlayPrompt)
        bInviteShown = 1;
    else
        nActiveForm = id;
    Redraw();
}

void CShellForm::Close() {
    if (id == kOverlayPrompt) {
        bInviteShown = 0;
        Redraw();
        return;
    }
    CBitForm::Close();
}
