// The chat text model: pages filling with the real font's line heights, messages too tall for
// a page, the highlight under the mouse and the page lookup.
#include <gtest/gtest.h>

#include <string>

#include "WidgetTestSupport.h"
#include "platform/Font.h"
#include "ui/ChatText.h"

using namespace ui_test;

namespace {

// The table chat log's text area: 240 × 125.
constexpr platform::Rect kArea{10, 65, 250, 190};
// One line of the 12-pixel icon-title font, and the 4-pixel gap after each message.
constexpr int kLine = 12;
constexpr int kStep = kLine + 4;

class ChatTextTest : public WidgetTest {
protected:
    ChatTextTest() { pages.SetRect(kArea.left, kArea.top, kArea.right, kArea.bottom); }
    int Add(const std::string& text) {
        return pages.AddText(text.data(), static_cast<int>(text.size()), 0xFFFFFF);
    }
    const std::vector<CChatLine>& Lines(int page) { return pages.GetPage(page)->lines.Lines(); }
    CChatPageList pages;
};

// 30 two-byte characters: 360 pixels, two lines at 240.
const std::string kTwoLines(30 * 2, '\xB0');
// 21 lines' worth: taller than the whole page.
const std::string kTooTall = std::string(21 * 20 * 2, '\xB0');

TEST_F(ChatTextTest, ShortMessagesFillAPageEightAtATimeSixteenPixelsApart) {
    ASSERT_EQ(platform::FontCellHeight(platform::kIconTitleFont), kLine);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Add("东风"), 0) << i;
    EXPECT_EQ(Add("南风"), 1);  // 8 × 16 + 12 = 140 > 125
    EXPECT_EQ(pages.count, 2);
    const auto& first = Lines(0);
    ASSERT_EQ(first.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(first[i].rect.top, kArea.top + i * kStep) << i;
        EXPECT_EQ(first[i].rect.bottom, kArea.top + i * kStep + kLine) << i;
        EXPECT_EQ(first[i].rect.left, kArea.left);
        EXPECT_EQ(first[i].rect.right, kArea.right);
    }
    EXPECT_EQ(Lines(1)[0].rect.top, kArea.top);
    EXPECT_EQ(pages.GetPage(1)->used, kStep);
}

TEST_F(ChatTextTest, AWrappedMessageTakesItsLinesAndAMessageThatNoLongerFitsStartsAPage) {
    for (int i = 0; i < 6; ++i) Add("东风");  // used 96
    EXPECT_EQ(Add(kTwoLines), 0);           // 96 + 24 = 120 fits
    EXPECT_EQ(Lines(0).back().rect.bottom - Lines(0).back().rect.top, 2 * kLine);
    EXPECT_EQ(Add("东风"), 1);              // 124 + 12 does not
    Fill(kFelt);
    pages.DrawPage(0);
    // The wrapped message's second line is drawn inside its rectangle.
    int ink = 0;
    for (int x = kArea.left; x < kArea.right; ++x) ink += Pixel(x, kArea.top + 96 + 18) == 0xFFFF;
    EXPECT_GT(ink, 0);
}

TEST_F(ChatTextTest, AMessageThatSkippedAPageIsNotBackfilledByAShorterOne) {
    for (int i = 0; i < 7; ++i) Add("东风");  // used 112
    EXPECT_EQ(Add(kTwoLines), 1);
    EXPECT_EQ(Add("北"), 1) << "the last page takes it though page 0 has room for one line";
    EXPECT_EQ(Lines(0).size(), 7u);
}

TEST_F(ChatTextTest, AMessageTallerThanThePageGetsAPageOfItsOwnCutAtTheBottom) {
    Add("东风");
    EXPECT_EQ(Add(kTooTall), 1);
    EXPECT_EQ(Lines(1)[0].rect.bottom, kArea.bottom);
    EXPECT_EQ(Add("东风"), 2);
    Fill(kFelt);
    pages.DrawPage(1);
    for (int x = 0; x < 800; ++x) ASSERT_EQ(Pixel(x, kArea.bottom), kFelt) << x;
    int ink = 0;  // the eleventh line shows its top five rows
    for (int y = kArea.top + 10 * kLine; y < kArea.bottom; ++y)
        for (int x = kArea.left; x < kArea.right; ++x) ink += Pixel(x, y) == 0xFFFF;
    EXPECT_GT(ink, 0);
}

