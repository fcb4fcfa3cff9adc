// Drawing surface text: lines where measuring puts them, alignment, clipping, colours, bold,
// underline, exact lengths and the embedded-bitmap metrics.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TextTestSupport.h"
#include "platform/FontGlyphs.h"
#include "platform/FontLayout.h"
#include "platform/Gbk.h"
#include "platform/Text.h"

using namespace platform;
using text_test::FillSurface;
using text_test::FindInk;
using text_test::InkBox;

namespace {

constexpr std::uint16_t kBlack = 0;
const TextPaint kWhite{0xFFFFFF, false, 0};

int Draw(Surface& s, Rect rect, const std::string& text, unsigned format,
         const Font& font = kBodyFont, const TextPaint& paint = kWhite) {
    return DrawText(s, &rect, text.data(), text.size(), font, format, paint);
}

TEST(TextFonts, TheInstalledFontsLoad) { EXPECT_TRUE(TextGlyphs().Loaded()); }

// Every glyph stays inside its cell: the advances the layouts use fit the embedded bitmaps.
TEST(TextGlyphMetrics, EmbeddedBitmapsFitTheHalfAndFullWidthCells) {
    std::string ascii;  // every printable ASCII character
    for (char c = 0x21; c < 0x7F; ++c) ascii += c;
    // The last two come from the fallback font: U+520F is not in the first font at all and
    // U+0261 has no bitmap in it.
    const std::string chinese =
        "中发白东南西北麻将胡碰杠吃听番，。！？：“”（）《》"
        "\x84\x5A"
        "\xA8\xC0";
    for (int height : {12, 14}) {
        Font font{height, 400, false};
        for (const std::string* text : {&std::as_const(ascii), &chinese}) {
            for (std::size_t pos = 0; pos < text->size();) {
                std::size_t n = GbkCharLength(text->data(), text->size(), pos);
                Surface s(40, 40);
                TextOut(s, 10, 10, text->data() + pos, n, font, kWhite);
                InkBox ink = FindInk(s, kBlack);
                std::string ch = GbkToUtf8(text->substr(pos, n));
                EXPECT_FALSE(ink.Empty()) << ch << " at " << height;
                if (!ink.Empty()) {
                    EXPECT_GE(ink.left, 10) << ch;
                    EXPECT_LE(ink.right, 10 + static_cast<int>(n) * height / 2)
                        << ch << " at " << height;
                    EXPECT_GE(ink.top, 10) << ch;
                    EXPECT_LE(ink.bottom, 10 + height) << ch << " at " << height;
                }
                pos += n;
            }
        }
    }
}

TEST(TextGlyphMetrics, OtherSizesDrawFromTheFallbackFont) {
    for (int height : {10, 16, 20}) {
        Surface s(60, 60);
        TextOut(s, 5, 5, "中a", 3, {height, 400, false}, kWhite);
        InkBox ink = FindInk(s, kBlack);
        EXPECT_FALSE(ink.Empty()) << height;
        EXPECT_GE(ink.left, 5);
        EXPECT_LE(ink.right, 5 + height + height / 2) << height;
    }
}

struct AgreeCase {
    const char* text;
    int width;  // of the rectangle
    unsigned format;
};
const AgreeCase kAgreeCases[] = {
    {"东风 east 南风吹过 a-very-long-word 中发白", 100, kDtWordBreak},
    {"第一行\r\n第二行比较长一点\n3", 400, 0},
    {"玩家甲邀请您一起游戏，是否同意？", 150, kDtWordBreak},
    {"Hello, world. This wraps at words.", 90, kDtWordBreak},
    {"麻将ABC麻将ABC麻将ABC", 70, kDtWordBreak | kDtRight},
    {"中发白 one two", 64, kDtWordBreak | kDtCenter},
};

// The lines drawn are the lines measured: each line's ink lies in its own row band, within
// the measured width and ending in its last cell; the calc-rect has the same height.
TEST(TextDrawing, DrawnLinesMatchTheMeasuredLines) {
    for (const auto& c : kAgreeCases) {
        std::string text = c.text;
        SCOPED_TRACE(GbkToUtf8(text));
        Rect rect{20, 10, 20 + c.width, 390};
        Rect calc = rect;
        int height = CalcRect(&calc, text.data(), text.size(), kBodyFont, c.format);
        auto lines = BreakTextLines(text.data(), text.size(), kBodyFont, false,
                                    (c.format & kDtWordBreak) != 0, c.width);
        EXPECT_EQ(height, static_cast<int>(lines.size()) * 12);
        EXPECT_EQ(calc.bottom, rect.top + height);

        Surface s(500, 400);
        EXPECT_EQ(Draw(s, rect, text, c.format), height);
        int widest = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            int w = lines[i].width;
            widest = std::max(widest, w);
            int left = c.format & kDtRight    ? rect.right - w
                       : c.format & kDtCenter ? rect.left + (c.width - w) / 2
                                              : rect.left;
            int top = rect.top + static_cast<int>(i) * 12;
            InkBox ink = FindInk(s, kBlack, {0, top, 500, top + 12});
            ASSERT_FALSE(ink.Empty()) << "line " << i;
            EXPECT_GE(ink.left, left) << "line " << i;
            EXPECT_LE(ink.right, left + w) << "line " << i;
            EXPECT_GT(ink.right, left + w - 6) << "line " << i;
        }
        EXPECT_TRUE(FindInk(s, kBlack, {0, rect.top + height, 500, 400}).Empty());
        EXPECT_EQ(calc.right, rect.left + widest);
    }
}

