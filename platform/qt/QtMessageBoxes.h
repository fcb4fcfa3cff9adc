// Message boxes shown with QMessageBox, over the active window.
#pragma once

#include "platform/MessageBox.h"

namespace platform {

class QtMessageBoxes : public MessageBoxes {
public:
    MbResult Show(const MessageBoxRequest& request) override;
};

}  // namespace platform
