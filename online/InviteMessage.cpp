#include "online/InviteMessage.h"

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "online/NetRoom.h"
#include "platform/MessageBox.h"
#include "ui/WidgetDraw.h"

CInviteMessage::CInviteMessage(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    KeyBackground();
    buttons.Add("Graphic\\InviteMessage\\queding.bmp", "");
    buttons.Add("Graphic\\InviteMessage\\quxiao.bmp", "");
    SetPosCentred();
}

void CInviteMessage::Draw() {
    DrawKeyedBackground();
    buttons.DrawAll();
    WriteTextIn({x + 25, y + 18, x + 220, y + 100}, text, platform::kTitleFont,
                platform::kDtWordBreak, InkOnly(0xFFFFFF));
}

void CInviteMessage::Close() { bInviteShown = 0; }

void CInviteMessage::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kOk, newX + 30, newY + 72);
    buttons.SetPos(kCancel, newX + 130, newY + 72);
}

void CInviteMessage::Show() { bInviteShown = 1; }

int CInviteMessage::OnLButtonDown(int px, int py) {
    const int index = buttons.MouseDown(px, py);
    Redraw();
    return index;
}

int CInviteMessage::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

// OK asks for a seat at the table; a table that filled or started meanwhile is reported.
int CInviteMessage::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (index == kOk) {
        bInviteShown = 0;
        if (!pNetRoom || pNetRoom->SitDown(table, -1) <= 0)
            platform::ShowMessage("该桌已满员", "信息", platform::MbIcon::Information);
    } else if (index == kCancel) {
        bInviteShown = 0;
        Redraw();
    }
    return index;
}
