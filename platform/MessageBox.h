// Message boxes: a text, a caption, an icon and either an OK button or Yes and No buttons,
// shown over the active window or over the main window.  Texts are GBK; the box itself converts
// them for display.
#pragma once

#include <string>

namespace platform {

enum class MbIcon { None, Information, Warning, Error, Question };
enum class MbButtons { Ok, YesNo };
enum class MbResult { Ok, Yes, No };
enum class MbOwner { ActiveWindow, MainWindow };

struct MessageBoxRequest {
    std::string text;     // GBK
    std::string caption;  // GBK
    MbIcon icon = MbIcon::None;
    MbButtons buttons = MbButtons::Ok;
    MbResult defaultButton = MbResult::Ok;  // Yes or No for a Yes/No box
    MbOwner owner = MbOwner::ActiveWindow;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally and answers the button chosen.  Closing a Yes/No box without a
    // choice answers No; an OK box always answers Ok.
    virtual MbResult Show(const MessageBoxRequest& request) = 0;
};

// The message boxes the game goes through; none installed: every box answers its default.
void InstallMessageBoxes(MessageBoxes* boxes);
MessageBoxes* CurrentMessageBoxes();

// Shows `request` through the installed service; the box counts as a modal window
// (platform/ModalCount.h) while it is up.
MbResult ShowBox(const MessageBoxRequest& request);
// Shorthands through the installed service.
void ShowMessage(const std::string& gbkText, const std::string& gbkCaption, MbIcon icon);
MbResult AskYesNo(const std::string& gbkText, const std::string& gbkCaption, MbIcon icon,
                  MbResult defaultButton);

}  // namespace platform
