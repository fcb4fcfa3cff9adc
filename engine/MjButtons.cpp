// The table buttons that act on the hand: the claim buttons, ready, discard, the next hand and
// a new game.  A claim button makes the user's entries of its kind and gives up the others.
#include <algorithm>

#include "engine/Mj.h"

void CMj::OnButtonClick(int id) {
    // Only a shown button that takes clicks can be clicked.
    if (id < 0 || id >= kTableButtonCount || !Button(id).enabled || !Button(id).visible) return;
    if (std::find(std::begin(kClaimButtons), std::end(kClaimButtons), id) != std::end(kClaimButtons)) {
        for (int b : kClaimButtons) Button(b).enabled = 0;
        Redraw();
    }
    switch (id) {
    case kButtonPung: OnPungButton(); break;
    case kButtonKong:
        if (curplayer == 0)
            KongButtonOnOwnTurn();
        else
            OnKongButton();
        break;
    case kButtonWin: OnHuButton(); break;
    case kButtonPass: OnPassButton(); break;
    case kButtonDiscard: AutoDiscard(); break;
    case kButtonOk:
        Button(kButtonOk).visible = 0;
        Redraw();
        StartHand();
        break;
    case kButtonNewGame: NewGame(); break;
    case kButtonClose:
    case kButtonLeave: QuitGame(); break;
    case kButtonChow: ChowButton(); break;
    case kButtonReady:
        readyarmed = 1;
        ShowClaimButtons(false);
        Redraw();
        break;
    default: OnTableButton(id); break;
    }
}

// Button 1 on the user's own turn: one kong choice is made at once, several wait for a click
// on one of them (a hand tile of it, or the drawn tile when the drawn tile makes it).
void CMj::KongButtonOnOwnTurn() {
    CMjPlayer& p = Player[0];
    const int choices = p.BuildKongOptions();
    if (choices == 0) {
        OnPassButton();
        return;
    }
    if (choices == 1) {
        p.kongmj = p.Kong[0];
        OnKongButton();
        return;
    }
    p.choosekong = 1;
    std::fill(std::begin(p.canplay), std::end(p.canplay), 0);
    for (int c = 0; c < choices; c++) {
        // The first hand tile of each choice takes the click, and the drawn tile its own kong.
        for (int i = 0; i < p.cardnum; i++) {
            if (TileEqual(p.Mj[i], p.Kong[c])) {
                p.canplay[i] = 1;
                break;
            }
        }
        if (p.hasnew && TileEqual(p.newmj, p.Kong[c])) p.canplay[p.cardnum] = 1;
    }
    for (int b : kClaimButtons) Button(b).enabled = 0;
    Button(kButtonPass).enabled = 1;
    Redraw();
}

// Button 12: the chow options of the current discard; one is taken at once, several wait for
// a click on one of their tiles.
void CMj::ChowButton() {
    CMjPlayer& p = Player[0];
    if (!p.CanChow(curmj)) {
        OnPassButton();
        return;
    }
    p.choosechow = 1;
    for (int i = 0; i < p.cardnum; i++) {
        bool inOption = false;
        for (int c = 0; c < p.chownum; c++)
            inOption = inOption || TileEqual(p.Mj[i], p.Chow[c].Mj[0]) || TileEqual(p.Mj[i], p.Chow[c].Mj[1]);
        p.canplay[i] = inOption;
    }
    if (p.chownum == 1) {
        p.chowmj[0] = p.Chow[0].Mj[0];
        p.chowmj[1] = p.Chow[0].Mj[1];
        OnChowButton();
        return;
    }
    for (int b : kClaimButtons) Button(b).enabled = 0;
    Button(kButtonPass).enabled = 1;
    Redraw();
}

void CMj::PressClaimButton(std::uint8_t kind) {
    ShowClaimButtons(false);
    Redraw();
    // Online the claim goes to the server as its action: pung 2, kong 3, win 4, chow 5.
    if (IsNetGame()) {
        SendAction(kind == kClaimWin ? 4 : kind == kClaimKong ? 3 : kind == kClaimPung ? 2 : 5);
        return;
    }
    MarkUserClaims(kind);
    ResolveClaims();
}

// The chow and kong buttons end the choosing of a run or a kong first.
void CMj::OnChowButton() {
    CMjPlayer& p = Player[0];
    p.choosechow = p.choosekong = 0;
    std::fill(std::begin(p.canplay), std::end(p.canplay), 1);
    PressClaimButton(kClaimChow);
}

void CMj::OnKongButton() {
    CMjPlayer& p = Player[0];
    p.choosechow = p.choosekong = 0;
    std::fill(std::begin(p.canplay), std::end(p.canplay), 1);
    PressClaimButton(kClaimKong);
}

void CMj::OnPungButton() { PressClaimButton(kClaimPung); }

// During a robbing offer the win button robs the kong; otherwise it makes the win claim.
void CMj::OnHuButton() {
    if (userrob) {
        ShowClaimButtons(false);
        Redraw();
        DeclareWin(0);
        return;
    }
    PressClaimButton(kClaimWin);
}

void CMj::OnPassButton() { PassClaim(0); }
