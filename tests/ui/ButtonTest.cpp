// Picture buttons and the button array: hit tests, the press-release gesture, hover with its
// sound, the drawn frames, and the array's order and limit.
#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "graphics/DxSound.h"
#include "ui/BitButton.h"
#include "ui/BitButtonArray.h"

using namespace ui_test;
using platform::testing::SoundCallKind;

namespace {

// A strip of five 44 × 24 frames from the program folder.
constexpr const char* kStrip = "Graphic\\ChatWnd\\send.bmp";
constexpr int kX = 100;
constexpr int kY = 50;

class ButtonTest : public WidgetTest {
protected:
    ButtonTest() { button.SetPos(kX, kY); }

    int W() const { return button.pictureRect.right / 5; }
    int H() const { return button.pictureRect.bottom; }
    platform::Rect Area() const { return {kX, kY, kX + W(), kY + H()}; }
    platform::Rect FrameRect(int f) const { return {f * W(), 0, f * W() + W(), H()}; }

    // The frame copied keyed at the button's place on a clean felt, as the button should draw.
    platform::Surface Expected(int f) const {
        platform::Surface expected(800, 600);
        platform::ColorFill(&expected, nullptr, kFelt);
        const platform::Rect src = FrameRect(f);
        platform::BltFast(&expected, kX, kY, button.picture, &src,
                          platform::kBltFastSrcColorKey | platform::kBltFastWait);
        return expected;
    }
    int DifferencesFromFrame(int f) {
        Fill(kFelt);
        button.Draw();
        return CountDifferences(frame, Expected(f), Area());
    }

