// The start notice and the about box: the notice's pages and boxes, and pictures of both for a
// person to look at.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "shell/Addresses.h"
#include "shell/LinkLabel.h"
#include "shell/QtText.h"

namespace shelltest {
namespace {

class AdviceTest : public ShellTest {};

// Without a network the notice shows the local page: the remote one cannot be reached, so it
// never replaces it.
TEST_F(AdviceTest, ShowsTheLocalPage) {
    TAdviceForm notice(nullptr);
    notice.show();
    EXPECT_TRUE(notice.Panel2->isVisible());
    EXPECT_FALSE(notice.Panel1->isVisible());
    EXPECT_FALSE(notice.bRemoteOk);
    EXPECT_TRUE(notice.CppWebBrowser2->toPlainText().contains(FromGbk("欢迎来到翠岭麻将")));
    // The page lies over the advice lines of the window, so it carries them itself.
    EXPECT_TRUE(notice.CppWebBrowser2->toPlainText().contains(FromGbk("适度游戏益智，沉溺游戏伤身；")));
    EXPECT_EQ(notice.CppWebBrowser2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(notice.CppWebBrowser2->frameShape(), QFrame::NoFrame);
    EXPECT_FALSE(notice.CheckBox1->isVisible()) << "the full-screen box is never shown";
}

TEST_F(AdviceTest, AMissingLocalPageShowsTheErrorPage) {
    UseProgramFolder({"ad/pop.htm"});
    TAdviceForm notice(nullptr);
    notice.show();
    EXPECT_TRUE(notice.Panel2->isVisible());
    EXPECT_TRUE(notice.CppWebBrowser2->toPlainText().contains(FromGbk("无法显示网页")));
    EXPECT_FALSE(notice.bRemoteOk);
    EXPECT_TRUE(boxes_.Shown().empty()) << "a page is not a picture: nothing ends";
}

TEST_F(AdviceTest, TheViewBoxChoosesThePreview) {
    TAdviceForm notice(nullptr);
    notice.show();
    notice.CheckBox2->setChecked(true);
    notice.CheckBox2Click();
    EXPECT_TRUE(notice.Image1->isVisible());
    EXPECT_FALSE(notice.Image2->isVisible());
    ClickAt(*notice.CheckBox2, 5, notice.CheckBox2->height() / 2);
    EXPECT_FALSE(notice.CheckBox2->isChecked());
    EXPECT_FALSE(notice.Image1->isVisible());
    EXPECT_TRUE(notice.Image2->isVisible());
}

TEST_F(AdviceTest, TheLinkOpensTheMiniGamesPage) {
    TAdviceForm notice(nullptr);
    notice.show();
    ClickAt(*notice.Label5, 10, 5);
    EXPECT_EQ(desktop_.opened, std::vector<std::string>{kMiniGamesUrl});
}

TEST_F(AdviceTest, EnterAndTheCloseBoxBothEndIt) {
    TAdviceForm notice(nullptr);
    notice.show();
    notice.BitBtn1->click();
    EXPECT_EQ(notice.result(), QDialog::Accepted);
    notice.show();
    notice.close();
    EXPECT_FALSE(notice.isVisible());
}

// The start notice centred on a 1024 × 768 screen, as the program shows it at start.
TEST_F(AdviceTest, Picture) {
    TAdviceForm notice(nullptr);
    notice.CheckBox2->setChecked(true);
    notice.CheckBox2Click();
    notice.move((1024 - notice.width()) / 2, (768 - notice.height()) / 2);
    notice.show();
    ProcessEvents();
    SavePng(ScreenPicture(notice), "start_notice");
}

class AboutTest : public ShellTest {};

TEST_F(AboutTest, Picture) {
    TAboutForm about(nullptr);
    about.move((1024 - about.width()) / 2, (768 - about.height()) / 2);
    about.show();
    ProcessEvents();
    EXPECT_EQ(about.windowTitle(), FromGbk("关于翠岭"));
    SavePng(ScreenPicture(about), "about_box");
}

}  // namespace
}  // namespace shelltest
