// The show item's jolt: the frame slides 20 rows down, is shown, and the program pauses.
#include <gtest/gtest.h>

#include "RendererTestSupport.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/testing/FramePresenter.h"
#include "platform/testing/ScopedService.h"
#include "platform/testing/VirtualClock.h"

namespace {

std::uint16_t RowMark(int y) { return static_cast<std::uint16_t>(y * 3 + 1); }

TEST(ScreenJolt, MovesTheFrameTwentyRowsDownShowsItAndPauses) {
    rendertest::UseProgramFolder("screen_jolt", rendertest::Pictures::None);
    platform::Surface frame(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) frame.Row(y)[x] = static_cast<std::uint16_t>(RowMark(y) + x);
    lpDDSPla = &frame;
    platform::testing::FramePresenter presenter;
    platform::testing::ScopedPresenter presented(&presenter);
    platform::testing::VirtualClock clock;
    platform::testing::ScopedSleepService sleeps(&clock);
    {
        CMjDraw draw;
        draw.ScrollDown();
    }
    lpDDSPla = nullptr;

    for (int y = 0; y < 600; ++y) {
        const int from = y < 20 ? y : y - 20;  // the top 20 rows stay as they were
        ASSERT_EQ(frame.Row(y)[0], RowMark(from)) << y;
        ASSERT_EQ(frame.Row(y)[799], static_cast<std::uint16_t>(RowMark(from) + 799)) << y;
    }
    ASSERT_EQ(presenter.Count(), 1);
    EXPECT_EQ(presenter.Last().Pixel(5, 300), static_cast<std::uint16_t>(RowMark(280) + 5));
    EXPECT_EQ(clock.Pauses(), std::vector<unsigned>{100});
}

TEST(ScreenJolt, WithoutACompositionSurfaceOnlyPauses) {
    rendertest::UseProgramFolder("screen_jolt_none", rendertest::Pictures::None);
    platform::testing::FramePresenter presenter;
    platform::testing::ScopedPresenter presented(&presenter);
    platform::testing::VirtualClock clock;
    platform::testing::ScopedSleepService sleeps(&clock);
    CMjDraw draw;
    draw.ScrollDown();
    EXPECT_EQ(presenter.Count(), 0);
    EXPECT_EQ(clock.Pauses().size(), 1u);
}

}  // namespace
