// What the table asks of its display while the game runs: the display's set-up and the logo,
// whole frames, the flights of tiles and chips, the dice, the revealed hands, seat pictures,
// the screen jolt, the message box and the shown dialog.  The table holds one presentation;
// this base class draws nothing of its own (it loads no pictures, a frame presents the
// composition surface as it stands, when there is one, a flight arrives at its first step, the
// dice stop after their 15 steps) and shows the table's dialogs, so whole games run headless
// and fast, and tests put a recorder in its place.  RendererPresentation (engine/RendererPresentation.h) shows the table
// through its renderer.
#pragma once

#include "rules/Tile.h"

class CMj;

// A cell of the 20 × 20 desk grid (the renderer's); {-1, -1} when the desk keeps no cell for
// the tile.
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

    // The table's display is set up in the window with every table picture loaded; the table
    // calls it once while it is made, after it has given its renderer itself as owner.
    virtual void SetUpDisplay(CMj& table) {}
    // The start-up logo fades in; returns once it has.
    virtual void ShowBanner() {}

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

    // The items' screen effects: the jolt, the frame shown 20 rows lower for a moment before
    // every hand is revealed; the water ripple, which blocks until it ends and then shows the
    // calm table.
    virtual void ScrollDown() {}
    virtual void RunRipple() {}

    // A seat's portrait, picture number 1..12.
    virtual void LoadSeatAvatar(int seat, int picture) {}

    // The table's dialogs (ui/Dialogs.h), which this base class shows: the message box over
    // the table with its text (GBK); the bitmap dialog of an id as the active one (1 the score
    // sheet, 11 start mode); the save slots, scanned again for their files.  A recorder in
    // their place only notes what the table asked.
    virtual void ShowMessageForm(const char* gbkText);
    virtual void ShowDialog(int id);
    virtual void ShowSaveSlots();

private:
    int diceStep_ = 0;
};
