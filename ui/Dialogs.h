// The table's offline dialogs: their ids in `nActiveForm`, the one instance of each, and what
// the table asks of them (show a dialog by id, put a text in the message box, show the save
// slots after a game was saved).  The table's presentation forwards those requests here.  The
// frame finds the same dialogs through its slots and overlay pointers (graphics/FrameDialogs.h).
#pragma once

#include "graphics/FrameDialogs.h"

class CMj;
class CScoreForm;
class CWelComForm;
class CSetForm;
class CNewGameDlg;
class CInputNameDlg;
class CItemForm;
class CModeForm;
class CShowMessageForm;
class CInfoForm;

enum DialogId : int {
    kScoreFormId = 1,
    kSetFormId = 2,
    kWelComFormId = 6,
    kNewGameDlgId = 7,
    kInputNameDlgId = 8,
    kItemFormId = 9,
    kLobbyId = 10,
    kModeFormId = 11,
    // Online play's dialogs on the table (online/).
    kLoginFormId = 12,
    kRegFormId = 13,
    kInviteFormId = 14,
    kChooseNetFormId = 18,
};

// True while the game on the table shows: no dialog, or one drawn over the table (the score
// sheet, the options, the invitation).  The save slots, the names dialog and the start screen
// stand between games.
bool GameOnTable(int activeForm);

// Null until the table makes them (CMj::CMj makes every dialog of the program, in its order).
extern CScoreForm* pScoreForm;
extern CWelComForm* pWelComForm;
extern CSetForm* pSetForm;
extern CNewGameDlg* pNewGameDlg;
extern CInputNameDlg* pInputNameDlg;
extern CItemForm* pItemForm;
extern CModeForm* pModeForm;
// The boxes `pShowMessageForm` and `pInfoForm` hold, as what they are.
CShowMessageForm* MessageBoxForm();
CInfoForm* InfoBoxForm();

// Shows the dialog of an id (nothing for an id without one).
void ShowOfflineDialog(int id);
// The message box with a text (GBK).
void ShowMessageText(const char* gbkText);
// The save slots, scanned again, become the active dialog.
void ShowSaveSlots();
// A new game: the table is cleared and the names and rules open.
void OpenNewGame(CMj* owner);
