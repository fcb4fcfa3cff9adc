#include "online/NoticeBoxQueue.h"

#include <utility>

void NoticeBoxQueue::Offer(const platform::MessageBoxRequest& box) {
    if (showing_) {
        if (waiting_.size() < kMaxWaiting) waiting_.push_back(box);
        return;
    }
    showing_ = true;
    show_(box);
    while (!waiting_.empty()) {
        const platform::MessageBoxRequest next = std::move(waiting_.front());
        waiting_.pop_front();
        show_(next);
    }
    showing_ = false;
}
