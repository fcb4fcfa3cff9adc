#include "online/NoticeBoxQueue.h"

#include <utility>

void NoticeBoxQueue::Offer(const platform::MessageBoxRequest& box) {
    if (waiting_.size() >= kMaxWaiting && (showing_ || waitingForOther_ || platform::BoxesShowing() > 0))
        return;
    waiting_.push_back(box);
    if (showing_ || waitingForOther_) return;
    if (platform::BoxesShowing() > 0)
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
