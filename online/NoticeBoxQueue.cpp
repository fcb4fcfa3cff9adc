#include "online/NoticeBoxQueue.h"

#include <utility>

void NoticeBoxQueue::Offer(const platform::MessageBoxRequest& box) {
    const bool queued = showing_ || waitingForOther_;
    const bool otherBoxUp = platform::BoxesShowing() > 0;
    if ((queued || otherBoxUp) && waiting_.size() >= kMaxWaiting) return;
    waiting_.push_back(box);
    if (queued) return;
    if (otherBoxUp)
        ShowWhenNoBoxShows();
    else
        ShowWaiting();
}

void NoticeBoxQueue::ShowWaiting() {
    showing_ = true;
    while (!waiting_.empty()) {
        const platform::MessageBoxRequest next = std::move(waiting_.front());
        waiting_.pop_front();
        show_(next);
    }
    showing_ = false;
}

void NoticeBoxQueue::ShowWhenNoBoxShows() {
    waitingForOther_ = true;
    platform::WhenNoBoxShows([alive = std::weak_ptr<NoticeBoxQueue*>(self_)] {
        const auto self = alive.lock();
        if (!self) return;
        NoticeBoxQueue& queue = **self;
        queue.waitingForOther_ = false;
        queue.ShowWaiting();
    });
}
