// The modal windows up: message boxes and the program's modal dialogs, each counted while its
// modal loop runs (one opened from inside another's loop counts as well).  Work that must not
// open a window over another one (the main window's queued boxes) waits for the count to fall
// to zero.
#pragma once

#include <functional>

namespace platform {

// Counts one modal window for as long as it lives: the window's modal loop runs inside it.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

// The modal windows up now.
int ModalsShowing();

// Calls `then` once no modal window is up: at once when none is, else from inside the call
// that closes the last one, before its caller has read the answer; so `then` only schedules
// its work for later.
void WhenNoModalShows(std::function<void()> then);

}  // namespace platform
