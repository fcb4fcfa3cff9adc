#include "shell/LobbyPanes.h"

#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QCursor>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <cstdint>
#include <iterator>
#include <memory>

#include "graphics/FrameDialogs.h"
#include "graphics/LevelTable.h"
#include "online/AvatarChoice.h"
#include "online/GameMsgClient.h"
#include "online/MenuPlace.h"
#include "online/NetRoom.h"
#include "online/NetworkStart.h"
#include "online/qt/NetSetForm.h"
#include "online/qt/RoomListForm.h"
#include "online/qt/TalkForm.h"
#include "platform/Bmp.h"
#include "platform/Desktop.h"
#include "platform/Path.h"
#include "platform/qt/QtSurfaceImage.h"
#include "shell/Modal.h"
#include "shell/QtText.h"

namespace {

// The lobby's panes beside the table: the room tree under its title, the user list below.
constexpr QRect kTreeRect(600, 92, 192, 150);
constexpr QRect kUsersRect(600, 250, 192, 190);
constexpr QSize kInviteSize(300, 230);

// The quick-chat menu, each phrase sent as its own caption.
const char* const kPhrases[] = {
    "大家好，很高兴见到各位！", "打快点吧,我都要睡着了。", "你的牌打的太好了！",
    "让穷人吃吃牌吧。", "简直不敢相信我的眼睛。", "我们交个朋友吧，能告诉我你的联系方法么？",
    "各位，真不好意思，我要离开下。", "又断线了，网络怎么这么差啊！",
    "不要吵，有什么好吵的，专心游戏吧！"};

// Windows colours 0x00BBGGRR.
QColor Bgr(unsigned v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

QTreeWidget* MakeList(QWidget* parent, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setColumnCount(headers.size());
    list->setHeaderLabels(headers);
    list->setFont(ShellFont(12));
    list->hide();
    return list;
}

// The user list's pictures: its marks (the member mark, then the four table states) and the
// lobby's small faces made list-sized.
constexpr char kMarksPicture[] = "Graphic\\NetForm\\UserMarks.bmp";
constexpr char kFacesPicture[] = "Graphic\\Face\\小头像.bmp";
constexpr int kIconSize = 16;
constexpr std::uint16_t kColourKey = platform::Rgb565(255, 0, 255);  // the pictures' magenta

// Cell after cell of a strip of `cells` pictures, each made an icon at `first` onwards.
void AddStrip(std::vector<QIcon>& icons, const char* gbkPath, int cells, int first) {
    std::unique_ptr<platform::Surface> strip = platform::LoadBmpFile(platform::ProgramPath(gbkPath));
    if (!strip) return;
    strip->SetColorKey(kColourKey);
    const QImage picture = platform::SurfaceImage(*strip);
    const int width = picture.width() / cells;
    for (int i = 0; i < cells; i++)
        icons[static_cast<std::size_t>(first + i)] = QIcon(QPixmap::fromImage(
            picture.copy(i * width, 0, width, picture.height())
                .scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

std::vector<QIcon> UserListImages() {
    std::vector<QIcon> icons(kImagePlaying + 1);
    AddStrip(icons, kFacesPicture, kAvatarPictures, kAvatarImageBase + 1);
    AddStrip(icons, kMarksPicture, kImagePlaying - kImageMember + 1, kImageMember);
    return icons;
}

QStringList Gbk(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) list << FromGbk(t);
    return list;
}

}  // namespace

QtLobbyWindows::QtLobbyWindows(QWidget* mainWindow)
    : main_(mainWindow) {
    TreeView1 = MakeList(mainWindow, {QString()});
    TreeView1->setRootIsDecorated(true);
    TreeView1->header()->hide();
    TreeView1->setGeometry(kTreeRect);
    ListView1 = MakeList(mainWindow, Gbk({"", "", "", "姓名", "积分", "级别", "总局数", "和牌率", "逃跑"}));
    ListView1->setGeometry(kUsersRect);
    for (int c = 0; c < 3; c++) ListView1->setColumnWidth(c, 20);
    ListView1->setIconSize(QSize(kIconSize, kIconSize));
    ImageList1 = UserListImages();
    ListView2 = MakeList(mainWindow, Gbk({"姓名", "积分", "等级", "总局数", "和牌率"}));
    ListView2->resize(kInviteSize);
    PopupMenu1 = new QMenu(mainWindow);
    PopupMenu2 = new QMenu(mainWindow);
    for (const char* phrase : kPhrases)
        QObject::connect(PopupMenu2->addAction(FromGbk(phrase)), &QAction::triggered,
                         [phrase] { SendLobbyChat(phrase); });
    QObject::connect(ListView1->header(), &QHeaderView::sectionClicked,
                     [this](int column) { ListView1ColumnClick(column); });
    // Any button pressed on a row opens the user menu.
    QObject::connect(ListView1, &QTreeWidget::itemPressed, [this](QTreeWidgetItem*, int) {
        ListView1MouseDown(ListView1->viewport()->mapFromGlobal(QCursor::pos()));
    });
    QObject::connect(TreeView1, &QTreeWidget::itemDoubleClicked,
                     [this](QTreeWidgetItem* item, int) { TreeView1DblClick(item); });
    QObject::connect(ListView2, &QTreeWidget::currentItemChanged,
                     [this](QTreeWidgetItem* item, QTreeWidgetItem*) {
                         Lobby.inviteSelected = item ? ListView2->indexOfTopLevelItem(item) : -1;
                     });
}

QtLobbyWindows::~QtLobbyWindows() = default;

void QtLobbyWindows::ListsChanged() {
    FillUsers();
    FillRooms();
    FillInvites();
}

void QtLobbyWindows::FillUsers() {
    ListView1->clear();
    for (int row = 0; row < Lobby.ListView1.Count(); row++)
        FillUser(*new QTreeWidgetItem(ListView1), row);
}

// The own row white on blue-grey, listed members red on sand, other rows in the list's colours.
void QtLobbyWindows::FillUser(QTreeWidgetItem& item, int row) {
    const UserItem& user = Lobby.ListView1.rows[static_cast<std::size_t>(row)];
    const UserInfo& u = user.info;
    const QString texts[] = {QString(), QString(), QString(), FromGbk(UserName(u)),
                             QString::number(u.score), FromGbk(LevelForScore(u.score).title),
                             QString::number(u.games), FromGbk(WinRateText(u)),
                             QString::number(u.escapes)};
    for (int c = 0; c < static_cast<int>(std::size(texts)); c++) item.setText(c, texts[c]);
    // The member mark, the table state and the avatar picture, each in its icon column.
    const int images[] = {user.image, user.tableImage, user.avatarImage};
    for (int c = 0; c < static_cast<int>(std::size(images)); c++) {
        item.setData(c, Qt::UserRole, images[c]);
        item.setIcon(c, Icon(images[c]));
    }
    QVariant ink, paper;
    if (UserName(u) == szMyName) {
        ink = QBrush(Bgr(0xFFFFFF));
        paper = QBrush(Bgr(0xD6BA94));
    } else if (u.kind == 1 || u.kind == 2) {
        ink = QBrush(Bgr(0x0000FF));
        paper = QBrush(Bgr(0xDED3A5));
    }
    for (int c = 0; c < ListView1->columnCount(); c++) {
        item.setData(c, Qt::ForegroundRole, ink);
        item.setData(c, Qt::BackgroundRole, paper);
    }
}

// A row at a time while the Qt list matches the lobby's row for row; otherwise the whole list.
// A changed row tells the list nothing row by row (the list's search for the row's place walks
// all its rows): the visible rows are drawn again, once for all the changes before the next
// paint.
void QtLobbyWindows::UserRowChanged(int row) {
    if (ListView1->topLevelItemCount() != Lobby.ListView1.Count()) return FillUsers();
    {
        const QSignalBlocker quiet(ListView1->model());
        FillUser(*ListView1->topLevelItem(row), row);
    }
    ListView1->viewport()->update();
}

void QtLobbyWindows::UserRowInserted(int row) {
    if (ListView1->topLevelItemCount() != Lobby.ListView1.Count() - 1) return FillUsers();
    auto* item = new QTreeWidgetItem;
    FillUser(*item, row);
    ListView1->insertTopLevelItem(row, item);
}

void QtLobbyWindows::UserRowRemoved(int row) {
    if (ListView1->topLevelItemCount() != Lobby.ListView1.Count() + 1) return FillUsers();
    delete ListView1->takeTopLevelItem(row);
}

QIcon QtLobbyWindows::Icon(int image) const {
    if (image < 0 || image >= static_cast<int>(ImageList1.size())) return QIcon();
    return ImageList1[static_cast<std::size_t>(image)];
}

void QtLobbyWindows::FillRooms() {
    TreeView1->clear();
    const RoomTree& tree = Lobby.TreeView1;
    if (!tree.hasServer) return;
    auto* server = new QTreeWidgetItem(TreeView1, {FromGbk(tree.server.text)});
    for (const RoomNode& room : tree.rooms) {
        auto* node = new QTreeWidgetItem(server, {FromGbk(room.text)});
        if (room.image == kTreeCurrentRoomImage) node->setForeground(0, QBrush(Qt::darkRed));
    }
    server->setExpanded(tree.expanded);
}

void QtLobbyWindows::FillInvites() {
    ListView2->clear();
    for (const InviteRow& row : Lobby.ListView2)
        new QTreeWidgetItem(ListView2, {FromGbk(row.name), FromGbk(row.score), FromGbk(row.level),
                                        FromGbk(row.games), FromGbk(row.winRate)});
}

void QtLobbyWindows::ShowLobbyPanes(bool shown) {
    ListView1->setVisible(shown);
    TreeView1->setVisible(shown);
    if (Banner) Banner->setVisible(shown);
    if (shown) ListView2->hide();
}

void QtLobbyWindows::ShowInviteList(bool shown, int x, int y) {
    if (shown) {
        FillInvites();
        ListView2->move(x, y);
    }
    ListView2->setVisible(shown);
}

void QtLobbyWindows::PopupUserMenu(const UserMenuState& menu, const std::string& user, int x,
                                   int y) {
    shownMenu = menu;
    szMenuUser = user;
    PopupMenu1->clear();
    for (int i = 0; i < kUserMenuItemCount; i++) {
        const UserMenuItem& m = menu[i];
        if (!m.visible) continue;
        if (m.caption == "-") {
            PopupMenu1->addSeparator();
            continue;
        }
        if (i == Manager) {
            QMenu* sub = PopupMenu1->addMenu(FromGbk(m.caption));
            QObject::connect(sub->addAction(FromGbk("踢出游戏")), &QAction::triggered,
                             [user] { UserMenuAdmin(user, CsAdmin::kRemove); });
            QObject::connect(sub->addAction(FromGbk("禁言")), &QAction::triggered,
                             [user] { UserMenuAdmin(user, CsAdmin::kMute); });
            continue;
        }
        QAction* action = PopupMenu1->addAction(FromGbk(m.caption));
        action->setEnabled(m.enabled);
        switch (i) {
            case N9: QObject::connect(action, &QAction::triggered, [user] { UserMenuJoinTable(user); }); break;
            case N11: QObject::connect(action, &QAction::triggered, [user] { UserMenuTalk(user); }); break;
            case N14: QObject::connect(action, &QAction::triggered, [user] { UserMenuAddress(user); }); break;
            case N26:
                QObject::connect(action, &QAction::triggered,
                                 [user] { UserMenuAdmin(user, CsAdmin::kRemove); });
                break;
            default: break;
        }
    }
    if (main_->isVisible()) PopupMenu1->popup(main_->mapToGlobal(QPoint(x, y)));
}

// The menu opens at the click and stays inside the table: where it would pass the right or the
// bottom edge it opens to the left of or above the click.
void QtLobbyWindows::PopupPhrases(int x, int y) {
    if (!main_->isVisible()) return;
    const QSize size = PopupMenu2->sizeHint();
    const MenuCorner at =
        MenuCornerInside(x, y, size.width(), size.height(), main_->width(), main_->height());
    PopupMenu2->popup(main_->mapToGlobal(QPoint(at.x, at.y)));
}

bool QtLobbyWindows::EditTablePrefs(TablePrefsFields& fields) {
    TNetSetForm form(main_);
    form.Fill(fields);
    if (ShowModal(form) != QDialog::Accepted) return false;
    fields = form.Read();
    return true;
}

void QtLobbyWindows::ShowRoomList() {
    TRoomListForm form(main_);
    form.Fill();
    ShowModal(form);
}

TTalkForm* QtLobbyWindows::FindTalk(const std::string& peer) const {
    for (const auto& form : TalkForms)
        if (form->PeerName() == peer) return form.get();
    return nullptr;
}

bool QtLobbyWindows::AddTalkLine(const std::string& peer, const std::string& line) {
    TTalkForm* form = FindTalk(peer);
    if (!form) return false;
    form->AddLine(line);
    form->AddLine("");
    QApplication::alert(form, 0);  // until the window comes to the foreground
    return true;
}

bool QtLobbyWindows::OpenTalkWindow(const std::string& peer) {
    if (TTalkForm* open = FindTalk(peer)) {
        open->show();
        return true;
    }
    if (TalkWindowCount() >= kMaxTalkWindows) return false;
    TalkForms.push_back(std::make_unique<TTalkForm>(peer));
    TalkForms.back()->show();
    return true;
}

// Each is deleted once back in the event loop: the end of online play may come from inside a
// talk window's own send, whose window must outlive it.
void QtLobbyWindows::CloseTalkWindows() {
    for (std::unique_ptr<TTalkForm>& form : TalkForms) {
        form->hide();
        form.release()->deleteLater();
    }
    TalkForms.clear();
}

void QtLobbyWindows::TalkClosed(const std::string& peer) {
    for (auto it = TalkForms.begin(); it != TalkForms.end(); ++it)
        if ((*it)->PeerName() == peer) {
            TalkForms.erase(it);
            return;
        }
}

void QtLobbyWindows::ListView1ColumnClick(int column) {
    ::ListView1ColumnClick(Lobby.ListView1, Lobby.sort, column, szMyName);
    for (int c = 0; c < ListView1->columnCount(); c++) {
        QString text = ListView1->headerItem()->text(c);
        text.remove(QChar(0x25B2)).remove(QChar(0x25BC));
        if (c == Lobby.sort.arrowColumn)
            text += Lobby.sort.arrowImage == kArrowAscending ? QChar(0x25B2) : QChar(0x25BC);
        ListView1->headerItem()->setText(c, text);
    }
    FillUsers();
}

// Not while the server is awaited or an invitation is up.
void QtLobbyWindows::ListView1MouseDown(QPoint point) {
    if (bInfoShown || bInviteShown) return;
    QTreeWidgetItem* item = ListView1->itemAt(point);
    if (!item) return;
    const int row = ListView1->indexOfTopLevelItem(item);
    if (row < 0 || row >= Lobby.ListView1.Count()) return;
    const UserInfo& user = Lobby.ListView1.rows[row].info;
    const QPoint at = ListView1->viewport()->mapTo(main_, point);
    PopupUserMenuAt(user, at.x(), at.y(), MenuOpener::kList);
}

void QtLobbyWindows::TreeView1DblClick(QTreeWidgetItem* item) {
    if (!item || !item->parent()) return;
    EnterRoomFromTree(item->parent()->indexOfChild(item));
}
