// The exit window: its buttons end it with OK or cancel, its page is the local one, a missing
// picture is reported, and a picture of it for a person to look at.
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "shell/QtText.h"

namespace shelltest {
namespace {

class ExitWindowTest : public ShellTest {};

// A button's centre: OK (42, 376), cancel (250, 376), close (305, 8).
struct ButtonCase {
    const char* name;
    int x, y;
    int result;
};
const ButtonCase kButtonCases[] = {
    {"OK", 60, 390, QDialog::Accepted},
    {"cancel", 270, 390, QDialog::Rejected},
    {"close", 314, 17, QDialog::Rejected},
};

TEST_F(ExitWindowTest, ItsButtonsEndItWithOkOrCancel) {
    for (const ButtonCase& c : kButtonCases) {
        TClostForm form(nullptr);
        form.show();
        form.setResult(-1);
        ClickAt(form, c.x, c.y);
        EXPECT_EQ(form.result(), c.result) << c.name;
        EXPECT_FALSE(form.isVisible()) << c.name;
    }
}

TEST_F(ExitWindowTest, PressOnAButtonReleasedElsewhereLeavesItOpen) {
    TClostForm form(nullptr);
    form.show();
    form.setResult(-1);
    form.FormMouseDown(60, 390);
    form.FormMouseUp(200, 200);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.result(), -1);
    EXPECT_FALSE(form.Buttons.Button(0).pressed);
}

TEST_F(ExitWindowTest, HoverShowsTheHoverFrame) {
    TClostForm form(nullptr);
    const platform::Surface before = form.Compose();
    form.FormMouseMove(60, 390);
    EXPECT_TRUE(form.Buttons.Button(0).hover);
    const platform::Surface after = form.Compose();
    EXPECT_NE(before.Row(390)[60], after.Row(390)[60]);
    EXPECT_EQ(before.Row(100)[100], after.Row(100)[100]) << "only the button changes";
}

// The local page shows in the pane; an announced remote page is not reachable and leaves it.
TEST_F(ExitWindowTest, ShowsTheLocalPage) {
    for (const char* remote : {"", "http://www.example.com/bye.htm"}) {
        TClostForm form(nullptr);
        form.RemotePage = remote;
        form.show();
        const auto* pane = form.findChild<QTextBrowser*>();
        ASSERT_NE(pane, nullptr);
        EXPECT_TRUE(pane->toPlainText().contains(FromGbk("感谢您的光临"))) << remote;
    }
}

class ExitWindowMissingTest : public ExitWindowTest {};

TEST_F(ExitWindowMissingTest, AMissingPictureIsReported) {
    for (const char* missing : {"Res/closeform.bmp", "Res/mask_conner3.bmp", "Res/Button/quxiao.bmp"}) {
        UseProgramFolder({missing});
        boxes_.Clear();
        TClostForm form(nullptr);
        EXPECT_TRUE(bGameFileMissing) << missing;
        ASSERT_EQ(boxes_.Shown().size(), 1u) << missing;
        EXPECT_EQ(boxes_.Last().text.rfind("游戏缺少文件，重新安装可能解决该问题。", 0), 0u);
        EXPECT_EQ(boxes_.Last().caption, "警告");
    }
}

// The exit window centred on a 1024 × 768 screen, the OK button under the mouse.
TEST_F(ExitWindowTest, Picture) {
    TClostForm form(nullptr);
    form.move((1024 - TClostForm::kWidth) / 2, (768 - TClostForm::kHeight) / 2);
    form.show();
    ProcessEvents();
    form.FormMouseMove(60, 390);  // the OK button hovered
    SavePng(ScreenPicture(form), "exit_window");
}

}  // namespace
}  // namespace shelltest
