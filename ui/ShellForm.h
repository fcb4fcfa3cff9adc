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

// A shell with its id fixed.
template <int Id>
class CShellFormOf : public CShellForm {
public:
    static constexpr int kId = Id;
    CShellFormOf(std::string_view backgroundPath, CMj* owner)
        : CShellForm(backgroundPath, owner, Id) {}
};

// The online dialogs: the lobby, login, sign-up, the invitation form, the server-line chooser
// and the invitation prompt.
class CNetRoom : public CShellFormOf<10> {
    using CShellFormOf::CShellFormOf;
};
class CLoginForm : public CShellFormOf<12> {
    using CShellFormOf::CShellFormOf;
};
class CRegForm : public CShellFormOf<13> {
    using CShellFormOf::CShellFormOf;
};
class CInviteForm : public CShellFormOf<14> {
    using CShellFormOf::CShellFormOf;
};
class CChooseNetForm : public CShellFormOf<18> {
    using CShellFormOf::CShellFormOf;
};
class CInviteMessage : public CShellFormOf<CShellForm::kOverlayPrompt> {
    using CShellFormOf::CShellFormOf;
};

// Null until the table makes them.  The invitation prompt's pointer is the frame's
// (`pInviteMessage`, graphics/FrameDialogs.h).
extern CNetRoom* pNetRoom;
extern CLoginForm* pLoginForm;
extern CRegForm* pRegForm;
extern CInviteForm* pInviteForm;
extern CChooseNetForm* pChooseNetForm;
