// The pop-up page window: a window of its own that shows a local page in its pane, while a page
// on the web opens in the desktop's browser.
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "shell/PopForm.h"
#include "shell/QtText.h"

namespace shelltest {
namespace {

class PopFormTest : public ShellTest {};

TEST_F(PopFormTest, ALocalPageShowsInItsOwnWindow) {
    TPopForm form;
    form.ShowPage(platform::ProgramPath("ad\\closead.htm"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.parentWidget(), nullptr) << "not owned by the main window";
    EXPECT_EQ(form.windowTitle(), FromGbk("澄枫广告"));
    EXPECT_TRUE(form.CppWebBrowser1->toPlainText().contains(FromGbk("感谢您的光临")));
    EXPECT_EQ(form.CppWebBrowser1->geometry(), form.rect()) << "the pane fills the window";
    EXPECT_TRUE(desktop_.opened.empty());
}

TEST_F(PopFormTest, AWebPageOpensInTheDesktopsBrowser) {
    TPopForm form;
    form.ShowPage("http://www.example.com/pop.htm");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(desktop_.opened, std::vector<std::string>{"http://www.example.com/pop.htm"});
}

}  // namespace
}  // namespace shelltest
