// "Run later from the event loop" for tests: the work is kept in a list, and the test runs it
// when it says, the way the event loop would once the current call has returned.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>

namespace platform::testing {

class LaterList {
public:
    using Work = std::function<void()>;

    // The function to hand to the code under test: it keeps `work` for later.
    std::function<void(Work)> Later() {
        return [this](Work work) { waiting_.push_back(std::move(work)); };
    }
    // Runs the waiting work in order, also work added meanwhile; returns how much ran.
    int RunAll();
    std::size_t Waiting() const { return waiting_.size(); }

private:
    std::deque<Work> waiting_;
};

}  // namespace platform::testing