TEST_F(ChatTextTest, HighlightFollowsTheMouseAndStaysWhenItLeavesTheLines) {
    Add("东风");
    Add("南风");
    CChatPage* page = pages.GetPage(0);
    EXPECT_EQ(pages.HitTest(50, kArea.top + kStep + 5, 0), 1);
    EXPECT_STREQ(pages.GetSelectedText(0), "南风");
    EXPECT_EQ(pages.HitTest(51, kArea.top + kStep + 6, 0), -1) << "already highlighted";
    EXPECT_EQ(pages.HitTest(50, kArea.top + 13, 0), -1) << "in the gap between lines";
    EXPECT_EQ(pages.HitTest(kArea.left, kArea.top + 5, 0), -1) << "on the left edge";
    EXPECT_EQ(pages.HitTest(400, 400, 0), -1);
    EXPECT_STREQ(page->GetSelectedText(), "南风");
    EXPECT_EQ(pages.HitTest(50, kArea.top + 5, 0), 0);
    EXPECT_STREQ(pages.GetSelectedText(0), "东风");
    EXPECT_FALSE(page->lines.Lines()[1].selected);
}

TEST_F(ChatTextTest, TheHighlightIsTheRawFillValueAStrongBlueNotTheColourKey) {
    Add("东风");
    pages.HitTest(50, kArea.top + 5, 0);
    pages.DrawPage(0);
    EXPECT_EQ(Pixel(kArea.right - 2, kArea.top + 2), 0x00FF);
    EXPECT_NE(0x00FF, ColorKey);
    EXPECT_EQ(Pixel(kArea.right - 2, kArea.top + kLine), kFelt);
}

TEST_F(ChatTextTest, PagesOutsideTheRangeGiveTheFirstAndTheLast) {
    EXPECT_EQ(pages.GetPage(0), nullptr);
    EXPECT_EQ(pages.HitTest(50, 70, 0), -1);
    EXPECT_EQ(pages.GetSelectedText(-1), nullptr);
    pages.DrawPage(-1);
    for (int x = 0; x < 800; ++x) ASSERT_EQ(Pixel(x, kArea.top + 5), kFelt);

    for (int i = 0; i < 20; ++i) Add("东风");
    ASSERT_EQ(pages.count, 3);
    EXPECT_EQ(pages.GetPage(-1), pages.GetPage(0));
    EXPECT_EQ(pages.GetPage(3), pages.GetPage(2));
    EXPECT_NE(pages.GetPage(1), pages.GetPage(2));
    pages.Clear();
    EXPECT_EQ(pages.count, 0);
    EXPECT_EQ(pages.GetPage(0), nullptr);
}

TEST_F(ChatTextTest, PagesKeepTheRectangleTheyWereMadeWith) {
    Add("东风");
    pages.SetRect(400, 400, 600, 500);
    EXPECT_EQ(Lines(0)[0].rect.left, kArea.left);
    for (int i = 0; i < 8; ++i) Add("东风");
    EXPECT_EQ(Lines(1)[0].rect.left, 400);
    EXPECT_EQ(Lines(1)[0].rect.top, 400);
}

TEST_F(ChatTextTest, EachLineKeepsItsColourAndAnEmptyOrNullMessageIsHarmless) {
    pages.AddText("红", 2, 0x0000FF);
    pages.AddText(nullptr, 5, 0xFFFFFF);
    pages.AddText("x", -4, 0xFFFFFF);
    pages.DrawPage(0);
    int red = 0;
    for (int y = kArea.top; y < kArea.top + kLine; ++y)
        for (int x = kArea.left; x < kArea.left + 12; ++x)
            red += Pixel(x, y) == platform::Rgb565FromColorRef(0x0000FF);
    EXPECT_GT(red, 0);
    EXPECT_EQ(Lines(0).size(), 3u);
    EXPECT_TRUE(Lines(0)[1].text.empty());
}

}  // namespace

// A busy room's chat keeps its newest pages: past the last one kept, each new page drops the
// oldest, and the newest message stays on the last page.
TEST_F(ChatTextTest, PastTheLastPageKeptEachNewPageDropsTheOldest) {
    for (int i = 0; i < kMaxChatPages * 8; ++i) Add("第" + std::to_string(i));
    ASSERT_EQ(pages.count, kMaxChatPages);
    EXPECT_EQ(Lines(0).front().text, "第0");
    EXPECT_EQ(Add("第" + std::to_string(kMaxChatPages * 8)), kMaxChatPages - 1);
    EXPECT_EQ(pages.count, kMaxChatPages);
    EXPECT_EQ(Lines(0).front().text, "第8");  // the first page went
    EXPECT_EQ(Lines(kMaxChatPages - 1).front().text, "第" + std::to_string(kMaxChatPages * 8));
    EXPECT_EQ(Lines(kMaxChatPages - 2).back().text, "第" + std::to_string(kMaxChatPages * 8 - 1));
}