// Exactly len bytes are read: the buffers have no terminator and end in a cut character.
TEST(TextDrawing, ReadsNoByteBeyondTheGivenLength) {
    const std::string texts[] = {"abc 中文", std::string("中文\xD6", 5), std::string("\xFE", 1),
                                 "a\r"};
    const unsigned formats[] = {0, kDtWordBreak, kDtSingleLine | kDtVCenter, kDtRight,
                                kDtCenter | kDtWordBreak};
    for (const std::string& text : texts) {
        auto exact = text_test::ExactCopy(text);
        Surface s(100, 60);
        TextOut(s, 1, 1, exact.get(), text.size(), kBodyFont, kWhite);
        MeasureText(exact.get(), text.size(), kTitleFont);
        for (unsigned format : formats) {
            Rect rect{0, 0, 20, 60};
            DrawText(s, &rect, exact.get(), text.size(), kTitleFont, format, kWhite);
            DrawText(s, &rect, exact.get(), text.size(), kBodyFont, format | kDtCalcRect, kWhite);
        }
    }
    // The byte after the length would complete the cut character, and is not drawn.
    std::string cut = "中中";
    Surface a(40, 20), b(40, 20);
    TextOut(a, 0, 0, cut.data(), 3, kBodyFont, kWhite);
    TextOut(b, 0, 0, cut.data(), 2, kBodyFont, kWhite);
    EXPECT_TRUE(FindInk(a, kBlack, {12, 0, 40, 20}).Empty());
    EXPECT_EQ(FindInk(a, kBlack).count, FindInk(b, kBlack).count);
}

// Shifting a left-aligned drawing by the alignment offset gives exactly the aligned drawing.
void ExpectShifted(const Surface& base, const Surface& moved, int dx, int dy) {
    for (int y = 0; y < base.Height(); ++y)
        for (int x = 0; x < base.Width(); ++x) {
            int sx = x - dx, sy = y - dy;
            std::uint16_t want = sx >= 0 && sy >= 0 && sx < base.Width() && sy < base.Height()
                                     ? base.Row(sy)[sx]
                                     : kBlack;
            ASSERT_EQ(moved.Row(y)[x], want) << x << "," << y;
        }
}

struct AlignCase {
    unsigned format;
    int dx;
    int dy;
};
TEST(TextDrawing, RightCentreAndVerticalAlignmentMoveTheLine) {
    const std::string text = "第3桌 ab";  // 48 pixels wide, 12 high
    const Rect rect{10, 5, 110, 45};  // 100 × 40
    const AlignCase cases[] = {
        {kDtRight, 52, 0},
        {kDtCenter, 26, 0},
        {kDtSingleLine | kDtVCenter, 0, 14},
        {kDtSingleLine | kDtBottom, 0, 28},
        {kDtSingleLine | kDtCenter | kDtVCenter, 26, 14},
        {kDtVCenter, 0, 0},  // vertical placement needs a single line
    };
    Surface base(120, 50);
    Draw(base, rect, text, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        Surface moved(120, 50);
        Draw(moved, rect, text, c.format);
        ExpectShifted(base, moved, c.dx, c.dy);
    }
}

