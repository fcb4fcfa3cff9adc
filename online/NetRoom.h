// The lobby room: the dialog (id 10) that fills the table while the user is connected and not
// seated.  It shows one room as 100 tables of four seats, six at a time with a pager, the room
// chat with its input line, the own picture and statistics, and five buttons; it requests
// seats (by click, by the automatic search, from an invitation or the user menu) and keeps the
// table-partner preferences of SET.ini [UserSet].
//
// NetRoom.cpp: data, construction, preferences; NetRoomDraw.cpp: drawing; NetRoomInput.cpp:
// mouse, keys, seating and the buttons.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "online/TableInfo.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "ui/BitForm.h"

class CDxChatWnd;
class CDxEdit;
class CDxTrackBar2;

// The preferences dialog's fields (TNetSetForm), as the lobby fills them and reads them back:
// check boxes, the combo box's item (0 "四", 1 "三") and the three edits' texts.
struct TablePrefsFields {
    bool invite = false;
    bool sameAddress = false;
    int addressItem = 0;
    bool escape = false;
    std::string escapeText;
    bool limit1 = false;
    std::string limit1Text;
    bool limit2 = false;
    std::string limit2Text;
};

class CNetRoom : public CBitForm {
public:
    static constexpr int kId = 10;
    static constexpr int kPages = 17;
    enum Button : int { kPrefs = 0, kWebSite = 1, kLeave = 2, kAutoSeat = 3, kAvatar = 4 };

    CNetRoom(std::string_view backgroundPath, CMj* owner);
    ~CNetRoom() override;

    void Draw() override;
    void Close() override;
    void SetPos(int x, int y) override;
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;

    // Tables.
    void DrawTables(int x, int y, int table);
    bool UpdateTable(int table, const std::uint8_t* record93);
    TableInfo* GetTable(int table);
    void ClearTables();
    void LoadUserAvatar();

    // Input, seating, preferences.
    int ShowSeatUserInfo(int x, int y);
    int SitDown(int table, int chair);
    void AutoSeat();
    // The avatar chooser for the user's own record.
    void ShowAvatarChooser();
    int FreeSeatCount(int table);
    void SendTablePrefs();
    void ShowRoomPrefs();
    // Applies the dialog's fields in order; false when a number was refused (its switch is
    // off, a message box said why, nothing after it changed and nothing was sent).
    bool TakeRoomPrefs(const TablePrefsFields& fields);
    TablePrefsFields RoomPrefsFields() const;
    int OnChatKey(int key);
    // A line of the room chat window.
    void AddChatLine(std::string_view gbkText, std::uint32_t color);
    // The page shown (also the pager's position).
    void SetPage(int newPage);

    // The seat under a point: table and chair, false when none.
    bool SeatAt(int x, int y, int* table, int* chair) const;

    void ReadPrefs(const std::string& gbkIniPath);
    void WritePrefs(const std::string& gbkIniPath) const;

    TableInfo tables[kLobbyTables] = {};
    int page = 0;
    int rows = 2;
    int columns = 3;
    int owntable = -1;
    int room = -1;
    int roomcount = 0;
    int RoomID = 0;
    std::uint8_t ownAvatarShown = 0;

    std::uint8_t Invite = 1;
    int IP = 0;
    std::uint8_t ESCAPE = 0;
    int ESCAPERATE = 0;
    std::uint8_t LIMITSCORE1 = 0;
    int LIMITSCORE1RATE = 0;
    std::uint8_t LIMITSCORE2 = 0;
    int LIMITSCORE2RATE = 0;
    std::uint8_t P2PTalk = 1;

    std::unique_ptr<CDxTrackBar2> pager;
    std::unique_ptr<CDxEdit> chatInput;
    std::unique_ptr<CDxChatWnd> chat;

    platform::Surface* tablePic = nullptr;
    platform::Rect tableRect;
    platform::Surface* tableInGamePic = nullptr;
    platform::Rect tableInGameRect;
    platform::Surface* seatMarks[4] = {};
    platform::Rect seatMarkRects[4];
    platform::Surface* faces = nullptr;
    platform::Rect facesRect;
    platform::Surface* handUp = nullptr;
    platform::Rect handUpRect;
    platform::Surface* roles = nullptr;
    platform::Rect rolesRect;
    platform::Surface* ownAvatar = nullptr;
    platform::Rect ownAvatarRect;

private:
    void DrawPanel();
    void DrawSeat(int x, int y, const TableInfo& t, int seat);
    void DrawNames(int x, int y, const TableInfo& t);
    bool InRoom() const { return room >= 0 && room < roomcount; }
    void RequestSeat(int table, int chair);
    void OnButtonClicked(int index);
    void LoadOwnPicture(const std::string& gbkPath);
};

extern CNetRoom* pNetRoom;
