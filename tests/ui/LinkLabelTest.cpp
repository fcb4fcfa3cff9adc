// The link label: its measured rectangle, hover on entry and exit, and clicks on its edges.
#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "ui/DxLinkLabel.h"

using namespace ui_test;

namespace {

class LinkLabelTest : public WidgetTest {
protected:
    // Six characters of the 12-pixel icon-title font: 72 × 12 from (265, 572).
    LinkLabelTest() { label.Set(265, 572, "访问翠岭网站", "http://example.com/home"); }
    CDxLinkLabel label;
};

TEST_F(LinkLabelTest, SetMeasuresTheCaption) {
    EXPECT_EQ(label.rect.left, 265);
    EXPECT_EQ(label.rect.top, 572);
    EXPECT_EQ(label.rect.right, 265 + 72);
    EXPECT_EQ(label.rect.bottom, 572 + 12);
    EXPECT_TRUE(label.visible);
    EXPECT_FALSE(label.hover);
}

TEST_F(LinkLabelTest, HoverChangesOnceOnEntryAndOnceOnExitEdgesIncluded) {
    const struct {
        int x, y;
        bool changed;
    } moves[] = {
        {264, 578, false}, {265, 578, true},  // the left edge is on the label
        {300, 572, false}, {337, 584, false},  // top edge, far corner
        {338, 584, true},  {300, 585, false},  // off past the right, below the bottom
        {300, 584, true},
    };
    for (const auto& m : moves)
        EXPECT_EQ(label.MouseMove(m.x, m.y), m.changed) << m.x << "," << m.y;
}

TEST_F(LinkLabelTest, AClickOnTheLastRowOrColumnOpensTheAddress) {
    EXPECT_TRUE(label.Click(337, 584));
    EXPECT_FALSE(label.Click(338, 584));
    EXPECT_FALSE(label.Click(337, 585));
    EXPECT_TRUE(label.Click(265, 572));
    ASSERT_EQ(desktop.opened.size(), 2u);
    EXPECT_EQ(desktop.opened[0], "http://example.com/home");
}

TEST_F(LinkLabelTest, AClickOnALabelWhoseTargetIsNoWebAddressOpensNothing) {
    label.Set(265, 572, "访问翠岭网站", "file:///etc/passwd");
    EXPECT_TRUE(label.Click(300, 578));
    EXPECT_TRUE(desktop.opened.empty());
}

TEST_F(LinkLabelTest, HiddenLabelIgnoresHoverAndClicksAndDrawsNothing) {
    label.visible = 0;
    EXPECT_FALSE(label.MouseMove(300, 578));
    EXPECT_FALSE(label.Click(300, 578));
    EXPECT_TRUE(desktop.opened.empty());
    label.Draw();
    for (int x = 265; x < 337; ++x) ASSERT_EQ(Pixel(x, 578), kFelt);
}

TEST_F(LinkLabelTest, DrawsWhiteAndUnderlinedTurningBlueWhileHovered) {
    const std::uint16_t blue = platform::Rgb565FromColorRef(0xFF0000);
    auto count = [&](std::uint16_t ink) {
        int n = 0;
        for (int y = 572; y < 584; ++y)
            for (int x = 265; x < 337; ++x) n += Pixel(x, y) == ink;
        return n;
    };
    label.Draw();
    const int white = count(0xFFFF);
    EXPECT_GT(white, 72) << "glyphs and an underline across the label";
    EXPECT_EQ(count(blue), 0);
    label.MouseMove(300, 578);
    Fill(kFelt);
    label.Draw();
    EXPECT_EQ(count(blue), white);
    EXPECT_EQ(count(0xFFFF), 0);
}

}  // namespace
