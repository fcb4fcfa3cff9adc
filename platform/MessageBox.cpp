#include "platform/MessageBox.h"

#include <utility>
#include <vector>

namespace platform {

namespace {
MessageBoxes* gBoxes = nullptr;
int gShowing = 0;
std::vector<std::function<void()>> gWhenNone;

void RunWhenNone() {
    std::vector<std::function<void()>> due;
    due.swap(gWhenNone);
    for (auto& then : due) then();
}
}  // namespace

MbResult ShowBox(const MessageBoxRequest& request) {
    if (!gBoxes) return request.defaultButton;
    ++gShowing;
    const MbResult result = gBoxes->Show(request);
    if (--gShowing == 0) RunWhenNone();
    return result;
}

int BoxesShowing() { return gShowing; }

void WhenNoBoxShows(std::function<void()> then) {
    if (gShowing == 0) {
        then();
        return;
    }
    gWhenNone.push_back(std::move(then));
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
