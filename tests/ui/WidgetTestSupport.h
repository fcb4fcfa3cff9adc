// The widgets' test bench: an 800 × 600 composition surface, the built program folder (its real
// pictures and sounds), and recording stand-ins for the sound system, the desktop and the
// presenter, all put back when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "graphics/GraphicsGlobals.h"
#include "platform/Blit.h"
#include "platform/Path.h"
#include "platform/Surface.h"
#include "platform/testing/DesktopRecorder.h"
#include "platform/testing/FramePresenter.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"

namespace ui_test {

// The sources are compiled to GBK: a Chinese character is two bytes.
static_assert(sizeof("中") == 3, "tests expect GBK string literals");

constexpr std::uint16_t kFelt = platform::Rgb565(24, 96, 48);

class WidgetTest : public ::testing::Test {
protected:
    WidgetTest()
        : soundInstalled_(&sound), desktopInstalled_(&desktop), presenterInstalled_(&presenter) {
        platform::SetProgramFolder(MJ_GAME_DIR);
        previousFrame_ = lpDDSPla;
        lpDDSPla = &frame;
        Fill(kFelt);
    }
    ~WidgetTest() override { lpDDSPla = previousFrame_; }

    void Fill(std::uint16_t pixel) { platform::ColorFill(&frame, nullptr, pixel); }
    std::uint16_t Pixel(int x, int y) const { return frame.Row(y)[x]; }

    platform::Surface frame{800, 600};
    platform::testing::RecordingSoundSystem sound;
    platform::testing::DesktopRecorder desktop;
    platform::testing::FramePresenter presenter;

private:
    platform::testing::ScopedSoundSystem soundInstalled_;
    platform::testing::ScopedDesktop desktopInstalled_;
    platform::testing::ScopedPresenter presenterInstalled_;
    platform::Surface* previousFrame_ = nullptr;
};

// One blended RGB565 pixel: each channel d + floor((s - d) × alpha / 256).
inline std::uint16_t Blend(std::uint16_t d, std::uint16_t s, int alpha) {
    auto channel = [&](int shift, int mask) {
        const int dv = (d >> shift) & mask;
        const int sv = (s >> shift) & mask;
        return (dv + (((sv - dv) * alpha) >> 8)) & mask;
    };
    return static_cast<std::uint16_t>(channel(11, 31) << 11 | channel(5, 63) << 5 |
                                      channel(0, 31));
}

// Counts the pixels of `area` on `a` that differ from `b`.
inline int CountDifferences(const platform::Surface& a, const platform::Surface& b,
                            const platform::Rect& area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += a.Row(y)[x] != b.Row(y)[x];
    return n;
}

}  // namespace ui_test
