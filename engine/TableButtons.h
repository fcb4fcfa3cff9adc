// The 31 table buttons: their ids, and what each is made from with its state after the table
// is made.
#pragma once

#include <cstdint>

enum TableButtonId : int {
    kButtonPung = 0,
    kButtonKong = 1,
    kButtonWin = 2,
    kButtonPass = 3,
    kButtonDiscard = 4,
    kButtonOk = 5,
    kButtonNewGame = 6,
    kButtonClose = 9,
    kButtonMinimize = 10,
    kButtonExchange = 11,
    kButtonChow = 12,
    kButtonStart = 15,
    kButtonMenu = 16,
    kButtonPhrasesOpen = 18,   // opens the quick-phrase list
    kButtonPhrasesClose = 19,  // closes it
    kButtonReady = 22,
    kButtonPiaoYes = 24,  // the piao prompt of table variant 2
    kButtonPiaoNo = 25,
    kButtonMaximize = 26,
    kButtonSettings = 27,  // the menu's four entries, shown and hidden together
    kButtonWebsite = 28,
    kButtonHelp = 29,
    kButtonLeave = 30,
    kTableButtonCount = 31,
};

// How a button is made: a bitmap for each table style (a file under the program folder or a
// resource name) and a caption; then its state after construction.
struct TableButtonDef {
    const char* classicBitmap;
    const char* newStyleBitmap;
    const char* caption;
    bool disabled;            // disabled after construction
    bool shownInClassic;      // shown after construction in the classic style
    bool shownInNewStyle;     // ... in the new style
};

// In id order.
extern const TableButtonDef kTableButtonDefs[kTableButtonCount];

class CBitButtonArray;

// Adds the 31 buttons in id order, with the pictures of the new style or the classic one, and
// sets each one's state after construction: enabled, and shown as the classic or the new-style
// table shows it.
void AddTableButtons(CBitButtonArray& buttons, bool newStylePictures, bool classicTable);

// The menu's entries, top to bottom, shown and hidden together.
constexpr int kMenuEntries[] = {kButtonSettings, kButtonWebsite, kButtonHelp, kButtonLeave};

// The claim buttons that show and hide together: pung, kong, win, pass, chow and ready.
constexpr int kClaimButtons[] = {kButtonPung, kButtonKong, kButtonWin,
                                 kButtonPass, kButtonChow, kButtonReady};
