// The lobby's Qt side: the user list drawn from the lobby's rows with its colours and sort
// arrow, the talk windows (one per peer, at most 16, gone when closed), the private line's
// 100-byte record, the room list's single check, the table-partner dialog's fields.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "online/Lobby.h"
#include "online/MainWindowNotices.h"
#include "online/NetworkStart.h"
#include "online/qt/NetSetForm.h"
#include "online/qt/RoomListForm.h"
#include "online/qt/TalkForm.h"
#include "platform/testing/NoticeQueue.h"
#include "platform/testing/ScopedService.h"
#include "shell/LobbyPanes.h"
#include "shell/QtText.h"

namespace {

UserItem Row(const char* name, int kind, int score) {
    UserItem row;
    std::strncpy(row.info.name, name, sizeof row.info.name - 1);
    row.info.kind = static_cast<std::int8_t>(kind);
    row.info.score = score;
    return row;
}

class LobbyPanesTest : public ::testing::Test {
protected:
    LobbyPanesTest() : panes(&main) {
        ClearLobby();
        std::strcpy(szMyName, "me");
    }
    ~LobbyPanesTest() override {
        ClearLobby();
        szMyName[0] = '\0';
    }
    QWidget main;
    QtLobbyWindows panes;
};

}  // namespace

TEST_F(LobbyPanesTest, TheUserListShowsTheRowsOwnRowAndMembersInTheirColours) {
    Lobby.ListView1.rows = {Row("me", 0, 10), Row("bob", 0, 900), Row("adm", 1, 50)};
    panes.ListsChanged();
    ASSERT_EQ(panes.ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(panes.ListView1->topLevelItem(1)->text(kColumnName), "bob");
    EXPECT_EQ(panes.ListView1->topLevelItem(0)->foreground(3).color(), QColor(255, 255, 255));
    EXPECT_EQ(panes.ListView1->topLevelItem(2)->foreground(3).color(), QColor(255, 0, 0));
    panes.ListView1ColumnClick(kColumnScore);
    EXPECT_EQ(panes.ListView1->topLevelItem(1)->text(kColumnName), "adm");
    int arrows = 0;
    for (int c = 0; c < panes.ListView1->columnCount(); c++)
        arrows += panes.ListView1->headerItem()->text(c).contains(QChar(0x25B2));
    EXPECT_EQ(arrows, 1);
}

TEST_F(LobbyPanesTest, OneTalkWindowPerPeerAtMostSixteenAndGoneWhenClosed) {
    for (int i = 0; i < 18; i++) panes.OpenTalkWindow("p" + std::to_string(i));
    EXPECT_EQ(panes.TalkWindowCount(), kMaxTalkWindows);
    EXPECT_TRUE(panes.OpenTalkWindow("p3"));
    EXPECT_EQ(panes.TalkWindowCount(), kMaxTalkWindows);
    EXPECT_TRUE(panes.AddTalkLine("p3", "[p3]说: hi"));
    EXPECT_TRUE(panes.FindTalk("p3")->Memo1->toPlainText().contains("hi"));
    EXPECT_FALSE(panes.AddTalkLine("p20", "x"));
    panes.TalkClosed("p3");
    EXPECT_EQ(panes.FindTalk("p3"), nullptr);
    EXPECT_EQ(panes.TalkWindowCount(), kMaxTalkWindows - 1);
}

// The window's close tells the main window; an empty line is refused in the window itself.
TEST_F(LobbyPanesTest, ATalkWindowRefusesAnEmptyLineAndReportsItsClose) {
    platform::testing::NoticeQueue notices;
    platform::testing::ScopedWindowPoster installed(&notices);
    TTalkForm form("bob");
    EXPECT_EQ(form.windowTitle(), FromGbk("与 bob 交谈中..."));
    form.Button1Click();
    EXPECT_TRUE(form.Memo1->toPlainText().contains(FromGbk("请不要发送空消息")));
    // No link here: the line is not sent, says so and stays to be sent again.
    form.Memo2->setPlainText(QString(150, 'x'));
    form.Button1Click();
    EXPECT_TRUE(form.Memo1->toPlainText().contains(FromGbk(kTalkNotSentLine)));
    EXPECT_EQ(form.Memo2->toPlainText(), QString(150, 'x'));
    form.show();
    form.close();
    struct Collector : platform::WindowEvents {
        std::vector<std::pair<int, std::string>> got;
        void OnPosted(int id, const std::string& payload) override { got.emplace_back(id, payload); }
    } collector;
    notices.DeliverAll(collector);
    ASSERT_EQ(collector.got.size(), 1u);
    EXPECT_EQ(collector.got[0], std::make_pair(WM_TALKCLOSED, std::string("bob")));
}

TEST_F(LobbyPanesTest, SelectingARoomChecksItAlone) {
    Lobby.roomList = {RoomListRow{"a"}, RoomListRow{"b"}, RoomListRow{"c"}};
    TRoomListForm form;
    form.Fill();
    form.ListView1->topLevelItem(0)->setCheckState(0, Qt::Checked);
    form.ListView1SelectItem(form.ListView1->topLevelItem(2));
    EXPECT_EQ(form.ListView1->topLevelItem(0)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(form.ListView1->topLevelItem(2)->checkState(0), Qt::Checked);
}

TEST_F(LobbyPanesTest, TheTablePartnerDialogReadsBackWhatItWasFilledWith) {
    TablePrefsFields f;
    f.invite = true;
    f.sameAddress = true;
    f.addressItem = 1;
    f.escape = true;
    f.escapeText = "30";
    TNetSetForm form;
    form.Fill(f);
    EXPECT_TRUE(form.ComboBox1->isEnabled());
    EXPECT_TRUE(form.Edit1->isEnabled());
    EXPECT_FALSE(form.Edit2->isEnabled());
    const TablePrefsFields back = form.Read();
    EXPECT_TRUE(back.invite);
    EXPECT_EQ(back.addressItem, 1);
    EXPECT_EQ(back.escapeText, "30");
    form.CheckBox4->setChecked(true);
    EXPECT_TRUE(form.Edit2->isEnabled());
    QTest::keyClicks(form.Edit2, "12-3");  // Edit2 takes digits only, Edit3 a minus too
    EXPECT_EQ(form.Edit2->text(), "123");
    form.CheckBox5->setChecked(true);
    QTest::keyClicks(form.Edit3, "-40");
    EXPECT_EQ(form.Edit3->text(), "-40");
}
