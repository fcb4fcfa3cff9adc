// The lobby's data, its making and tearing down, showing and closing, the table records, the
// own picture and the preferences kept in SET.ini [UserSet].
#include "online/NetRoom.h"

#include <cstdio>
#include <cstring>

#include "engine/Mj.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/ImageLoader.h"
#include "graphics/SurfaceHelpers.h"
#include "online/AvatarCache.h"
#include "online/Lobby.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "ui/DxChatWnd.h"
#include "ui/DxEdit.h"
#include "ui/DxTrackBar2.h"
#include "ui/WidgetDraw.h"

CNetRoom* pNetRoom = nullptr;

namespace {

constexpr char kSection[] = "UserSet";

struct RoomButton {
    const char* picture;
    const char* hint;
};
constexpr RoomButton kButtons[] = {
    {"Graphic\\NetForm\\prev.bmp", "游戏设置"},
    {"Graphic\\NetForm\\next.bmp", "访问游戏网站"},
    {"Graphic\\NetForm\\Close.bmp", "退出大厅"},
    {"Graphic\\NetForm\\autoadd.bmp", "自动找座位"},
    {"Graphic\\NetForm\\btavatar.bmp", ""},
};

const char* const kSeatMarks[4] = {"Graphic\\NetForm\\PS.bmp", "Graphic\\NetForm\\PE.bmp",
                                   "Graphic\\NetForm\\PN.bmp", "Graphic\\NetForm\\PW.bmp"};

void LoadKeyed(const char* path, platform::Surface** surface, platform::Rect* rect) {
    LoadWidgetPicture(path, surface, rect, true);
}

int ReadInt(const char* key, int fallback, const std::string& path) {
    return platform::ReadProfileInt(kSection, key, fallback, path);
}

void WriteInt(const char* key, int value, const std::string& path) {
    platform::WriteProfileString(kSection, key, std::to_string(value), path);
}

}  // namespace

CNetRoom::CNetRoom(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    ClearTables();
    for (const RoomButton& b : kButtons) {
        buttons.Add(b.picture, "");
        buttons.GetButton(buttons.count - 1)->hint = b.hint;
    }
    LoadKeyed("Graphic\\NetForm\\table.bmp", &tablePic, &tableRect);
    LoadKeyed("Graphic\\NetForm\\tableingame.bmp", &tableInGamePic, &tableInGameRect);
    for (int s = 0; s < 4; s++) LoadKeyed(kSeatMarks[s], &seatMarks[s], &seatMarkRects[s]);
    LoadKeyed("Graphic\\Face\\小头像.bmp", &faces, &facesRect);
    LoadKeyed("Graphic\\NetForm\\handup.bmp", &handUp, &handUpRect);
    LoadKeyed("Graphic\\NetForm\\role.bmp", &roles, &rolesRect);
    LoadOwnPicture(platform::ProgramPath("female.gif"));
    ownAvatarShown = 1;
    pager = std::make_unique<CDxTrackBar2>("Graphic\\NetForm\\bar.bmp", "Graphic\\NetForm\\up.bmp",
                                           "Graphic\\NetForm\\down.bmp");
    pager->buttons.SetPos(CDxTrackBar2::kThumb, 547, 85);
    pager->buttons.SetPos(CDxTrackBar2::kUpArrow, 547, 66);
    pager->buttons.SetPos(CDxTrackBar2::kDownArrow, 547, 420);
    pager->SetRange(548, 85, 420);
    chat = std::make_unique<CDxChatWnd>();
    chat->SetRect(38, 480, 541, 542);
    chat->visible = 1;
    chatInput = std::make_unique<CDxEdit>("Graphic\\NetForm\\edit.bmp");
    chatInput->focus = 1;
    chatInput->textColor = 0xFFFFFF;
    SetPos(0, 0);
    ReadPrefs(platform::ProgramPath("SET.ini"));
}

CNetRoom::~CNetRoom() {
    for (platform::Surface** s : {&tablePic, &tableInGamePic, &faces, &handUp, &roles, &ownAvatar})
        GReleaseSurface(s);
    for (platform::Surface*& s : seatMarks) GReleaseSurface(&s);
    pager.reset();
    chat.reset();
    chatInput.reset();
    WritePrefs(platform::ProgramPath("SET.ini"));
}

void CNetRoom::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kPrefs, newX + 528, 4);
    buttons.SetPos(kWebSite, newX + 594, 4);
    buttons.SetPos(kLeave, 726, 4);
    buttons.SetPos(kAutoSeat, newX + 462, 4);
    buttons.SetPos(kAvatar, 610, 563);
    if (chatInput) chatInput->SetPos(83, 548);
}

void CNetRoom::Show() {
    if (owner) owner->StopMusic();
    nActiveForm = kId;
    CurrentLobbyWindows()->ShowLobbyPanes(true);
    Redraw();
}

