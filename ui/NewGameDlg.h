// The new-game confirmation: a small box over the save slots, asked before a new game replaces
// a slot's saved game.  OK goes on to the names and rules; cancel returns to the slots.  Its
// picture carries the question.  Dialog id 7.
#pragma once

#include <string_view>

#include "ui/BitForm.h"

class CNewGameDlg : public CBitForm {
public:
    enum ButtonId : int { kOk = 0, kCancel = 1 };

    CNewGameDlg(std::string_view backgroundPath, CMj* owner);

    // The background keyed (any outline), then the two buttons.
    void Draw() override;
    // Back to the save slots (id 6).
    void Close() override;
    void SetPos(int x, int y) override;
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;
};
