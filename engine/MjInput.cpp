// The window's mouse and keys.  A mouse event goes to the first that is there of: the message
// box, the invitation prompt, the active dialog, the table.  Keys never go to the two overlay
// boxes: a dialog's key handler gets them, or with no dialog the table's keys act.
//
// On the table a press goes to the table buttons, the chat windows and the link labels before
// the hand; a hover raises the tile a click would play; a release clicks a button.
#include <algorithm>
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "graphics/FrameDialogs.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"
#include "online/OnlineDialogs.h"
#include "platform/WindowKeys.h"
#include "ui/BitForm.h"
#include "ui/Dialogs.h"
#include "ui/DxEdit.h"
#include "ui/DxGameChatWnd.h"
#include "ui/DxLinkLabel.h"
#include "ui/InputNameDlg.h"
#include "ui/ScoreForm.h"

namespace {

constexpr int kRightButton = 1;
constexpr std::uint8_t kMarkingTiles = 2;

// Where a mouse event goes: to a shown overlay box (the message box before the invitation
// prompt), which takes it even without a form to hand it to; else to the active dialog, and
// an id without a dialog drops it; else to the table.
struct MouseRoute {
    CBitForm* form;
    bool dialog;  // the form is the active dialog
    bool table;
};

MouseRoute RouteMouse() {
    if (bMessageShown) return {pShowMessageForm, false, false};
    if (bInviteShown) return {pInviteMessage, false, false};
    if (nActiveForm != 0) return {DialogForId(nActiveForm), true, false};
    return {nullptr, false, true};
}

// The key handlers of the dialogs that take keys: the names dialog, the login and the sign-up
// type, the score sheet answers keys going down and up.
void DialogKeyPress(int id, int character) {
    if (id == kInputNameDlgId && pInputNameDlg)
        pInputNameDlg->OnKeyPress(character);
    else if (id == CNetRoom::kId && pNetRoom)
        pNetRoom->OnChatKey(character);
    else
        PassKeyToOnlineDialog(id, character);
}

void DialogKeyDown(int id, int vk) {
    if (id == kScoreFormId && pScoreForm) pScoreForm->OnKeyDown(vk);
}

void DialogKeyUp(int id, int vk) {
    if (id == kScoreFormId && pScoreForm) pScoreForm->OnKeyUp(vk);
}

}  // namespace

// --- Routing ------------------------------------------------------------------------------

// An overlay box takes both buttons; a dialog takes no right press (only the lobby would, with
// online play).
void CMj::OnLButtonDown(int x, int y, int right, int) {
    const MouseRoute to = RouteMouse();
    if (to.dialog && right == kRightButton && nActiveForm == CNetRoom::kId && pNetRoom)
        pNetRoom->ShowSeatUserInfo(x, y);
    if (to.form && !(to.dialog && right == kRightButton)) to.form->OnLButtonDown(x, y);
    if (!to.table) return;
    if (right == kRightButton && netgame && PortraitMenu(x, y)) return;
    if (right == kRightButton)
        TableRightDown();
    else
        TableLeftDown(x, y);
}

void CMj::OnMouseMove(int x, int y) {
    const MouseRoute to = RouteMouse();
    if (to.form) to.form->OnMouseMove(x, y);
    if (to.table) TableMouseMove(x, y);
}

void CMj::OnLButtonUp(int x, int y) {
    const MouseRoute to = RouteMouse();
    if (to.form) to.form->OnLButtonUp(x, y);
    if (to.table) TableLeftUp(x, y);
}

// --- The table under the mouse ------------------------------------------------------------

// The right button plays the drawn tile at once, or passes on an offered claim.  A drawn wild
// tile is played so only from a hand that is all wild.
void CMj::TableRightDown() {
    CMjPlayer& p = Player[0];
    if (p.hasnew && !Button(kButtonPass).visible) {
        if (bWildRule && WildEqual(p.newmj, WildTile)) {
            for (int i = 0; i < p.cardnum; i++)
                if (!WildEqual(p.Mj[i], WildTile)) return;
        }
        p.select = p.cardnum;
        AutoDiscard();
        return;
    }
    if (Button(kButtonPass).visible && Button(kButtonPass).enabled) PassClaim(0);
}

void CMj::TableLeftDown(int x, int y) {
    if (PickPhraseAt(x, y) || buttons.MouseDown(x, y) >= 0 || (chatlog && chatlog->MouseDown(x, y)) ||
        (phraselist && phraselist->MouseDown(x, y)) || ClickLink(x, y)) {
        Redraw();
        return;
    }
    CloseMenu();

    CMjPlayer& p = Player[0];
    if (p.choosechow && p.select >= 0) {
        OnChowButton();
    } else if (p.choosekong && p.select >= 0) {
        if (p.canplay[p.select]) OnKongButton();
    } else if (exchangemode == kMarkingTiles) {
        MarkExchangeTile(x, y);
    } else if (!MarkRefusesSelected()) {
        AutoDiscard();
    }
}

// Where a seat's picture stands on the table: the classic panel's picture as last drawn, or the
// new style's figure (the left half of its picture: the figure at rest).
platform::Rect CMj::PortraitOnScreen(int seat) const {
    const platform::Rect& drawn = renderer.rcAvatar[seat];
    if (drawn.right > drawn.left || seat == 0) return drawn;
    const MjPoint at = renderer.FigurePos[seat];
    const platform::Rect& picture = renderer.rcPortrait[seat];
    return {at.x, at.y, at.x + picture.right / 2, at.y + picture.bottom};
}

