// Timers keyed by id, the way the game uses them: a timer ticks periodically until it is
// killed; arming an id that is already armed restarts its interval.  Ticks reach the game as
// OnTimer(id) through the window's event receiver (or a virtual clock in tests).
//
// Every service keeps the same rules: intervals below 10 ms run at 10 ms; a timer has at most
// one tick pending (ticks missed while the program was busy are not made up); and no tick is
// delivered while a tick handler is still running: a tick that falls due then waits until the
// handler has returned.
#pragma once

namespace platform {

// The shortest interval a timer runs at, in milliseconds.
constexpr unsigned kMinTimerInterval = 10;
// The longest one (about 24.8 days).
constexpr unsigned kMaxTimerInterval = 0x7FFFFFFF;

// The interval a timer armed with `intervalMs` actually runs at.
constexpr unsigned EffectiveTimerInterval(unsigned intervalMs) {
    return intervalMs < kMinTimerInterval   ? kMinTimerInterval
           : intervalMs > kMaxTimerInterval ? kMaxTimerInterval
                                            : intervalMs;
}

class TimerService {
public:
    virtual ~TimerService() = default;
    // Arms (or re-arms) timer `id` with the given interval in milliseconds (at least 10).
    virtual void Set(int id, unsigned intervalMs) = 0;
    // Stops timer `id` and drops its pending tick; killing a timer that is not armed does
    // nothing.
    virtual void Kill(int id) = 0;
};

// The service the game's timers go through; none installed: timers do nothing.
void InstallTimerService(TimerService* service);
TimerService* CurrentTimerService();

// Shorthands through the installed service.
void SetTimer(int id, unsigned intervalMs);
void KillTimer(int id);

}  // namespace platform