    CBitButton button{kStrip};
};

TEST_F(ButtonTest, LoadsTheStripAndStartsEnabledVisibleAndIdle) {
    ASSERT_NE(button.picture, nullptr);
    EXPECT_EQ(W(), 44);
    EXPECT_EQ(button.GetHeight(), 24);
    EXPECT_TRUE(button.enabled && button.visible);
    EXPECT_FALSE(button.hover || button.pressed || button.translucent);
    EXPECT_TRUE(button.caption.empty() && button.hint.empty());
}

// Hit tests are strict on all four sides.
struct HitCase {
    int dx, dy;  // from the button's corner
    bool inside;
};

TEST_F(ButtonTest, HitTestExcludesEveryEdgeOfTheFrame) {
    const HitCase cases[] = {
        {0, 10, false},  {1, 10, true},       // left column
        {20, 0, false},  {20, 1, true},       // top row
        {44, 10, false}, {43, 10, true},      // right edge: x + frame width
        {20, 24, false}, {20, 23, true},      // bottom edge: y + frame height
        {-5, 10, false}, {20, 30, false},     // well outside
        {1, 1, true},    {43, 23, true},      // the corners just inside
    };
    for (const HitCase& c : cases) {
        button.pressed = 0;
        EXPECT_EQ(button.MouseDown(kX + c.dx, kY + c.dy), c.inside) << c.dx << "," << c.dy;
        EXPECT_EQ(button.pressed, c.inside ? 1 : 0);
    }
}

TEST_F(ButtonTest, DisabledOrHiddenButtonNeverTakesTheMouse) {
    for (int hidden = 0; hidden < 2; ++hidden) {
        CBitButton b(kStrip);
        b.SetPos(kX, kY);
        (hidden ? b.visible : b.enabled) = 0;
        EXPECT_FALSE(b.MouseMove(kX + 10, kY + 10));
        EXPECT_FALSE(b.hover);
        EXPECT_FALSE(b.MouseDown(kX + 10, kY + 10));
        EXPECT_FALSE(b.MouseUp(kX + 10, kY + 10));
    }
    EXPECT_EQ(sound.Count(SoundCallKind::Play), 0);
}

TEST_F(ButtonTest, PressLeaveAndReleaseOutsideIsNoClick) {
    ASSERT_TRUE(button.MouseMove(kX + 10, kY + 10));
    ASSERT_TRUE(button.MouseDown(kX + 10, kY + 10));
    EXPECT_EQ(DifferencesFromFrame(2), 0);  // pressed and hovered
    EXPECT_TRUE(button.MouseMove(kX + 100, kY + 10));
    EXPECT_EQ(DifferencesFromFrame(0), 0);  // still pressed, but the mouse has left
    EXPECT_FALSE(button.MouseUp(kX + 100, kY + 10));
    EXPECT_FALSE(button.pressed);
}

TEST_F(ButtonTest, PressLeaveComeBackAndReleaseInsideIsAClick) {
    button.MouseMove(kX + 10, kY + 10);
    button.MouseDown(kX + 10, kY + 10);
    button.MouseMove(kX + 100, kY + 10);
    button.MouseMove(kX + 12, kY + 12);
    EXPECT_EQ(DifferencesFromFrame(2), 0);
    EXPECT_TRUE(button.MouseUp(kX + 12, kY + 12));
    EXPECT_FALSE(button.pressed);
    EXPECT_EQ(DifferencesFromFrame(1), 0);  // hovered again after the click
    EXPECT_FALSE(button.MouseUp(kX + 12, kY + 12));  // no second click without a press
}

TEST_F(ButtonTest, FramesDifferSoTheStatesCanBeTold) {
    EXPECT_EQ(DifferencesFromFrame(0), 0);
    EXPECT_GT(CountDifferences(Expected(0), Expected(1), Area()), 0);
    EXPECT_GT(CountDifferences(Expected(1), Expected(2), Area()), 0);
}

TEST_F(ButtonTest, EnteringPlaysTheMoveSoundOnceWhateverTheMovesInside) {
    CDxSound dxSound;
    pDxSound = &dxSound;
    const std::string move = platform::ProgramPath("Wave\\move.wav");
    ASSERT_NE(sound.Buffer(move), nullptr);

    EXPECT_TRUE(button.MouseMove(kX + 5, kY + 5));
    EXPECT_FALSE(button.MouseMove(kX + 6, kY + 5));
    EXPECT_FALSE(button.MouseMove(kX + 40, kY + 20));
    EXPECT_EQ(sound.Buffer(move)->playCalls, 1);
    EXPECT_TRUE(button.MouseMove(kX + 50, kY + 5));  // leaving is silent
    EXPECT_EQ(sound.Buffer(move)->playCalls, 1);
    EXPECT_TRUE(button.MouseMove(kX + 5, kY + 5));
    EXPECT_EQ(sound.Buffer(move)->playCalls, 2);
    pDxSound = nullptr;
}

TEST_F(ButtonTest, DisabledButtonIsFrameZeroBlendedAtFiftyWhateverItsState) {
    button.enabled = 0;
    button.hover = 1;
    button.pressed = 1;
    Fill(kFelt);
    button.Draw();
    int keyed = 0;
    for (int y = 0; y < H(); ++y)
        for (int x = 0; x < W(); ++x) {
            const std::uint16_t s = button.picture->Row(y)[x];
            keyed += s == ColorKey;
            const std::uint16_t want = s == ColorKey ? kFelt : Blend(kFelt, s, 50);
            ASSERT_EQ(Pixel(kX + x, kY + y), want) << x << "," << y;
        }
    EXPECT_GT(keyed, 0);  // the strip's transparent corners stay felt
}

TEST_F(ButtonTest, TranslucentButtonIsBlendedAt120) {
    button.translucent = 1;
    Fill(kFelt);
    button.Draw();
    const std::uint16_t s = button.picture->Row(H() / 2)[W() / 2];
    ASSERT_NE(s, ColorKey);
    EXPECT_EQ(Pixel(kX + W() / 2, kY + H() / 2), Blend(kFelt, s, 120));
}

TEST_F(ButtonTest, CaptionIsWhiteAndTheHintShowsAboveOnlyWhileHovered) {
    button.SetCaption("发送");
    button.hint = "发送聊天";
    Fill(kFelt);
    button.Draw();
    const platform::Rect above{kX, kY - 16, kX + 60, kY};
    EXPECT_EQ(CountDifferences(frame, Expected(0), above), 0);
    EXPECT_GT(CountDifferences(frame, Expected(0), Area()), 0);  // the caption
    button.MouseMove(kX + 5, kY + 5);
    Fill(kFelt);
    button.Draw();
    EXPECT_EQ(Pixel(kX, kY - 16), 0xFFFF);  // opaque white behind the hint
    EXPECT_GT(CountDifferences(frame, Expected(1), above), 0);
}

// A save slot's caption is the label of its bar: centred on the face, not tucked in a corner.
TEST_F(ButtonTest, TheCaptionIsCentredOnTheFace) {
    CBitButton slot("Graphic\\LoadForm\\load.bmp");
    slot.SetPos(kX, kY);
    slot.SetCaption("档案1");
    const int w = slot.pictureRect.right / 5;
    const int h = slot.pictureRect.bottom;
    Fill(kFelt);
    slot.Draw();
    // The caption's pixels: white where the bare frame is not.
    platform::Surface bare(800, 600);
    platform::ColorFill(&bare, nullptr, kFelt);
    const platform::Rect src{0, 0, w, h};
    platform::BltFast(&bare, kX, kY, slot.picture, &src,
                      platform::kBltFastSrcColorKey | platform::kBltFastWait);
    platform::Rect ink{800, 600, 0, 0};
    for (int y = kY; y < kY + h; ++y)
        for (int x = kX; x < kX + w; ++x)
            if (frame.Row(y)[x] != bare.Row(y)[x]) {
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                       std::max(ink.bottom, y + 1)};
            }
    ASSERT_LT(ink.left, ink.right);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, kX + w / 2.0, 2.0);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, kY + h / 2.0, 3.0);
    EXPECT_GE(ink.bottom - ink.top, 12);  // the title font, not the small icon-title font
}

