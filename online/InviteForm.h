// The invite-to-table dialog (id 14): a frame around the main window's list `ListView2` of the
// players in the lobby, with invite and cancel.  The table's invite button fills the list from
// the user list and shows it; invite sends CS_INVITE for the chosen player when the user's
// table still has room.
#pragma once

#include <string_view>

#include "ui/BitForm.h"
#include "ui/Dialogs.h"

class CInviteForm : public CBitForm {
public:
    static constexpr int kId = kInviteFormId;
    enum Button : int { kInvite = 0, kCancel = 1 };

    CInviteForm(std::string_view backgroundPath, CMj* owner);

    void Draw() override;
    void Close() override;
    void SetPos(int x, int y) override;
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;

    // The invitation list from every listed user not at a table, then Show (button 20).
    void FillAndShow();

private:
    void Invite();
};

extern CInviteForm* pInviteForm;
