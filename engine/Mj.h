// The table object: owns the seats, the renderer, the widgets and the dialogs, and drives the
// game from input and timer ticks.  What stands here so far is what the widgets and dialogs call
// back into: the frame redraw.
#pragma once

class CMj {
public:
    CMj() = default;
    CMj(const CMj&) = delete;
    CMj& operator=(const CMj&) = delete;

    // Brings the window up to date after a change of state.  Until the renderer composes the
    // table, the composition surface is presented as it stands (nothing when it does not exist).
    void Redraw();
};

// The one table object; null until the main window makes it.
extern CMj* pMj;

// The dialog that takes mouse input and is drawn over (or instead of) the table: 0 none,
// 1 score sheet, 2 options, 6 save slots, 7 new-game confirmation, 8 names and rules, 9 item
// choice, 10 lobby, 11 start mode, 12 login, 13 sign-up, 14 invitation, 18 server-line chooser.
extern int nActiveForm;
