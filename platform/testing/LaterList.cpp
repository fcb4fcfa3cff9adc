#include "platform/testing/LaterList.h"

#include <utility>

namespace platform::testing {

int LaterList::RunAll() {
    int ran = 0;
    while (!waiting_.empty()) {
        const Work work = std::move(waiting_.front());
        waiting_.pop_front();
        work();
        ++ran;
    }
    return ran;
}

}  // namespace platform::testing
