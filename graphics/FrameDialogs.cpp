#include "graphics/FrameDialogs.h"

CBitForm* DialogSlots[kDialogSlotCount] = {};

CBitForm* DialogForId(int id) {
    return id >= 0 && id < kDialogSlotCount ? DialogSlots[id] : nullptr;
}

CBitForm* pInfoForm = nullptr;
CBitForm* pShowMessageForm = nullptr;
CBitForm* pInviteMessage = nullptr;
std::uint8_t bInfoShown = 0;
// bMessageShown and bInviteShown are the table object's (engine/MjConstruct.cpp).
