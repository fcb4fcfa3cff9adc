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
    kModeFormId = 11,
};

// Null until CreateOfflineDialogs makes them.
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

// Makes every offline dialog for the table, each from its background picture, in the order the
// table makes its dialogs, and puts each in its frame slot; DeleteOfflineDialogs deletes them
// (the options write their settings) and empties the pointers and slots.
void CreateOfflineDialogs(CMj* owner);
void DeleteOfflineDialogs();

// Shows the dialog of an id (nothing for an id without one).
void ShowOfflineDialog(int id);
// The message box with a text (GBK).
void ShowMessageText(const char* gbkText);
// The save slots, scanned again, become the active dialog.
void ShowSaveSlots();
// A new game: the table is cleared and the names and rules open.
void OpenNewGame(CMj* owner);
