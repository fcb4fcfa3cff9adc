// What a player does and sees at the online table: a quick phrase picked from the open list,
// the marked tiles of variant 4, a listed user's mark at the table, a dealer's fourteen-tile
// deal, the room chat of a new login, private talk while the link is down, a lost connection's
// box and closed menu, and the main window's boxes one at a time, from its event loop.
#include <QPlainTextEdit>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "online/ChatGate.h"
#include "online/GameMsgClient.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"
#include "online/NoticeBoxQueue.h"
#include "online/qt/TalkForm.h"
#include "platform/qt/QtGbk.h"
#include "platform/testing/LaterList.h"
#include "tests/online/LinkTestSupport.h"
#include "tests/online/NetTableFixture.h"
#include "ui/DxChatWnd.h"
#include "ui/DxGameChatWnd.h"

using namespace onlinetest;

namespace {

// Logged in over a scripted link, the user seated at server seat 0.
class OnlineTable : public LinkTest {
protected:
    void SetUp() override {
        ConnectAndLogIn();
        bChatAllowed = 1;
        Game().TakeSent();
    }
    CMj& T() { return *bench.table; }
    void Feed(const GameMsg& record) { Game().Feed(Bytes(record)); }

    void Sit(const std::vector<std::pair<std::string, int>>& seats) {
        ScEnterTable enter;
        enter.variant = 1;
        enter.minFan = 8;
        Feed(Encode(enter));
        ScTableUserInfo info;
        for (std::size_t s = 0; s < seats.size(); s++) {
            info.seats[s].name = seats[s].first;
            info.seats[s].status = seats[s].second;
            info.pictures[s] = 1;
        }
        Feed(Encode(info));
    }
    // Seated, dealt a plain hand, the user's turn with a drawn tile.
    void AtOwnTurn() {
        Sit({{"tester", 1}});
        const std::string start = DiceAndDeal([](int i) { return Idx(i % 9 + 1, i / 9); });
        Game().Feed(start.substr(0, kGameMsgSize));
        Game().Feed(start.substr(kGameMsgSize));
        Feed(Encode(ScOtherDraw{0}));
        Feed(Encode(ScDrawTile{Idx(5, 2)}));
        Feed(Encode(ScYourTurn{}));
        ASSERT_TRUE(T().maydiscard);
    }
};

// A phrase under the mouse goes out as table chat and the list closes; the press does not
// reach the hand, whose selected tile would otherwise be played.
TEST_F(OnlineTable, APickedPhraseIsSentAsTableChatAndNeverPlaysTheSelectedTile) {
    AtOwnTurn();
    CDxGameChatWnd& list = *T().phraselist;
    list.visible = 1;
    T().Player[0].select = 2;
    const int x = list.rect.left + 20;
    const int y = list.rect.top + 4;
    T().OnMouseMove(x, y);
    const char* phrase = list.GetLineAt(x, y);
    ASSERT_NE(phrase, nullptr) << "no phrase under the mouse";
    const std::string expected = phrase;
    Game().TakeSent();
    T().OnLButtonDown(x, y, 0, 1);
    const std::string sent = Game().TakeSent();
    EXPECT_TRUE(SentOfType(sent, CS_DISCARD).empty());
    const auto chat = SentOfType(sent, CS_TABLE_CHAT);
    ASSERT_EQ(chat.size(), 1u);
    CsTableChat line;
    ASSERT_TRUE(Decode(chat[0].data(), &line));
    EXPECT_EQ(line.text, expected);
    EXPECT_EQ(list.visible, 0);
    EXPECT_TRUE(T().maydiscard);
}

TEST_F(OnlineTable, AListedUsersMarkShowsAtTheTable) {
    ScRoomInfo begin;
    begin.contentsFollow = true;
    Feed(Encode(begin));
    ScUserInfo member;
    member.op = ScUserInfo::kAdd;
    member.name = "会员";
    member.kind = 2;
    Feed(Encode(member));
    ScUserInfo plain = member;
    plain.name = "tester";
    plain.kind = 0;
    Feed(Encode(plain));
    Sit({{"tester", 1}, {"会员", 1}, {"路人", 1}});
    EXPECT_EQ(T().Player[T().ServerSeatToLocal(1)].usermark, 2);
    EXPECT_EQ(T().Player[T().ServerSeatToLocal(2)].usermark, 0);  // not in the room's list
    EXPECT_EQ(T().Player[0].usermark, 0);
}

TEST_F(OnlineTable, ANewLoginStartsWithAnEmptyRoomChat) {
    pNetRoom->AddChatLine("旧的一行", 0);
    ASSERT_GE(pNetRoom->chat->currentPage, 0);
    Game().Hangup();
    ASSERT_FALSE(T().IsNetGame());
    ConnectAndLogIn();
    EXPECT_EQ(pNetRoom->chat->currentPage, -1);
}

// A line that went out shows whole under "[我说]"; with the link down it says it was not sent
// and stays in the input.
TEST_F(OnlineTable, PrivateTalkShowsAsSentOnlyWhenItWasSent) {
    TTalkForm form("bob");
    form.Memo2->setPlainText(QString(150, 'x'));
    form.Button1Click();
    const auto talk = SentOfType(Game().TakeSent(), CS_TALK);
    ASSERT_EQ(talk.size(), 1u);
    CsTalk record;
    ASSERT_TRUE(Decode(talk[0].data(), &record));
    EXPECT_EQ(record.text, std::string(100, 'x'));
    EXPECT_TRUE(form.Memo1->toPlainText().contains(platform::FromGbk("[我说]: " + std::string(150, 'x'))));
    EXPECT_TRUE(form.Memo2->toPlainText().isEmpty());

    Game().Hangup();
    form.Memo1->clear();
    form.Memo2->setPlainText("hello");
    form.Button1Click();
    EXPECT_TRUE(Game().TakeSent().empty());
    EXPECT_TRUE(form.Memo1->toPlainText().contains(platform::FromGbk(kTalkNotSentLine)));
    EXPECT_FALSE(form.Memo1->toPlainText().contains(platform::FromGbk("[我说]")));
    EXPECT_EQ(form.Memo2->toPlainText(), "hello");
}

// --- A connection lost after the login ------------------------------------------------------

// The link's boxes posted to the main window.
std::vector<platform::MessageBoxRequest> LinkBoxes(OnlineBench& bench) {
    return PostedBoxes(bench, WM_LINKBOXMSG);
}

bool MenuOpen(CMj& table) {
    for (int id : kMenuEntries)
        if (table.Button(id).visible) return true;
    return false;
}

// Wherever the user is, a server that closes (or a network that fails) brings the login
// dialog back and one box over the main window that says so.  A menu left open closes with
// the connection, as leaving the table closes it, so the next login's table does not find it
// open.
TEST_F(OnlineTable, ALostConnectionSaysSoOnceInTheLobbyAtTheTableAndMidHand) {
    const struct {
        const char* where;
        std::function<void()> go;
    } places[] = {
        {"lobby", [] {}},
        {"table", [this] { Sit({{"tester", 1}}); }},
        {"mid-hand", [this] { AtOwnTurn(); }},
    };
    const struct {
        const char* how;
        std::function<void(platform::testing::ScriptedSocket&)> end;
        const char* text;
        platform::MbIcon icon;
    } ends[] = {
        {"closed", [](platform::testing::ScriptedSocket& s) { s.Hangup(); },
         "与服务器的连接断开，请尽快重新登录继续游戏.", platform::MbIcon::Information},
        {"timed out", [](platform::testing::ScriptedSocket& s) { s.Fail(platform::SocketError::Disconnect); },
         "与服务器的连接断开，请尽快重新登录继续游戏.", platform::MbIcon::Information},
        {"failed", [](platform::testing::ScriptedSocket& s) { s.Fail(platform::SocketError::Other); },
         "和服务器的连接断开，请重新登录。", platform::MbIcon::Warning},
    };
    bool first = true;
    for (const auto& place : places) {
        for (const auto& end : ends) {
            SCOPED_TRACE(std::string(place.where) + ", " + end.how);
            if (!first) ConnectAndLogIn();
            first = false;
            place.go();
            T().OnButtonClick(kButtonMenu);
            ASSERT_TRUE(MenuOpen(T()));
            bench.TakeNotices();
            end.end(Game());
            EXPECT_FALSE(MenuOpen(T()));
            EXPECT_FALSE(T().IsNetGame());
            EXPECT_EQ(nActiveForm, CLoginForm::kId);
            EXPECT_TRUE(bench.Boxes().Shown().empty()) << "shown in turn by the main window";
            const auto boxes = LinkBoxes(bench);
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, end.text);
            EXPECT_EQ(boxes[0].caption, "信息");
            EXPECT_EQ(boxes[0].icon, end.icon);
            EXPECT_EQ(boxes[0].owner, platform::MbOwner::MainWindow);
            EXPECT_EQ(boxes[0].buttons, platform::MbButtons::Ok);
        }
    }
}

