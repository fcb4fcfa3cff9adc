// The lobby room: seat clicks, seat requests and the automatic search, the invitation prompt and
// the invitation dialog, the preferences and their record, the room chat input.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "graphics/GraphicsGlobals.h"
#include "online/ChatGate.h"
#include "online/GameMsgClient.h"
#include "online/InviteForm.h"
#include "online/InviteMessage.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "platform/testing/DrawRecorder.h"
#include "tests/online/LinkTestSupport.h"
#include "ui/DxGameChatWnd.h"
#include "ui/InfoForm.h"

using namespace onlinetest;

namespace {

std::vector<GameMsg> Records(const std::string& sent) {
    std::vector<GameMsg> out;
    for (std::size_t at = 0; at + kGameMsgSize <= sent.size(); at += kGameMsgSize) {
        GameMsg r;
        std::copy_n(sent.begin() + static_cast<long>(at), kGameMsgSize, r.begin());
        out.push_back(r);
    }
    return out;
}

// The middle of a seat's face square on the page shown.
struct Point {
    int x, y;
};
Point SeatPoint(int cell, int seat) {
    const int cx = 28 + 170 * (cell % 3), cy = 80 + 175 * (cell / 3);
    const int dx[4] = {59, 113, 59, 5}, dy[4] = {126, 64, 10, 64};
    return {cx + dx[seat] + 16, cy + dy[seat] + 16};
}

class NetRoomTest : public LinkTest {
protected:
    void SetUp() override {
        ConnectAndLogIn();
        room = pNetRoom;
        room->roomcount = 3;
        room->room = 0;
        Game().TakeSent();
    }
    void Occupy(int table, int seats, bool ingame = false) {
        TableInfo& t = room->tables[table];
        for (int s = 0; s < seats; s++) t.state[s] = 1;
        t.ingame = ingame;
    }
    std::vector<GameMsg> Sent() { return Records(Game().TakeSent()); }
    void ExpectSitDown(int table, int chair) {
        const auto sent = Sent();
        ASSERT_EQ(sent.size(), 1u);
        CsSitDown sit;
        ASSERT_TRUE(Decode(sent[0].data(), &sit));
        EXPECT_EQ(sit.table, table);
        EXPECT_EQ(sit.chair, chair);
    }
    CNetRoom* room = nullptr;
};

}  // namespace

