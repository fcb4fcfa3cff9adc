// The window's mouse and keys.  A mouse event goes to the first that is there of: the message
// box, the invitation prompt, the active dialog, the table.  Keys never go to the two overlay
// boxes: a dialog's key handler gets them, or with no dialog the table's keys act.
//
// On the table a press goes to the table buttons, the chat windows and the link labels before
// the hand; a hover raises the tile a click would play; a release clicks a button.
#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "graphics/FrameDialogs.h"
#include "platform/WindowKeys.h"
#include "ui/BitForm.h"
#include "ui/Dialogs.h"
#include "ui/DxGameChatWnd.h"
#include "ui/DxLinkLabel.h"
#include "ui/InputNameDlg.h"
#include "ui/ScoreForm.h"

namespace {

constexpr int kRightButton = 1;
constexpr std::uint8_t kMarkingTiles = 2;
constexpr int kMenuEntries[] = {kButtonSettings, kButtonWebsite, kButtonHelp, kButtonLeave};

// The overlay box that takes every mouse event while it is shown, the message box first.
CBitForm* OverlayBox() {
    if (bMessageShown && pShowMessageForm) return pShowMessageForm;
    if (bInviteShown && pInviteMessage) return pInviteMessage;
    return nullptr;
}

// Either overlay box is shown: it takes the event even without a form to hand it to.
bool OverlayShown() { return bMessageShown || bInviteShown; }

// The key handlers of the dialogs that take keys: the names dialog types, the score sheet
// answers keys going down and up.  The login, sign-up and lobby keys come with online play.
void DialogKeyPress(int id, int character) {
    if (id == kInputNameDlgId && pInputNameDlg) pInputNameDlg->OnKeyPress(character);
}

void DialogKeyDown(int id, int vk) {
    if (id == kScoreFormId && pScoreForm) pScoreForm->OnKeyDown(vk);
}

void DialogKeyUp(int id, int vk) {
    if (id == kScoreFormId && pScoreForm) pScoreForm->OnKeyUp(vk);
}

}  // namespace

// --- Routing ------------------------------------------------------------------------------

void CMj::OnLButtonDown(int x, int y, int right, int) {
    if (OverlayShown()) {
        if (CBitForm* box = OverlayBox()) box->OnLButtonDown(x, y);  // either button
        return;
    }
    if (nActiveForm != 0) {
        // A right press reaches only the lobby, which comes with online play.
        if (right != kRightButton)
            if (CBitForm* dialog = DialogForId(nActiveForm)) dialog->OnLButtonDown(x, y);
        return;
    }
    if (right == kRightButton)
        TableRightDown();
    else
        TableLeftDown(x, y);
}

void CMj::OnMouseMove(int x, int y) {
    if (OverlayShown()) {
        if (CBitForm* box = OverlayBox()) box->OnMouseMove(x, y);
        return;
    }
    if (nActiveForm != 0) {
        if (CBitForm* dialog = DialogForId(nActiveForm)) dialog->OnMouseMove(x, y);
        return;
    }
    TableMouseMove(x, y);
}

void CMj::OnLButtonUp(int x, int y) {
    if (OverlayShown()) {
        if (CBitForm* box = OverlayBox()) box->OnLButtonUp(x, y);
        return;
    }
    if (nActiveForm != 0) {
        if (CBitForm* dialog = DialogForId(nActiveForm)) dialog->OnLButtonUp(x, y);
        return;
    }
    TableLeftUp(x, y);
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
    if (TableButtonDown(x, y) >= 0 || (chatlog && chatlog->MouseDown(x, y)) ||
        (phraselist && phraselist->MouseDown(x, y)) || ClickLink(x, y)) {
        Redraw();
        return;
    }
    if (Button(kButtonSettings).visible)
        for (int id : kMenuEntries) Button(id).visible = 0;

    CMjPlayer& p = Player[0];
    if (p.choosechow && p.select >= 0) {
        OnChowButton();
    } else if (p.choosekong && p.select >= 0) {
        if (p.canplay[p.select]) OnKongButton();
    } else if (exchangemode == kMarkingTiles) {
        MarkExchangeTile(x, y);
    } else {
        AutoDiscard();
    }
}

// A link label under the mouse opens its address.
bool CMj::ClickLink(int x, int y) {
    for (CDxLinkLabel* link : links)
        if (link && link->Click(x, y)) return true;
    return false;
}

void CMj::TableMouseMove(int x, int y) {
    bool changed = TableButtonMove(x, y) >= 0 || (chatlog && chatlog->MouseMove(x, y)) ||
                   (phraselist && phraselist->MouseMove(x, y));
    for (CDxLinkLabel* link : links) changed = changed || (link && link->MouseMove(x, y));
    if (changed) {
        Redraw();
        return;
    }
    mousex = x;
    mousey = y;
    if (!HandTakesMouse()) return;
    CMjPlayer& p = Player[0];
    const bool moved = presentation_->HoverHand(x, y, p);
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
// disables all six first (OnButtonClick).
void CMj::TableLeftUp(int x, int y) {
    const int id = TableButtonUp(x, y);
    if (id < 0) {
        if ((chatlog && chatlog->MouseUp(x, y)) || (phraselist && phraselist->MouseUp(x, y)))
            Redraw();
        return;
    }
    OnButtonClick(id);
}

// --- Keys ---------------------------------------------------------------------------------

// Characters go to the dialog that takes typing; with no dialog, typing is table chat, which
// comes with online play.
void CMj::OnKeyPress(int character) {
    if (nActiveForm == 0) return;
    DialogKeyPress(nActiveForm, character);
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
    default: break;  // Enter sends table chat, with online play
    }
}

// --- The table buttons --------------------------------------------------------------------

int CMj::TableButtonDown(int x, int y) { return -1; }
int CMj::TableButtonMove(int x, int y) { return -1; }
int CMj::TableButtonUp(int x, int y) { return -1; }
