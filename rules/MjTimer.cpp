#include "rules/MjTimer.h"

#include "platform/Timer.h"

CMjTimer::CMjTimer() : interval(1000), id(0), enabled(false) {}

CMjTimer::~CMjTimer() { platform::KillTimer(static_cast<int>(id)); }

void CMjTimer::SetEnabled(bool enable) {
    enabled = enable;
    if (enable)
        platform::SetTimer(static_cast<int>(id), static_cast<unsigned>(interval));
    else
        platform::KillTimer(static_cast<int>(id));
}
