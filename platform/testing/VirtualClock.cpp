#include "platform/testing/VirtualClock.h"

#include <algorithm>

namespace platform::testing {

void VirtualClock::Set(int id, unsigned intervalMs) {
    unsigned interval = EffectiveTimerInterval(intervalMs);
    timers_[id] = Timer{interval, now_ + interval, nextOrder_++};
}

void VirtualClock::Kill(int id) { timers_.erase(id); }

void VirtualClock::Sleep(unsigned ms) {
    pauses_.push_back(ms);
    now_ += ms;
}

unsigned VirtualClock::Interval(int id) const {
    auto it = timers_.find(id);
    return it == timers_.end() ? 0 : it->second.interval;
}

std::pair<const int, VirtualClock::Timer>* VirtualClock::NextDue(std::uint64_t limit) {
    std::pair<const int, Timer>* best = nullptr;
    for (auto& entry : timers_) {
        const Timer& t = entry.second;
        if (t.due > limit) continue;
        if (!best || t.due < best->second.due ||
            (t.due == best->second.due && t.order < best->second.order))
            best = &entry;
    }
    return best;
}

void VirtualClock::DeliverUntil(std::uint64_t target) {
    // Time advanced by a handler (now_ beyond target) still counts: what fell due meanwhile
    // ticks once, at the moment the handler returned.
    while (auto* next = NextDue(std::max(target, now_))) {
        now_ = std::max(now_, next->second.due);
        next->second.due = now_ + next->second.interval;
        int id = next->first;
        delivering_ = true;
        if (onTick_) onTick_(id);
        delivering_ = false;
    }
    now_ = std::max(now_, target);
}

void VirtualClock::Advance(std::uint64_t ms) {
    if (delivering_) {
        now_ += ms;
        return;
    }
    DeliverUntil(now_ + ms);
}

bool VirtualClock::AdvanceToNextTick() {
    if (delivering_ || timers_.empty()) return false;
    auto* next = NextDue(UINT64_MAX);
    DeliverUntil(std::max(now_, next->second.due));
    return true;
}

}  // namespace platform::testing
