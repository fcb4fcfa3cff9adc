#include "platform/Gbk.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace platform;

TEST(GbkLiterals, AreGbkBytesAtRunTime) {
    const char* text = "翠岭已经运行.";
    EXPECT_EQ(std::string(text), std::string("\xB4\xE4\xC1\xEB\xD2\xD1\xBE\xAD\xD4\xCB\xD0\xD0."));
    EXPECT_EQ(std::strlen("宋体"), 4u);
}

TEST(GbkConversion, RoundTripsThroughUtf8) {
    const std::string gbk = "\xB4\xE4\xC1\xEB abc";  // 翠岭 abc
    EXPECT_EQ(GbkToUtf8(gbk), std::string(u8"翠岭 abc"));
    EXPECT_EQ(Utf8ToGbk(GbkToUtf8(gbk)), gbk);
}

TEST(GbkConversion, ReplacesWhatCannotBeConverted) {
    // A lone lead byte at the end, and a character GBK cannot encode (an emoji).
    EXPECT_EQ(GbkToUtf8("a\xB4"), std::string("a\xEF\xBF\xBD"));
    EXPECT_EQ(Utf8ToGbk(u8"a\U0001F600b"), "a?b");
    EXPECT_EQ(Utf8ToGbk("a\xFF" "b"), "a?b");
}

struct CharLengthCase {
    const char* text;
    std::size_t len, pos, expected;
};
const CharLengthCase kCharLengthCases[] = {
    {"ab", 2, 0, 1},
    {"\xB4\xE4", 2, 0, 2},
    {"\xB4\xE4", 1, 0, 1},      // the trail is beyond the given length
    {"\xB4\x30", 2, 0, 1},      // '0' is no trail byte
    {"\x81\x40", 2, 0, 2},      // lowest lead and trail
    {"\xFE\xFE", 2, 0, 2},      // highest lead and trail
    {"\xB4\x7F", 2, 0, 1},      // 0x7F is no trail byte
    {"\x80\x40", 2, 0, 1},      // 0x80 is no lead byte
};

TEST(GbkWalk, CharLengthAtEveryBoundary) {
    for (const auto& c : kCharLengthCases)
        EXPECT_EQ(GbkCharLength(c.text, c.len, c.pos), c.expected) << c.text;
}

TEST(GbkWalk, PrevCharStartNeverLandsOnATrailByte) {
    // "a" + 翠 + 岭: a trail byte 0xE4 that is also a valid lead byte must not confuse the walk.
    const char text[] = "a\xB4\xE4\xC1\xEB";
    EXPECT_EQ(GbkPrevCharStart(text, 5), 3u);
    EXPECT_EQ(GbkPrevCharStart(text, 3), 1u);
    EXPECT_EQ(GbkPrevCharStart(text, 1), 0u);
    EXPECT_EQ(GbkPrevCharStart(text, 0), 0u);
}

TEST(GbkWalk, ClampNeverSplitsACharacter) {
    const char text[] = "a\xB4\xE4\xC1\xEB";
    EXPECT_EQ(GbkClampLength(text, 5, 2), 1u);
    EXPECT_EQ(GbkClampLength(text, 5, 3), 3u);
    EXPECT_EQ(GbkClampLength(text, 5, 100), 5u);
}

TEST(GbkWalk, DecodesCharacters) {
    std::size_t n = 0;
    EXPECT_EQ(GbkDecodeChar("\xB4\xE4", 2, 0, &n), U'翠');
    EXPECT_EQ(n, 2u);
    EXPECT_EQ(GbkDecodeChar("A", 1, 0, &n), U'A');
    EXPECT_EQ(n, 1u);
    EXPECT_EQ(GbkDecodeChar("\xB4", 1, 0, &n), U'\xFFFD');
}
