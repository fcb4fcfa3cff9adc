// The pixel tables, the alpha blend onto the composition surface and the conversion of the
// frame into each screen format.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/AlphaBlend.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/GreyBlt.h"
#include "graphics/PixelTables.h"
#include "graphics/ScreenConvert.h"
#include "tests/graphics/GraphicsTestSupport.h"

using namespace graphicstest;
using platform::Surface;

namespace {

constexpr std::uint16_t kKey = 0xF81F;

struct TableCase {
    std::uint16_t pixel;
    std::uint32_t rgb888;
    std::uint16_t rgb555;
};

// Channels are scaled by 8, 4 and 8 and truncated (full red is 0xF8, not 0xFF); green loses its
// lowest bit on the way to RGB555.
const TableCase kTableCases[] = {
    {0xFFFF, 0x00F8FCF8, 0x7FFF}, {0xF81F, 0x00F800F8, 0x7C1F}, {0x07E0, 0x0000FC00, 0x03E0},
    {0x0000, 0x00000000, 0x0000}, {0x0020, 0x00000400, 0x0000}, {0x0040, 0x00000800, 0x0020},
    {0x0801, 0x00080008, 0x0401}, {0xF800, 0x00F80000, 0x7C00}, {0x001F, 0x000000F8, 0x001F},
};

TEST(PixelTables, HoldEachPixelInTheScreenFormats) {
    GBuildPixelTables();
    for (const TableCase& c : kTableCases) {
        EXPECT_EQ(Rgb565To888[c.pixel], c.rgb888) << std::hex << c.pixel;
        EXPECT_EQ(Rgb565To555[c.pixel], c.rgb555) << std::hex << c.pixel;
    }
}

struct BlendCase {
    std::uint16_t source;
    std::uint16_t frame;
    int alpha;
    std::uint16_t result;
    const char* why;
};

const BlendCase kBlendCases[] = {
    {0xFFFF, 0x1234, 0, 0x1234, "alpha 0 leaves the frame unchanged"},
    {0xF800, 0x0000, 255, 30 << 11, "red 31 over 0 at 255 gives floor(31 × 255 / 256) = 30"},
    {0x0000, 0xF800, 128, 15 << 11, "red 0 over 31 at 128 gives 31 - 16 = 15, rounding down"},
    {0x07E0, 0x0000, 255, 62 << 5, "green has six bits: 63 over 0 at 255 gives 62"},
    {0x0000, 0x07E0, 1, 62 << 5, "the smallest weight still darkens by one step"},
    {0x001F, 0xF800, 64, 23 << 11 | 7, "channels blend apart: red 31 - 8, blue 0 + 7"},
    {0x1234, 0xFFFF, 256, 0x1234, "weight 256 is the source itself"},
    {0x1234, 0xFFFF, 300, 0x1234, "a weight above 256 is the source, never a carry"},
    {0x1234, 0xABCD, -5, 0xABCD, "a negative weight is no weight"},
};

// Each case is blended over a row of 11 pixels: eight go through the blend's wide lanes
// together, the last three through its tail.
TEST(AlphaBlend, FollowsTheChannelArithmetic) {
    ColorKey = kKey;
    constexpr int kRow = 11;
    for (const BlendCase& c : kBlendCases) {
        FrameScope frame(kRow, 1, c.frame);
        Surface source(kRow, 1);
        std::fill(source.Pixels(), source.Pixels() + kRow, c.source);
        GAlphaBlt(&source, 0, 0, 0, 0, kRow, 1, c.alpha);
        EXPECT_EQ(PixelsOf(frame.Frame()), std::vector<std::uint16_t>(kRow, c.result))
            << std::hex << c.result << ": " << c.why;
    }
}

TEST(AlphaBlend, NeverWritesAKeyPixelAtAnyAlpha) {
    ColorKey = kKey;
    constexpr int kRow = 13;
    Surface source(kRow, 1);
    for (int i = 0; i < kRow; ++i) source.Row(0)[i] = i % 3 == 0 ? kKey : 0x0000;
    source.SetColorKey(0x0000);  // the surface's own key plays no part: ColorKey does
    for (int alpha : {0, 1, 128, 255, 256}) {
        FrameScope frame(kRow, 1, 0x4208);
        GAlphaBlt(&source, 0, 0, 0, 0, kRow, 1, alpha);
        for (int i = 0; i < kRow; ++i) {
            const bool key = i % 3 == 0;
            if (key || alpha == 256) {
                EXPECT_EQ(frame.Frame().Row(0)[i], key ? 0x4208 : 0x0000) << alpha << " at " << i;
            }
        }
    }
}

// A 4 × 4 source whose pixel (x, y) is white where x + y is odd and black elsewhere, blended at
// full weight, lands exactly where a clipped copy would.
TEST(AlphaBlend, IsClippedToTheFrameAndThePicture) {
    ColorKey = kKey;
    Surface source(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) source.Row(y)[x] = (x + y) % 2 ? 0xFFFF : 0x0000;
    struct Place {
        int x, y, left, top, right, bottom;
    };
    const Place places[] = {
        {-2, 4, 0, 0, 4, 4},   // hangs over the left and bottom edges of the frame
        {4, -3, 0, 0, 4, 4},   // over the right and top edges
        {1, 1, -2, -1, 6, 9},  // a rectangle larger than the picture
        {0, 0, 3, 3, 9, 9},    // from the picture's last pixel on
        {10, 10, 0, 0, 4, 4},  // wholly off the frame
        {0, 0, 5, 0, 8, 4},    // wholly outside the picture
    };
    for (const Place& p : places) {
        FrameScope frame(6, 6, 0x1111);
        Surface expected(6, 6);
        platform::ColorFill(&expected, nullptr, 0x1111);
        const platform::Rect r{p.left, p.top, p.right, p.bottom};
        platform::BltFast(&expected, p.x, p.y, &source, &r, 0);
        GAlphaBlt(&source, p.x, p.y, p.left, p.top, p.right, p.bottom, 256);
        EXPECT_EQ(PixelsOf(frame.Frame()), PixelsOf(expected)) << p.x << "," << p.y;
    }
}

TEST(AlphaBlend, NullSurfacesDrawNothing) {
    Surface source(2, 2);
    GAlphaBlt(nullptr, 0, 0, 0, 0, 2, 2, 128);
    {
        FrameScope frame(2, 2, 0x2222);
        lpDDSPla = nullptr;
        GAlphaBlt(&source, 0, 0, 0, 0, 2, 2, 128);
    }
    FrameScope frame(2, 2, 0x2222);
    GAlphaBlt(nullptr, 0, 0, 0, 0, 2, 2, 128);
    EXPECT_EQ(frame.Frame().Row(1)[1], 0x2222);
}

// The frame of the screen: 800 × 600 with a few known pixels, one on the second row so that a
// conversion that ignored the row length would show.
class ConvertToSameTest : public ::testing::Test {
protected:
    ConvertToSameTest() : frame_(800, 600, 0x0000) {
        GBuildPixelTables();
        Put(0, 0, 0xFFFF);
        Put(5, 1, 0x07E0);
        Put(799, 599, 0xF81F);
        Put(400, 300, 0x0841);
    }
    ~ConvertToSameTest() override { nScreenFormat = 1; }
    void Put(int x, int y, std::uint16_t pixel) { frame_.Frame().Row(y)[x] = pixel; }
    static std::uint32_t Read(const ScreenSurface& s, int x, int y) {
        const int bytes = s.BitsPerPixel() / 8;
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) v |= std::uint32_t{s.Row(y)[x * bytes + i]} << (8 * i);
        return v;
    }
    FrameScope frame_;
};

