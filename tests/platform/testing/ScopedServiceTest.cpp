// A scoped installer puts back the service it replaced: at the end of its scope, in nested
// scopes, and when the test fails midway.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/testing/MessageBoxRecorder.h"
#include "platform/testing/ScopedService.h"
#include "platform/testing/VirtualClock.h"

using namespace platform;
using namespace platform::testing;

namespace {

// Outside any test function: EXPECT_FATAL_FAILURE's statement may use no local variable.
MessageBoxRecorder gOuterBoxes;
MessageBoxRecorder gInnerBoxes;

void FailWithInnerBoxesInstalled() {
    ScopedMessageBoxes scoped(&gInnerBoxes);
    ASSERT_EQ(CurrentMessageBoxes(), nullptr) << "fails on purpose";
    ADD_FAILURE() << "not reached";
}

TEST(ScopedService, PutsBackWhatWasInstalledInNestedScopes) {
    ASSERT_EQ(CurrentTimerService(), nullptr);
    VirtualClock outer, inner;
    {
        ScopedTimerService first(&outer);
        EXPECT_EQ(CurrentTimerService(), &outer);
        {
            ScopedTimerService second(&inner);
            EXPECT_EQ(second.Previous(), &outer);
            EXPECT_EQ(CurrentTimerService(), &inner);
            ScopedTimerService none(nullptr);
            EXPECT_EQ(CurrentTimerService(), nullptr);
        }
        EXPECT_EQ(CurrentTimerService(), &outer);
    }
    EXPECT_EQ(CurrentTimerService(), nullptr);
}

TEST(ScopedService, PutsBackWhatWasInstalledWhenATestFailsMidway) {
    ScopedMessageBoxes outer(&gOuterBoxes);
    EXPECT_FATAL_FAILURE(FailWithInnerBoxesInstalled(), "fails on purpose");
    EXPECT_EQ(CurrentMessageBoxes(), &gOuterBoxes);
}

TEST(ScopedService, PutsBackWhatWasInstalledWhenAnExceptionLeavesTheScope) {
    MessageBoxRecorder outerBoxes, innerBoxes;
    ScopedMessageBoxes outer(&outerBoxes);
    EXPECT_THROW(
        {
            ScopedMessageBoxes inner(&innerBoxes);
            throw std::runtime_error("leaves the scope");
        },
        std::runtime_error);
    EXPECT_EQ(CurrentMessageBoxes(), &outerBoxes);
}

}  // namespace