// Boxes that run `during` while the first one is up, as a modal box's own loop would run the
// socket's events; every box answers yes.
class BoxesWithEvents : public platform::MessageBoxes {
public:
    platform::MbResult Show(const platform::MessageBoxRequest& request) override {
        shown.push_back(request);
        deepest = std::max(deepest, ++depth);
        if (during) std::exchange(during, nullptr)();
        --depth;
        return request.buttons == platform::MbButtons::Ok ? platform::MbResult::Ok
                                                          : platform::MbResult::Yes;
    }
    std::vector<platform::MessageBoxRequest> shown;
    int depth = 0;
    int deepest = 0;
    std::function<void()> during;
};

// The server closes while the user is asked whether to leave a running hand: the answer finds
// the login dialog back and leaves it there, and the lost connection's box waits until the
// question is closed and its answer read, then comes from the event loop.
TEST_F(OnlineTable, AConnectionLostWhileTheLeaveQuestionIsUpWaitsForItsAnswer) {
    AtOwnTurn();
    BoxesWithEvents boxes;
    platform::testing::ScopedMessageBoxes installed(&boxes);
    platform::testing::LaterList eventLoop;
    NoticeBoxQueue mainWindowBoxes(eventLoop.Later());
    boxes.during = [&] {
        Game().Hangup();
        for (const platform::MessageBoxRequest& box : LinkBoxes(bench))
            mainWindowBoxes.OfferBox(box, NoticeBoxQueue::Kind::Closing);
        eventLoop.RunAll();  // the question's own loop
        EXPECT_EQ(boxes.shown.size(), 1u) << "the lost connection waits for the question";
    };
    T().QuitOnlineTable();
    EXPECT_EQ(boxes.shown.size(), 1u) << "shown inside the call that closed the question";
    eventLoop.RunAll();
    EXPECT_EQ(boxes.deepest, 1);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].caption, "询问");
    EXPECT_EQ(boxes.shown[1].text, "与服务器的连接断开，请尽快重新登录继续游戏.");
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
    EXPECT_FALSE(T().IsNetGame());
}

