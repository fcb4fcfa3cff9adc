// The timer service on a virtual clock: time moves only when a test advances it, and every
// tick that falls due is delivered in time order (ticks due at the same moment in the order
// their timers were armed).  The service rules hold as on the real clock: intervals below
// 10 ms run at 10 ms, re-arming restarts the interval, and time advanced from inside a tick
// handler (a blocking pause) delivers nothing until the handler returns, after which each
// timer that fell due meanwhile ticks once.
//
// The clock is also the sleep service of tests: a pause moves the clock on at once and
// delivers nothing by itself, since the program runs no tick during a blocking pause.  Ticks
// that fell due during it come once each when the clock is advanced next (Advance(0) delivers
// them at once); a pause inside a tick handler is followed by them as soon as the handler
// returns.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/Sleep.h"
#include "platform/Timer.h"

namespace platform::testing {

class VirtualClock : public TimerService, public SleepService {
public:
    using TickHandler = std::function<void(int id)>;

    explicit VirtualClock(TickHandler onTick = {}) : onTick_(std::move(onTick)) {}
    void SetTickHandler(TickHandler onTick) { onTick_ = std::move(onTick); }

    void Set(int id, unsigned intervalMs) override;
    void Kill(int id) override;
    // A blocking pause: the clock moves on by `ms` and no tick is delivered.
    void Sleep(unsigned ms) override;

    // Moves the clock forward by `ms`, delivering the ticks that fall due.
    void Advance(std::uint64_t ms);
    // Advances to the next due tick and delivers it (and any due at the same moment); false
    // when no timer is armed.
    bool AdvanceToNextTick();

    std::uint64_t Now() const { return now_; }
    bool IsArmed(int id) const { return timers_.count(id) != 0; }
    // The interval timer `id` runs at; 0 when it is not armed.
    unsigned Interval(int id) const;
    // Every pause taken, in milliseconds, in order.
    const std::vector<unsigned>& Pauses() const { return pauses_; }

private:
    struct Timer {
        unsigned interval;
        std::uint64_t due;
        std::uint64_t order;  // arming order, for ticks due at the same moment
    };

    // The armed timer due first at or before `limit`; nullptr when none.
    std::pair<const int, Timer>* NextDue(std::uint64_t limit);
    void DeliverUntil(std::uint64_t target);

    TickHandler onTick_;
    std::map<int, Timer> timers_;
    std::uint64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
    bool delivering_ = false;
    std::vector<unsigned> pauses_;
};

}  // namespace platform::testing
