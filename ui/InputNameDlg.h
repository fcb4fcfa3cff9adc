// The names and rules before a new offline game: the user's name, a picture for each seat
// (avatar ids 0..11; 0..5 female, 6..11 male) and the rules: the Official family with its
// 8-fan minimum, or the second family without a minimum, with no wild tile or a wild tile after
// or before the indicator.  OK or Enter sets the rules, stores the pictures in SET.ini, names
// the user and starts the game.  Dialog id 8.
#pragma once

#include <memory>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "ui/BitCheckBox.h"
#include "ui/BitForm.h"
#include "ui/DxEdit.h"

class CInputNameDlg : public CBitForm {
public:
    // Button 0 is OK; 2k - 1 and 2k turn seat k - 1's picture back and on (k = 1..4).
    enum ButtonId : int { kOk = 0 };
    static constexpr int kAvatars = 12;
    // The longest name taken from the edit; the table turns one this long into the default.
    static constexpr int kNameBytes = 20;

    CInputNameDlg(std::string_view backgroundPath, CMj* owner);
    ~CInputNameDlg() override;

    void Draw() override;
    void SetPos(int x, int y) override;
    // The family boxes back to the second family; random pictures, replaced by those stored in
    // SET.ini; the seats take them.
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;
    // A typed character for the name; Enter confirms like OK (1), anything else answers 0.
    int OnKeyPress(int character);

    std::unique_ptr<CDxEdit> nameEdit;
    std::unique_ptr<CBitCheckBox> officialBox;
    std::unique_ptr<CBitCheckBox> secondFamilyBox;
    std::unique_ptr<CBitCheckBox> noWildBox;
    std::unique_ptr<CBitCheckBox> wildAfterBox;
    std::unique_ptr<CBitCheckBox> wildBeforeBox;
    // Seat pictures: the user and the opposite seat each have their own copy of one strip.
    platform::Surface* seatStrips[4] = {};
    platform::Rect seatStripRects[4];
    platform::Surface* forbid = nullptr;
    platform::Rect forbidRect;
    int avatarId[4] = {0, 1, 0, 1};  // by seat: 0 the user, 1 next, 2 opposite, 3 previous

private:
    // The rules of the boxes, the pictures in SET.ini, the name, and a new game.
    void Confirm();
    void ApplyRules();
    void ResetVariants();
    // Each seat's avatar id and sex from the ids.
    void ApplyAvatars();
    void StepAvatar(int button);
};