// Leaving the lobby closes the connection from this side: nothing is lost, nothing is said.
TEST_F(OnlineTable, LeavingTheLobbySaysNothing) {
    bench.TakeNotices();
    bench.link->CloseGameSocket();
    EXPECT_EQ(nActiveForm, CLoginForm::kId);
    EXPECT_TRUE(LinkBoxes(bench).empty());
    EXPECT_TRUE(bench.Boxes().Shown().empty());
}

// --- The table's records, without a link --------------------------------------------------

TEST_F(NetTable, ADealersFourteenthTileIsItsDrawnTile) {
    Sit();
    std::vector<std::uint8_t> hand = PlainHand();
    hand.push_back(Idx(7, 2));
    Deal(hand);
    const CMjPlayer& user = t.Player[0];
    EXPECT_EQ(user.cardnum, 13);
    EXPECT_TRUE(user.hasnew);
    EXPECT_TRUE(TileEqual(user.newmj, MakeTile(7, 2)));
    EXPECT_EQ(t.state, kHandRunning);
}

// Variant 4 marks the flower of value 1 in the user's hand.  Cases: which hand tiles are
// marked, whether the drawn tile is, the tile selected (13: the drawn tile), and whether the
// press plays it.
struct MarkCase {
    const char* what;
    bool handAllMarked;
    bool handFirstMarked;
    bool drawnMarked;
    int select;
    bool plays;
};
const MarkCase kMarkCases[] = {
    {"an unmarked hand tile", false, true, false, 5, true},
    {"a marked hand tile, the hand not all marked", false, true, false, 0, false},
    {"a marked hand tile, all marked, the drawn tile not", true, true, false, 0, true},
    {"a marked hand tile, all marked, the drawn tile too", true, true, true, 0, false},
    {"a marked drawn tile, the hand not all marked", false, false, true, 13, false},
    {"a marked drawn tile, all marked", true, true, true, 13, true},
    {"an unmarked drawn tile", false, true, false, 13, true},
};