// Online, a right press on an occupied seat's portrait opens the user menu of its player
// (tested seat 3, 1, 2, 0).
bool CMj::PortraitMenu(int x, int y) {
    for (int seat : {3, 1, 2, 0}) {
        const platform::Rect r = PortraitOnScreen(seat);
        if (!Player[seat].occupied || x < r.left || x >= r.right || y < r.top || y >= r.bottom)
            continue;
        const CMjPlayer& p = Player[seat];
        if (const UserItem* user = Lobby.ListView1.Find({p.name, strnlen(p.name, sizeof p.name)}))
            PopupUserMenuAt(user->info, x, y, MenuOpener::kTable);
        return true;
    }
    return false;
}

// A link label under the mouse opens its address.  Only the labels in use (linkcount of them,
// the ones the table shows) take the mouse.
bool CMj::ClickLink(int x, int y) {
    for (int i = 0; i < LinksInUse(); i++)
        if (links[i] && links[i]->Click(x, y)) return true;
    return false;
}

bool CMj::HoverLinks(int x, int y) {
    bool changed = false;
    for (int i = 0; i < LinksInUse(); i++)
        if (links[i] && links[i]->MouseMove(x, y)) changed = true;
    return changed;
}

int CMj::LinksInUse() const { return std::min(std::max(linkcount, 0), kMaxLinkLabels); }

void CMj::TableMouseMove(int x, int y) {
    if (buttons.MouseMove(x, y) >= 0 || (chatlog && chatlog->MouseMove(x, y)) ||
        (phraselist && phraselist->MouseMove(x, y)) || HoverLinks(x, y)) {
        Redraw();
        return;
    }
    mousex = x;
    mousey = y;
    if (!HandTakesMouse()) return;
    CMjPlayer& p = Player[0];
    const bool moved = renderer.HoverHand(x, y, &p);
    if (p.select < 0) {
        p.chowpeer = -1;
        if (moved) Redraw();  // the raised tile comes down
        return;
    }
    if (p.choosekong) HoverKongChoice(p);
    HoverChowChoice(p);
    if (moved) {
        PlayEffect(kEffectClick);
        Redraw();
    }
}

// The hand answers the mouse on the user's discard turn and while a chow or kong is chosen
// (and online), but not while the quick-phrase list is open or once the hand is over.
bool CMj::HandTakesMouse() const {
    const CMjPlayer& p = Player[0];
    const bool turn = maydiscard || p.choosechow || p.choosekong || IsNetGame();
    const bool phrasesOpen = phraselist && phraselist->visible;
    return turn && !phrasesOpen && state != kHandOver;
}

// The hovered tile becomes the kong a click makes, when it is one of the choices.
void CMj::HoverKongChoice(CMjPlayer& p) {
    if (!p.canplay[p.select]) return;
    p.kongmj = p.select == p.cardnum ? p.newmj : p.Mj[p.select];
}

// The hovered tile and its partner in a chow option become the chow a click makes.
void CMj::HoverChowChoice(CMjPlayer& p) {
    p.chowpeer = -1;
    if (!p.choosechow || p.select >= p.cardnum || !p.canplay[p.select]) return;
    const tagMj hovered = p.Mj[p.select];
    const tagMj* partner = nullptr;
    for (int c = 0; c < p.chownum && !partner; c++)
        if (TileEqual(p.Chow[c].Mj[0], hovered)) partner = &p.Chow[c].Mj[1];
    for (int c = 0; c < p.chownum && !partner; c++)
        if (TileEqual(p.Chow[c].Mj[1], hovered)) partner = &p.Chow[c].Mj[0];
    if (!partner) return;
    for (int i = 0; i < p.cardnum; i++) {
        if (i == p.select || !TileEqual(p.Mj[i], *partner)) continue;
        p.chowpeer = i;
        p.chowmj[0] = *partner;
        p.chowmj[1] = hovered;
        return;
    }
}

// The release clicks a button; else the chat windows take it.  A click on a claim button
// disables all six first (OnButtonClick).  The release point becomes the stored mouse position:
// a move onto a button does not store it, and what the button opens (the quick phrases) opens
// at the click.
void CMj::TableLeftUp(int x, int y) {
    mousex = x;
    mousey = y;
    const int id = buttons.MouseUp(x, y);
    if (id < 0) {
        if ((chatlog && chatlog->MouseUp(x, y)) || (phraselist && phraselist->MouseUp(x, y)))
            Redraw();
        return;
    }
    OnButtonClick(id);
}

// --- Keys ---------------------------------------------------------------------------------

// Characters go to the dialog that takes typing; with no dialog, typing in an online game goes
// to the table's chat line (Enter sends it, as a key going down).
void CMj::OnKeyPress(int character) {
    if (nActiveForm != 0) {
        DialogKeyPress(nActiveForm, character);
        return;
    }
    if (character == platform::VK_RETURN || !IsNetGame() || !chatedit) return;
    chatedit->OnChar(static_cast<unsigned char>(character & 0xFF));
    Redraw();
}

// Only the score sheet takes keys going up.
void CMj::OnKeyUp(int vk) {
    if (nActiveForm != 0) DialogKeyUp(nActiveForm, vk);
}

void CMj::OnKeyDown(int vk) {
    if (nActiveForm != 0) {
        DialogKeyDown(nActiveForm, vk);
        return;
    }
    switch (vk) {
    case platform::VK_ESCAPE: ToggleMenu(); break;
    case platform::VK_F1: UseShowItem(); break;
    case platform::VK_F2: ChangeDisplayMode(); break;
    case platform::VK_F3: UseHideItem(); break;
    case platform::VK_F7: UseExchangeItem(); break;
    case platform::VK_RETURN: SendTableChatLine(); break;
    default: break;
    }
}

