// The lobby's Qt side: the user list drawn from the lobby's rows with its colours and sort
// arrow, the talk windows (one per peer, at most 16, gone when closed), the private line's
// 100-byte record, the room list's single check, the table-partner dialog's fields.
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "online/GameMsgServer.h"
#include "online/Lobby.h"
#include "online/LobbyRecords.h"
#include "online/MainWindowNotices.h"
#include "online/NetworkStart.h"
#include "online/qt/NetSetForm.h"
#include "online/qt/RoomListForm.h"
#include "online/qt/TalkForm.h"
#include "platform/testing/NoticeQueue.h"
#include "platform/testing/ScopedService.h"
#include "shell/LobbyPanes.h"
#include "ShellTestSupport.h"
#include "shell/QtText.h"
#include "testsupport/engine/HeadlessTable.h"

namespace {

// The list's three picture columns.
constexpr int kColumnMember = 0;
constexpr int kColumnTableState = 1;
constexpr int kColumnAvatar = 2;

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

// A new talk window takes the keyboard in its input line: what the user types goes there.
TEST_F(LobbyPanesTest, ANewTalkWindowTakesTheKeyboardInItsInputLine) {
    ASSERT_TRUE(panes.OpenTalkWindow("bob"));
    TTalkForm* form = panes.FindTalk("bob");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_EQ(QApplication::focusWidget(), form->Memo2);
    QTest::keyClicks(QApplication::focusWidget(), "hi");
    EXPECT_EQ(form->Memo2->toPlainText(), "hi");
    panes.CloseTalkWindows();
}

// The quick-phrase menu opens at the click and stays inside the 800 × 600 table: clicked near
// the right or the bottom edge it opens to the left of or above the click.
TEST_F(LobbyPanesTest, TheQuickPhraseMenuOpensAtTheClickInsideTheTable) {
    main.resize(800, 600);
    main.move(0, 0);
    main.show();
    const QRect table(main.mapToGlobal(QPoint(0, 0)), QSize(800, 600));
    for (const QPoint click : {QPoint(575, 563), QPoint(20, 20), QPoint(790, 590)}) {
        panes.PopupPhrases(click.x(), click.y());
        const QRect menu = panes.PopupMenu2->geometry();
        panes.PopupMenu2->hide();
        EXPECT_TRUE(table.contains(menu))
            << "clicked at " << click.x() << ", " << click.y() << ": menu " << menu.left() << ", "
            << menu.top() << " - " << menu.right() << ", " << menu.bottom();
        const QPoint at = main.mapToGlobal(click);
        EXPECT_TRUE(menu.left() == at.x() || menu.right() + 1 == at.x()) << click.x();
        EXPECT_TRUE(menu.top() == at.y() || menu.bottom() + 1 == at.y()) << click.y();
    }
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

namespace {

ScUserInfo UserRecord(const std::string& name, int op, int score = 1000, int kind = 0) {
    ScUserInfo u;
    u.op = op;
    u.name = name;
    u.score = score;
    u.kind = kind;
    u.games = 4;
    u.wins = 1;
    return u;
}

// Everything the list shows of its rows.
std::vector<std::vector<QVariant>> Shown(const QTreeWidget& list) {
    std::vector<std::vector<QVariant>> rows;
    for (int r = 0; r < list.topLevelItemCount(); r++) {
        const QTreeWidgetItem* item = list.topLevelItem(r);
        std::vector<QVariant> row;
        for (int c = 0; c < list.columnCount(); c++)
            for (int role : {int(Qt::DisplayRole), int(Qt::UserRole), int(Qt::ForegroundRole),
                             int(Qt::BackgroundRole)})
                row.push_back(item->data(c, role));
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

// A busy room sends a record per change: each changes its own row of the list and leaves the
// others as they were, and the list ends as drawing it whole would draw it.
TEST_F(LobbyPanesTest, UserAndTableRecordsChangeTheirRowsAloneAsAWholeRedrawWouldShowThem) {
    platform::testing::NoticeQueue notices;
    platform::testing::ScopedWindowPoster posted(&notices);
    enginetest::HeadlessTable headless(1);
    CMj& table = *headless.table;
    InstallLobbyWindows(&panes);
    const auto feed = [&](const GameMsg& record) {
        if (MsgType(record.data()) == SC_TABLE_INFO)
            OnTableInfo(table, record.data());
        else
            OnUserInfo(table, record.data());
    };
    for (int i = 0; i < 20; i++) feed(Encode(UserRecord("u" + std::to_string(i), ScUserInfo::kAdd, 100 * i)));
    feed(Encode(UserRecord("me", ScUserInfo::kAdd, 500)));
    ASSERT_EQ(panes.ListView1->topLevelItemCount(), 21);
    const auto mark = [&](int row) {
        panes.ListView1->topLevelItem(row)->setData(0, Qt::UserRole + 1, row);
    };
    for (int row = 0; row < 21; row++) mark(row);

    feed(Encode(UserRecord("u5", ScUserInfo::kUpdate, 4321)));
    feed(Encode(UserRecord("u9", ScUserInfo::kAdd, 77, 2)));  // listed again, now a member
    feed(Encode(UserRecord("u2", ScUserInfo::kRemove)));
    feed(Encode(UserRecord("new", ScUserInfo::kAdd, 10)));
    ScTableInfo seated;
    seated.table = 3;
    TableInfo t{};
    std::strcpy(t.name[0], "u7");
    std::strcpy(t.name[1], "me");
    t.state[0] = t.state[1] = 1;
    t.ready[1] = 1;
    std::memcpy(seated.info, &t, sizeof t);
    feed(Encode(seated));

    // The rows no record touched are the items they were; the changed and the new show anew.
    ASSERT_EQ(panes.ListView1->topLevelItemCount(), 21);
    EXPECT_EQ(panes.ListView1->topLevelItem(0)->text(kColumnName), "me");
    for (int row = 1; row < 20; row++)
        EXPECT_EQ(panes.ListView1->topLevelItem(row)->data(0, Qt::UserRole + 1).toInt(),
                  row < 3 ? row : row + 1)
            << row;
    EXPECT_EQ(panes.ListView1->topLevelItem(5)->text(kColumnScore), "4321");
    EXPECT_EQ(panes.ListView1->topLevelItem(20)->text(kColumnName), "new");
    const auto incremental = Shown(*panes.ListView1);
    const auto picture = std::filesystem::path(MJ_TEST_OUT_DIR) / "pictures";
    std::filesystem::create_directories(picture);
    panes.ListView1->resize(400, 420);  // every row in sight, for a person to look at
    EXPECT_TRUE(panes.ListView1->grab().save(
        QString::fromStdString((picture / "lobby_users_after_records.png").string())));
    panes.ListsChanged();
    EXPECT_EQ(incremental, Shown(*panes.ListView1));
    EXPECT_EQ(panes.ListView1->topLevelItem(9)->foreground(3).color(), QColor(255, 0, 0));
    EXPECT_EQ(panes.ListView1->topLevelItem(7)->data(kColumnTableState, Qt::UserRole).toInt(),
              kImageSeated);
    EXPECT_EQ(panes.ListView1->topLevelItem(0)->data(kColumnTableState, Qt::UserRole).toInt(),
              kImageStarted);
    InstallLobbyWindows(nullptr);
}

namespace {

// The user list in a program folder of its own, where its pictures are.
class UserListPicturesTest : public shelltest::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ClearLobby();
        std::strcpy(szMyName, "me");
        panes = std::make_unique<QtLobbyWindows>(&main);
    }
    void TearDown() override {
        panes.reset();
        ClearLobby();
        szMyName[0] = '\0';
        ShellTest::TearDown();
    }
    QWidget main;
    std::unique_ptr<QtLobbyWindows> panes;
};

UserItem PlacedRow(const char* name, int kind, int tableImage, int picture) {
    UserItem row = Row(name, kind, 100);
    row.tableImage = tableImage;
    row.avatarImage = kAvatarImageBase + picture;
    row.image = kind > 0 ? kImageMember : kImageNone;
    return row;
}

// Pixels of a cell that differ from the cell's own background (its top-left corner).
int InkIn(const QImage& list, const QRect& cell) {
    const QRgb paper = list.pixel(cell.topLeft());
    int ink = 0;
    for (int y = cell.top(); y <= cell.bottom(); y++)
        for (int x = cell.left(); x <= cell.right(); x++) ink += list.pixel(x, y) != paper;
    return ink;
}

}  // namespace

// Each row shows where its user is (in the lobby, seated, ready, playing), the user's picture,
// and a listed member's mark: a player sees who is free to invite.
TEST_F(UserListPicturesTest, EachRowShowsItsPlaceItsPictureAndTheMemberMark) {
    Lobby.ListView1.rows = {PlacedRow("me", 0, kImageInLobby, 1), PlacedRow("seat", 0, kImageSeated, 8),
                            PlacedRow("ready", 0, kImageStarted, 3), PlacedRow("play", 0, kImagePlaying, 12),
                            PlacedRow("adm", 1, kImageInLobby, 6)};
    panes->ListsChanged();
    QTreeWidget& list = *panes->ListView1;
    list.resize(400, 160);
    const QImage shown = list.viewport()->grab().toImage();
    SavePng(list.grab().toImage(), "lobby_user_icons");
    const int rows = list.topLevelItemCount();
    ASSERT_EQ(rows, 5);
    std::vector<QImage> stateIcons;
    for (int r = 0; r < rows; r++) {
        QTreeWidgetItem* item = list.topLevelItem(r);
        const QRect row = list.visualItemRect(item);
        const auto cell = [&](int c) {
            return QRect(list.header()->sectionViewportPosition(c), row.top(),
                         list.header()->sectionSize(c), row.height());
        };
        const bool member = r == 4;
        EXPECT_EQ(InkIn(shown, cell(kColumnMember)) > 0, member) << r;
        EXPECT_GT(InkIn(shown, cell(kColumnTableState)), 10) << r;
        EXPECT_GT(InkIn(shown, cell(kColumnAvatar)), 10) << r;
        stateIcons.push_back(item->icon(kColumnTableState).pixmap(16, 16).toImage());
    }
    // The four places look different from each other; the fifth row is in the lobby again.
    for (int a = 0; a < 4; a++)
        for (int b = a + 1; b < 4; b++) EXPECT_NE(stateIcons[a], stateIcons[b]) << a << b;
    EXPECT_EQ(stateIcons[0], stateIcons[4]);
}
