#include "platform/MessageBox.h"

namespace platform {

namespace {
MessageBoxes* gBoxes = nullptr;

MbResult Show(const MessageBoxRequest& request) {
    return gBoxes ? gBoxes->Show(request) : request.defaultButton;
}
}  // namespace

void InstallMessageBoxes(MessageBoxes* boxes) { gBoxes = boxes; }
MessageBoxes* CurrentMessageBoxes() { return gBoxes; }

void ShowMessage(const std::string& gbkText, const std::string& gbkCaption, MbIcon icon) {
    Show({gbkText, gbkCaption, icon, MbButtons::Ok, MbResult::Ok});
}

MbResult AskYesNo(const std::string& gbkText, const std::string& gbkCaption, MbIcon icon,
                  MbResult defaultButton) {
    return Show({gbkText, gbkCaption, icon, MbButtons::YesNo, defaultButton});
}

}  // namespace platform
