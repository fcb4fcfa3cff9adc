#include "platform/MessageBox.h"

namespace platform {

namespace {
MessageBoxes* gBoxes = nullptr;
}  // namespace

MbResult ShowBox(const MessageBoxRequest& request) {
    return gBoxes ? gBoxes->Show(request) : request.defaultButton;
}

void InstallMessageBoxes(MessageBoxes* boxes) { gBoxes = boxes; }
MessageBoxes* CurrentMessageBoxes() { return gBoxes; }

void ShowMessage(const std::string& gbkText, const std::string& gbkCaption, MbIcon icon) {
    ShowBox({gbkText, gbkCaption, icon, MbButtons::Ok, MbResult::Ok});
}

MbResult AskYesNo(const std::string& gbkText, const std::string& gbkCaption, MbIcon icon,
                  MbResult defaultButton) {
    return ShowBox({gbkText, gbkCaption, icon, MbButtons::YesNo, defaultButton});
}

}  // namespace platform
