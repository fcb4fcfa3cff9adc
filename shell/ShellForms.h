// The program's windows, made in order (the main window first, whose constructor carries the
// start-up) and deleted in the reverse order, the main window's destroy handler last; the
// global form pointers follow them.
#pragma once

#include <QRect>

#include <memory>
#include <string>
#include <vector>

class TMainForm;
class TAboutForm;
class TPopForm;
class TDownForm;
class TLinkDlgForm;
class TClostForm;
class TAvatarForm;

class ShellForms {
public:
    // `args` and `screen` as the main window takes them.  When start-up ends the program, the
    // windows after the main window are not made.
    ShellForms(const std::vector<std::string>& args, QRect screen);
    ~ShellForms();
    ShellForms(const ShellForms&) = delete;
    ShellForms& operator=(const ShellForms&) = delete;

    // Start-up ended the program, or a window's picture is missing (its message shown).
    bool EndRequested() const;
    TMainForm& Main() { return *main_; }

private:
    std::unique_ptr<TMainForm> main_;
    std::unique_ptr<TAboutForm> about_;
    std::unique_ptr<TPopForm> pop_;
    std::unique_ptr<TDownForm> down_;
    std::unique_ptr<TLinkDlgForm> link_;
    std::unique_ptr<TClostForm> close_;
    std::unique_ptr<TAvatarForm> avatar_;
};