void PrintTo(const MarkCase& c, std::ostream* os) { *os << c.what; }

class MarkedTiles : public NetTable, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(MarkedTiles, AMarkedTileIsPlayedOnlyAsTheRuleAllows) {
    const MarkCase& c = GetParam();
    ScEnterTable enter;
    enter.variant = 4;
    enter.minFan = 8;
    Feed(Encode(enter));
    Deal(PlainHand());
    UserDraws(Idx(6, 2));
    ASSERT_TRUE(t.maydiscard);
    CMjPlayer& user = t.Player[0];
    for (int i = 0; i < user.cardnum; i++) user.lock[i] = c.handAllMarked;
    user.lock[0] = c.handFirstMarked || c.handAllMarked;
    user.lock[user.cardnum] = c.drawnMarked;
    user.select = c.select;
    sent.clear();
    t.OnLButtonDown(400, 300, 0, 1);
    EXPECT_EQ(Sent(CS_DISCARD).size(), c.plays ? 1u : 0u) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Variant4, MarkedTiles, ::testing::ValuesIn(kMarkCases));

// --- The message box queue ------------------------------------------------------------------

// Waiting work holds the queue's address; a copy would share it with the original.
static_assert(!std::is_copy_constructible_v<NoticeBoxQueue> && !std::is_copy_assignable_v<NoticeBoxQueue>);
static_assert(!std::is_move_constructible_v<NoticeBoxQueue> && !std::is_move_assignable_v<NoticeBoxQueue>);

// A box that stands for a modal one: while it shows, more notices arrive and its own loop runs
// the event loop's work.
TEST(NoticeBoxQueue, OneBoxAtATimeAFewWaitingTheRestDropped) {
    platform::testing::LaterList eventLoop;
    NoticeBoxQueue queue(eventLoop.Later());
    std::vector<std::string> shown;
    int depth = 0;
    int deepest = 0;
    std::function<NoticeBoxQueue::Show(std::string)> box = [&](std::string text) {
        return [&, text] {
            shown.push_back(text);
            deepest = std::max(deepest, ++depth);
            if (text == "1") {
                for (int i = 2; i <= 200; i++) queue.Offer(box(std::to_string(i)));
                eventLoop.RunAll();
            }
            --depth;
        };
    };
    queue.Offer(box("1"));
    EXPECT_TRUE(shown.empty()) << "offered from the event loop, not from the call";
    eventLoop.RunAll();
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(queue.Waiting(), 0u);
    queue.Offer(box("later"));
    eventLoop.RunAll();
    EXPECT_EQ(shown.back(), "later");
}

}  // namespace
