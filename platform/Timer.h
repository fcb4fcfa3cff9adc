// Timers keyed by id, the way the game uses them: a timer ticks periodically until it is
// killed; arming an id that is already armed restarts its interval.  Ticks reach the game as
// OnTimer(id) through the window's event receiver (or a virtual clock in tests).
#pragma once

namespace platform {

class TimerService {
public:
    virtual ~TimerService() = default;
    // Arms (or re-arms) timer `id` with the given interval in milliseconds (at least 10).
    virtual void Set(int id, unsigned intervalMs) = 0;
    // Stops timer `id`; killing a timer that is not armed does nothing.
    virtual void Kill(int id) = 0;
};

// The service the game's timers go through; none installed: timers do nothing.
void InstallTimerService(TimerService* service);
TimerService* CurrentTimerService();

// Shorthands through the installed service.
void SetTimer(int id, unsigned intervalMs);
void KillTimer(int id);

}  // namespace platform