TEST(TextDrawing, AWiderLineRightAlignedKeepsItsEndAndLosesItsStart) {
    const std::string text = "0123456789abcdefghij|";  // 126 pixels in 60
    Surface s(200, 30);
    FillSurface(s, kBlack);
    Draw(s, {50, 5, 110, 25}, text, kDtRight);
    InkBox ink = FindInk(s, kBlack);
    EXPECT_GE(ink.left, 50);
    EXPECT_LE(ink.right, 110);
    EXPECT_FALSE(FindInk(s, kBlack, {104, 5, 110, 25}).Empty());  // the caret's cell
}

// Nothing outside the rectangle (nor the surface) changes, whatever the text's position.
TEST(TextClipping, NothingIsDrawnOutsideTheRectangle) {
    const std::string text = "很长的一段文字 that does not fit 很长的一段文字";
    const Rect rects[] = {
        {30, 20, 70, 36}, {-10, -6, 25, 9}, {180, 90, 260, 104}, {50, 50, 50, 80}};
    const unsigned formats[] = {0, kDtWordBreak, kDtRight, kDtCenter | kDtSingleLine | kDtVCenter};
    const std::uint16_t kPaper = 0x1234;
    for (const Rect& r : rects)
        for (unsigned format : formats) {
            Surface s(200, 100);
            FillSurface(s, kPaper);
            Draw(s, r, text, format, kTitleFont, {0x00FF00, true, 0x0000FF});
            Rect inside{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, 200),
                            std::min(r.bottom, 100)};
            InkBox all = FindInk(s, kPaper);
            if (inside.left >= inside.right || inside.top >= inside.bottom) {
                EXPECT_TRUE(all.Empty());
                continue;
            }
            EXPECT_FALSE(all.Empty()) << r.left << "," << r.top << " f" << format;
            EXPECT_GE(all.left, inside.left);
            EXPECT_LE(all.right, inside.right);
            EXPECT_GE(all.top, inside.top);
            EXPECT_LE(all.bottom, inside.bottom);
        }
}

TEST(TextClipping, TextOutAtTheSurfaceEdgesDrawsOnlyWhatIsOnTheSurface) {
    const std::string text = "边缘Edge";
    const int points[][2] = {{-20, -6}, {35, 14}, {-100, 0}, {0, 25}, {39, 19}};
    for (const auto& p : points) {
        Surface s(40, 20);
        TextOut(s, p[0], p[1], text.data(), text.size(), kTitleFont, {0xFFFFFF, true, 0x808080});
        InkBox ink = FindInk(s, kBlack);
        bool reaches = p[0] + 42 > 0 && p[0] < 40 && p[1] + 14 > 0 && p[1] < 20;
        EXPECT_EQ(!ink.Empty(), reaches) << p[0] << "," << p[1];
    }
}

TEST(TextClipping, NoClipDrawsBeyondTheRectangle) {
    Surface s(100, 30);
    Draw(s, {10, 5, 20, 10}, "abcdef", kDtNoClip);
    InkBox ink = FindInk(s, kBlack);
    EXPECT_GT(ink.right, 30);
    EXPECT_GT(ink.bottom, 10);
}