struct FormatCase {
    std::uint8_t format;
    int depth;
    bool converts;
};

const FormatCase kFormatCases[] = {
    {5, 32, true}, {4, 24, true}, {2, 16, true},
    {1, 16, false},  // the RGB565 screen needs no conversion
    {0, 32, false},  // an unknown screen format converts nothing
    {5, 24, false},  // a target of another depth than the format's is left alone
    {2, 32, false},
};

TEST_F(ConvertToSameTest, WritesEveryPixelInTheScreenFormat) {
    for (const FormatCase& c : kFormatCases) {
        nScreenFormat = c.format;
        ScreenSurface target(800, 600, c.depth);
        GConvertToSame(&target);
        const auto want = [&](std::uint16_t pixel) -> std::uint32_t {
            if (!c.converts) return 0;
            const std::uint32_t rgb = c.depth == 16 ? Rgb565To555[pixel] : Rgb565To888[pixel];
            return c.depth == 24 ? rgb & 0xFFFFFF : rgb;
        };
        const struct { int x, y; std::uint16_t pixel; } probes[] = {
            {0, 0, 0xFFFF}, {5, 1, 0x07E0}, {799, 599, 0xF81F}, {400, 300, 0x0841}, {6, 1, 0}};
        for (const auto& p : probes)
            EXPECT_EQ(Read(target, p.x, p.y), want(p.pixel))
                << int{c.format} << "/" << c.depth << " at " << p.x << "," << p.y;
    }
}

