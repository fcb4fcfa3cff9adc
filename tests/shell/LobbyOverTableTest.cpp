// The main window's lobby panes as a player meets them: shown with the lobby, gone once the
// player sits down, once a lost hand comes back, and once online play ends (talk windows with
// them); the banner shows the program folder's own page; the server's message boxes come one
// at a time, a few waiting, however many the server sends.
#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ShellTestSupport.h"
#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "ui/Dialogs.h"
#include "online/GameMsgServer.h"
#include "online/MainWindowNotices.h"
#include "online/NetRoom.h"
#include "online/NoticeBoxQueue.h"
#include "online/qt/AvatarForm.h"
#include "online/qt/TalkForm.h"
#include "platform/qt/QtGameWindow.h"
#include "shell/LobbyPanes.h"
#include "shell/MainForm.h"
#include "shell/QtText.h"
#include "shell/ShellForms.h"

namespace shelltest {
namespace {

class LobbyOverTableTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        forms_ = std::make_unique<ShellForms>(std::vector<std::string>{kRegServerArgument}, kScreen);
        ASSERT_FALSE(forms_->EndRequested());
        table = forms_->Main().Table();
        panes = forms_->Main().LobbyPanes();
        table->recordsink = [](const std::uint8_t*) {};  // the server is not asked here
    }
    void TearDown() override {
        forms_.reset();
        ShellTest::TearDown();
    }

    void Feed(const GameMsg& record) { table->OnGameMsg(record.data()); }

    // Which of the five panes beside the table show.
    std::string Shown() const {
        std::string shown;
        if (!panes->TreeView1->isHidden()) shown += "tree ";
        if (!panes->ListView1->isHidden()) shown += "users ";
        if (!panes->Banner->isHidden()) shown += "banner ";
        if (!panes->ListView2->isHidden()) shown += "invites ";
        return shown;
    }

    void SitDown() {
        ScEnterTable enter;
        enter.ownSeat = 1;
        enter.variant = 1;
        enter.minFan = 8;
        Feed(Encode(enter));
    }

    static ScTableRestore Restore() {
        ScTableRestore r;
        r.part = 1;
        r.ownSeat = 1;
        r.count = 13;
        for (int i = 0; i < 13; i++) r.hand[i] = static_cast<std::uint8_t>(i * 4);
        for (int& c : r.concealed) c = 13;
        r.dice[0] = 2;
        r.dice[1] = 4;
        r.lastTaken = 60;
        r.wind = 1;
        return r;
    }

    std::unique_ptr<ShellForms> forms_;
    CMj* table = nullptr;
    QtLobbyWindows* panes = nullptr;
};

