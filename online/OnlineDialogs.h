// The bitmap dialogs of online play that exist for the program's life (login, sign-up and the
// server-line chooser; the table makes them with its other dialogs), and the ways the table
// reaches them: keys while one is active and the timers that are not the table's own.
#pragma once

#include "ui/Dialogs.h"

class CMj;
class CDxEdit;

// A key typed while dialog `activeForm` is active: the login dialog (12) and the sign-up
// dialog (13) take it.  False for other dialogs.
bool PassKeyToOnlineDialog(int activeForm, int key);

// The focused edit field of the login (12) or sign-up (13) dialog when `activeForm` is one of
// them; null otherwise.
CDxEdit* FocusedOnlineEdit(int activeForm);

// A timer tick that is not the table's: true when an online dialog's timer took it (the login
// time-out, the sign-up's answer time-out).
bool PassTimerToOnlineDialog(unsigned id);

// Makes the dialog of an id the active one: its own Show when the slot has a dialog, else the
// id alone; then the table redraws.
void ShowDialogById(CMj* owner, int id);
// Closes the dialog of an id through its own Close (the lobby's hides its panes beside the
// table); with no dialog in the slot, the id alone stops being the active one.
void CloseDialogById(CMj* owner, int id);
