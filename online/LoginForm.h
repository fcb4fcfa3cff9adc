// The login dialog (id 12): account name and password, the log-in, back, sign-up and proxy
// buttons, a status line, and a 30-second time-out while the connection is made.  It keeps the
// proxy settings (SET.ini, edited in the proxy dialog) and remembers the last account name in
// Network.cfg.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "online/ProxySettings.h"
#include "rules/MjTimer.h"
#include "ui/BitForm.h"
#include "ui/Dialogs.h"
#include "ui/DxEdit.h"
#include "ui/DxLabel.h"

class CLoginForm : public CBitForm {
public:
    enum ButtonId : int { kEnter = 0, kBack = 1, kSignUp = 2, kProxy = 3 };
    static constexpr int kId = kLoginFormId;
    static constexpr unsigned kTimerId = 200;
    static constexpr int kTimeoutSeconds = 30;
    // Account names and passwords are 4 to 12 bytes long.
    static constexpr int kMinLength = 4;
    static constexpr int kMaxLength = 12;

    CLoginForm(std::string_view backgroundPath, CMj* owner);
    ~CLoginForm() override;

    void Draw() override;
    // Redraws only: the dialog stays the active one.
    void Close() override;
    void SetPos(int x, int y) override;
    // Empties the password and becomes the active dialog.
    void Show() override;
    // After a successful sign-up: shows the new account's name, with the focus in the empty
    // password edit.
    void ShowSignedUp(std::string_view gbkName);
    // The sign-up dialog closes back to this one, which becomes active with no button lit.
    void ReturnFromSignUp();
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;

    // A typed key while the dialog is active: Tab moves the focus, Enter logs in, others go to
    // the focused edit.
    void Login(int key);
    // The four buttons and both edits take input (or not).
    void EnableControls(bool on);
    // A timer tick: 1 for the dialog's own time-out timer (200), else 0.
    int OnTimer(unsigned id);
    // The proxy dialog, filled from the settings and read back on OK.
    void ShowProxySettings();

    // The status line's text, shown.
    void SetStatus(const char* gbkText);
    // The edits' texts as the login record takes them (at most 20 bytes).
    std::string NameText() const;
    std::string PasswordText() const;
    void SetName(std::string_view gbkText);
    void SetPassword(std::string_view gbkText);
    // Starts the 30-second time-out.
    void StartTimeout();
    // The connection attempt is over (answered, refused or failed): the controls come back
    // and the time-out stops.
    void EndAttempt();

    CDxEdit* NameEdit;
    CDxEdit* PassEdit;
    CDxEdit* FocusEdit;
    CDxLabel StatusLabel;
    CMjTimer* LoginTimer;
    int nLoginCountDown = kTimeoutSeconds;
    ProxySettings proxy;

private:
    // The log-in action: checks, then connects.  Messages of a refused check go to the
    // surface message box from the button, to a message box from the Enter key.
    void LogIn(bool fromKey);
    bool CheckLengths(bool fromKey);
    void FocusOn(CDxEdit* edit);
};

extern CLoginForm* pLoginForm;
