// The table's chat window and the lobby's: paging by the buttons, the page shown after new
// text, hover and the picked line, and what a hidden window ignores.
#include <gtest/gtest.h>

#include <string>

#include "WidgetTestSupport.h"
#include "ui/DxChatWnd.h"
#include "ui/DxGameChatWnd.h"

using namespace ui_test;

namespace {

// The preset-phrase window: eight one-line phrases to a page.  Its 22 × 22 page-up button
// stands at (653, 425), page-down at (653, 538).
class GameChatTest : public WidgetTest {
protected:
    GameChatTest() {
        window.SetRect(408, 430, 648, 560);
        window.visible = 1;
        window.enabled = 1;
    }
    void AddPhrases(int n) {
        for (int i = 0; i < n; ++i) {
            const std::string text = "快点出牌吧" + std::to_string(i);
            window.AddText(text.data(), static_cast<int>(text.size()), 0xFFFFFF);
        }
    }
    bool Click(int x, int y) {
        window.MouseDown(x, y);
        return window.MouseUp(x, y);
    }
    bool PageUp() { return Click(653 + 10, 425 + 10); }
    bool PageDown() { return Click(653 + 10, 538 + 10); }

    CDxGameChatWnd window;
};

TEST_F(GameChatTest, ANewWindowIsHiddenDisabledAndOnPageMinusOne) {
    CDxGameChatWnd fresh;
    EXPECT_FALSE(fresh.visible);
    EXPECT_FALSE(fresh.enabled);
    EXPECT_EQ(fresh.currentPage, -1);
    EXPECT_NE(fresh.background, nullptr);
    EXPECT_EQ(window.pageUp->x, 653);
    EXPECT_EQ(window.pageUp->y, 425);
    EXPECT_EQ(window.pageDown->y, 560 - 22);
}

TEST_F(GameChatTest, PagingStaysWithinThePagesAndEveryClickReportsTrue) {
    EXPECT_TRUE(PageUp());
    EXPECT_EQ(window.currentPage, -1);
    EXPECT_TRUE(PageDown());
    EXPECT_EQ(window.currentPage, -1) << "no page to go to";

    AddPhrases(12);
    EXPECT_EQ(window.currentPage, 1) << "adding shows the page that took it";
    EXPECT_TRUE(PageDown());
    EXPECT_EQ(window.currentPage, 1);
    EXPECT_TRUE(PageUp());
    EXPECT_EQ(window.currentPage, 0);
    EXPECT_TRUE(PageUp());
    EXPECT_EQ(window.currentPage, 0);
    AddPhrases(1);
    EXPECT_EQ(window.currentPage, 1);
    EXPECT_FALSE(Click(600, 300));

    window.Clear();
    EXPECT_EQ(window.currentPage, -1);
    EXPECT_EQ(window.pages.count, 0);
}

TEST_F(GameChatTest, AHiddenWindowTakesNoPressMoveOrRelease) {
    AddPhrases(12);
    window.visible = 0;
    EXPECT_FALSE(window.MouseDown(663, 435));
    EXPECT_FALSE(window.pageUp->pressed);
    EXPECT_FALSE(window.MouseMove(450, 435));
    EXPECT_FALSE(window.MouseMove(663, 435));
    EXPECT_FALSE(window.MouseUp(663, 435));
    EXPECT_EQ(window.currentPage, 1);
    window.Draw(180);
    EXPECT_EQ(Pixel(450, 440), kFelt);
}

TEST_F(GameChatTest, HoverHighlightsALineThatStaysWhenTheMouseLeaves) {
    AddPhrases(3);
    EXPECT_TRUE(window.MouseMove(450, 430 + 16 + 5));
    EXPECT_FALSE(window.MouseMove(452, 430 + 16 + 6));
    EXPECT_FALSE(window.MouseMove(100, 100));
    EXPECT_STREQ(window.GetLineAt(450, 440), "快点出牌吧1");
    EXPECT_TRUE(window.MouseMove(663, 435)) << "the page-up button's hover";
}

TEST_F(GameChatTest, GetLineAtNeedsAVisibleEnabledWindowAndAPointInside) {
    AddPhrases(3);
    window.MouseMove(450, 435);
    EXPECT_STREQ(window.GetLineAt(450, 435), "快点出牌吧0");
    EXPECT_EQ(window.GetLineAt(408, 435), nullptr) << "the left edge";
    EXPECT_EQ(window.GetLineAt(450, 430), nullptr) << "the top edge";
    EXPECT_EQ(window.GetLineAt(648, 435), nullptr) << "the right edge";
    window.enabled = 0;
    EXPECT_EQ(window.GetLineAt(450, 435), nullptr);
    EXPECT_FALSE(window.MouseMove(450, 451)) << "a disabled window highlights nothing";
    window.enabled = 1;
    window.visible = 0;
    EXPECT_EQ(window.GetLineAt(450, 435), nullptr);
}

TEST_F(GameChatTest, DrawBlendsTheBackgroundAndShowsTheCurrentPage) {
    AddPhrases(12);
    window.MouseMove(450, 435);
    window.Draw(180);
    const std::uint16_t bg = window.background->Row(100)[200];
    ASSERT_NE(bg, ColorKey);
    EXPECT_EQ(Pixel(408 - 5 + 200, 430 - 5 + 100), Blend(kFelt, bg, 180));
    EXPECT_EQ(Pixel(640, 432), 0x00FF) << "the highlighted line";
    window.currentPage = 0;
    Fill(kFelt);
    window.Draw(180);
    EXPECT_NE(Pixel(640, 432), 0x00FF) << "page 0's lines were never hovered";
}

using LobbyChatTest = WidgetTest;

TEST_F(LobbyChatTest, EachWindowHasItsOwnBarBetweenItsButtons) {
    CDxChatWnd room;
    CDxChatWnd other;
    EXPECT_FALSE(room.visible || room.enabled);
    EXPECT_EQ(room.currentPage, -1);
    ASSERT_NE(room.bar, nullptr);
    EXPECT_NE(room.bar, other.bar);
    room.SetRect(38, 480, 541, 542);
    EXPECT_EQ(room.barTop, 475);
    EXPECT_EQ(room.barBottom, 542 - 16);
    EXPECT_EQ(room.barX, 546);

    room.visible = 1;
    room.Draw(200);
    // The tile runs from 475 in steps of 16, the last one past the page-down button's top.
    EXPECT_EQ(Pixel(546 + 8, 500), room.bar->Row((500 - 475) % 16)[8]);
    EXPECT_EQ(Pixel(546 + 8, 545), kFelt) << "four tiles, ending under the page-down button";
    const std::string text = "欢迎来到游戏大厅";
    room.AddText(text.data(), static_cast<int>(text.size()), 0x00FFFF);
    EXPECT_EQ(room.currentPage, 0);
}

}  // namespace
