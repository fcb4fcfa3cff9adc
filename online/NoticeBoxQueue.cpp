#include "online/NoticeBoxQueue.h"

#include <utility>

void NoticeBoxQueue::Offer(const std::string& gbkText) {
    if (showing_) {
        if (waiting_.size() < kMaxWaiting) waiting_.push_back(gbkText);
        return;
    }
    showing_ = true;
    show_(gbkText);
    while (!waiting_.empty()) {
        const std::string next = std::move(waiting_.front());
        waiting_.pop_front();
        show_(next);
    }
    showing_ = false;
}
