#include "platform/WindowPost.h"

#include <mutex>
#include <utility>

namespace platform {

namespace {
// Notices come from worker threads while the main thread installs and removes the poster: the
// lock makes removal wait for a post in progress, so no post reaches a poster that is gone.
std::mutex gMutex;
WindowPoster* gPoster = nullptr;
}  // namespace

void InstallWindowPoster(WindowPoster* poster) {
    std::lock_guard<std::mutex> lock(gMutex);
    gPoster = poster;
}

WindowPoster* CurrentWindowPoster() {
    std::lock_guard<std::mutex> lock(gMutex);
    return gPoster;
}

void PostNotice(int id, std::string payload) {
    std::lock_guard<std::mutex> lock(gMutex);
    if (gPoster) gPoster->Post(id, std::move(payload));
}

}  // namespace platform
