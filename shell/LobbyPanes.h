// The main window's lobby side as Qt widgets: the room tree `TreeView1`, the user list
// `ListView1`, the invitation list `ListView2`, the user menu `PopupMenu1`, the quick-phrase
// menu `PopupMenu2` and the private talk windows `TalkForms`.  They draw what online play keeps
// (online/Lobby.h) and hand the user's choices back to it.
#pragma once

#include <QIcon>
#include <QObject>

#include <memory>
#include <string>
#include <vector>

#include "online/Lobby.h"

class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TTalkForm;

class QtLobbyWindows : public LobbyWindows {
public:
    // The panes are children of `mainWindow` (not owned).
    explicit QtLobbyWindows(QWidget* mainWindow);
    ~QtLobbyWindows() override;

    void ListsChanged() override;
    void UserRowChanged(int row) override;
    void UserRowInserted(int row) override;
    void UserRowRemoved(int row) override;
    void RoomsChanged() override { FillRooms(); }
    void ShowLobbyPanes(bool shown) override;
    void ShowInviteList(bool shown, int x, int y) override;
    void PopupUserMenu(const UserMenuState& menu, const std::string& user, int x, int y) override;
    void PopupPhrases(int x, int y) override;
    bool EditTablePrefs(TablePrefsFields& fields) override;
    void ShowRoomList() override;
    int TalkWindowCount() override { return static_cast<int>(TalkForms.size()); }
    bool AddTalkLine(const std::string& peer, const std::string& line) override;
    bool OpenTalkWindow(const std::string& peer) override;
    void CloseTalkWindows() override;

    // A talk window closed (WM_TALKCLOSED): removed and deleted.
    void TalkClosed(const std::string& peer);
    TTalkForm* FindTalk(const std::string& peer) const;

    // The user list's events.
    void ListView1ColumnClick(int column);
    void ListView1MouseDown(QPoint point);
    void TreeView1DblClick(QTreeWidgetItem* item);

    QTreeWidget* TreeView1;
    QTreeWidget* ListView1;
    QTreeWidget* ListView2;
    QWidget* Banner = nullptr;  // the main window's banner pane, shown with the lobby
    // The user list's small pictures by their number (empty where none): the avatar pictures
    // 1 to 12 at kAvatarImageBase + picture, the member mark and the table states at theirs.
    std::vector<QIcon> ImageList1;
    QMenu* PopupMenu1;
    QMenu* PopupMenu2;
    std::vector<std::unique_ptr<TTalkForm>> TalkForms;
    // The last user menu shown and its user, for tests.
    UserMenuState shownMenu;
    std::string szMenuUser;

private:
    void FillUsers();
    // One row's texts, images and colours, from row `row` of the lobby's user list.
    void FillUser(QTreeWidgetItem& item, int row);
    // The picture of an image number of ImageList1; none for -1 or a number without one.
    QIcon Icon(int image) const;
    void FillRooms();
    void FillInvites();
    QWidget* main_;
};
