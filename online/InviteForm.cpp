#include "online/InviteForm.h"

#include "engine/Mj.h"
#include "graphics/LevelTable.h"
#include "online/GameMsgClient.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"

CInviteForm* pInviteForm = nullptr;

namespace {

constexpr std::size_t kMaxNameBytes = 20;

// The user's table has a free seat and is not playing.
bool TableHasRoom() {
    const TableInfo* t = pNetRoom ? pNetRoom->GetTable(pNetRoom->owntable) : nullptr;
    if (!t || t->ingame) return false;
    for (int s = 0; s < 4; s++)
        if (t->state[s] == 0) return true;
    return false;
}

}  // namespace

CInviteForm::CInviteForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    KeyBackground();
    buttons.Add("Graphic\\InviteForm\\btinvite.bmp", "");
    buttons.Add("Graphic\\InviteForm\\btcancel.bmp", "");
    SetPosCentred();
}

void CInviteForm::Draw() {
    DrawKeyedBackground();
    buttons.DrawAll();
}

void CInviteForm::Close() {
    CurrentLobbyWindows()->ShowInviteList(false, 0, 0);
    nActiveForm = 0;
    Redraw();
}

void CInviteForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kInvite, newX + 143, newY + 314);
    buttons.SetPos(kCancel, newX + 237, newY + 314);
}

// An own table that is no valid table leaves invite enabled.
void CInviteForm::Show() {
    const TableInfo* t = pNetRoom ? pNetRoom->GetTable(pNetRoom->owntable) : nullptr;
    buttons.GetButton(kInvite)->enabled = !t || TableHasRoom();
    nActiveForm = kId;
    CurrentLobbyWindows()->ShowInviteList(true, x + 12, y + 70);
    Redraw();
}

void CInviteForm::FillAndShow() {
    Lobby.ListView2.clear();
    Lobby.inviteSelected = -1;
    for (const UserItem& row : Lobby.ListView1.rows) {
        const UserInfo& u = row.info;
        if (u.atTable) continue;
        Lobby.ListView2.push_back({u.sex == 0 ? 1 : 0, UserName(u), std::to_string(u.score),
                                   LevelForScore(u.score).title, std::to_string(u.games),
                                   WinRateText(u)});
    }
    CurrentLobbyWindows()->ListsChanged();
    Show();
}

int CInviteForm::OnLButtonDown(int px, int py) { return PressButtons(px, py); }
int CInviteForm::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

int CInviteForm::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (index == kInvite) Invite();
    if (index == kCancel) Close();
    if (index >= 0) Redraw();
    return index;
}

// Without a selection, with a name over 20 bytes, or offline the dialog stays.
void CInviteForm::Invite() {
    const int row = Lobby.inviteSelected;
    if (row < 0 || row >= static_cast<int>(Lobby.ListView2.size())) return;
    const std::string& name = Lobby.ListView2[row].name;
    if (name.size() > kMaxNameBytes || !owner || !owner->IsNetGame()) return;
    if (TableHasRoom()) SendLobbyRecord(Encode(CsInvite{name}));
    Close();
}
