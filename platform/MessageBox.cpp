#include "platform/MessageBox.h"

#include "platform/ModalCount.h"

namespace platform {

namespace {
MessageBoxes* gBoxes = nullptr;
}  // namespace

MbResult ShowBox(const MessageBoxRequest& request) {
    if (!gBoxes) return request.defaultButton;
    ModalScope modal;
    return gBoxes->Show(request);
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
