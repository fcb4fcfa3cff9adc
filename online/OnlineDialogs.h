// The bitmap dialogs of online play that exist for the program's life (login, sign-up and the
// server-line chooser), made for the table after its offline dialogs, and the ways the table
// reaches them: keys while one is active and the timers that are not the table's own.
#pragma once

class CMj;

// Dialog ids of other subsystems that online play brings up.
constexpr int kLobbyDialogId = 10;
constexpr int kModeFormDialogId = 11;

// Makes the login dialog, the sign-up dialog and the server-line chooser (pLoginForm,
// pRegForm, pChooseNetForm) and puts each in its dialog slot; DeleteOnlineDialogs deletes them
// (the login dialog writes its proxy settings) and empties the slots.
void CreateOnlineDialogs(CMj* owner);
void DeleteOnlineDialogs();

// A key typed while dialog `activeForm` is active: the login dialog (12) and the sign-up
// dialog (13) take it.  False for other dialogs.
bool PassKeyToOnlineDialog(int activeForm, int key);

// A timer tick that is not the table's: true when an online dialog's timer took it (the login
// time-out, the sign-up's answer time-out).
bool PassTimerToOnlineDialog(unsigned id);

// Makes the dialog of an id the active one: its own Show when the slot has a dialog, else the
// id alone; then the table redraws.
void ShowDialogById(CMj* owner, int id);
