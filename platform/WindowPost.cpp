#include "platform/WindowPost.h"

#include <utility>

namespace platform {

namespace {
WindowPoster* gPoster = nullptr;
}

void InstallWindowPoster(WindowPoster* poster) { gPoster = poster; }
WindowPoster* CurrentWindowPoster() { return gPoster; }

void PostNotice(int id, std::string payload) {
    if (gPoster) gPoster->Post(id, std::move(payload));
}

}  // namespace platform
