// Advances and line breaking: what measuring and drawing share.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "TextTestSupport.h"
#include "platform/FontLayout.h"
#include "platform/Gbk.h"

using namespace platform;

namespace {

struct AdvanceCase {
    const char* text;
    Font font;
    int width;
};
const AdvanceCase kAdvanceCases[] = {
    {"A", kBodyFont, 6},          {" ", kBodyFont, 6},
    {"中", kBodyFont, 12},        {"ab中文", kBodyFont, 36},
    {"第12桌", kBodyFont, 36},    {"A", {14, 400, false}, 7},
    {"中", {14, 400, false}, 14}, {"游戏房间列表", kTitleFont, 90},
    {"ab", {12, 600, false}, 14}, {"中", {-12, 400, false}, 12},
    {"\t\x01", kBodyFont, 0},     {"A", {16, 400, false}, 8},
    {"中", {1000, 400, false}, kMaxFontHeight},
    {"中", {INT_MIN, 400, false}, kMaxFontHeight},  // its magnitude does not fit an int
    {"中", {3, 400, false}, kMinFontHeight},
};

TEST(TextAdvance, AsciiIsHalfAndChineseFullHeightBoldOneMore) {
    for (const auto& c : kAdvanceCases) {
        TextSize size = MeasureText(c.text, std::strlen(c.text), c.font);
        EXPECT_EQ(size.width, c.width) << GbkToUtf8(c.text) << " h=" << c.font.height;
        EXPECT_EQ(size.height, FontCellHeight(c.font)) << GbkToUtf8(c.text);
    }
}

std::vector<std::string> LineTexts(const std::string& text, const std::vector<TextLine>& lines) {
    std::vector<std::string> out;
    for (const TextLine& l : lines) out.push_back(text.substr(l.begin, l.end - l.begin));
    return out;
}

struct BreakCase {
    const char* text;
    unsigned format;
    int maxWidth;
    std::vector<std::string> lines;
};
const BreakCase kBreakCases[] = {
    {"hello world", kDtWordBreak, 60, {"hello", "world"}},
    {"hello world", kDtWordBreak, 66, {"hello world"}},
    {"ab  cd", kDtWordBreak, 18, {"ab", "cd"}},
    {"abcdefghij", kDtWordBreak, 30, {"abcde", "fghij"}},
    {"中文字符测试", kDtWordBreak, 30, {"中文", "字符", "测试"}},
    {"ab 中文", kDtWordBreak, 36, {"ab 中", "文"}},
    {"中文abc", kDtWordBreak, 36, {"中文", "abc"}},
    {"abc def中", kDtWordBreak, 48, {"abc def", "中"}},
    {"ab 中", kDtWordBreak, 20, {"ab", "中"}},
    {"中文", kDtWordBreak, 0, {"中", "文"}},
    {"a\r\nb\nc\rd", 0, 1000, {"a", "b", "c", "d"}},
    {"a\n\nb", 0, 1000, {"a", "", "b"}},
    {"abc\n", 0, 1000, {"abc"}},
    {"", 0, 1000, {""}},
    {"", kDtWordBreak, 10, {""}},
    {"a\nb", kDtSingleLine, 1000, {"a\nb"}},
    {"abcdef", kDtSingleLine | kDtWordBreak, 12, {"abcdef"}},
    {"long line\nab cd", kDtWordBreak, 30, {"long", "line", "ab cd"}},
};

TEST(TextLineBreak, BreaksAtSpacesChineseCharactersAndOverlongWords) {
    for (const auto& c : kBreakCases) {
        std::string text = c.text;
        auto lines =
            BreakTextLines(text.data(), text.size(), kBodyFont, (c.format & kDtSingleLine) != 0,
                           (c.format & kDtWordBreak) != 0, c.maxWidth);
        EXPECT_EQ(LineTexts(text, lines), c.lines) << GbkToUtf8(text) << " / " << c.maxWidth;
        for (const TextLine& l : lines)
            EXPECT_EQ(l.width, TextRunWidth(text.data(), l.begin, l.end, kBodyFont));
    }
}

// Offsets at which a character starts, walking from the start of the text.
std::set<std::size_t> CharStarts(const std::string& text) {
    std::set<std::size_t> starts;
    for (std::size_t pos = 0; pos <= text.size();) {
        starts.insert(pos);
        if (pos == text.size()) break;
        pos += GbkCharLength(text.data(), text.size(), pos);
    }
    return starts;
}

// Checks the invariants of word-broken lines: in order, on character boundaries, each within
// the width unless it holds a single character, only spaces and line breaks left out.
void ExpectSoundLines(const std::string& text, const std::vector<TextLine>& lines, int maxWidth,
                      const Font& font) {
    auto starts = CharStarts(text);
    std::size_t covered = 0;
    for (const TextLine& l : lines) {
        ASSERT_LE(covered, l.begin);
        ASSERT_LE(l.begin, l.end);
        ASSERT_LE(l.end, text.size());
        EXPECT_TRUE(starts.count(l.begin) && starts.count(l.end)) << l.begin << ".." << l.end;
        for (std::size_t i = covered; i < l.begin; ++i) {
            EXPECT_TRUE(text[i] == ' ' || text[i] == '\r' || text[i] == '\n') << i;
        }
        std::size_t first = l.begin < l.end ? GbkCharLength(text.data(), text.size(), l.begin) : 0;
        if (l.end - l.begin > first) {
            EXPECT_LE(l.width, maxWidth);
        }
        covered = l.end;
    }
    for (std::size_t i = covered; i < text.size(); ++i) {
        EXPECT_TRUE(text[i] == ' ' || text[i] == '\r' || text[i] == '\n') << i;
    }
}

TEST(TextLineBreak, NeverSplitsACharacterAtAnyWidth) {
    const std::string mixed = "东风 east 南风吹过 a-very-long-word 中发白\r\n第二行 x 和 y，结束。";
    for (int width = 0; width <= 200; ++width) {
        SCOPED_TRACE(width);
        ExpectSoundLines(mixed,
                         BreakTextLines(mixed.data(), mixed.size(), kBodyFont, false, true, width),
                         width, kBodyFont);
    }
}

TEST(TextLineBreak, RandomBytesStayOnCharacterBoundaries) {
    std::mt19937 rng(20261210);
    const unsigned char alphabet[] = {' ',  'a',  'Z',  '\n', '\r', 0x81, 0xB0,
                                      0xD6, 0xD0, 0x40, 0x7F, 0xFE, 0xFF, 0x80};
    for (int round = 0; round < 300; ++round) {
        std::string text(rng() % 40, ' ');
        for (char& c : text) c = static_cast<char>(alphabet[rng() % sizeof alphabet]);
        int width = static_cast<int>(rng() % 60);
        auto copy = text_test::ExactCopy(text);
        SCOPED_TRACE(round);
        ExpectSoundLines(text,
                         BreakTextLines(copy.get(), text.size(), kBodyFont, false, true, width),
                         width, kBodyFont);
    }
}

TEST(TextLineBreak, ALeadByteAtTheEndIsOneCharacterAndItsTrailIsNeverRead) {
    // "中" cut after its first byte: the byte after the given length would complete it.
    std::string text = "ab中";
    TextSize cut = MeasureText(text.data(), 3, kBodyFont);
    EXPECT_EQ(cut.width, 18);
    auto lines = BreakTextLines(text.data(), 3, kBodyFont, false, true, 12);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].begin, 2u);
    EXPECT_EQ(lines[1].end, 3u);
}

}  // namespace
