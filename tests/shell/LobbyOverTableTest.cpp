// The main window's lobby panes as a player meets them: shown with the lobby, gone once the
// player sits down, once a lost hand comes back, and once online play ends (talk windows with
// them); the banner shows the program folder's own page; the boxes and dialogs that notices
// raise come one at a time, a few waiting, however many the server sends, the lost
// connection's box last and never over another window.
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
#include <ostream>
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

// Message boxes and modal dialogs that stand for real ones: while one shows, the window goes
// on taking posted notices and running its event loop, as a real modal loop lets it.  Each is
// recorded in `texts` by its text (a box) or its kind (a dialog); `onFirst` runs inside the
// first one up.
class ModalBoxes : public platform::MessageBoxes {
public:
    ModalBoxes() {
        InstallModalHook([this](QDialog& dialog) {
            Up(KindOf(dialog));
            return int{QDialog::Accepted};
        });
    }
    ~ModalBoxes() override { InstallModalHook(nullptr); }
    ModalBoxes(const ModalBoxes&) = delete;
    ModalBoxes& operator=(const ModalBoxes&) = delete;

    platform::MbResult Show(const platform::MessageBoxRequest& request) override {
        shown.push_back(request);
        Up(request.text);
        return request.buttons == platform::MbButtons::Ok ? platform::MbResult::Ok
                                                          : platform::MbResult::Yes;
    }
    std::vector<std::string> texts;
    std::vector<platform::MessageBoxRequest> shown;
    int depth = 0;
    int deepest = 0;
    std::function<void()> onFirst;

private:
    void Up(const std::string& what) {
        texts.push_back(what);
        depth++;
        deepest = std::max(deepest, depth);
        if (onFirst) std::exchange(onFirst, nullptr)();
        ProcessEvents();
        depth--;
    }
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

// --- The main window's queue of boxes and dialogs ---------------------------------------------

constexpr char kLost[] = "与服务器的连接断开，请尽快重新登录继续游戏.";
constexpr char kRefusal[] = "房间已满";
constexpr char kOwnQuestion[] = "离开吗";
constexpr char kStartEnd[] = "帐号或密码错误";

// What is up when the notices come: nothing, a question of the program's own, or one of its
// modal dialogs (the about box).
enum class Own { None, Question, AboutBox };
// What comes after the server's boxes: nothing, the link dialog (record 123), the room refusal
// with the room list after it (record 112), or a command-line start's end, whose box the main
// window shows before it closes.
enum class Raised { None, LinkDialog, RoomRefusal, StartEnd };
// When the connection drops: never, with the notices before anything shows, or while the
// first window is up.
enum class Drop { Never, BeforeAny, InFirst };

struct QueueCase {
    const char* what;
    int serverBoxes;
    Own own;
    Raised raised;
    Drop drop;
    // The windows in the order they show: a box's text, a dialog's kind.  A box is offered once
    // nothing is up; four notices wait, more are dropped, and the lost connection's box takes
    // the place of the last one waiting.
    std::vector<std::string> shown;
};

void PrintTo(const QueueCase& c, std::ostream* os) { *os << c.what; }

const QueueCase kQueueCases[] = {
    {"nothing but the drop", 0, Own::None, Raised::None, Drop::BeforeAny, {kLost}},
    {"one server box, the drop while it shows", 1, Own::None, Raised::None, Drop::InFirst,
     {"服0", kLost}},
    {"four server boxes, the drop while the first shows", 4, Own::None, Raised::None,
     Drop::InFirst, {"服0", "服1", "服2", "服3", kLost}},
    {"five server boxes, the queue full at the drop", 5, Own::None, Raised::None, Drop::BeforeAny,
     {"服0", "服1", "服2", kLost}},
    {"eight server boxes, the drop while the first shows", 8, Own::None, Raised::None,
     Drop::InFirst, {"服0", "服1", "服2", "服3", kLost}},
    {"a question of the program's own up", 2, Own::Question, Raised::None, Drop::InFirst,
     {kOwnQuestion, "服0", "服1", kLost}},
    {"the about box up, the queue full", 5, Own::AboutBox, Raised::None, Drop::InFirst,
     {"about", "服0", "服1", "服2", kLost}},
    {"the link dialog, the drop while it shows", 0, Own::None, Raised::LinkDialog, Drop::InFirst,
     {"link", kLost}},
    {"a server box, then the link dialog", 1, Own::None, Raised::LinkDialog, Drop::InFirst,
     {"服0", "link", kLost}},
    {"the about box up, the link dialog", 0, Own::AboutBox, Raised::LinkDialog, Drop::InFirst,
     {"about", "link", kLost}},
    {"the room refusal, the drop while it shows", 0, Own::None, Raised::RoomRefusal,
     Drop::InFirst, {kRefusal, kLost}},
    {"server boxes, the room refusal, the drop before it shows", 2, Own::None,
     Raised::RoomRefusal, Drop::BeforeAny, {"服0", "服1", kRefusal, kLost}},
    {"a question up, the room refusal dropped from a full queue", 4, Own::Question,
     Raised::RoomRefusal, Drop::InFirst, {kOwnQuestion, "服0", "服1", "服2", kLost}},
    {"the room refusal with the connection kept: the room list follows", 1, Own::None,
     Raised::RoomRefusal, Drop::Never, {"服0", kRefusal, "rooms"}},
    {"the about box up, the room refusal, no drop", 0, Own::AboutBox, Raised::RoomRefusal,
     Drop::Never, {"about", kRefusal, "rooms"}},
    {"server boxes, then a command-line start's end", 2, Own::None, Raised::StartEnd,
     Drop::Never, {"服0", "服1", kStartEnd}},
    {"a full queue at a command-line start's end", 6, Own::None, Raised::StartEnd, Drop::Never,
     {"服0", "服1", "服2", kStartEnd}},
    {"the about box up at a command-line start's end", 0, Own::AboutBox, Raised::StartEnd,
     Drop::Never, {"about", kStartEnd}},
};

class MainWindowQueue : public LobbyOverTableTest, public ::testing::WithParamInterface<QueueCase> {
protected:
    void PostRaised(Raised raised) {
        if (raised == Raised::LinkDialog)
            PostLinkNotice({"服务器维护", "点击查看服务状态 ", "http://www.example.com/"});
        if (raised == Raised::RoomRefusal) PostNoticeText(WM_ROOMLISTMSG, kRefusal);
        if (raised == Raised::StartEnd) EndNetworkStart(kStartEnd, "翠岭", platform::MbIcon::Information);
    }
    // What the link does when the server goes: online play ends, and its box is posted.
    void DropConnection() {
        table->NetGameEnded();
        PostNoticeBox({kLost, "信息", platform::MbIcon::Information});
    }
    // Opens the program's own window, whose loop takes the notices; none: the event loop does.
    void OpenOwn(Own own) {
        if (own == Own::Question)
            platform::AskYesNo(kOwnQuestion, kApplicationTitle, platform::MbIcon::Question,
                               platform::MbResult::No);
        if (own == Own::AboutBox) forms_->Main().WMSysCommand(kAboutCommand);
    }
};

// Whatever is up and however many boxes wait, one window stands at a time, the lost
// connection's box always shows, last, and the room list never opens after a drop.
TEST_P(MainWindowQueue, OneWindowAtATimeTheLostConnectionLast) {
    const QueueCase& c = GetParam();
    ModalBoxes modal;
    platform::testing::ScopedMessageBoxes installed(&modal);
    table->NetStart();
    for (int i = 0; i < c.serverBoxes; i++) PostNoticeText(WM_NOTICEMSG, "服" + std::to_string(i));
    PostRaised(c.raised);
    if (c.drop == Drop::BeforeAny) DropConnection();
    if (c.drop == Drop::InFirst) modal.onFirst = [this] { DropConnection(); };
    OpenOwn(c.own);
    ProcessEvents();
    EXPECT_EQ(modal.deepest, 1);
    EXPECT_EQ(modal.texts, c.shown);
}

INSTANTIATE_TEST_SUITE_P(Notices, MainWindowQueue, ::testing::ValuesIn(kQueueCases));

}  // namespace
}  // namespace shelltest
