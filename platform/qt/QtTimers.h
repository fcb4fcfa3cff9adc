// The timer service on Qt's event loop.  Each armed id is one Qt timer; its ticks go to one
// handler.  A tick that falls due while a tick handler runs (a handler that opens a modal box
// or pumps events) waits, at most one per timer, and is delivered right after that handler
// returns.
#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <vector>

#include "platform/Timer.h"

namespace platform {

class QtTimers : public QObject, public TimerService {
public:
    using TickHandler = std::function<void(int id)>;

    explicit QtTimers(TickHandler onTick) : onTick_(std::move(onTick)) {}
    ~QtTimers() override;

    void Set(int id, unsigned intervalMs) override;
    void Kill(int id) override;
    bool IsArmed(int id) const { return qtTimerOf_.count(id) != 0; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void Deliver(int id);

    TickHandler onTick_;
    std::map<int, int> qtTimerOf_;  // game id -> Qt timer id
    std::map<int, int> idOfQtTimer_;
    std::vector<int> pending_;  // ids that fell due during a handler, in the order they did
    bool inHandler_ = false;
};

}  // namespace platform