TEST_F(LobbyOverTableTest, NoLobbyPaneStaysOverTheTable) {
    table->NetStart();
    EXPECT_EQ(Shown(), "tree users banner ");
    SitDown();
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(nActiveForm, 0);

    // Back in the lobby, the invitation list open; a lost hand comes back.
    pNetRoom->Show();
    panes->ShowInviteList(true, 10, 10);
    EXPECT_EQ(Shown(), "tree users banner invites ");
    Feed(Encode(Restore()));
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(nActiveForm, 0);

    // The link ends while the lobby, the invitation list and two talk windows are up.
    pNetRoom->Show();
    panes->ShowInviteList(true, 10, 10);
    panes->OpenTalkWindow("bob");
    panes->OpenTalkWindow("amy");
    QPointer<TTalkForm> talk = panes->FindTalk("bob");
    table->NetGameEnded();
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(panes->TalkWindowCount(), 0);
    ASSERT_TRUE(talk);
    EXPECT_TRUE(talk->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(talk);
}

// The score sheet and a new hand's reset close the invitation list.
TEST_F(LobbyOverTableTest, TheScoreSheetAndANewHandCloseTheInvitationList) {
    table->NetStart();
    SitDown();
    panes->ShowInviteList(true, 10, 10);
    DialogForId(kScoreFormId)->Show();
    EXPECT_TRUE(panes->ListView2->isHidden());
    panes->ShowInviteList(true, 10, 10);
    table->ResetTable();
    EXPECT_TRUE(panes->ListView2->isHidden());
}

// The server's lobby records that reach a seated user change the lobby's data, but put no
// information box over the table; a refused login that comes after the login leaves the score
// sheet as it was, with no lobby pane over it.
TEST_F(LobbyOverTableTest, LobbyRecordsAtTheTablePutNothingOverIt) {
    table->NetStart();
    SitDown();
    Feed(Encode(ScRoomListBegin{1, "server"}));
    Feed(Encode(ScRoomAdd{0, "room"}));
    Feed(Encode(ScRoomListEnd{}));
    EXPECT_FALSE(bInfoShown);
    ScRoomInfo contents;
    contents.contentsFollow = true;
    Feed(Encode(contents));
    EXPECT_FALSE(bInfoShown);

    DialogForId(kScoreFormId)->Show();
    Feed(Encode(ScLoginFail{"refused"}));
    ProcessEvents();
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(nActiveForm, kScoreFormId);
}

// The avatar chooser is modal: while it is open a click on a free seat of the lobby (the
// table's own window, drawn by the game) asks for no seat; once it is closed the same click
// asks for that seat.
TEST_F(LobbyOverTableTest, TheAvatarChooserHoldsTheLobbyBehindIt) {
    table->NetStart();
    pNetRoom->roomcount = 1;
    pNetRoom->room = 0;
    QWindow* lobby = forms_->Main().Window().windowHandle();
    ASSERT_NE(lobby, nullptr);
    ASSERT_NE(AvatarForm, nullptr);
    const QPoint avatarButton(650, 578), freeSeat(100, 220);
    QTest::mouseClick(lobby, Qt::LeftButton, {}, avatarButton);
    ASSERT_TRUE(AvatarForm->isVisible());
    EXPECT_TRUE(AvatarForm->isModal());
    QTest::mouseClick(lobby, Qt::LeftButton, {}, freeSeat);
    EXPECT_EQ(pNetRoom->owntable, -1);
    EXPECT_FALSE(bInfoShown);

    AvatarForm->reject();
    QTest::mouseClick(lobby, Qt::LeftButton, {}, freeSeat);
    EXPECT_EQ(pNetRoom->owntable, 0);
}

TEST_F(LobbyOverTableTest, TheBannerShowsTheProgramFoldersOwnPage) {
    EXPECT_TRUE(panes->Banner->isHidden());
    const QString text = static_cast<QTextBrowser*>(panes->Banner)->toPlainText();
    EXPECT_TRUE(text.contains(FromGbk("翠岭麻将"))) << text.toStdString();
}

// A message box that stands for a modal one: while it shows, the window goes on taking posted
// notices, as a real box's own event loop lets it.
class ModalBoxes : public platform::MessageBoxes {
public:
    platform::MbResult Show(const platform::MessageBoxRequest& request) override {
        texts.push_back(request.text);
        shown.push_back(request);
        depth++;
        deepest = std::max(deepest, depth);
        if (onFirst) std::exchange(onFirst, nullptr)();
        ProcessEvents();
        depth--;
        return platform::MbResult::Ok;
    }
    std::vector<std::string> texts;
    std::vector<platform::MessageBoxRequest> shown;
    int depth = 0;
    int deepest = 0;
    std::function<void()> onFirst;
};

TEST_F(LobbyOverTableTest, AFloodOfServerMessageBoxesShowsOneAtATimeAndAFewWaiting) {
    ModalBoxes modal;
    platform::testing::ScopedMessageBoxes installed(&modal);
    modal.onFirst = [] {
        for (int i = 0; i < 200; i++) PostNoticeText(WM_NOTICEMSG, "后" + std::to_string(i));
    };
    PostNoticeText(WM_NOTICEMSG, "第一条");
    ProcessEvents();
    EXPECT_EQ(modal.deepest, 1);
    const std::vector<std::string> expected = {"第一条", "后0", "后1", "后2", "后3"};
    ASSERT_EQ(modal.texts.size(), 1 + NoticeBoxQueue::kMaxWaiting);
    EXPECT_EQ(modal.texts, expected);
    // Once they are closed, the next box shows again.
    PostNoticeText(WM_NOTICEMSG, "再一条");
    ProcessEvents();
    EXPECT_EQ(modal.texts.back(), "再一条");
}

// A server that says something and closes: the lost connection's box waits until the server's
// is closed, then stands over the main window with its own caption.
TEST_F(LobbyOverTableTest, ALostConnectionsBoxWaitsForTheServersBox) {
    ModalBoxes modal;
    platform::testing::ScopedMessageBoxes installed(&modal);
    modal.onFirst = [] {
        PostNoticeBox({"与服务器的连接断开，请尽快重新登录继续游戏.", "信息", platform::MbIcon::Information});
    };
    PostNoticeText(WM_NOTICEMSG, "您的帐号在别处登录");
    ProcessEvents();
    EXPECT_EQ(modal.deepest, 1);
    ASSERT_EQ(modal.shown.size(), 2u);
    EXPECT_EQ(modal.shown[0].caption, kApplicationTitle);
    const platform::MessageBoxRequest& lost = modal.shown[1];
    EXPECT_EQ(lost.text, "与服务器的连接断开，请尽快重新登录继续游戏.");
    EXPECT_EQ(lost.caption, "信息");
    EXPECT_EQ(lost.icon, platform::MbIcon::Information);
    EXPECT_EQ(lost.owner, platform::MbOwner::MainWindow);
}

}  // namespace
}  // namespace shelltest
