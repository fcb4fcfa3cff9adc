// The real timers on Qt's event loop.  No timing is asserted: only that ticks arrive, stop
// when killed and never arrive inside a running tick handler.
#include "platform/qt/QtTimers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "EventLog.h"
#include "platform/qt/QtGameWindow.h"

using platform::QtTimers;

namespace {

// Runs the event loop until `done` holds or a generous guard runs out.
bool SpinUntil(const std::function<bool()>& done) {
    QDeadlineTimer guard(10000);
    while (!done() && !guard.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

TEST(QtTimers, TicksArriveUntilKilled) {
    std::map<int, int> ticks;
    QtTimers timers([&](int id) { ++ticks[id]; });
    timers.Set(6, 10);
    timers.Set(100, 1);  // runs at the shortest interval
    ASSERT_TRUE(SpinUntil([&] { return ticks[6] >= 3 && ticks[100] >= 3; }));
    timers.Kill(6);
    EXPECT_FALSE(timers.IsArmed(6));
    int stopped = ticks[6];
    QTest::qWait(60);
    EXPECT_EQ(ticks[6], stopped);
    EXPECT_TRUE(timers.IsArmed(100));
}

TEST(QtTimers, NoTickArrivesWhileATickHandlerRuns) {
    // Timer 1's first tick pumps the event loop for a while (as a modal box would); timer 2
    // falls due many times meanwhile but only ticks after the handler has returned.
    int depth = 0, deepest = 0, insidePause = 0, afterPause = 0;
    bool pausing = false, paused = false;
    QtTimers* self = nullptr;
    QtTimers timers([&](int id) {
        ++depth;
        deepest = std::max(deepest, depth);
        if (id == 2 && pausing) ++insidePause;
        if (id == 2 && paused) ++afterPause;
        if (id == 1 && !paused) {
            pausing = true;
            QTest::qWait(80);
            pausing = false;
            paused = true;
            self->Kill(1);
        }
        --depth;
    });
    self = &timers;
    timers.Set(1, 10);
    timers.Set(2, 10);
    ASSERT_TRUE(SpinUntil([&] { return paused && afterPause >= 2; }));
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(insidePause, 0);
}

TEST(QtTimers, WindowTimersReachTheReceiver) {
    EventLog log;
    platform::QtGameWindow window(&log);
    int ticks = 0;
    log.onTimer = [&](int id) { ticks += id == 104; };
    window.Timers().Set(104, 1);
    ASSERT_TRUE(SpinUntil([&] { return ticks >= 2; }));
    window.Timers().Kill(104);
    int stopped = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
}

}  // namespace
