// A dialog of online play whose workings are still to come (the lobby, the invitation form and
// the invitation prompt): its background and its id, and as an active dialog it shows
// (`nActiveForm` := its id) and closes.  It takes no mouse input
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

class CNetRoom : public CShellFormOf<10> {
    using CShellFormOf::CShellFormOf;
};
class CInviteForm : public CShellFormOf<14> {
    using CShellFormOf::CShellFormOf;
};
class CInviteMessage : public CShellFormOf<CShellForm::kOverlayPrompt> {
    using CShellFormOf::CShellFormOf;
};

// Null until the table makes them.  The invitation prompt's pointer is the frame's
// (`pInviteMessage`, graphics/FrameDialogs.h).
extern CNetRoom* pNetRoom;
extern CInviteForm* pInviteForm;
