// The exit window's picture buttons: the mask ANDed and one frame ORed onto the window's
// picture, their hit test, press and release, hover, their sounds and their array.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ShellTestSupport.h"
#include "shell/GDIButtonArray.h"
#include "tests/platform/surface/BmpWriter.h"

namespace shelltest {
namespace {

using platform::testing::SoundCallKind;

// A strip of five 2 × 2 frames.  The mask (frame 4) is black on the diagonal, where the button
// shows; frames 0 to 3 hold their own colour there and black elsewhere.
constexpr std::uint32_t kFrameRgb[4] = {0xF80000, 0x00FC00, 0x0000F8, 0x080408};
constexpr std::uint16_t kFrame565[4] = {0xF800, 0x07E0, 0x001F, 0x0821};
constexpr std::uint16_t kUnder = 0x5AEB;  // what the window shows under the button

std::vector<std::uint32_t> StripPixels() {
    std::vector<std::uint32_t> rgb(10 * 2, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            const bool shows = x == y;
            for (int f = 0; f < 4; ++f) rgb[y * 10 + f * 2 + x] = shows ? kFrameRgb[f] : 0;
            rgb[y * 10 + 8 + x] = shows ? 0 : 0xFFFFFF;
        }
    return rgb;
}

class GDIButtonTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        WriteBytes(Root() / "strip.bmp", bmptest::WriteBmp(10, 2, StripPixels(), {}));
    }
    std::string StripPath() const { return platform::ProgramPath("strip.bmp"); }

    // The 4 × 4 window picture after drawing a button at (1, 1).
    std::vector<std::uint16_t> Drawn(const CGDIButton& button) {
        platform::Surface canvas(4, 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) canvas.Row(y)[x] = kUnder;
        button.Draw(canvas);
        return std::vector<std::uint16_t>(canvas.Pixels(), canvas.Pixels() + 16);
    }
};

struct StateCase {
    const char* name;
    bool enabled, visible, hover, pressed;
    int frame;  // -1: nothing drawn
};
const StateCase kStates[] = {
    {"normal", true, true, false, false, 0},
    {"hover", true, true, true, false, 1},
    {"pressed and hovered", true, true, true, true, 2},
    {"pressed, mouse away", true, true, false, true, 0},
    {"disabled", false, true, true, true, 3},
    {"hidden", true, false, true, false, -1},
};

TEST_F(GDIButtonTest, AndsTheMaskThenOrsTheFrameOfItsState) {
    for (const StateCase& c : kStates) {
        CGDIButton button(StripPath());
        ASSERT_TRUE(button.HasPicture());
        EXPECT_EQ(button.FrameWidth(), 2);
        button.SetPos(1, 1);
        button.enabled = c.enabled;
        button.visible = c.visible;
        button.hover = c.hover;
        button.pressed = c.pressed;
        std::vector<std::uint16_t> expected(16, kUnder);
        if (c.frame >= 0) {
            expected[1 * 4 + 1] = kFrame565[c.frame];  // mask 0: (under & 0) | frame
            expected[2 * 4 + 2] = kFrame565[c.frame];
            // Off the diagonal: (under & 0xFFFF) | 0 leaves the window as it was.
        }
        EXPECT_EQ(Drawn(button), expected) << c.name;
    }
}

// The left and top edge lines lie outside; the frame is 2 × 2 at (10, 20), so only (11, 21)
// is on the button.
TEST_F(GDIButtonTest, HitsStrictlyInsideItsFrame) {
    CGDIButton button(StripPath());
    button.SetPos(10, 20);
    const struct {
        int x, y;
        bool hit;
    } kPoints[] = {{10, 21, false}, {11, 20, false}, {11, 21, true}, {12, 21, false},
                   {11, 22, false}};
    for (const auto& p : kPoints) {
        button.pressed = false;
        EXPECT_EQ(button.MouseDown(p.x, p.y), p.hit) << p.x << "," << p.y;
        EXPECT_EQ(button.pressed, p.hit);
    }
    button.pressed = false;
    button.enabled = false;
    EXPECT_FALSE(button.MouseDown(11, 21));
}

