// The invitation prompt: another player's invitation to a table, shown over the lobby with OK
// and cancel.  OK asks for the first free seat of that table.  Not an active dialog: the flag
// `bInviteShown` shows it, and while it is up it takes every mouse event.
#pragma once

#include <string>
#include <string_view>

#include "ui/BitForm.h"

class CInviteMessage : public CBitForm {
public:
    enum Button : int { kOk = 0, kCancel = 1 };

    CInviteMessage(std::string_view backgroundPath, CMj* owner);

    void Draw() override;
    void Close() override;
    void SetPos(int x, int y) override;
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;

    std::string text;  // GBK
    int table = 0;     // 0..255 as received
};
