#include "platform/testing/VirtualClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "platform/Sleep.h"
#include "platform/Timer.h"
#include "platform/testing/ScopedService.h"

using platform::testing::VirtualClock;

namespace {

// A clock whose ticks are written down as "id@time".
class ClockTest : public ::testing::Test {
protected:
    ClockTest() {
        clock_.SetTickHandler([this](int id) {
            log_.push_back(std::to_string(id) + "@" + std::to_string(clock_.Now()));
            if (onTick_) onTick_(id);
        });
    }
    std::vector<std::string> TakeLog() { return std::exchange(log_, {}); }

    VirtualClock clock_;
    std::vector<std::string> log_;
    std::function<void(int)> onTick_;
};

using Log = std::vector<std::string>;

TEST_F(ClockTest, TimerTicksEveryIntervalUntilKilled) {
    clock_.Set(6, 100);
    clock_.Advance(350);
    EXPECT_EQ(TakeLog(), (Log{"6@100", "6@200", "6@300"}));
    clock_.Kill(6);
    clock_.Advance(1000);
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_FALSE(clock_.IsArmed(6));
    EXPECT_EQ(clock_.Now(), 1350u);
}

TEST_F(ClockTest, RearmingRestartsTheInterval) {
    clock_.Set(3, 100);
    clock_.Advance(80);
    clock_.Set(3, 100);  // re-enabled while running: the 100 ms count starts again
    clock_.Advance(80);
    EXPECT_TRUE(TakeLog().empty());
    clock_.Advance(20);
    EXPECT_EQ(TakeLog(), (Log{"3@180"}));
}

TEST_F(ClockTest, RearmingFromItsOwnTickChangesTheInterval) {
    // A portrait timer: each tick restarts itself with another interval.
    onTick_ = [this](int id) { clock_.Set(id, clock_.Interval(id) == 50 ? 400 : 50); };
    clock_.Set(11, 50);
    clock_.Advance(1000);
    EXPECT_EQ(TakeLog(), (Log{"11@50", "11@450", "11@500", "11@900", "11@950"}));
}

struct IntervalCase {
    unsigned asked;
    unsigned runs;
};
const IntervalCase kIntervalCases[] = {
    {0, 10}, {1, 10}, {9, 10}, {10, 10}, {11, 11}, {100000, 100000}, {0xFFFFFFFFu, 0x7FFFFFFFu},
};

TEST_F(ClockTest, IntervalsBelowTenMillisecondsRunAtTen) {
    for (const auto& c : kIntervalCases) {
        clock_.Set(104, c.asked);
        EXPECT_EQ(clock_.Interval(104), c.runs) << c.asked;
        EXPECT_EQ(platform::EffectiveTimerInterval(c.asked), c.runs) << c.asked;
    }
    clock_.Set(104, 1);
    clock_.Advance(9);
    EXPECT_TRUE(TakeLog().empty());
    clock_.Advance(1);
    EXPECT_EQ(TakeLog(), (Log{"104@" + std::to_string(clock_.Now())}));
}

TEST_F(ClockTest, TicksArriveInTimeOrderAndTiesInArmingOrder) {
    clock_.Set(1, 30);
    clock_.Set(2, 20);
    clock_.Set(3, 30);
    clock_.Advance(60);
    EXPECT_EQ(TakeLog(), (Log{"2@20", "1@30", "3@30", "2@40", "1@60", "2@60", "3@60"}));
}

TEST_F(ClockTest, NoTickWhileAHandlerRunsAndOnePendingTickPerTimer) {
    // Timer 1's first tick blocks for 500 ms (an animation pausing on the clock).  Timer 2
    // (50 ms) falls due ten times meanwhile: it does not tick inside the handler and ticks
    // once when the handler has returned; timer 1 itself also ticks once more.
    int depth = 0;
    int deepest = 0;
    bool paused = false;
    onTick_ = [&](int id) {
        ++depth;
        deepest = std::max(deepest, depth);
        if (id == 1 && !paused) {
            paused = true;
            clock_.Advance(500);
        }
        --depth;
    };
    clock_.Set(1, 100);
    clock_.Set(2, 50);
    clock_.Advance(100);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(TakeLog(), (Log{"2@50", "1@100", "2@600", "1@600"}));
    EXPECT_EQ(clock_.Now(), 600u);
    clock_.Advance(50);
    EXPECT_EQ(TakeLog(), (Log{"2@650"}));
}

TEST_F(ClockTest, KillingInsideAHandlerDropsThePendingTick) {
    bool paused = false;
    onTick_ = [&](int id) {
        if (id != 1 || paused) return;
        paused = true;
        clock_.Advance(200);
        clock_.Kill(2);
    };
    clock_.Set(1, 100);
    clock_.Set(2, 50);
    clock_.Advance(100);
    EXPECT_EQ(TakeLog(), (Log{"2@50", "1@100", "1@300"}));
}

TEST_F(ClockTest, AdvanceToNextTickJumpsToTheNextDueTimer) {
    EXPECT_FALSE(clock_.AdvanceToNextTick());
    clock_.Set(103, 1000);
    clock_.Set(8, 250);
    EXPECT_TRUE(clock_.AdvanceToNextTick());
    EXPECT_EQ(TakeLog(), (Log{"8@250"}));
    clock_.Kill(8);
    clock_.Kill(8);  // killing a stopped timer does nothing
    EXPECT_TRUE(clock_.AdvanceToNextTick());
    EXPECT_EQ(TakeLog(), (Log{"103@1000"}));
}

TEST_F(ClockTest, ShorthandsGoThroughTheInstalledService) {
    platform::SetTimer(7, 100);  // none installed: nothing happens
    EXPECT_FALSE(clock_.IsArmed(7));
    platform::InstallTimerService(&clock_);
    platform::SetTimer(7, 100);
    clock_.Advance(100);
    platform::KillTimer(7);
    clock_.Advance(500);
    platform::InstallTimerService(nullptr);
    EXPECT_EQ(TakeLog(), (Log{"7@100"}));
}

TEST_F(ClockTest, APauseDeliversNoTickAndTheTicksItMissedComeOnceAfterIt) {
    platform::testing::ScopedSleepService pauses(&clock_);
    clock_.Set(4, 50);
    clock_.Set(9, 400);
    platform::Sleep(500);  // the tile exchange's pause, outside any tick
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_EQ(clock_.Now(), 500u);
    clock_.Advance(0);  // back in the loop: each timer that fell due ticks once
    EXPECT_EQ(TakeLog(), (Log{"4@500", "9@500"}));
    clock_.Advance(50);
    EXPECT_EQ(TakeLog(), (Log{"4@550"}));
}

TEST_F(ClockTest, APauseInsideATickHoldsTheOtherTimersUntilTheTickReturns) {
    platform::testing::ScopedSleepService pauses(&clock_);
    onTick_ = [](int id) {
        if (id == 1) platform::Sleep(300);  // a blocking animation inside the tick
    };
    clock_.Set(1, 1000);
    clock_.Set(2, 100);
    clock_.Advance(1000);
    // At 1000 both fall due; timer 1, armed first, ticks first and pauses, so timer 2's tick
    // of 1000 comes when the handler has returned.
    EXPECT_EQ(TakeLog(), (Log{"2@100", "2@200", "2@300", "2@400", "2@500", "2@600", "2@700",
                              "2@800", "2@900", "1@1000", "2@1300"}));
    EXPECT_EQ(clock_.Pauses(), (std::vector<unsigned>{300}));
}

TEST(Sleep, WithoutAServiceTheThreadReallySleeps) {
    ASSERT_EQ(platform::CurrentSleepService(), nullptr);
    const auto start = std::chrono::steady_clock::now();
    platform::Sleep(20);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

}  // namespace
