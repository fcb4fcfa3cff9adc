// Posted notices for tests: kept in a queue until the test delivers them to a receiver, the
// way the window's event loop would.
#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <utility>

#include "platform/WindowEvents.h"
#include "platform/WindowPost.h"

namespace platform::testing {

class NoticeQueue : public WindowPoster {
public:
    void Post(int id, std::string payload) override;

    // Delivers the queued notices in order, also those posted while delivering; returns how
    // many were delivered.
    int DeliverAll(WindowEvents& receiver);
    bool Empty() const;

private:
    mutable std::mutex mutex_;
    std::deque<std::pair<int, std::string>> queue_;
};

}  // namespace platform::testing
