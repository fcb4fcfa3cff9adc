// The labels that dialogs' pictures carry for the widgets the program places on them: the
// captions of check boxes, sliders and edits, the seats of the names dialog.  Positions are
// those the dialogs place their widgets at, relative to the picture's top-left corner.
#pragma once

#include <QPainter>

namespace art {

// The names-and-rules screen: which seat each picture is for, the name box's caption and the
// rule choices.
void PaintNamesLabels(QPainter& p);
// The options dialog: the four switches, the two sliders' captions, tracks and ends.
void PaintOptionsLabels(QPainter& p);
// The save slots: a number for each row (an empty slot's bar carries no caption) and what the
// two columns do.
void PaintSlotLabels(QPainter& p);
// The login screen: the account and password captions.
void PaintLoginLabels(QPainter& p);
// The sign-up screen: the four edits' captions and the two sex boxes.
void PaintSignUpLabels(QPainter& p);

}  // namespace art
