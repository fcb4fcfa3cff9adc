// Text with rectangles and positions at the ends of the int range: sizes and positions are
// worked out without overflow (widths saturate at the largest int), and drawing shows what
// falls on the surface and nothing else.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "TextTestSupport.h"
#include "platform/Text.h"

using namespace platform;
using text_test::FindInk;
using text_test::InkBox;

namespace {

constexpr std::uint16_t kBlack = 0;
const TextPaint kWhite{0xFFFFFF, false, 0};
const std::string kText = "ABCDEFGHIJ KLMNOPQRST";  // 21 half-width cells: 126 pixels

int Draw(Surface& s, Rect* rect, unsigned format, const TextPaint& paint = kWhite) {
    return DrawText(s, rect, kText.data(), kText.size(), kBodyFont, format, paint);
}

TEST(ExtremeRect, MeasuredRectangleSaturatesAtTheEndOfTheRange) {
    Surface s(100, 40);
    Rect rect{INT_MAX - 50, INT_MAX - 5, INT_MAX, INT_MAX};
    EXPECT_EQ(Draw(s, &rect, kDtCalcRect | kDtSingleLine), 12);
    EXPECT_EQ(rect.right, INT_MAX);
    EXPECT_EQ(rect.bottom, INT_MAX);
}

TEST(ExtremeRect, TheWidestRectangleHoldsTheTextOnOneLine) {
    Surface s(100, 40);
    Rect rect{INT_MIN, 0, INT_MAX, 40};
    EXPECT_EQ(Draw(s, &rect, kDtCalcRect | kDtWordBreak), 12);
    EXPECT_EQ(rect.right, INT_MIN + 126);
}

TEST(ExtremeRect, TextCentredInTheWidestRectangleStraddlesZero) {
    Surface s(100, 40);
    Rect rect{INT_MIN, 0, INT_MAX, 40};
    Draw(s, &rect, kDtCenter | kDtSingleLine | kDtVCenter);
    const InkBox ink = FindInk(s, kBlack);
    ASSERT_FALSE(ink.Empty());
    // The text runs from x = -64 to 62: "KLMNOPQRST" shows, from its cell at x = 2.
    EXPECT_GE(ink.left, 2);
    EXPECT_LT(ink.left, 8);
    EXPECT_GT(ink.right, 56);
    EXPECT_LE(ink.right, 62);
}

// None of these reaches the surface; each must simply draw nothing.
TEST(ExtremeRect, RectanglesAndPositionsOffTheSurfaceDrawNothing) {
    const TextPaint opaque{0xFFFFFF, true, 0x00FF00};
    const struct {
        Rect rect;
        unsigned format;
    } cases[] = {
        {{INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1}, kDtRight | kDtSingleLine | kDtBottom},
        {{INT_MIN, INT_MIN, INT_MIN, INT_MIN}, kDtCenter | kDtSingleLine | kDtVCenter | kDtNoClip},
        {{INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX}, kDtWordBreak | kDtNoClip},
        {{INT_MAX, INT_MIN, INT_MIN, INT_MAX}, kDtCenter | kDtWordBreak | kDtNoClip},
        {{INT_MIN, INT_MAX, INT_MAX, INT_MIN}, kDtRight | kDtSingleLine | kDtVCenter | kDtNoClip},
        {{INT_MIN + 3, 0, INT_MIN + 3, 40}, kDtRight | kDtNoClip},
    };
    for (const auto& c : cases) {
        Surface s(100, 40);
        Rect rect = c.rect;
        Draw(s, &rect, c.format, opaque);
        EXPECT_TRUE(FindInk(s, kBlack).Empty()) << c.rect.left << " " << c.rect.top;
    }
    Surface s(100, 40);
    for (int x : {INT_MIN, INT_MIN + 5, INT_MAX - 20, INT_MAX})
        for (int y : {INT_MIN, INT_MIN + 5, INT_MAX - 5, INT_MAX})
            TextOut(s, x, y, kText.data(), kText.size(), Font{12, 700, true}, opaque);
    EXPECT_TRUE(FindInk(s, kBlack).Empty());
}

}  // namespace