TEST_F(ButtonTest, HiddenButtonDrawsNothing) {
    button.SetCaption("发送");
    button.visible = 0;
    button.Draw();
    platform::Surface felt(800, 600);
    platform::ColorFill(&felt, nullptr, kFelt);
    EXPECT_EQ(CountDifferences(frame, felt, Area()), 0);
    button.visible = 1;
    lpDDSPla = nullptr;
    button.Draw();  // no composition surface: nothing to draw on, nothing happens
    lpDDSPla = &frame;
}

class ButtonArrayTest : public WidgetTest {
protected:
    // Three buttons side by side 50 pixels apart, the third overlapping the second.
    ButtonArrayTest() {
        for (int i = 0; i < 3; ++i) array.Add(kStrip, "");
        array.SetPos(0, 100, 100);
        array.SetPos(1, 150, 100);
        array.SetPos(2, 170, 100);
    }
    int Click(int x, int y) {
        array.MouseDown(x, y);
        return array.MouseUp(x, y);
    }
    CBitButtonArray array;
};

TEST_F(ButtonArrayTest, TheFiftyFirstButtonIsIgnoredAndIdsOutsideGiveNull) {
    for (int i = 3; i < 60; ++i) array.Add(kStrip, "x");
    EXPECT_EQ(array.count, 50);
    EXPECT_NE(array.GetButton(49), nullptr);
    EXPECT_EQ(array.GetButton(50), nullptr);
    EXPECT_EQ(array.GetButton(-1), nullptr);
    EXPECT_EQ(array.GetButton(1)->x, 150);
    EXPECT_EQ(array.GetButton(49)->x, 0);  // added at (0, 0) with its caption
    EXPECT_EQ(array.GetButton(49)->caption, "x");
    array.SetPos(50, 1, 1);  // beyond the count: ignored
}

TEST_F(ButtonArrayTest, OverlapGoesToTheLowerIndexAndTheHigherIsDrawnOnTop) {
    EXPECT_EQ(array.MouseDown(180, 110), 1);
    EXPECT_FALSE(array.GetButton(2)->pressed);
    EXPECT_EQ(array.MouseUp(180, 110), 1);

    platform::Surface expected(800, 600);
    platform::ColorFill(&expected, nullptr, kFelt);
    for (int i = 0; i < 3; ++i) {
        const CBitButton* b = array.GetButton(i);
        const platform::Rect src{0, 0, 44, 24};
        platform::BltFast(&expected, b->x, b->y, b->picture, &src,
                          platform::kBltFastSrcColorKey | platform::kBltFastWait);
    }
    array.DrawAll();
    EXPECT_EQ(CountDifferences(frame, expected, {90, 90, 230, 130}), 0);
}

TEST_F(ButtonArrayTest, MoveReportsTheFirstChangeAndTheNeighbourOnTheNextMove) {
    EXPECT_EQ(array.MouseMove(120, 110), 0);
    EXPECT_EQ(array.MouseMove(121, 110), -1);
    // From button 0 straight onto button 1: 0 loses its hover first, 1 gains it next time.
    EXPECT_EQ(array.MouseMove(160, 110), 0);
    EXPECT_FALSE(array.GetButton(1)->hover);
    EXPECT_EQ(array.MouseMove(160, 110), 1);
    EXPECT_EQ(array.MouseMove(10, 10), 1);
    EXPECT_EQ(array.MouseMove(10, 10), -1);
}

TEST_F(ButtonArrayTest, ReleaseClicksOnlyTheButtonPressedInTheSameGesture) {
    EXPECT_EQ(Click(110, 110), 0);
    EXPECT_EQ(Click(10, 10), -1);
    // Press on 0, release on 1: nothing, and 0 is no longer armed.
    array.MouseDown(110, 110);
    EXPECT_EQ(array.MouseUp(160, 110), -1);
    EXPECT_EQ(array.MouseUp(110, 110), -1);
}

TEST_F(ButtonArrayTest, APressClearsPressesLeftOverFromALostRelease) {
    array.MouseDown(110, 110);  // its release never arrives
    EXPECT_EQ(array.MouseDown(10, 10), -1);
    EXPECT_FALSE(array.GetButton(0)->pressed);
    EXPECT_EQ(array.MouseUp(110, 110), -1);
}

TEST_F(ButtonArrayTest, AReleaseDisarmsAButtonDisabledOrHiddenDuringThePress) {
    for (int hidden = 0; hidden < 2; ++hidden) {
        CBitButton* b = array.GetButton(0);
        array.MouseDown(110, 110);
        (hidden ? b->visible : b->enabled) = 0;
        EXPECT_EQ(array.MouseUp(110, 110), -1);
        EXPECT_FALSE(b->pressed);
        (hidden ? b->visible : b->enabled) = 1;
        EXPECT_EQ(array.MouseUp(110, 110), -1) << "a later release must not click it";
    }
}

}  // namespace
