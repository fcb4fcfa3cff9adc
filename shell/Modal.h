// Modal windows of the shell.  A modal window runs its own event loop until it ends; the
// result is the dialog's (QDialog::Accepted for OK).  Tests put a hook in its place that plays
// the person in front of the window and answers at once.
#pragma once

#include <functional>

class QDialog;

// Shows the dialog modally (through the hook when one is installed) and answers its result; the
// dialog counts as a modal window (platform/ModalCount.h) while it is up.
int ShowModal(QDialog& dialog);

// The hook that shows modal windows in place of their own event loop; empty: none.
using ModalHook = std::function<int(QDialog&)>;
void InstallModalHook(ModalHook hook);
