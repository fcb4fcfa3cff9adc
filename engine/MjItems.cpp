// The user's three items, each with a count of uses (`items` of seat 0) that a won hand may
// raise, and each for offline games only: F1 shows every hand for a while, F3 lays the user's
// next discard face down in the river behind a water ripple, and F7 lets the user mark up to
// three tiles that button 11 then swaps for random tiles of the wall.
#include <cstring>
#include <utility>

#include "engine/Mj.h"
#include "platform/Sleep.h"
#include "rules/Random.h"

namespace {

enum ItemSlot : int { kShowItem = 0, kHideItem = 1, kExchangeItem = 2 };

// The hands stay face up this long after the show item.
constexpr int kRevealMs = 100000;
// The exchange can be started while at most this many tiles have left the wall.
constexpr int kLastExchangeTaken = 100;
// Exchange mode while the user marks tiles.
constexpr std::uint8_t kMarkingTiles = 2;
constexpr int kMaxExchangeMarks = 3;
// The swapped tiles show in their places this long before the hand is sorted.
constexpr unsigned kExchangePauseMs = 500;
constexpr int kLastWallIndex = kWallTiles - 1;

// Spends one use of the item when the game is offline and a use is left.
bool SpendItem(CMj& t, ItemSlot item) {
    int& uses = t.Player[0].items[item];
    if (t.IsNetGame() || uses <= 0) return false;
    uses--;
    return true;
}

// Marks over the hand and the drawn tile (position cardnum).
int CountMarks(const CMjPlayer& p) {
    int marks = 0;
    for (int i = 0; i < p.cardnum + (p.hasnew ? 1 : 0); i++) marks += p.change[i] ? 1 : 0;
    return marks;
}

// A hand tile changes places with a random tile of the wall still to come.  The wall stays one
// arrangement of the 144 tile indexes: the index the tile goes back with is one of its kind
// among the tiles already out of the wall, and the wall tile's index takes that place.  With
// no tile left to come, or no such index (the deal is still counting the hands out), the tile
// stays.
void SwapWithWall(CMj& t, tagMj& tile) {
    if (t.taken < 0 || t.taken >= kLastWallIndex) return;
    int out = -1;
    for (int q = 0; q <= t.taken && out < 0; q++)
        if (TileEqual(TileFromIndex(t.wall[q]), tile)) out = q;
    if (out < 0) return;
    const int r = MjRand() % (kLastWallIndex - t.taken) + t.taken + 1;
    std::swap(t.wall[out], t.wall[r]);
    tile = TileFromIndex(t.wall[out]);
}

}  // namespace

void CMj::UseShowItem() {
    if (!SpendItem(*this, kShowItem)) return;
    PlayWave("Wave\\showmj.wav");
    presentation_->ScrollDown();
    ShowAllHands(true);
    CMjTimer* reveal = Timer(kTimerReveal);
    reveal->interval = kRevealMs;
    reveal->SetEnabled(true);
}

void CMj::UseHideItem() {
    if (!SpendItem(*this, kHideItem)) return;
    PlayWave("Wave\\hidemj.wav");
    presentation_->RunRipple();
    Player[0].hidemj = 1;
}

// The confirm button is enabled here as well as shown: a new hand disables it, and it must work
// in every hand.
void CMj::UseExchangeItem() {
    if (taken > kLastExchangeTaken || !SpendItem(*this, kExchangeItem)) return;
    exchangemode = kMarkingTiles;
    std::memset(Player[0].change, 0, sizeof Player[0].change);
    Button(kButtonExchange).visible = 1;
    Button(kButtonExchange).enabled = 1;
    Redraw();
}

// A click while marking: the tile under the mouse is marked or unmarked; a fourth mark is
// refused, and so is a drawn flower that waits for its replacement.
void CMj::MarkExchangeTile(int x, int y) {
    CMjPlayer& p = Player[0];
    const int i = renderer.ExchangeTileAt(x, y, p);
    if (i < 0 || i > p.cardnum || (i == p.cardnum && (!p.hasnew || FlowerPending(0)))) return;
    PlayWave("Wave\\select.wav");
    if (!p.change[i] && CountMarks(p) >= kMaxExchangeMarks) return;
    p.change[i] = !p.change[i];
    Redraw();
}

// Button 11: every marked tile, the drawn tile last, is swapped with the wall; the new tiles
// show in place for a moment, then the hand is sorted and any flower it took in is replaced.
void CMj::ExchangeTiles() {
    PlayWave("Wave\\changemj.wav");
    exchangemode = 0;
    Button(kButtonExchange).visible = 0;
    Redraw();
    MjSrand(static_cast<unsigned>(MjTime()));
    CMjPlayer& p = Player[0];
    for (int i = 0; i < p.cardnum; i++)
        if (p.change[i]) SwapWithWall(*this, p.Mj[i]);
    if (p.hasnew && p.change[p.cardnum]) {
        SwapWithWall(*this, p.newmj);
        p.Mj[p.cardnum] = p.newmj;
    }
    std::memset(p.change, 0, sizeof p.change);
    Redraw();
    platform::Sleep(kExchangePauseMs);
    while (ReplaceAllFlowers()) {
    }
    SortTiles(p.Mj, p.cardnum);
    Redraw();
}
