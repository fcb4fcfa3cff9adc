// The dialogs a frame draws over or instead of the table, by the id `nActiveForm` gives them,
// and the three overlay boxes that lie above everything with the flags that show them.  The
// table's construction puts each dialog in its slot as it makes it; an empty slot draws nothing.
#pragma once

#include <cstdint>

class CBitForm;

// Dialog ids 0 to 18 (0 none; 3, 4, 5, 15, 16 and 17 are never used).
constexpr int kDialogSlotCount = 19;
extern CBitForm* DialogSlots[kDialogSlotCount];

// The dialog of an id, or null (an id outside the slots included).
CBitForm* DialogForId(int id);

// The overlay boxes: the information box, the message box and the invitation prompt.
extern CBitForm* pInfoForm;
extern CBitForm* pShowMessageForm;
extern CBitForm* pInviteMessage;
// Set by each box's own show operation; the frame clears the other two while the information
// box is shown.
extern std::uint8_t bInfoShown;
extern std::uint8_t bMessageShown;
extern std::uint8_t bInviteShown;
