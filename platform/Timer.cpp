#include "platform/Timer.h"

namespace platform {

namespace {
TimerService* gService = nullptr;
}

void InstallTimerService(TimerService* service) { gService = service; }
TimerService* CurrentTimerService() { return gService; }

void SetTimer(int id, unsigned intervalMs) {
    if (gService) gService->Set(id, intervalMs);
}

void KillTimer(int id) {
    if (gService) gService->Kill(id);
}

}  // namespace platform
