// Drawing the lobby: the background, the own picture and statistics, the six tables of the
// page, the pager, the room chat and its input line, the buttons.
#include <cstdio>
#include <cstring>
#include <string>

#include "graphics/GreyBlt.h"
#include "graphics/LevelTable.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"
#include "platform/Font.h"
#include "platform/Text.h"
#include "ui/DxChatWnd.h"
#include "ui/DxEdit.h"
#include "ui/DxTrackBar2.h"
#include "ui/WidgetDraw.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kFaceSize = 32;
constexpr int kRoleWidth = 80;
constexpr int kRoleHeight = 125;

struct Corner {
    int dx, dy;
};
// Where each seat's face stands in a table cell: bottom, right, top, left.
constexpr Corner kFaceCorners[4] = {{59, 126}, {113, 64}, {59, 10}, {5, 64}};

// The panel's six lines, 19 pixels apart from y 450: the last (胜率) ends above the 换头像
// button at y 563.
constexpr int kPanelTop = 450;
constexpr int kPanelLineStep = 19;
constexpr int PanelLineY(int line) { return kPanelTop + kPanelLineStep * line; }

// One panel line, formatted into a 40-byte buffer as the panel always has.
template <typename... Args>
void PanelLine(int y, const char* format, Args... args) {
    char line[40];
    std::snprintf(line, sizeof line, format, args...);
    WriteText(680, y, line, platform::kBodyFont, InkOnly(kWhite));
}

std::string SeatName(const TableInfo& t, int seat) {
    return std::string(t.name[seat], strnlen(t.name[seat], sizeof t.name[seat]));
}

}  // namespace

void CNetRoom::Draw() {
    DrawOpaque(background, backgroundRect, x, y);
    DrawPanel();
    WriteText(630, 75, "游戏房间列表", platform::kTitleFont, InkOnly(kWhite));
    for (int i = 0; i < 6; i++)
        DrawTables(28 + 170 * (i % 3), 80 + 175 * (i / 3), page * 6 + i);
    pager->Draw();
    chat->Draw(200);
    chatInput->Draw();
    buttons.DrawAll();
}

void CNetRoom::DrawPanel() {
    const UserInfo& me = Lobby.MyInfo;
    const int a = me.avatar;
    if (ownAvatarShown)
        DrawKeyed(ownAvatar, {30, 37, 110, 152}, 597, 447);
    else if (a >= 1 && a <= 12)
        DrawKeyed(roles, {kRoleWidth * (a - 1), 0, kRoleWidth * a, kRoleHeight}, 597, 447);
    PanelLine(PanelLineY(0), "姓名: %s", UserName(me).c_str());
    PanelLine(PanelLineY(1), "金币: %d", me.score);
    PanelLine(PanelLineY(2), "等级: %s", LevelForScore(me.score).title);
    PanelLine(PanelLineY(3), "战绩: %d盘 %d胜", me.games, me.wins);
    PanelLine(PanelLineY(4), "逃跑: %d", me.escapes);
    PanelLine(PanelLineY(5), "胜率: %d%%", WinRate(me));
}

void CNetRoom::DrawTables(int cx, int cy, int table) {
    const TableInfo* t = GetTable(table);
    if (!t) return;
    if (t->ingame == 1)
        DrawKeyed(tableInGamePic, tableInGameRect, cx, cy);
    else
        DrawKeyed(tablePic, tableRect, cx, cy);
    for (int s = 0; s < 4; s++) DrawSeat(cx, cy, *t, s);
    char caption[16];
    std::snprintf(caption, sizeof caption, "第%d桌", table + 1);
    WriteText(cx + 60, cy + 165, caption, platform::kBodyFont, InkOnly(kWhite));
    DrawNames(cx, cy, *t);
}

void CNetRoom::DrawSeat(int cx, int cy, const TableInfo& t, int s) {
    const int fx = cx + kFaceCorners[s].dx, fy = cy + kFaceCorners[s].dy;
    if (t.state[s] == 0) {
        DrawKeyed(seatMarks[s], seatMarkRects[s], fx, fy);
        return;
    }
    const int cell = kFaceSize * t.picture[s];
    if (t.state[s] == kSeatGrey)
        GGreyBlt(faces, fx, fy, cell, 0, cell + kFaceSize, kFaceSize);
    else
        DrawKeyed(faces, {cell, 0, cell + kFaceSize, kFaceSize}, fx, fy);
    if (!t.ready[s] || t.ingame) return;
    const int w = handUpRect.right, h = handUpRect.bottom;
    const Corner hand[4] = {{8, -h}, {-w, 8}, {8, kFaceSize}, {kFaceSize, 8}};
    DrawKeyed(handUp, handUpRect, fx + hand[s].dx, fy + hand[s].dy);
}

void CNetRoom::DrawNames(int cx, int cy, const TableInfo& t) {
    const auto paint = InkOnly(kWhite);
    const unsigned wrap = platform::kDtWordBreak;
    const platform::Rect boxes[4] = {{cx + 91, cy + 108, cx + 150, cy + 140},
                                     {cx + 110, cy + 35, cx + 150, cy + 70},
                                     {cx, cy + 15, cx + 57, cy + 15},
                                     {cx, cy + 96, cx + 59, cy + 128}};
    for (int s = 0; s < 4; s++) {
        if (t.state[s] == 0) continue;
        const std::string name = SeatName(t, s);
        platform::Rect box = boxes[s];
        unsigned format = wrap;
        if (s == 2 || s == 3) format |= platform::kDtRight;
        if (s == 2) {
            platform::Rect measured = box;
            const int height = platform::CalcRect(&measured, name.data(), name.size(),
                                                  platform::kBodyFont, format);
            box.bottom = cy + 15 + height;
        }
        WriteTextIn(box, name, platform::kBodyFont, format, paint);
    }
}
