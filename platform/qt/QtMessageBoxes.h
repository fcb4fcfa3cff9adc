// Message boxes shown with QMessageBox over the active window or the game window, their buttons
// labelled in Chinese.
#pragma once

#include "platform/MessageBox.h"

namespace platform {

class QtMessageBoxes : public MessageBoxes {
public:
    MbResult Show(const MessageBoxRequest& request) override;
};

}  // namespace platform
