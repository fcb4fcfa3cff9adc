// The renderer as it is made and as it goes, and the start-up logo fade.  The whole windowed
// set-up runs in tests/graphics/catalogue, one program per style.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RendererTestSupport.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/Bmp.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "platform/testing/FramePresenter.h"
#include "platform/testing/ScopedService.h"
#include "platform/testing/VirtualClock.h"

namespace {

using platform::testing::FramePresenter;
using platform::testing::ScopedPresenter;
using platform::testing::ScopedSleepService;
using platform::testing::VirtualClock;

std::string SavedStyle() {
    return platform::ReadProfileString("Window", "Style", "none", platform::ProgramPath("SET.ini"));
}

struct StyleCase {
    std::uint8_t newStyle;
    std::uint8_t classic;
    const char* saved;
};

// The style chosen at start is kept as the inverse of bNewStyle, and written back when the
// renderer goes, whether or not the display was ever set up.
const StyleCase kStyleCases[] = {{1, 0, "1"}, {0, 1, "0"}};

TEST(MjDrawLife, KeepsTheStyleAndWritesItBackWithoutASetUp) {
    for (const StyleCase& c : kStyleCases) {
        rendertest::UseProgramFolder("setup", rendertest::Pictures::None);
        platform::WriteProfileString("Window", "FullScreen", "0", platform::ProgramPath("SET.ini"));
        bNewStyle = c.newStyle;
        {
            CMjDraw draw;
            EXPECT_EQ(draw.bClassic, c.classic);
            bNewStyle = 1 - c.newStyle;  // read once, when the renderer is made
            EXPECT_EQ(SavedStyle(), "none");
        }
        EXPECT_EQ(SavedStyle(), c.saved) << "bNewStyle " << int(c.newStyle);
        EXPECT_EQ(platform::ReadProfileString("Window", "FullScreen", "", platform::ProgramPath("SET.ini")),
                  "0");
    }
}

TEST(MjDrawLife, StartsWithNothingRunning) {
    rendertest::UseProgramFolder("setup", rendertest::Pictures::None);
    nTableTop = 7;
    AvatarName[2] = "someone";
    CMjDraw draw;
    EXPECT_EQ(draw.nWidth, 800);
    EXPECT_EQ(draw.nHeight, 600);
    EXPECT_EQ(nTableTop, 50);
    EXPECT_TRUE(AvatarName[2].empty());
    EXPECT_EQ(draw.nHoverIndex, -1);
    EXPECT_EQ(draw.nAnimKind, CMjDraw::kAnimNone);
    EXPECT_EQ(draw.bWindowed, 0);
    EXPECT_EQ(draw.bScreen565, 0);
    EXPECT_EQ(draw.desk.columns, 0);
    EXPECT_EQ(draw.desk.rows, 0);
    EXPECT_EQ(draw.lpDDSRoom, nullptr);
    draw.SetAnimKind(CMjDraw::kAnimWallFlight);
    EXPECT_EQ(draw.nAnimKind, CMjDraw::kAnimWallFlight);
}

// The logo fades in over white in twenty frames 50 ms apart, its weight growing by 12 of 256
// a frame: 0 first, 228 last, never the logo itself.
TEST(MjDrawLife, BannerFadesTheLogoInOverWhite) {
    rendertest::UseProgramFolder("setup", rendertest::Pictures::FromGame);
    const auto logo = platform::LoadBmpFile(platform::ProgramPath("Graphic\\Logo.bmp"));
    ASSERT_NE(logo, nullptr);
    platform::Surface frame(800, 600);
    lpDDSPla = &frame;
    FramePresenter presenter(true);
    ScopedPresenter presenterInstalled(&presenter);
    VirtualClock clock;
    ScopedSleepService sleepInstalled(&clock);
    {
        CMjDraw draw;
        draw.Banner();
    }
    lpDDSPla = nullptr;

    ASSERT_EQ(presenter.Count(), 20);
    EXPECT_EQ(clock.Pauses(), std::vector<unsigned>(20, 50u));
    const int left = (800 - logo->Width()) / 2;
    const int top = (600 - logo->Height()) / 2;
    const int lx = logo->Width() / 2, ly = logo->Height() / 2;
    const std::uint16_t s = logo->Row(ly)[lx];
    ASSERT_NE(s, ColorKey);
    for (int i = 0; i < 20; ++i) {
        const auto& f = presenter.Frames()[i];
        EXPECT_EQ(f.Pixel(5, 5), 0xFFFF) << i;                          // white around the logo
        const auto channel = [&](int shift, int mask) {
            const int d = mask, v = (s >> shift) & mask;
            return d + (((v - d) * 12 * i) >> 8);
        };
        const int expected = channel(11, 31) << 11 | channel(5, 63) << 5 | channel(0, 31);
        EXPECT_EQ(f.Pixel(left + lx, top + ly), expected) << "frame " << i;
    }
    EXPECT_NE(presenter.Last().Pixel(left + lx, top + ly), s);
}

}  // namespace
