// The OnlineWindows service of the program: the proxy dialog and the hint window as Qt
// windows, and the main window the shell hands in.
#pragma once

#include <memory>

#include "online/OnlineWindows.h"

class QWidget;
class THintForm;
class TProxyForm;

class QtOnlineWindows : public OnlineWindows {
public:
    // `mainWindow` (not owned) is shown after a command-line login and closed to end the
    // program; null: neither happens.
    explicit QtOnlineWindows(QWidget* mainWindow);
    ~QtOnlineWindows() override;

    bool EditProxySettings(ProxyFormFields& fields) override;
    void ShowHint() override;
    void SetHintText(const std::string& gbkText) override;
    void CloseHint() override;
    void ShowMainWindow() override;
    void CloseMainWindow() override;
    // The one chooser (AvatarForm), shown modally: the windows behind it take no input, while
    // the records keep coming in.
    void ShowAvatarChooser(const AvatarUser& user) override;

    THintForm* Hint() const { return hint_.get(); }

private:
    QWidget* mainWindow_;
    std::unique_ptr<THintForm> hint_;
};
