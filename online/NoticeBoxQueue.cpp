#include "online/NoticeBoxQueue.h"

#include <algorithm>
#include <utility>

#include "platform/ModalCount.h"

namespace {

bool IsNotice(const NoticeBoxQueue::Kind kind) { return kind == NoticeBoxQueue::Kind::Notice; }

}  // namespace

void NoticeBoxQueue::Offer(Show show, Kind kind) {
    if (waiting_.size() >= kMaxWaiting) {
        if (IsNotice(kind)) return;
        DropLastNotice();
    }
    // A notice goes before the closing boxes, which stay last.
    const auto firstClosing = std::find_if(waiting_.begin(), waiting_.end(),
                                           [](const Entry& e) { return !IsNotice(e.kind); });
    waiting_.insert(IsNotice(kind) ? firstClosing : waiting_.end(), Entry{std::move(show), kind});
    OfferLater();
}

void NoticeBoxQueue::OfferBox(const platform::MessageBoxRequest& box, Kind kind) {
    Offer([box] { platform::ShowBox(box); }, kind);
}

void NoticeBoxQueue::DropLastNotice() {
    const auto last = std::find_if(waiting_.rbegin(), waiting_.rend(),
                                   [](const Entry& e) { return IsNotice(e.kind); });
    if (last != waiting_.rend()) waiting_.erase(std::next(last).base());
}

void NoticeBoxQueue::OfferLater() {
    if (pending_ || waiting_.empty()) return;
    pending_ = true;
    later_([alive = std::weak_ptr<NoticeBoxQueue*>(self_)] {
        if (const auto self = alive.lock()) (*self)->ShowNext();
    });
}

void NoticeBoxQueue::ShowNext() {
    pending_ = false;
    if (waiting_.empty()) return;
    if (platform::ModalsShowing() > 0) {
        WaitForModals();
        return;
    }
    const Show show = std::move(waiting_.front().show);
    waiting_.pop_front();
    const std::weak_ptr<NoticeBoxQueue*> alive = self_;
    {
        // One modal step from its first window to its last: nothing queued opens in between.
        platform::ModalScope modal;
        show();
    }
    if (const auto self = alive.lock()) (*self)->OfferLater();
}

void NoticeBoxQueue::WaitForModals() {
    pending_ = true;
    platform::WhenNoModalShows([alive = std::weak_ptr<NoticeBoxQueue*>(self_)] {
        const auto self = alive.lock();
        if (!self) return;
        (*self)->pending_ = false;
        (*self)->OfferLater();
    });
}
