// The pre-deal item choice: a same-suit item, a pair item, or on without one; each goes on to
// the deal.  Nothing in the game shows it; it completes the table's set of dialogs.  Dialog
// id 9, drawn over the table.
#pragma once

#include <string_view>

#include "ui/BitForm.h"

class CItemForm : public CBitForm {
public:
    enum ButtonId : int { kSuitItem = 0, kPairItem = 1, kCancel = 2 };

    CItemForm(std::string_view backgroundPath, CMj* owner);

    void Draw() override;
    void SetPos(int x, int y) override;
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    // Closes, applies the chosen item (if any) and begins the deal.
    int OnLButtonUp(int x, int y) override;
};
