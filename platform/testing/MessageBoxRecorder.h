// Message boxes for tests: every box is recorded, and answered from a script of answers given
// in advance; with the script used up, a box answers its default button.
#pragma once

#include <deque>
#include <vector>

#include "platform/MessageBox.h"

namespace platform::testing {

class MessageBoxRecorder : public MessageBoxes {
public:
    MbResult Show(const MessageBoxRequest& request) override;

    // The answer to give to the next box that is shown.
    void Answer(MbResult result) { script_.push_back(result); }

    const std::vector<MessageBoxRequest>& Shown() const { return shown_; }
    const MessageBoxRequest& Last() const { return shown_.back(); }
    void Clear() {
        shown_.clear();
        script_.clear();
    }

private:
    std::vector<MessageBoxRequest> shown_;
    std::deque<MbResult> script_;
};

}  // namespace platform::testing
