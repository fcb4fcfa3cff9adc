// A dialog of online play whose workings come with online play: its background and its id, and
// as an active dialog it shows (`nActiveForm` := its id) and closes.  It takes no mouse input
// yet.  The invitation prompt is not an active dialog: its own flag `bInviteShown` shows it
// over the table.
#pragma once

#include <string_view>

#include "ui/BitForm.h"

class CShellForm : public CBitForm {
public:
    CShellForm(std::string_view backgroundPath, CMj* owner, int id);

    void Show() override;
    void Close() override;
    int OnLButtonDown(int x, int y) override { return -1; }
    int OnMouseMove(int x, int y) override { return -1; }
    int OnLButtonUp(int x, int y) override { return -1; }

    const int id;  // its `nActiveForm` id; kOverlayPrompt for the invitation prompt
    static constexpr int kOverlayPrompt = -1;
};

// The online dialogs: the lobby, login, sign-up, the invitation form, the server-line chooser
// and the invitation prompt.
class CNetRoom : public CShellForm {
public:
    static constexpr int kId = 10;
    CNetRoom(std::string_view backgroundPath, CMj* owner) : CShellForm(backgroundPath, owner, kId) {}
};

class CLoginForm : public CShellForm {
public:
    static constexpr int kId = 12;
    CLoginForm(std::string_view backgroundPath, CMj* owner) : CShellForm(backgroundPath, owner, kId) {}
};

class CRegForm : public CShellForm {
public:
    static constexpr int kId = 13;
    CRegForm(std::string_view backgroundPath, CMj* owner) : CShellForm(backgroundPath, owner, kId) {}
};

class CInviteForm : public CShellForm {
public:
    static constexpr int kId = 14;
    CInviteForm(std::string_view backgroundPath, CMj* owner) : CShellForm(backgroundPath, owner, kId) {}
};

class CChooseNetForm : public CShellForm {
public:
    static constexpr int kId = 18;
    CChooseNetForm(std::string_view backgroundPath, CMj* owner)
        : CShellForm(backgroundPath, owner, kId) {}
};

class CInviteMessage : public CShellForm {
public:
    CInviteMessage(std::string_view backgroundPath, CMj* owner)
        : CShellForm(backgroundPath, owner, kOverlayPrompt) {}
};

// Null until the table makes them.  The invitation prompt's pointer is the frame's
// (`pInviteMessage`, graphics/FrameDialogs.h).
extern CNetRoom* pNetRoom;
extern CLoginForm* pLoginForm;
extern CRegForm* pRegForm;
extern CInviteForm* pInviteForm;
extern CChooseNetForm* pChooseNetForm;