TEST_F(ConvertToSameTest, TwentyFourBitPixelsAreBlueGreenRedInMemory) {
    nScreenFormat = 4;
    Put(1, 0, 0xF800);
    ScreenSurface target(800, 600, 24);
    GConvertToSame(&target);
    const std::uint8_t* red = target.Row(0) + 3;
    EXPECT_EQ(red[0], 0x00);
    EXPECT_EQ(red[1], 0x00);
    EXPECT_EQ(red[2], 0xF8);
    EXPECT_EQ(target.Row(0)[6], 0x00) << "the next pixel starts three bytes on";
}

TEST_F(ConvertToSameTest, SmallerTargetsAndNullSurfacesAreSafe) {
    nScreenFormat = 5;
    ScreenSurface small(10, 2, 32);
    GConvertToSame(&small);
    EXPECT_EQ(Read(small, 0, 0), 0x00F8FCF8u);
    EXPECT_EQ(Read(small, 5, 1), 0x0000FC00u);
    GConvertToSame(nullptr);
    ScreenSurface odd(800, 600, 15);
    EXPECT_TRUE(odd.Empty());
    GConvertToSame(&odd);
    lpDDSPla = nullptr;
    GConvertToSame(&small);
}

// Blends and grey copies tell the frame's draw recorder what they drew, as called: the picture
// and its rectangle, the target at the rectangle's size before clipping, and a blend's alpha.
TEST(SoftwareDrawing, ReportsToTheDrawRecorder) {
    ColorKey = kKey;
    FrameScope frame(8, 8, 0);
    platform::testing::DrawRecorder drawn(frame.Frame());
    Surface plate(4, 4);
    plate.SetName("Graphic\\plate.bmp");
    GAlphaBlt(&plate, 6, -1, 1, 0, 4, 2, 180);
    GGreyBlt(&plate, 2, 3, 0, 0, 4, 4);
    GAlphaBlt(nullptr, 0, 0, 0, 0, 2, 2, 50);
    ASSERT_EQ(drawn.Calls().size(), 3u);
    const platform::DrawCall& blend = drawn.Calls()[0];
    EXPECT_EQ(blend.kind, platform::DrawKind::AlphaBlt);
    EXPECT_EQ(blend.sourceName, "Graphic\\plate.bmp");
    EXPECT_TRUE(SameRect(blend.src, {1, 0, 4, 2}));
    EXPECT_TRUE(SameRect(blend.dst, {6, -1, 9, 1})) << "the target as called, before clipping";
    EXPECT_EQ(blend.flags, 180u);
    const platform::DrawCall& grey = drawn.Calls()[1];
    EXPECT_EQ(grey.kind, platform::DrawKind::GreyBlt);
    EXPECT_EQ(grey.source, &plate);
    EXPECT_TRUE(SameRect(grey.dst, {2, 3, 6, 7}));
    EXPECT_EQ(drawn.Calls()[2].source, nullptr) << "a call that draws nothing is reported too";
    EXPECT_EQ(drawn.Of(platform::DrawKind::AlphaBlt).size(), 2u);
}

}  // namespace
