#include "platform/Sleep.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {
SleepService* gService = nullptr;
}

void InstallSleepService(SleepService* service) { gService = service; }
SleepService* CurrentSleepService() { return gService; }

void Sleep(unsigned ms) {
    if (gService)
        gService->Sleep(ms);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform
