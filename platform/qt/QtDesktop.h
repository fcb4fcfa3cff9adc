// The desktop services for the main window: the desktop's URL opener, taskbar urgency and
// minimising.
#pragma once

#include "platform/Desktop.h"

class QWidget;

namespace platform {

class QtDesktop : public Desktop {
public:
    explicit QtDesktop(QWidget* mainWindow) : window_(mainWindow) {}

    bool OpenWebAddress(std::string_view utf8Url) override;
    void FlashIfInactive() override;
    void Minimize() override;

private:
    QWidget* window_;
};

}  // namespace platform
