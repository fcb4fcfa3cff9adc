// Left presses that online play answers on the table: a quick phrase picked from the open
// phrase list, and the marked tiles of variant 4 that may not be played.
#include "engine/Mj.h"
#include "online/Lobby.h"
#include "ui/DxGameChatWnd.h"

namespace {

constexpr int kMarkedVariant = 4;

bool InsideList(const CDxGameChatWnd& list, int x, int y) {
    return list.visible && x > list.rect.left && x < list.rect.right && y > list.rect.top &&
           y < list.rect.bottom;
}

}  // namespace

// The phrase under the mouse goes out as table chat and the list closes.  A press anywhere in
// the open list is the list's: it never reaches the hand, where it would play the selected tile.
bool CMj::PickPhraseAt(int x, int y) {
    if (!phraselist || !InsideList(*phraselist, x, y)) return false;
    const char* phrase = phraselist->GetLineAt(x, y);
    if (phrase && IsNetGame() && LobbyLinkUp()) {
        SendLobbyChat(phrase);
        SetPhraseListOpen(false);
    }
    Redraw();
    return true;
}

// Variant 4 marks its wild tiles: a marked hand tile goes only from a hand that is all marked
// and holds no marked drawn tile; a marked drawn tile only from a hand that is all marked.
bool CMj::MarkRefusesSelected() const {
    const CMjPlayer& p = Player[0];
    if (!IsNetGame() || variant != kMarkedVariant || p.select < 0 || p.select > p.cardnum)
        return false;
    bool allMarked = true;
    for (int i = 0; i < p.cardnum; i++) allMarked = allMarked && p.lock[i];
    const bool drawnMarked = p.hasnew && p.lock[p.cardnum];
    // Without a drawn tile, the drawn tile's place plays the last hand tile.
    const int at = p.select == p.cardnum && !p.hasnew ? p.cardnum - 1 : p.select;
    if (at == p.cardnum) return drawnMarked && !allMarked;
    if (at < 0 || !p.lock[at]) return false;
    return !allMarked || drawnMarked;
}
