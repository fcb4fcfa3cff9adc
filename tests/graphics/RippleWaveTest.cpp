// The ripple's waves: how a disturbance spreads and dies away, how the displaced picture is
// taken from the calm one, and how long the effect runs on the game's seconds clock.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "RendererTestSupport.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/Blit.h"
#include "platform/testing/FramePresenter.h"
#include "platform/testing/ScopedService.h"
#include "rules/Random.h"

namespace {

constexpr int kW = 800;
constexpr int kH = 600;

// A renderer with its two maps and no picture: the waves and the refraction need nothing else.
class RippleWave : public ::testing::Test {
protected:
    void SetUp() override {
        rendertest::UseProgramFolder("ripple_wave", rendertest::Pictures::None);
        draw = std::make_unique<CMjDraw>();
        draw->InitRipple();
        Flatten();
    }

    std::int16_t* Cur() { return draw->pRippleMap[draw->nRippleCurrent].get(); }
    std::int16_t* Prev() { return draw->pRippleMap[1 - draw->nRippleCurrent].get(); }
    std::int16_t& At(int x, int y) { return Cur()[y * kW + x]; }
    void Flatten() {
        std::fill(Cur(), Cur() + kW * kH, 0);
        std::fill(Prev(), Prev() + kW * kH, 0);
    }
    // The largest |height| of the current map and the farthest (Manhattan) distance from (cx,
    // cy) of a cell that is not flat.
    int Peak() {
        int peak = 0;
        for (int k = 0; k < kW * kH; ++k) peak = std::max(peak, std::abs(int(Cur()[k])));
        return peak;
    }
    int Reach(int cx, int cy) {
        int reach = -1;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if (At(x, y) != 0) reach = std::max(reach, std::abs(x - cx) + std::abs(y - cy));
        return reach;
    }

    std::unique_ptr<CMjDraw> draw;
};

// A pattern every pixel of which differs from its neighbours, so a copy from the wrong place
// shows.
std::uint16_t Pattern(int x, int y) { return static_cast<std::uint16_t>(x * 7 + y * 1031 + 1); }

void FillPattern(platform::Surface& s) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) s.Row(y)[x] = Pattern(x, y);
}

constexpr std::uint16_t kUntouched = 0xBEEF;

TEST_F(RippleWave, ASingleDropSpreadsAsARingLosingOneThirtySecondEachStep) {
    // A drop of radius 1 dents one pixel only.
    draw->DropRipple(400, 300, 1, 16384);
    ASSERT_EQ(At(400, 300), -16384);
    draw->StepRipple();
    // Half the neighbours' sum, less 1/32: -8192 + 256 on the four sides, nothing inside.
    for (auto [x, y] : {std::pair{399, 300}, {401, 300}, {400, 299}, {400, 301}})
        EXPECT_EQ(At(x, y), -7936) << x << "," << y;
    EXPECT_EQ(At(400, 300), 0);
    EXPECT_EQ(At(399, 299), 0);
    EXPECT_EQ(Reach(400, 300), 1);
    // The front moves one cell a step.
    for (int step = 2; step <= 10; ++step) {
        draw->StepRipple();
        EXPECT_EQ(Reach(400, 300), step) << step;
    }
    // And the waves die away.
    const int early = Peak();
    for (int step = 0; step < 300; ++step) draw->StepRipple();
    EXPECT_LT(Peak(), early / 4);
}

TEST_F(RippleWave, TheMapsSwapRolesEachStep) {
    const std::int16_t* first = Cur();
    draw->StepRipple();
    EXPECT_NE(Cur(), first);
    draw->StepRipple();
    EXPECT_EQ(Cur(), first);
}

TEST_F(RippleWave, ExtremeHeightsWrapToSixteenBitsWithoutFault) {
    std::fill(Cur(), Cur() + kW * kH, std::int16_t{32767});
    std::fill(Prev(), Prev() + kW * kH, std::int16_t{-32768});
    draw->StepRipple();  // (4 × 32767 >> 1) + 32768 wraps; nothing reads or writes outside
    EXPECT_EQ(Cur()[0], -32768);            // row 0 is never written
    EXPECT_EQ(Cur()[kW * kH - 1], -32768);  // nor the last row
    // 65534 + 32768 wraps to 32766, which the damping takes down by 1023.
    EXPECT_EQ(Cur()[kW * 300], 31743);
}

TEST_F(RippleWave, AFlatMapCopiesRowsOneTo598AndNeverWritesTheEdgeRows) {
    platform::Surface source(kW, kH), target(kW, kH);
    FillPattern(source);
    platform::ColorFill(&target, nullptr, kUntouched);
    draw->RefractRipple(&source, &target);
    for (int y = 0; y < kH; ++y) {
        const bool edge = y == 0 || y == kH - 1;
        for (int x = 0; x < kW; ++x)
            ASSERT_EQ(target.Row(y)[x], edge ? kUntouched : Pattern(x, y)) << x << "," << y;
    }
}

