#include "platform/testing/MessageBoxRecorder.h"

namespace platform::testing {

MbResult MessageBoxRecorder::Show(const MessageBoxRequest& request) {
    shown_.push_back(request);
    MbResult answer = request.buttons == MbButtons::Ok ? MbResult::Ok : request.defaultButton;
    if (!script_.empty()) {
        answer = script_.front();
        script_.pop_front();
    }
    return answer;
}

}  // namespace platform::testing