TEST_F(NetRoomTest, AClickOnAFreeSeatAsksForItWithoutTurningThePage) {
    room->SetPage(2);
    const Point p = SeatPoint(4, 1);  // table 16, right seat
    room->OnLButtonDown(p.x, p.y);
    ExpectSitDown(16, 1);
    EXPECT_EQ(room->page, 2);
    EXPECT_EQ(room->owntable, 16);
    EXPECT_EQ(bInfoShown, 1);
    EXPECT_EQ(static_cast<CInfoForm*>(pInfoForm)->text, "正在进入游戏,请稍后...");
    // While the answer is awaited, presses do nothing.
    room->OnLButtonDown(p.x, p.y);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(NetRoomTest, TakenSeatsTablesInGameEmptyCellsAndEdgesAskForNothing) {
    Occupy(0, 1);
    Occupy(1, 0, true);
    room->OnLButtonDown(SeatPoint(0, 0).x, SeatPoint(0, 0).y);
    room->OnLButtonDown(SeatPoint(1, 2).x, SeatPoint(1, 2).y);
    room->OnLButtonDown(28 + 59, 80 + 126 + 10);  // on the left edge of seat 0's square
    room->SetPage(16);
    room->OnLButtonDown(SeatPoint(5, 0).x, SeatPoint(5, 0).y);  // "table 101"
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(bInfoShown, 0);
    int table = 0, chair = 0;
    EXPECT_FALSE(room->SeatAt(28 + 59, 80 + 140, &table, &chair));
    EXPECT_TRUE(room->SeatAt(28 + 60, 80 + 140, &table, &chair));
}

TEST_F(NetRoomTest, BeforeARoomIsEnteredEveryPressIsRefused) {
    room->room = -1;
    room->OnLButtonDown(SeatPoint(0, 0).x, SeatPoint(0, 0).y);
    const CBitButton* b = room->buttons.GetButton(CNetRoom::kAutoSeat);
    room->OnLButtonDown(b->x + 2, b->y + 2);
    ASSERT_EQ(bench.Boxes().Shown().size(), 2u);
    EXPECT_EQ(bench.Boxes().Shown()[0].text, "请先登录房间");
    EXPECT_TRUE(Sent().empty());
}

TEST_F(NetRoomTest, AutoSeatPrefersTheFullestTableThenTheLowestNumber) {
    Occupy(3, 2);
    Occupy(40, 3);
    Occupy(41, 3);
    Occupy(7, 3, true);  // in game: never offered
    room->AutoSeat();
    ExpectSitDown(40, 3);
    EXPECT_EQ(room->page, 6);
    EXPECT_EQ(room->FreeSeatCount(7), -1);
    EXPECT_EQ(room->FreeSeatCount(100), -1);
}

TEST_F(NetRoomTest, SitDownAnswers) {
    Occupy(10, 4);
    EXPECT_EQ(room->SitDown(10, -1), 0);
    EXPECT_EQ(room->SitDown(100, 0), -1);
    EXPECT_EQ(room->SitDown(11, 4), -1);
    Occupy(12, 1);
    EXPECT_EQ(room->SitDown(12, 0), 0);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(room->SitDown(12, 2), 1);
    ExpectSitDown(12, 2);
}

// Accepting an invitation turns to the table's page and asks for its first free seat; a full
// table is reported.
TEST_F(NetRoomTest, TheInvitationPromptAsksForASeatOrSaysTheTableIsFull) {
    auto* prompt = static_cast<CInviteMessage*>(pInviteMessage);
    Occupy(50, 2);
    prompt->table = 50;
    prompt->Show();
    OnlineBench::ClickButton(*prompt, CInviteMessage::kOk);
    EXPECT_EQ(bInviteShown, 0);
    ExpectSitDown(50, 2);
    EXPECT_EQ(room->page, 8);
    bInfoShown = 0;
    Occupy(51, 4);
    prompt->table = 51;
    prompt->Show();
    OnlineBench::ClickButton(*prompt, CInviteMessage::kOk);
    ASSERT_FALSE(bench.Boxes().Shown().empty());
    EXPECT_EQ(bench.Boxes().Last().text, "该桌已满员");
    EXPECT_TRUE(Sent().empty());
}

TEST_F(NetRoomTest, TheInviteDialogSendsOnlyWhileTheTableHasRoom) {
    room->owntable = 20;
    Occupy(20, 4);
    pInviteForm->Show();
    EXPECT_EQ(pInviteForm->buttons.GetButton(CInviteForm::kInvite)->enabled, 0);
    room->tables[20].state[3] = 0;
    Lobby.ListView2.assign(2, InviteRow{});
    Lobby.ListView2[0].name = "甲";
    Lobby.ListView2[1].name = std::string(21, 'n');
    pInviteForm->Show();
    EXPECT_EQ(pInviteForm->buttons.GetButton(CInviteForm::kInvite)->enabled, 1);
    Lobby.inviteSelected = 1;  // 21 bytes: stays open
    OnlineBench::ClickButton(*pInviteForm, CInviteForm::kInvite);
    EXPECT_EQ(nActiveForm, CInviteForm::kId);
    Lobby.inviteSelected = 0;
    OnlineBench::ClickButton(*pInviteForm, CInviteForm::kInvite);
    EXPECT_EQ(nActiveForm, 0);
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    CsInvite invite;
    ASSERT_TRUE(Decode(sent[0].data(), &invite));
    EXPECT_EQ(invite.name, "甲");
}

TEST_F(NetRoomTest, PreferencesAreBoundedWhenReadAndWrittenBack) {
    const std::string ini = platform::ProgramPath("prefs.ini");
    for (auto [key, value] : {std::pair{"IP", "7"}, {"ESCAPE", "1"}, {"ESCAPERATE", "150"},
                              {"Invite", "2"}, {"P2PTalk", "0"}, {"RoomID", "5"}})
        platform::WriteProfileString("UserSet", key, value, ini);
    room->ReadPrefs(ini);
    EXPECT_EQ(room->IP, 4);
    EXPECT_EQ(room->ESCAPE, 1);
    EXPECT_EQ(room->ESCAPERATE, 0);
    EXPECT_EQ(room->Invite, 0);
    EXPECT_EQ(room->P2PTalk, 0);
    EXPECT_EQ(room->RoomID, 5);
    room->WritePrefs(ini);
    EXPECT_EQ(platform::ReadProfileString("UserSet", "IP", "", ini), "4");
}

// The dialog's fields are taken in order; a refused number turns its switch off and sends
// nothing, keeping what was taken before it.
TEST_F(NetRoomTest, ADialogNumberOutOfRangeStopsAndSendsNothing) {
    TablePrefsFields f;
    f.invite = false;
    f.sameAddress = true;
    f.addressItem = 1;
    f.escape = true;
    f.escapeText = "101";
    EXPECT_FALSE(room->TakeRoomPrefs(f));
    EXPECT_EQ(room->Invite, 0);
    EXPECT_EQ(room->IP, 3);
    EXPECT_EQ(room->ESCAPE, 0);
    EXPECT_EQ(bench.Boxes().Last().text, "逃跑率为0-100的数");
    EXPECT_TRUE(Sent().empty());
    f.escapeText = "30";
    f.limit2 = true;
    f.limit2Text = "-200";
    EXPECT_TRUE(room->TakeRoomPrefs(f));
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    CsTablePrefs prefs;
    ASSERT_TRUE(Decode(sent[0].data(), &prefs));
    EXPECT_FALSE(prefs.acceptInvites);
    EXPECT_EQ(prefs.addressFilter, 3);
    EXPECT_TRUE(prefs.limitEscapes);
    EXPECT_EQ(prefs.maxEscapeRate, 30);
    EXPECT_TRUE(prefs.limit2);
    EXPECT_EQ(prefs.value2, -200);
    EXPECT_FALSE(prefs.refuseTalk);
    f.limit1 = true;
    f.limit1Text = "abc";
    EXPECT_FALSE(room->TakeRoomPrefs(f));
    EXPECT_EQ(room->LIMITSCORE1, 0);
    EXPECT_EQ(bench.Boxes().Last().text, "输入的不是数字");
}

// Enter sends the typed line through the flood gate; an empty line and a second line within
// three seconds are refused in red.
TEST_F(NetRoomTest, TheRoomChatInputGoesThroughTheFloodGate) {
    bChatAllowed = 1;
    room->OnChatKey(13);
    EXPECT_TRUE(Sent().empty());
    for (char c : std::string("hello")) room->OnChatKey(c);
    room->OnChatKey(13);
    auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    CsRoomChat chat;
    ASSERT_TRUE(Decode(sent[0].data(), &chat));
    EXPECT_EQ(chat.text, "hello");
    EXPECT_EQ(room->chatInput->length, 0);
    for (char c : std::string("again")) room->OnChatKey(c);
    room->OnChatKey(13);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(room->chatInput->length, 5);
    TalkTimerTimer();  // the main window's timer, 3000 ms after the first line
    room->OnChatKey(13);
    EXPECT_EQ(Sent().size(), 1u);
}

// Table chat: typed on the table and sent with Enter, or a quick phrase; one line in three
// seconds, the refused one answered by a white line in the table's chat window; a phrase is cut
// to 127 bytes.
TEST_F(NetRoomTest, TableChatAndPhrasesShareTheFloodGate) {
    bChatAllowed = 1;
    nActiveForm = 0;
    for (char c : std::string("hi")) bench.table->OnKeyPress(c);
    bench.table->OnKeyDown(13);
    auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    CsTableChat chat;
    ASSERT_TRUE(Decode(sent[0].data(), &chat));
    EXPECT_EQ(chat.text, "hi");
    SendLobbyChat("大家好，很高兴见到各位！");
    EXPECT_TRUE(Sent().empty());
    const CChatPageList& pages = bench.table->chatlog->pages;
    ASSERT_GT(pages.count, 0);
    const CChatLine& last = pages.GetPage(pages.count - 1)->lines.Lines().back();
    EXPECT_EQ(last.text, kChatFloodLine);
    TalkTimerTimer();
    SendLobbyChat(std::string(100, 'a') + std::string(100, '\xB0'));
    sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_TRUE(Decode(sent[0].data(), &chat));
    EXPECT_EQ(chat.text.size(), 126u);  // 127 would split the fourteenth character
    EXPECT_EQ(sent[0][127], 0);
}

namespace {

class MenuRecorder : public LobbyWindows {
public:
    void PopupUserMenu(const UserMenuState& menu, const std::string& user, int, int) override {
        shown.push_back({user, menu});
    }
    void PopupPhrases(int x, int y) override { phrasesAt.push_back({x, y}); }
    std::vector<std::pair<std::string, UserMenuState>> shown;
    std::vector<Point> phrasesAt;
};

}  // namespace

// Online, a right press on an occupied seat's picture opens its player's menu with the table's
// "与…交谈"; an empty seat's picture opens nothing.
TEST_F(NetRoomTest, ARightPressOnASeatPictureOpensItsPlayersMenu) {
    MenuRecorder menus;
    InstallLobbyWindows(&menus);
    nActiveForm = 0;
    CMj& t = *bench.table;
    Lobby.ListView1.rows.push_back(UserItem{});
    std::strcpy(Lobby.ListView1.rows.back().info.name, "bob");
    std::strcpy(t.Player[1].name, "bob");
    t.Player[1].occupied = 1;
    t.renderer.rcAvatar[1] = {654, 187, 794, 413};
    t.renderer.rcAvatar[3] = {6, 187, 146, 413};
    t.OnLButtonDown(700, 300, 1, 1);
    t.OnLButtonDown(50, 300, 1, 1);  // seat 3 is empty
    InstallLobbyWindows(nullptr);
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0].first, "bob");
    EXPECT_TRUE(menus.shown[0].second[N14].visible);
    EXPECT_EQ(menus.shown[0].second[N14].caption, "与bob交谈");
}

