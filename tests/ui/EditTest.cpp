// The one-line edit: its byte rules (whole GBK characters, the 99-byte limit), GetText, the
// focus click, and what it draws; and the label.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "WidgetTestSupport.h"
#include "platform/Text.h"
#include "ui/DxEdit.h"
#include "ui/DxLabel.h"

using namespace ui_test;
using platform::testing::SoundCallKind;

namespace {

constexpr char kBs = 8;

class EditTest : public WidgetTest {
protected:
    EditTest() {
        edit.SetPos(kX, kY);
        edit.focus = 1;
    }
    // Fills the edit as its owners do: the bytes and the length.
    void SetText(const std::string& bytes) {
        std::memcpy(edit.text, bytes.data(), bytes.size());
        edit.length = static_cast<int>(bytes.size());
    }
    std::string Text() const {
        return std::string(edit.text, static_cast<std::size_t>(edit.length));
    }
    void Type(const std::string& bytes) {
        for (char c : bytes) EXPECT_TRUE(edit.OnChar(static_cast<unsigned char>(c)));
    }

    static constexpr int kX = 100;
    static constexpr int kY = 200;
    CDxEdit edit{"Graphic\\input.bmp"};  // 300 × 24
};

TEST_F(EditTest, StartsEmptyVisibleWithTheCaretOnAndWithoutFocus) {
    CDxEdit fresh("Graphic\\input.bmp");
    EXPECT_EQ(fresh.length, 0);
    EXPECT_TRUE(fresh.visible && fresh.caretOn && fresh.enabled);
    EXPECT_FALSE(fresh.focus || fresh.password || fresh.translucent);
    EXPECT_EQ(fresh.marginX, 5);
    EXPECT_FALSE(fresh.OnChar('a'));
    EXPECT_EQ(fresh.length, 0);
}

// "丂" is 0x81 0x40 in GBK: its trail byte is below 0x80.
const std::string kLowTrail = "\x81\x40";

struct ByteCase {
    const char* what;
    std::string start;
    std::string typed;
    std::string result;
};

TEST_F(EditTest, TypedBytesAndBackspaceKeepWholeCharacters) {
    const ByteCase cases[] = {
        {"a two-byte character goes whole", "ab" "中", {kBs}, "ab"},
        {"a one-byte character", "ab", {kBs}, "a"},
        {"empty stays empty", "", {kBs}, ""},
        {"a trail byte below 0x80", "ab" + kLowTrail, {kBs}, "ab"},
        {"two low-trail characters, one at a time", kLowTrail + kLowTrail, {kBs}, kLowTrail},
        {"a high single byte after a character", "中\xA1", {kBs}, "中"},
        {"a letter after a low-trail character", kLowTrail + "A", {kBs, kBs}, ""},
        {"typed lead and trail, then removed", "x", "中" + kLowTrail + std::string{kBs}, "x中"},
        {"control bytes are stored", "a", "\x01\x09\x7F", "a\x01\x09\x7F"},
    };
    for (const ByteCase& c : cases) {
        SetText(c.start);
        Type(c.typed);
        EXPECT_EQ(Text(), c.result) << c.what;
    }
    EXPECT_EQ(sound.Count(SoundCallKind::Beep), 0);
}

TEST_F(EditTest, EnterAndEscapeAreTheOwnersAndAnUnfocusedEditTakesNothing) {
    SetText("ab");
    EXPECT_FALSE(edit.OnChar(13));
    EXPECT_FALSE(edit.OnChar(27));
    edit.focus = 0;
    EXPECT_FALSE(edit.OnChar('c'));
    EXPECT_FALSE(edit.OnChar(kBs));
    EXPECT_EQ(Text(), "ab");
}

struct LimitCase {
    const char* what;
    int startLength;  // of 'a's
    std::string typed;
    std::string tail;  // what follows the 'a's afterwards
    int beeps;
};

TEST_F(EditTest, TheLimitIsNinetyNineBytesAndACharacterNeverHalfFits) {
    const LimitCase cases[] = {
        {"the 99th byte fits", 98, "b", "b", 0},
        {"the 100th byte is refused", 99, "b", "", 1},
        {"a character ending at 99 fits", 97, "中", "中", 0},
        {"a character that would end at 100 is refused whole", 98, "中", "", 1},
        {"so is one whose trail is below 0x80, and the next byte counts", 98, kLowTrail + "x",
         "x", 1},
        {"a character at the full limit", 99, "中", "", 1},
        {"each refused character beeps once", 98, "中中", "", 2},
    };
    for (const LimitCase& c : cases) {
        sound.ClearCalls();
        SetText(std::string(static_cast<std::size_t>(c.startLength), 'a'));
        Type(c.typed);
        EXPECT_EQ(Text(), std::string(static_cast<std::size_t>(c.startLength), 'a') + c.tail)
            << c.what;
        EXPECT_LE(edit.length, CDxEdit::kMaxLength);
        EXPECT_EQ(sound.Count(SoundCallKind::Beep), c.beeps) << c.what;
    }
}

TEST_F(EditTest, GetTextCopiesAtMostMaxBytesWithoutATerminator) {
    SetText("abc中");
    const struct {
        int max;
        std::string copied;
    } cases[] = {{2, "ab"}, {5, "abc中"}, {50, "abc中"}, {0, ""}, {-3, ""}};
    for (const auto& c : cases) {
        char buffer[16];
        std::memset(buffer, 'Z', sizeof buffer);
        edit.GetText(buffer, c.max);
        EXPECT_EQ(std::string(buffer, c.copied.size()), c.copied) << c.max;
        EXPECT_EQ(buffer[c.copied.size()], 'Z') << "nothing past the copied bytes";
    }
    // As its callers use it: a zero-filled buffer and a maximum one below its size.
    char name[20] = {};
    SetText(std::string(30, 'n'));
    edit.GetText(name, sizeof name - 1);
    EXPECT_EQ(std::strlen(name), 19u);
}

TEST_F(EditTest, APressStrictlyInsideTheBoxFocusesIt) {
    edit.focus = 0;
    EXPECT_FALSE(edit.MouseDown(kX, kY + 10));
    EXPECT_FALSE(edit.MouseDown(kX + 10, kY));
    EXPECT_FALSE(edit.MouseDown(kX + 300, kY + 10));
    EXPECT_FALSE(edit.MouseDown(kX + 10, kY + 24));
    EXPECT_FALSE(edit.focus);
    EXPECT_TRUE(edit.MouseDown(kX + 1, kY + 1));
    EXPECT_TRUE(edit.focus);
    EXPECT_FALSE(edit.MouseDown(0, 0));
    EXPECT_TRUE(edit.focus) << "a miss leaves the focus to the owner";
}

// Ink of the text colour inside the edit's box.
struct Ink {
    int left = 9999, right = -1, count = 0;
};
Ink FindInk(const platform::Surface& s, std::uint16_t ink, const platform::Rect& r) {
    Ink found;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (s.Row(y)[x] == ink) {
                found.left = std::min(found.left, x);
                found.right = std::max(found.right, x + 1);
                ++found.count;
            }
    return found;
}

TEST_F(EditTest, ShortTextStartsAtTheMarginAndLongTextKeepsItsEndAndCaretInView) {
    edit.textColor = 0x0000FF;  // red
    const std::uint16_t red = platform::Rgb565FromColorRef(0x0000FF);
    const platform::Rect box{kX, kY, kX + 300, kY + 24};

    SetText("玩家甲");
    edit.Draw();
    Ink shortInk = FindInk(frame, red, box);
    EXPECT_GE(shortInk.left, kX + 5);
    EXPECT_LT(shortInk.left, kX + 5 + 3);
    EXPECT_LE(shortInk.right, kX + 5 + 3 * 12 + 6);  // three characters and the caret

    SetText(std::string(60, 'w'));  // 360 pixels: wider than the 290-pixel inner box
    Fill(kFelt);
    edit.Draw();
    Ink longInk = FindInk(frame, red, box);
    EXPECT_GE(longInk.left, kX + 5);   // the beginning is cut at the inner box
    EXPECT_LE(longInk.right, kX + 295);
    EXPECT_GT(longInk.right, kX + 295 - 6);  // the caret stands at the right edge
}

TEST_F(EditTest, ThePasswordEditDrawsAStarPerByteAndTheCaretBlinksOut) {
    edit.textColor = 0x0000FF;
    const std::uint16_t red = platform::Rgb565FromColorRef(0x0000FF);
    const platform::Rect box{kX, kY, kX + 300, kY + 24};
    SetText("中a");

    edit.caretOn = 0;
    edit.password = 1;
    edit.Draw();
    const Ink stars = FindInk(frame, red, box);
    // Three stars, each a half-width cell: their ink ends within the third cell.
    EXPECT_GT(stars.right, kX + 5 + 2 * 6);
    EXPECT_LE(stars.right, kX + 5 + 3 * 6);

    edit.caretOn = 1;
    Fill(kFelt);
    edit.Draw();
    EXPECT_GT(FindInk(frame, red, box).right, kX + 5 + 3 * 6) << "the caret follows the stars";
}

TEST_F(EditTest, HiddenEditDrawsNothingAndATranslucentOneBlendsItsBox) {
    edit.visible = 0;
    edit.Draw();
    EXPECT_EQ(Pixel(kX + 150, kY + 12), kFelt);
    edit.visible = 1;
    edit.translucent = 1;
    edit.Draw();
    const std::uint16_t s = edit.background->Row(12)[150];
    ASSERT_NE(s, ColorKey);
    EXPECT_EQ(Pixel(kX + 150, kY + 12), Blend(kFelt, s, 180));
}

using LabelTest = WidgetTest;

TEST_F(LabelTest, DrawsItsLinesFromTheCornerUnlessHidden) {
    CDxLabel label;
    EXPECT_TRUE(label.visible);
    label.SetRect(10, 20, 150, 40);
    EXPECT_EQ(label.rect.right, 160);
    EXPECT_EQ(label.rect.bottom, 60);
    label.text = "正在连接\n请稍候";
    label.textColor = 0xFFFFFF;
    label.visible = 0;
    label.Draw();
    EXPECT_EQ(FindInk(frame, 0xFFFF, {0, 0, 800, 600}).count, 0);

    label.visible = 1;
    label.Draw();
    int top = 999, bottom = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (Pixel(x, y) == 0xFFFF) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                EXPECT_GE(x, 10);
            }
    EXPECT_GE(top, 20);
    EXPECT_GT(bottom, 32) << "the second line is below the first";
    EXPECT_LT(bottom, 44);
}

}  // namespace