TEST_F(RippleWave, ASlopeTakesThePixelItPointsAtAndOneOffTheScreenLeavesThePixel) {
    platform::Surface source(kW, kH), target(kW, kH);
    FillPattern(source);
    platform::ColorFill(&target, nullptr, kUntouched);
    At(1, 300) = 100;   // seen from (0, 300): dx = 0 - 100 points off the left edge
    At(400, 2) = -50;   // seen from (400, 1): dy = 0 - (-50) points 50 rows down
    At(600, 597) = 5;   // seen from (600, 598): dy = 5 - 0 points 5 rows down, past row 599
    draw->RefractRipple(&source, &target);
    EXPECT_EQ(target.Row(300)[0], kUntouched);
    EXPECT_EQ(target.Row(300)[2], Pattern(102, 300));  // dx = 100 - 0
    EXPECT_EQ(target.Row(1)[400], Pattern(400, 51));
    EXPECT_EQ(target.Row(3)[400], kUntouched);  // dy = -50 - 0 points above row 0
    EXPECT_EQ(target.Row(598)[600], kUntouched);
    EXPECT_EQ(target.Row(597)[601], Pattern(606, 597));  // dx = 5 - 0 from its right side
    EXPECT_EQ(target.Row(597)[599], Pattern(594, 597));  // dx = 0 - 5 from its left side
}

TEST_F(RippleWave, SurfacesSmallerThanTheScreenAreLeftAlone) {
    platform::Surface source(kW, kH), small(10, 10);
    platform::ColorFill(&small, nullptr, kUntouched);
    draw->RefractRipple(&source, &small);
    draw->RefractRipple(&small, &source);
    draw->RefractRipple(nullptr, &source);
    EXPECT_EQ(small.Row(5)[5], kUntouched);
}

// The game's seconds clock on milliseconds that each shown frame moves on by `frameMs`.
struct FrameClock : platform::Presenter {
    long long nowMs = 0;
    int frameMs = 0;
    int frames = 0;
    void Present(const std::uint16_t*, int, int, int) override {
        ++frames;
        nowMs += frameMs;
    }
    static long long Seconds(void* self) { return static_cast<FrameClock*>(self)->nowMs / 1000; }
};

struct RunCase {
    const char* name;
    long long startMs;
    int frameMs;
    int frames;  // frames the effect shows
};

// The effect stops after 100 frames on a fast machine, and once the whole seconds have moved
// on by more than 2 on a slow one: 2 to 3 seconds, by where in its second the run began.
const RunCase kRunCases[] = {
    {"instant frames", 0, 0, 100},
    {"fast machine", 0, 10, 100},
    {"100 ms a frame from a whole second", 0, 100, 30},
    {"100 ms a frame from late in a second", 999, 100, 21},
    {"slower than a second a frame", 500, 1500, 2},
};

TEST_F(RippleWave, RunsUntilItsFrameOrTimeBound) {
    platform::Surface table(kW, kH), ripple(kW, kH);
    lpDDSPla = &table;
    draw->lpDDSRipple = &ripple;
    for (const RunCase& c : kRunCases) {
        FrameClock clock;
        clock.nowMs = c.startMs;
        clock.frameMs = c.frameMs;
        platform::testing::ScopedPresenter presented(&clock);
        MjSetClock(&FrameClock::Seconds, &clock);
        EXPECT_EQ(draw->RunRipple(), c.frames) << c.name;
        EXPECT_EQ(clock.frames, c.frames) << c.name;  // no owner: no calm frame after it
        MjSetClock(nullptr, nullptr);
    }
    draw->lpDDSRipple = nullptr;
    lpDDSPla = nullptr;
}

TEST_F(RippleWave, AFrameShowsTheDisturbedTableAndLeavesTheCompositionSurfaceCalm) {
    platform::Surface table(kW, kH), ripple(kW, kH);
    FillPattern(table);
    lpDDSPla = &table;
    draw->lpDDSRipple = &ripple;
    draw->nRippleRandom = 0;
    draw->DropRipple(400, 300, 3, 128);
    platform::testing::FramePresenter presenter;
    platform::testing::ScopedPresenter presented(&presenter);
    draw->RippleFrame();
    ASSERT_TRUE(presenter.HasFrame());
    const auto& frame = presenter.Last();
    int moved = 0;
    for (int y = 1; y < kH - 1; ++y)
        for (int x = 0; x < kW; ++x) moved += frame.Pixel(x, y) != Pattern(x, y);
    EXPECT_GT(moved, 0);
    EXPECT_LT(moved, 200);  // only around the drop
    EXPECT_EQ(frame.Pixel(10, 0), 0);  // the ripple surface starts black; row 0 stays so
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) ASSERT_EQ(table.Row(y)[x], Pattern(x, y));
    draw->lpDDSRipple = nullptr;
    lpDDSPla = nullptr;
}

TEST_F(RippleWave, RandomDropsFallInsideTheScreenOnly) {
    platform::Surface table(kW, kH), ripple(kW, kH);
    lpDDSPla = &table;
    draw->lpDDSRipple = &ripple;
    MjSrand(7);
    for (int i = 0; i < 200; ++i) draw->RippleFrame();  // a drop each frame, never outside
    EXPECT_GT(Peak(), 0);
    draw->lpDDSRipple = nullptr;
    lpDDSPla = nullptr;
}

}  // namespace