// The quick-phrase button opens its menu where it was clicked, not where the mouse last rested
// outside a button (a move over a button does not store the position).
TEST_F(NetRoomTest, TheQuickPhrasesOpenAtTheClickPoint) {
    MenuRecorder menus;
    InstallLobbyWindows(&menus);
    nActiveForm = 0;
    CMj& t = *bench.table;
    CBitButton& phrases = t.Button(21);
    phrases.visible = 1;
    phrases.enabled = 1;
    const int x = phrases.x + 5, y = phrases.y + 5;
    t.OnMouseMove(300, 300);
    t.OnMouseMove(x, y);
    t.OnLButtonDown(x, y, 0, 1);
    t.OnLButtonUp(x, y);
    InstallLobbyWindows(nullptr);
    ASSERT_EQ(menus.phrasesAt.size(), 1u);
    EXPECT_EQ(menus.phrasesAt[0].x, x);
    EXPECT_EQ(menus.phrasesAt[0].y, y);
}

// The panel's lines stand clear of the 换头像 button below them: none of the text rectangles
// drawn right of the own picture meets the button's.
TEST_F(NetRoomTest, ThePanelsLastLineStandsAboveTheAvatarButton) {
    const CBitButton& avatar = *room->buttons.GetButton(CNetRoom::kAvatar);
    const platform::Rect button{avatar.x, avatar.y, avatar.x + avatar.pictureRect.right / 5,
                                avatar.y + avatar.GetHeight()};
    platform::Surface frame(800, 600);
    platform::Surface* previous = lpDDSPla;
    lpDDSPla = &frame;
    platform::testing::DrawRecorder drawn(frame);
    room->Draw();
    lpDDSPla = previous;
    int lines = 0;
    for (const platform::DrawCall& call : drawn.Calls()) {
        if (call.text.empty() || call.dst.left != 680) continue;
        ++lines;
        const platform::Rect& r = call.dst;
        EXPECT_TRUE(r.bottom <= button.top || r.right <= button.left || r.top >= button.bottom)
            << "line at y " << r.top << " - " << r.bottom << " meets the button at y " << button.top;
    }
    EXPECT_EQ(lines, 6);
}
