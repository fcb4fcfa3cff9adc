#include "platform/qt/QtTimers.h"

#include <QTimerEvent>

#include <algorithm>

namespace platform {

QtTimers::~QtTimers() {
    for (const auto& [id, qtTimer] : qtTimerOf_) killTimer(qtTimer);
}

void QtTimers::Set(int id, unsigned intervalMs) {
    Kill(id);
    int qtTimer = startTimer(static_cast<int>(EffectiveTimerInterval(intervalMs)),
                             Qt::PreciseTimer);
    if (qtTimer == 0) return;
    qtTimerOf_[id] = qtTimer;
    idOfQtTimer_[qtTimer] = id;
}

void QtTimers::Kill(int id) {
    auto it = qtTimerOf_.find(id);
    if (it == qtTimerOf_.end()) return;
    killTimer(it->second);
    idOfQtTimer_.erase(it->second);
    qtTimerOf_.erase(it);
    pending_.erase(std::remove(pending_.begin(), pending_.end(), id), pending_.end());
}

void QtTimers::timerEvent(QTimerEvent* event) {
    auto it = idOfQtTimer_.find(event->timerId());
    if (it == idOfQtTimer_.end()) return;
    int id = it->second;
    if (inHandler_) {
        if (std::find(pending_.begin(), pending_.end(), id) == pending_.end())
            pending_.push_back(id);
        return;
    }
    Deliver(id);
    while (!pending_.empty()) {
        int next = pending_.front();
        pending_.erase(pending_.begin());
        Deliver(next);
    }
}

void QtTimers::Deliver(int id) {
    inHandler_ = true;
    onTick_(id);
    inHandler_ = false;
}

}  // namespace platform
