// A timer of the table, keyed by id on the game's timer service.  Owners set `id` and
// `interval` directly; enabling (re)arms the timer with the current interval.
#pragma once

class CMjTimer {
public:
    int interval;
    unsigned id;
    bool enabled;

    CMjTimer();
    ~CMjTimer();
    CMjTimer(const CMjTimer&) = delete;
    CMjTimer& operator=(const CMjTimer&) = delete;

    void SetEnabled(bool enable);
};
