#include "testsupport/graphics/MidHandTable.h"

#include <cstring>

#include "engine/TableButtons.h"
#include "graphics/GraphicsGlobals.h"
#include "platform/Path.h"
#include "ui/BitButtonArray.h"
#include "ui/DxGameChatWnd.h"

namespace tabletest {

namespace {

// The table buttons of the style, in the state the table object gives them when it is made.
CBitButtonArray* MakeButtons(bool newStyle) {
    auto* buttons = new CBitButtonArray();
    AddTableButtons(*buttons, newStyle, !newStyle);
    return buttons;
}

CDxGameChatWnd* MakeChatLog() {
    auto* log = new CDxGameChatWnd();
    log->SetRect(10, 65, 250, 190);
    log->visible = 1;
    const char line[] = "小强: 这手牌不错";
    log->AddText(line, sizeof line - 1, 0xFFFFFF);
    return log;
}

tagMj T(int value, int suit) { return tagMj{static_cast<signed char>(value), static_cast<signed char>(suit)}; }

GetMj Meld(std::initializer_list<tagMj> tiles, unsigned char kind) {
    GetMj meld;
    for (const tagMj& t : tiles) meld.Mj[meld.num++] = t;
    meld.kind = kind;
    return meld;
}

void ClearSeat(CMjPlayer& p) {
    p.Reset();
    p.select = -1;
    p.flowers = 0;
    p.occupied = 0;
    p.usermark = 0;
    p.face = 0;
}

void SetHand(CMjPlayer& p, std::initializer_list<tagMj> tiles) {
    p.cardnum = 0;
    for (const tagMj& t : tiles) p.Mj[p.cardnum++] = t;
}

void SetSeats(CMj& table) {
    for (CMjPlayer& p : table.Player) ClearSeat(p);
    const int scores[4] = {1000, 980, -250, 1270};
    for (int s = 0; s < 4; ++s) {
        table.Player[s].score = scores[s];
        table.Player[s].quanfeng = 1;
        table.Player[s].menfeng = (s + 3) % 4 + 1;  // seat 1 the dealer: east
    }

    CMjPlayer& own = table.Player[0];
    SetHand(own, {T(1, 0), T(2, 0), T(3, 0), T(4, 2), T(5, 2), T(6, 2), T(7, 1), T(8, 1), T(5, 1),
                  T(5, 3)});
    own.hasnew = 1;
    own.newmj = T(9, 2);
    own.Mj[own.cardnum] = own.newmj;
    own.select = kOwnSelected;
    own.Gang[own.gangnum++] = Meld({T(3, 3), T(3, 3), T(3, 3)}, kKindPung);
    own.flowers = 2;

    CMjPlayer& right = table.Player[1];
    SetHand(right, {T(1, 0), T(1, 0), T(4, 0), T(6, 1), T(6, 1), T(2, 2), T(3, 2), T(9, 2), T(1, 3),
                    T(6, 3), T(7, 0)});
    right.hasnew = 1;
    right.newmj = T(7, 0);
    right.Gang[right.gangnum++] = Meld({T(2, 1), T(3, 1), T(4, 1)}, kKindChow);
    right.action = 5;

    CMjPlayer& opposite = table.Player[2];
    SetHand(opposite, {T(2, 0), T(3, 0), T(4, 0), T(5, 0), T(8, 2), T(8, 2), T(2, 3), T(2, 3),
                       T(4, 3), T(6, 1)});
    opposite.Gang[opposite.gangnum++] = Meld({T(7, 3), T(7, 3), T(7, 3), T(7, 3)}, kKindKong);
    opposite.flowers = 1;

    CMjPlayer& left = table.Player[3];
    SetHand(left, {T(1, 2), T(2, 2), T(3, 2), T(5, 0), T(5, 0), T(7, 2), T(8, 2), T(9, 0), T(9, 0),
                   T(9, 1), T(1, 3), T(1, 3), T(4, 1)});
    left.played = 1;
    left.PlayMj = T(6, 0);
    left.flowers = 8;
}

void SetWall(CMj& table) {
    for (std::uint8_t& h : table.stackheight) h = 2;
    for (int i = 18; i <= 25; ++i) table.stackheight[i] = 0;
    table.stackheight[26] = 1;
    table.stackheight[0] = 1;
    table.stackheight[71] = 0;
}

void SetDesk(Stage& stage) {
    CMjDraw& draw = *stage.draw;
    draw.ClearDesk();
    const tagMj discards[4][4] = {
        {T(9, 0), T(1, 3), T(4, 3), T(2, 1)},
        {T(6, 3), T(8, 0), T(3, 3)},
        {T(1, 1), T(5, 3), T(9, 1)},
        {T(2, 3), T(7, 1), T(4, 2), T(6, 2)},
    };
    const int counts[4] = {4, 3, 3, 4};
    for (int s = 0; s < 4; ++s) {
        draw.InitDeskCursor(&stage.table->Player[s], s);
        for (int i = 0; i < counts[s]; ++i)
            draw.AddDeskTile(&stage.table->Player[s], s, discards[s][i]);
    }
}

Stage MakeStage(const std::string& programFolder, TableStyle style) {
    platform::SetProgramFolder(programFolder);
    bNewStyle = style == TableStyle::NewStyle ? 1 : 0;
    bNetworkStart = 1;  // no loading picture
    auto* table = new CMj(nullptr);
    auto* draw = new CMjDraw();
    draw->SetOwner(table);
    draw->InitWindowed();
    draw->SetButtons(MakeButtons(bNewStyle != 0));
    draw->ComputeLayout();
    table->chatlog = MakeChatLog();
    // The stage lives for the whole program; it is never torn down, so the registry's
    // variables stay valid to the end.
    return Stage{table, draw};
}

}  // namespace

Stage& MidHand(const std::string& programFolder, TableStyle style) {
    static Stage stage = MakeStage(programFolder, style);
    CMj& table = *stage.table;
    CMjDraw& draw = *stage.draw;
    nActiveForm = 0;
    MinFan = 0;
    bWildRule = 1;
    WildTile = T(5, 1);
    table.state = kHandRunning;
    table.dealer = table.handdealer = 1;
    table.curplayer = 0;
    table.exchangemode = 0;
    table.blink = 0;
    table.netgame = 0;
    table.portraitphase = 0;
    table.flowertick = 0;
    table.flowerseat = 0;
    table.readyframe = 0;
    table.Timer(kTimerFlower)->enabled = false;
    table.Timer(kTimerReadyDraw)->enabled = false;
    SetSeats(table);
    SetWall(table);
    std::memset(table.deskhidden, 0, sizeof table.deskhidden);
    SetDesk(stage);
    draw.nAnimKind = CMjDraw::kAnimNone;
    draw.bDiceShown = 0;
    draw.bRevealAll = 0;
    for (MjPoint& p : draw.LandPos) p = {};
    for (MjPoint& p : draw.WallStackPos) p = {};
    return stage;
}

void Compose(Stage& stage) { stage.draw->DrawTable(stage.table, stage.table->stackheight); }

}  // namespace tabletest