TEST(TextColour, InkTakesTheColourAndAnOpaqueBackgroundFillsTheCells) {
    const std::uint16_t kPaper = 0x1111;
    const std::uint16_t red = Rgb565(255, 0, 0), blue = Rgb565(0, 0, 255);
    Surface s(60, 30);
    FillSurface(s, kPaper);
    // COLORREF: red in the low byte, blue in the high one.
    TextOut(s, 5, 5, "麻A", 3, kBodyFont, {0x0000FF, true, 0xFF0000});
    int ink = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            std::uint16_t p = s.Row(y)[x];
            bool inCells = x >= 5 && x < 23 && y >= 5 && y < 17;
            if (!inCells) {
                ASSERT_EQ(p, kPaper) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(p == red || p == blue) << x << "," << y;
            ink += p == red;
        }
    EXPECT_GT(ink, 20);

    Surface t(60, 30);
    FillSurface(t, kPaper);
    TextOut(t, 5, 5, "麻A", 3, kBodyFont, {0x0000FF, false, 0xFF0000});
    InkBox box = FindInk(t, kPaper);
    EXPECT_EQ(box.count, ink);
}

TEST(TextWeight, BoldIsWiderAndDenser) {
    const std::string text = "自摸和牌 Bold";
    for (int height : {12, 14}) {
        Surface normal(200, 30), bold(200, 30);
        TextOut(normal, 0, 0, text.data(), text.size(), {height, 400, false}, kWhite);
        TextOut(bold, 0, 0, text.data(), text.size(), {height, 600, false}, kWhite);
        InkBox n = FindInk(normal, kBlack), b = FindInk(bold, kBlack);
        EXPECT_GT(b.count, n.count * 5 / 4) << height;
        EXPECT_GT(b.right, n.right) << height;
        EXPECT_EQ(MeasureText(text.data(), text.size(), {height, 600, false}).width,
                  MeasureText(text.data(), text.size(), {height, 400, false}).width + 9);
    }
}

TEST(TextUnderline, AFullRowUnderTheBaselineSpansTheText) {
    Surface s(100, 20);
    Font underlined = kBodyFont;
    underlined.underline = true;
    Draw(s, {3, 2, 100, 20}, "链接 link", 0, underlined);
    const int row = 2 + FontAscent(kBodyFont);
    for (int x = 0; x < 100; ++x) EXPECT_EQ(s.Row(row)[x] != kBlack, x >= 3 && x < 3 + 54) << x;
    EXPECT_TRUE(FindInk(s, kBlack, {0, 14, 100, 20}).Empty());
}

// Tests that load other font files; the program's fonts come back afterwards.
class ReloadedFonts : public ::testing::Test {
protected:
    void TearDown() override { ReloadTextFonts(FindTextFontFiles()); }

    static bool Inks(const std::string& ch) {
        Surface s(20, 20);
        TextOut(s, 2, 2, ch.data(), ch.size(), kBodyFont, kWhite);
        return !FindInk(s, kBlack).Empty();
    }
};

TEST_F(ReloadedFonts, CharactersTheFirstFontLacksComeFromTheFallback) {
    const std::string common = "中", rare = "\x84\x5A";  // U+520F: only in the fallback
    FontFiles files = FindTextFontFiles();
    ReloadTextFonts({files.primary, {"/nonexistent/fallback.ttc", 0}});
    EXPECT_TRUE(Inks(common));
    EXPECT_FALSE(Inks(rare));
    ReloadTextFonts(files);
    EXPECT_TRUE(Inks(rare));
}

// With the font files missing, measuring keeps its widths and drawing draws nothing.
class MissingFonts : public ReloadedFonts {
protected:
    void SetUp() override {
        ReloadTextFonts({{"/nonexistent/uming.ttc", 0}, {"/nonexistent/wqy-zenhei.ttc", 2}});
    }
};

TEST_F(MissingFonts, MeasuringStillWorksAndDrawingDrawsNothing) {
    EXPECT_FALSE(TextGlyphs().Loaded());
    const std::string text = "中文 text";
    EXPECT_EQ(MeasureText(text.data(), text.size(), kBodyFont).width, 54);
    Rect rect{0, 0, 30, 0};
    EXPECT_EQ(CalcRect(&rect, text.data(), text.size(), kBodyFont, kDtWordBreak), 24);
    Surface s(80, 30);
    Draw(s, {0, 0, 80, 30}, text, kDtWordBreak);
    TextOut(s, 0, 12, text.data(), text.size(), kTitleFont, kWhite);
    EXPECT_TRUE(FindInk(s, kBlack).Empty());
}

}  // namespace
