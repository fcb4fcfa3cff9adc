// Blocking pauses of the game (the banner, the scroll jolt, the tile exchange, the dice): the
// calling thread waits and nothing else of the game runs meanwhile, no timer tick and no
// input; ticks that fall due during the pause come after it, once each (see Timer.h).
#pragma once

namespace platform {

class SleepService {
public:
    virtual ~SleepService() = default;
    // Returns after `ms` milliseconds.
    virtual void Sleep(unsigned ms) = 0;
};

// The service the game's pauses go through; none installed: the calling thread really sleeps.
void InstallSleepService(SleepService* service);
SleepService* CurrentSleepService();

// Pauses through the installed service.
void Sleep(unsigned ms);

}  // namespace platform
