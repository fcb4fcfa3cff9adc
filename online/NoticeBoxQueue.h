// The message boxes of posted notices (the server's, the link's), one at a time.  A box is
// modal: while it shows, the main window goes on taking posted notices, and each would open a
// box of its own over it.  Instead a few wait behind the shown one and follow it in order;
// beyond them a notice is dropped, so a server that sends a flood of boxes leaves the user a
// handful to close, not hundreds.  A box of the program's own that is up (a question the user
// has not answered yet) is waited for in the same way.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "platform/MessageBox.h"

class NoticeBoxQueue {
public:
    static constexpr std::size_t kMaxWaiting = 4;
    using ShowBox = std::function<void(const platform::MessageBoxRequest& box)>;

    explicit NoticeBoxQueue(ShowBox show) : show_(std::move(show)) {}

    // Shows the box now when none is up (then those that came meanwhile, in order); while a
    // box is up it waits, or is dropped when kMaxWaiting already wait.
    void Offer(const platform::MessageBoxRequest& box);

    std::size_t Waiting() const { return waiting_.size(); }

private:
    // Shows the waiting boxes in order, those that come meanwhile too.
    void ShowWaiting();
    // Shows the waiting boxes once the other box that is up has closed.
    void ShowWhenNoBoxShows();

    ShowBox show_;
    bool showing_ = false;
    bool waitingForOther_ = false;
    std::deque<platform::MessageBoxRequest> waiting_;
    // Lets a wait for another box outlive the queue harmlessly.
    std::shared_ptr<NoticeBoxQueue*> self_ = std::make_shared<NoticeBoxQueue*>(this);
};
