// The table buttons beyond the hand's: the menu, the quick-phrase list, minimising, the web
// pages, the options and the buttons that do nothing.
#include <gtest/gtest.h>

#include <string>

#include "HandPoints.h"
#include "TableFixture.h"
#include "platform/testing/DesktopRecorder.h"
#include "platform/testing/ScopedService.h"
#include "platform/WindowKeys.h"
#include "ui/DxGameChatWnd.h"
#include "ui/ModeForm.h"

namespace enginetest {
namespace {

using platform::testing::SoundCallKind;

constexpr int kMenu[] = {kButtonSettings, kButtonWebsite, kButtonHelp, kButtonLeave};

class TableButtons : public TableTest {
protected:
    TableButtons() : TableTest(StandIns::kSoundAndMusic), desktop_(&desktop) {
        t->phraselist = &phrases;
        Midhand(0);
        Hand(0, "123m 456p 789s 11z 23m");
    }
    ~TableButtons() override { t->phraselist = nullptr; }

    // A click on a shown button.
    void Click(int id) {
        t->Button(id).visible = 1;
        t->OnButtonClick(id);
    }
    bool MenuShown() const {
        for (int id : kMenu)
            if (!t->Button(id).visible) return false;
        return true;
    }

    CDxGameChatWnd phrases;
    platform::testing::DesktopRecorder desktop;

private:
    platform::testing::ScopedDesktop desktop_;
};

TEST_F(TableButtons, MenuButtonAndEscapeToggleTheFourEntries) {
    ASSERT_FALSE(t->Button(kButtonSettings).visible);
    Click(kButtonMenu);
    EXPECT_TRUE(MenuShown());
    Click(kButtonMenu);
    for (int id : kMenu) EXPECT_FALSE(t->Button(id).visible) << id;
    t->OnKeyDown(platform::VK_ESCAPE);
    EXPECT_TRUE(MenuShown());
    t->OnKeyDown(platform::VK_ESCAPE);
    EXPECT_FALSE(t->Button(kButtonHelp).visible);
}

TEST_F(TableButtons, Buttons18And19OpenAndCloseTheQuickPhraseList) {
    t->Button(kButtonPhrasesOpen).visible = 1;
    t->OnButtonClick(kButtonPhrasesOpen);
    EXPECT_TRUE(phrases.visible);
    EXPECT_FALSE(t->Button(kButtonPhrasesOpen).visible);
    EXPECT_TRUE(t->Button(kButtonPhrasesClose).visible);
    t->OnButtonClick(kButtonPhrasesClose);
    EXPECT_FALSE(phrases.visible);
    EXPECT_TRUE(t->Button(kButtonPhrasesOpen).visible);
    EXPECT_FALSE(t->Button(kButtonPhrasesClose).visible);
    const auto played = headless->Sound().Paths(SoundCallKind::PlayFile);
    ASSERT_EQ(played.size(), 2u);
    for (const std::string& path : played) EXPECT_NE(path.find("ta.wav"), std::string::npos);
}

TEST_F(TableButtons, AnOpenPhraseListKeepsTheHandStill) {
    t->maydiscard = 1;
    Click(kButtonPhrasesOpen);
    HandPoints hand(t->renderer);
    const int x = hand.X(t->Player[0], 2);
    t->OnMouseMove(x, hand.Y());
    EXPECT_EQ(t->Player[0].select, -1);
    Click(kButtonPhrasesClose);
    t->OnMouseMove(x, hand.Y());
    EXPECT_EQ(t->Player[0].select, 2);
}

// The web site goes to the browser, and so does the help page of the program folder by its
// "file:" address; when no browser can be started a box says so and names the page, and a
// missing help page is told as missing.
TEST_F(TableButtons, MinimiseTheWebSiteAndTheHelpPageGoToTheDesktop) {
    Click(kButtonMinimize);
    EXPECT_EQ(desktop.minimizes, 1);
    const std::string helpFile = platform::ToDiskPath(platform::ProgramPath("help.htm"));
    // The folder sees the build's own page through a link: a page of the test's own replaces
    // the link, never the page behind it.
    std::filesystem::remove(helpFile);
    WriteFile(helpFile, "<html></html>");
    for (bool browser : {true, false}) {
        desktop.browser = browser;
        desktop.opened.clear();
        headless->Boxes().Clear();
        Click(kButtonWebsite);
        Click(kButtonHelp);
        ASSERT_EQ(desktop.opened.size(), 2u);
        EXPECT_EQ(desktop.opened[0], kHomePageAddress);
        EXPECT_EQ(desktop.opened[1], "file://" + helpFile);
        if (browser) {
            EXPECT_TRUE(headless->Boxes().Shown().empty());
            continue;
        }
        ASSERT_EQ(headless->Boxes().Shown().size(), 2u);
        EXPECT_NE(headless->Boxes().Shown()[0].text.find(kHomePageAddress), std::string::npos);
        EXPECT_NE(headless->Boxes().Last().text.find(helpFile), std::string::npos);
        EXPECT_EQ(headless->Boxes().Last().text.find("无法启动浏览器"), 0u);
        EXPECT_EQ(headless->Boxes().Last().icon, platform::MbIcon::Information);
    }
    // A program folder without its help page says the page is missing and names where it
    // should be; no browser is asked for it.
    std::filesystem::remove(helpFile);
    headless->Boxes().Clear();
    desktop.opened.clear();
    Click(kButtonHelp);
    EXPECT_TRUE(desktop.opened.empty());
    ASSERT_EQ(headless->Boxes().Shown().size(), 1u);
    EXPECT_EQ(headless->Boxes().Last().text, "找不到帮助页面：\n" + helpFile);
}

TEST_F(TableButtons, TheSettingsEntryShowsTheOptions) {
    Click(kButtonSettings);
    EXPECT_EQ(nActiveForm, 2);
    EXPECT_EQ(shown.dialogs.back(), 2);
    nActiveForm = 0;
}

// Pointed at and clicked, the options entry is lit; the dialog then takes the mouse, and once
// it closes the entry is drawn unlit again.
TEST_F(TableButtons, TheOptionsEntryIsNotLitOnceTheOptionsClose) {
    Click(kButtonMenu);
    CBitButton& options = t->Button(kButtonSettings);
    const int x = options.x + 10;
    const int y = options.y + 10;
    t->OnMouseMove(x, y);
    ASSERT_TRUE(options.hover);
    t->OnLButtonDown(x, y, 0, 1);
    t->OnLButtonUp(x, y);
    ASSERT_EQ(nActiveForm, 2);
    nActiveForm = 0;
    EXPECT_FALSE(options.hover);
}

TEST_F(TableButtons, TheQuietButtonsChangeNothing) {
    for (int id : {7, 8, 13, 14, 23, int{kButtonMaximize}}) {
        const int frames = shown.frames;
        Click(id);
        EXPECT_EQ(shown.frames, frames) << id;
        EXPECT_EQ(nActiveForm, 0) << id;
    }
    EXPECT_EQ(desktop.minimizes + static_cast<int>(desktop.opened.size()), 0);
}

TEST_F(TableButtons, HiddenOrDisabledButtonsTakeNoClick) {
    t->Button(kButtonMenu).visible = 0;
    t->OnButtonClick(kButtonMenu);
    EXPECT_FALSE(MenuShown());
    t->Button(kButtonMenu).visible = 1;
    t->Button(kButtonMenu).enabled = 0;
    t->OnButtonClick(kButtonMenu);
    EXPECT_FALSE(MenuShown());
}

// The kong button on the user's own turn with no kong to make, and the chow button with no
// chow to make, act as pass; a click on any claim button first disables all six.
TEST_F(TableButtons, KongAndChowButtonsWithNothingToMakeActAsPass) {
    // The user's own turn with a win offered; the kong button is shown and enabled with it.
    Hand(0, "123m456m789m123p5p");
    Drawn(0, "5p");
    t->curplayer = 0;
    t->GiveMj(true);
    ASSERT_TRUE(t->claimpending && t->Button(kButtonWin).enabled);
    t->Button(kButtonKong).enabled = 1;
    Click(kButtonKong);
    EXPECT_FALSE(t->claimpending);
    EXPECT_TRUE(t->maydiscard);  // passed: the user discards
    EXPECT_EQ(t->Player[0].gangnum, 0);
    for (int id : kClaimButtons) EXPECT_FALSE(t->Button(id).enabled) << id;

    // Seat 3's discard that the user could pung but not chow.
    Midhand(3);
    Hand(0, "123m 456p 789s 55z 23m");
    Discards(3, "5z");
    ASSERT_TRUE(t->claimpending);
    t->Button(kButtonChow).enabled = 1;
    Click(kButtonChow);
    EXPECT_EQ(t->Player[0].gangnum, 0);
    EXPECT_FALSE(t->Player[0].choosechow);
    EXPECT_EQ(t->Player[3].rivernum, 1);  // passed: the discard went to the river
}

}  // namespace
}  // namespace enginetest
