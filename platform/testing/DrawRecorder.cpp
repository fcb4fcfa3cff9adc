#include "platform/testing/DrawRecorder.h"

namespace platform::testing {

DrawRecorder::~DrawRecorder() {
    for (Surface* surface : watched_)
        if (surface->Observer() == this) surface->SetObserver(nullptr);
}

void DrawRecorder::Watch(Surface& surface) {
    surface.SetObserver(this);
    watched_.push_back(&surface);
}

std::vector<DrawCall> DrawRecorder::Of(DrawKind kind) const {
    return Select([kind](const DrawCall& call) { return call.kind == kind; });
}

std::vector<DrawCall> DrawRecorder::From(std::string_view sourceName) const {
    return Select([sourceName](const DrawCall& call) {
        return call.source && call.sourceName == sourceName;
    });
}

std::vector<DrawCall> DrawRecorder::From(const Surface* source) const {
    return Select([source](const DrawCall& call) { return call.source == source; });
}

}  // namespace platform::testing