TEST_F(GDIButtonTest, ClicksOnlyWhenReleasedWhereItWasPressed) {
    CGDIButton button(StripPath());
    button.SetPos(10, 20);
    EXPECT_FALSE(button.MouseUp(11, 21)) << "a release without a press";
    ASSERT_TRUE(button.MouseDown(11, 21));
    EXPECT_FALSE(button.MouseUp(30, 30)) << "released off the button";
    EXPECT_FALSE(button.pressed) << "back to normal";
    ASSERT_TRUE(button.MouseDown(11, 21));
    EXPECT_TRUE(button.MouseUp(11, 21));
    EXPECT_FALSE(button.pressed);
}

TEST_F(GDIButtonTest, ReportsHoverChangesWithTheProgramFoldersSounds) {
    CGDIButton button(StripPath());
    button.SetPos(10, 20);
    EXPECT_TRUE(button.MouseMove(11, 21));
    EXPECT_FALSE(button.MouseMove(11, 21)) << "still over it";
    EXPECT_TRUE(button.MouseMove(0, 0));
    EXPECT_FALSE(button.MouseMove(1, 1));
    button.MouseDown(11, 21);
    button.MouseUp(11, 21);
    // The sounds are the program folder's, wherever the program was started from.
    EXPECT_EQ(sound_.Paths(SoundCallKind::PlayFile),
              (std::vector<std::string>{platform::ProgramPath("Sound\\move.wav"),
                                        platform::ProgramPath("Sound\\button.wav")}));
}

TEST_F(GDIButtonTest, MissingPictureIsReportedLikeEveryMissingPicture) {
    CGDIButton button(platform::ProgramPath("Res\\Button\\none.bmp"));
    EXPECT_FALSE(button.HasPicture());
    EXPECT_TRUE(bGameFileMissing);
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_EQ(boxes_.Last().text.rfind("游戏缺少文件，重新安装可能解决该问题。", 0), 0u);
    platform::Surface canvas(4, 4);
    button.Draw(canvas);  // draws nothing, touches nothing
}

// Two buttons side by side at (0, 0) and (10, 0), each 2 × 2 (so (1, 1) and (11, 1) are on).
class GDIButtonArrayTest : public GDIButtonTest {
protected:
    void SetUp() override {
        GDIButtonTest::SetUp();
        array_.Add(StripPath(), "a");
        array_.Add(StripPath(), "b");
        array_.SetPos(1, 10, 0);
    }
    CGDIButtonArray array_;
};

TEST_F(GDIButtonArrayTest, AnswersTheButtonThatTookTheMouse) {
    EXPECT_EQ(array_.MouseDown(5, 1), -1);
    EXPECT_EQ(array_.MouseDown(11, 1), 1);
    EXPECT_EQ(array_.MouseUp(11, 1), 1);
    EXPECT_EQ(array_.MouseUp(11, 1), -1) << "the press was used up";
    EXPECT_EQ(array_.MouseMove(1, 1), 0);
    // Leaving the first and entering the second in one move: the first change answers, and
    // the second button is not asked in that move.
    EXPECT_EQ(array_.MouseMove(11, 1), 0);
    EXPECT_FALSE(array_.Button(1).hover);
    EXPECT_EQ(array_.MouseMove(11, 1), 1);
}

// Every button hears the release; the highest index that clicked answers.
TEST_F(GDIButtonArrayTest, ReleaseAsksEveryButton) {
    array_.SetPos(1, 0, 0);  // the two now overlap
    array_.Button(0).pressed = array_.Button(1).pressed = true;
    EXPECT_EQ(array_.MouseUp(1, 1), 1);
    EXPECT_FALSE(array_.Button(0).pressed);
}

TEST_F(GDIButtonArrayTest, HoldsAtMostFiftyButtons) {
    for (int i = 2; i < 60; ++i) array_.Add(StripPath(), std::to_string(i));
    EXPECT_EQ(array_.Count(), CGDIButtonArray::kMaxButtons);
    EXPECT_EQ(array_.Button(49).caption, "49");
}

}  // namespace
}  // namespace shelltest
