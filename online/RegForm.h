// The account sign-up dialog (id 13): account name, password twice, e-mail address and sex.
// Submitting sends the sign-up request on the link's sign-up socket (directly or through the
// login's proxy) and shows the one-byte answer.  Nothing in the program's interface opens it:
// the login dialog's sign-up button opens the sign-up web page instead.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "online/RegRequest.h"
#include "rules/MjTimer.h"
#include "ui/BitCheckBox.h"
#include "ui/BitForm.h"
#include "ui/Dialogs.h"
#include "ui/DxEdit.h"
#include "ui/DxLabel.h"

class CRegForm : public CBitForm {
public:
    enum ButtonId : int { kSubmit = 0, kReturn = 1 };
    static constexpr int kId = kRegFormId;
    static constexpr int kEditCount = 7;
    // The answer's time-out.
    static constexpr unsigned kTimerId = 201;
    static constexpr int kReplyTimeoutMs = 30000;

    CRegForm(std::string_view backgroundPath, CMj* owner);
    ~CRegForm() override;

    void Draw() override;
    void Close() override;
    void SetPos(int x, int y) override;
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;

    // Tab moves through the first four edits; other keys go to the focused edit.
    void OnKeyPress(int key);
    void EnableButtons(bool on);
    // A timer tick: 1 for the answer's time-out (201), else 0.
    int OnTimer(unsigned id);
    void SetStatus(const char* gbkText);
    // The request from the dialog's fields.
    RegRequestBytes BuildRequest() const;
    // The account name as typed.
    std::string AccountName() const;

    CDxEdit* NameEdit;
    CDxEdit* PassEdit;
    CDxEdit* ConfirmEdit;
    CDxEdit* MailEdit;
    CDxEdit* ExtraEdit1;
    CDxEdit* ExtraEdit2;
    CDxEdit* ExtraEdit3;
    CDxEdit* FocusEdit;
    CBitCheckBox* MaleBox;
    CBitCheckBox* FemaleBox;
    CDxLabel StatusLabel;
    CMjTimer* ReplyTimer;

private:
    std::array<CDxEdit*, kEditCount> Edits() const {
        return {NameEdit, PassEdit, ConfirmEdit, MailEdit, ExtraEdit1, ExtraEdit2, ExtraEdit3};
    }
    void FocusOn(CDxEdit* edit);
    // The checks in order; false (after the message, with the focus moved) when one fails.
    bool CheckFields();
    void Submit();
};

extern CRegForm* pRegForm;