void CNetRoom::Close() {
    if (owner) owner->PlayMusic();
    nActiveForm = 0;
    CurrentLobbyWindows()->ShowLobbyPanes(false);
    Redraw();
}

void CNetRoom::ClearTables() {
    for (TableInfo& t : tables) {
        t.ingame = 0;
        for (std::int8_t& s : t.state) s = 0;
    }
}

TableInfo* CNetRoom::GetTable(int table) {
    if (table < 0 || table >= kLobbyTables) return nullptr;
    return &tables[table];
}

bool CNetRoom::UpdateTable(int table, const std::uint8_t* record93) {
    TableInfo* t = GetTable(table);
    if (!t) return false;
    std::memcpy(t, record93, sizeof *t);
    for (int s = 0; s < 4; s++) {
        if (t->state[s] == 0) continue;
        const std::string name(t->name[s], strnlen(t->name[s], sizeof t->name[s]));
        if (const UserItem* user = Lobby.ListView1.Find(name))
            t->picture[s] = static_cast<std::int8_t>(user->info.avatar - 1);
        if (t->picture[s] < 0 || t->picture[s] > 11) t->picture[s] = 0;
    }
    return table >= page * 6 && table < page * 6 + 6;
}

void CNetRoom::LoadOwnPicture(const std::string& gbkPath) {
    if (!ownAvatar)
        GLoadImage(gbkPath, &ownAvatar, &ownAvatarRect, true);
    else
        GReloadImage(gbkPath, &ownAvatar, &ownAvatarRect);
    GSetColorKey(&ownAvatar);
}

void CNetRoom::LoadUserAvatar() {
    if (bNewStyle) {
        ownAvatarShown = 0;
        return;
    }
    ownAvatarShown = 1;
    // The cached picture only once the server's digest confirms it: a stale one (or one the
    // server has not described yet) gives way to the default until its download is done.
    const std::int32_t id = Lobby.MyInfo.userId;
    const std::string cached = AvatarCachePath(id);
    std::string path;
    if (owner && owner->FindPendingAvatar(id) && GIsGifFile(cached)) path = cached;
    if (path.empty()) {
        path = platform::ProgramPath(Lobby.MyInfo.sex == 1 ? "male.gif" : "female.gif");
        if (!platform::FileExists(path)) {
            ownAvatarShown = 0;
            Redraw();
            return;
        }
    }
    LoadOwnPicture(path);
    Redraw();
}

void CNetRoom::AddChatLine(std::string_view gbkText, std::uint32_t color) {
    chat->AddText(gbkText.data(), static_cast<int>(gbkText.size()), color);
}

void CNetRoom::SetPage(int newPage) {
    if (newPage < 0 || newPage >= kPages) return;
    page = newPage;
    pager->position = newPage;
}

// Each key as described with [UserSet]: out-of-range values take their fallbacks.
void CNetRoom::ReadPrefs(const std::string& path) {
    Invite = ReadInt("Invite", 1, path) == 1;
    const int ip = ReadInt("IP", 0, path);
    IP = ip == 0 ? 0 : ip == 3 ? 3 : 4;
    ESCAPE = ReadInt("ESCAPE", 0, path) != 0;
    ESCAPERATE = 0;
    if (ESCAPE) {
        const int rate = ReadInt("ESCAPERATE", 50, path);
        ESCAPERATE = rate >= 0 && rate <= 100 ? rate : 0;
    }
    LIMITSCORE1 = ReadInt("LIMITSCORE1", 0, path) != 0;
    LIMITSCORE1RATE = LIMITSCORE1 ? ReadInt("LIMITSCORE1RATE", 0, path) : 0;
    LIMITSCORE2 = ReadInt("LIMITSCORE2", 0, path) != 0;
    LIMITSCORE2RATE = LIMITSCORE2 ? ReadInt("LIMITSCORE2RATE", 0, path) : 0;
    RoomID = ReadInt("RoomID", 0, path);
    P2PTalk = ReadInt("P2PTalk", 1, path) == 1;
}

void CNetRoom::WritePrefs(const std::string& path) const {
    WriteInt("Invite", Invite ? 1 : 0, path);
    WriteInt("IP", IP == 3 ? 3 : IP == 4 ? 4 : 0, path);
    WriteInt("ESCAPE", ESCAPE ? 1 : 0, path);
    WriteInt("ESCAPERATE", ESCAPERATE, path);
    WriteInt("LIMITSCORE1", LIMITSCORE1 ? 1 : 0, path);
    WriteInt("LIMITSCORE1RATE", LIMITSCORE1RATE, path);
    WriteInt("LIMITSCORE2", LIMITSCORE2 ? 1 : 0, path);
    WriteInt("LIMITSCORE2RATE", LIMITSCORE2RATE, path);
    WriteInt("RoomID", RoomID, path);
    WriteInt("P2PTalk", P2PTalk ? 1 : 0, path);
}
