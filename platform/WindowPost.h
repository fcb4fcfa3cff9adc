// Notices handed to the main window to be handled later on the main thread, each with its
// own copy of the text it carries (so the poster may change its buffer right after posting).
// They reach the receiver as WindowEvents::OnPosted(id, payload), in posting order.
#pragma once

#include <string>

namespace platform {

// The first id of the game's own notices; the game posts kUserMessage + n.
constexpr int kUserMessage = 1024;
// Asks the main window to close exactly as its close box does (the start screen's exit button
// posts it).
constexpr int kCloseRequest = 0x0010;

class WindowPoster {
public:
    virtual ~WindowPoster() = default;
    // Queues notice `id` with a copy of `payload`; safe to call from any thread.
    virtual void Post(int id, std::string payload) = 0;
};

// The poster of the main window; none installed: notices are dropped.  Installing waits for a
// PostNotice in progress on another thread, so once the poster is replaced it receives nothing.
void InstallWindowPoster(WindowPoster* poster);
WindowPoster* CurrentWindowPoster();
// Shorthand through the installed poster; safe to call from any thread.
void PostNotice(int id, std::string payload);

}  // namespace platform
