// What the table asks of its renderer and its dialogs while the game runs: whole frames, the
// flights of tiles and chips, the dice, the desk grid, seat pictures, the message box and the
// shown dialog.  The table holds one presentation; this base class draws nothing of its own (a
// frame presents the composition surface as it stands, when there is one; a flight arrives at
// its first step, the dice stop after their 15 steps), so whole games run headless and fast,
// and tests put a recorder in its place.
#pragma once

#include <cstdint>

#include "rules/Tile.h"

class CMj;
class CMjPlayer;

// A cell of the 20 × 20 desk grid; {-1, -1} when the desk keeps no cell for the tile.
struct DeskCell {
    int a = -1;
    int b = -1;
};

// Animation kinds the composition draws: none, chips, dice, a tile to the desk or a meld, a
// wall piece to a hand.
enum AnimKind : int {
    kAnimNone = 0,
    kAnimChips = 1,
    kAnimDice = 2,
    kAnimTile = 3,
    kAnimWall = 4,
};

// The dice throw takes this many steps.
constexpr int kDiceSteps = 15;

class TablePresentation {
public:
    virtual ~TablePresentation() = default;

    // Composes and presents one whole frame of the table.
    virtual void RenderFrame(const CMj& table);

    // Flights: set the kind, start one, then step it until it arrives.
    virtual void SetAnimKind(int kind) {}
    virtual void StartChipFlight(int fromSeat, int toSeat) {}
    virtual void StartDiscardFlight(int seat, DeskCell cell, const tagMj& tile) {}
    virtual void StartClaimFlight(int claimer, int discarder, const tagMj& tile) {}
    virtual void StartWallFlight(int stack, int seat) {}
    // Advances the flight by `speed` pixels; true once it has arrived.
    virtual bool StepFlight(int speed) { return true; }

    // The dice: true after the last step of the throw.
    virtual void StartDiceThrow(int seat, int die1, int die2) { diceStep_ = 0; }
    virtual bool StepDiceThrow() { return ++diceStep_ >= kDiceSteps; }
    virtual void SetDiceShown(bool shown) {}
    // Every hand face up (end of a hand, the show item) or only the user's.
    virtual void SetRevealHands(bool reveal) {}

    // The items' screen effects: the water ripple, which blocks until it ends and then shows
    // the calm table, and the downward jolt before every hand is revealed.
    virtual void RunRipple() {}
    virtual void ScrollDown() {}

    // The user's hand under the mouse.  A click: true when it counts (it may change the seat's
    // `select`).  A hover: true when the frame must be redrawn (it may change `select`).  While
    // tiles are marked for the exchange: the hand position under the point (the drawn tile is
    // position `cardnum`), -1 none.
    virtual bool HitTestHand(int x, int y, CMjPlayer& seat) { return false; }
    virtual bool HoverHand(int x, int y, CMjPlayer& seat) { return false; }
    virtual int ExchangeTileAt(int x, int y, const CMjPlayer& seat) { return -1; }

    // The desk grid of discarded tiles.
    virtual void ClearDesk() {}
    virtual void InitDeskCursor(CMjPlayer& seat, int seatIndex) {}
    // Places the discard in the seat's next desk cell and answers the cell.
    virtual DeskCell AddDeskTile(CMjPlayer& seat, int seatIndex, const tagMj& tile) { return {}; }
    // Marks a cell free (0) while a tile flies to it, taken (1) once it has landed.
    virtual void SetDeskCell(DeskCell cell, int taken) {}
    // The desk grid as a saved game holds it: 400 occupied flags, then 400 tiles as (value,
    // suit) pairs, cell a × 20 + b.  Saving fills `bytes` (left as it is: no desk); loading
    // takes bytes already checked.
    virtual void SaveDesk(std::uint8_t* bytes) const {}
    virtual void LoadDesk(const std::uint8_t* bytes) {}

    // A seat's portrait, picture number 1..12.
    virtual void LoadSeatAvatar(int seat, int picture) {}

    // The message box over the table with its text (GBK).
    virtual void ShowMessageForm(const char* gbkText) {}
    // The bitmap dialog of that id becomes the one shown (1 the score sheet, 11 start mode).
    virtual void ShowDialog(int id) {}
    // The save slots, scanned again for their files, become the dialog shown.
    virtual void ShowSaveSlots() {}

private:
    int diceStep_ = 0;
};
