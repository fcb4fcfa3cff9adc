// The boxes and dialogs that posted notices raise (the server's boxes, its link dialog and room
// refusal, the link's lost-connection box, the last box of a command-line start), one at a
// time.  Each is modal: while one shows, the main window goes on taking posted notices, and
// each would open a window of its own over it.  Instead they wait, and the next is offered from
// the event loop once no modal window of any kind is up (a box or dialog of the program's own
// too), never from inside the call that closed the last one, whose caller has yet to read its
// answer.
//
// A few notices wait; beyond them a notice is dropped, so a server that sends a flood of boxes
// leaves the user a handful to close, not hundreds.  A closing box (a lost connection, the end
// of a command-line start) is never dropped: it takes the place of the last waiting notice when
// the queue is full, and it shows after every notice, since what follows it (the login dialog,
// the program's end) is the last word.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "platform/MessageBox.h"

class NoticeBoxQueue {
public:
    static constexpr std::size_t kMaxWaiting = 4;
    // Shows one box or dialog modally, then does what follows its close.
    using Show = std::function<void()>;
    // Runs a function later from the event loop.
    using RunLater = std::function<void(std::function<void()>)>;
    enum class Kind { Notice, Closing };

    explicit NoticeBoxQueue(RunLater later) : later_(std::move(later)) {}
    // Waiting work holds the queue's address: it stays where it was made.
    NoticeBoxQueue(const NoticeBoxQueue&) = delete;
    NoticeBoxQueue& operator=(const NoticeBoxQueue&) = delete;
    NoticeBoxQueue(NoticeBoxQueue&&) = delete;
    NoticeBoxQueue& operator=(NoticeBoxQueue&&) = delete;

    // Queues `show`, to be run from the event loop in its turn; a notice is dropped when
    // kMaxWaiting already wait.
    void Offer(Show show, Kind kind = Kind::Notice);
    // Queues a message box.
    void OfferBox(const platform::MessageBoxRequest& box, Kind kind = Kind::Notice);

    std::size_t Waiting() const { return waiting_.size(); }

private:
    struct Entry {
        Show show;
        Kind kind;
    };
    // Makes room for a closing box in a full queue: the last waiting notice goes.
    void DropLastNotice();
    // Asks the event loop to offer the next box, unless that is asked already.
    void OfferLater();
    // From the event loop: shows the first waiting box, or waits while a modal window is up.
    void ShowNext();
    void WaitForModals();

    RunLater later_;
    std::deque<Entry> waiting_;
    // A later call or a wait for the modal windows is pending.
    bool pending_ = false;
    // Lets pending work outlive the queue harmlessly.
    std::shared_ptr<NoticeBoxQueue*> self_ = std::make_shared<NoticeBoxQueue*>(this);
};
