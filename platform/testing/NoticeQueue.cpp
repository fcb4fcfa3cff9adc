#include "platform/testing/NoticeQueue.h"

namespace platform::testing {

void NoticeQueue::Post(int id, std::string payload) {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.emplace_back(id, std::move(payload));
}

int NoticeQueue::DeliverAll(WindowEvents& receiver) {
    int delivered = 0;
    for (;;) {
        std::pair<int, std::string> notice;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (queue_.empty()) return delivered;
            notice = std::move(queue_.front());
            queue_.pop_front();
        }
        receiver.OnPosted(notice.first, notice.second);
        ++delivered;
    }
}

bool NoticeQueue::Empty() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return queue_.empty();
}

}  // namespace platform::testing
