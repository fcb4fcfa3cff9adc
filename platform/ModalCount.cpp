#include "platform/ModalCount.h"

#include <utility>
#include <vector>

namespace platform {

namespace {
int gShowing = 0;
std::vector<std::function<void()>> gWhenNone;

void RunWhenNone() {
    std::vector<std::function<void()>> due;
    due.swap(gWhenNone);
    for (auto& then : due) then();
}
}  // namespace

ModalScope::ModalScope() { ++gShowing; }

ModalScope::~ModalScope() {
    if (--gShowing == 0) RunWhenNone();
}

int ModalsShowing() { return gShowing; }

void WhenNoModalShows(std::function<void()> then) {
    if (gShowing == 0) {
        then();
        return;
    }
    gWhenNone.push_back(std::move(then));
}

}  // namespace platform
