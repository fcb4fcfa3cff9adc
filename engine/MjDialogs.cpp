// What the table's dialogs ask of it beyond a hand's flow: leaving an offline game, and the
// pre-deal items of the item dialog.
#include "engine/Mj.h"

// Offline: the game goes to its file (a refused save keeps the user at the table), the claim
// steps stop, the music goes off and the save slots come up.  Online the table is left.
void CMj::QuitGame() {
    if (IsNetGame()) {
        QuitOnlineTable();
        return;
    }
    if (!SaveToItsFile()) return;
    Timer(kTimerClaims)->SetEnabled(false);
    Timer(kTimerPung)->SetEnabled(false);
    MusicOff();
    presentation_->ShowSaveSlots();
    Redraw();
    CloseMenu();
}

// The item dialog's two items have no effect of their own: nothing in the game says what they
// do, and nothing shows the dialog.  Either way the deal follows.
void CMj::ApplySuitItem() {}

void CMj::ApplyPairItem() {}

void CMj::BeginDeal() { StartHand(); }
