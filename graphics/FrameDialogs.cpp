#include "graphics/FrameDialogs.h"

CBitForm* DialogSlots[kDialogSlotCount] = {};

CBitForm* DialogForId(int id) {
    return id >= 0 && id < kDialogSlotCount ? DialogSlots[id] : nullptr;
}

CBitForm* pInfoForm = nullptr;
CBitForm* pShowMessageForm = nullptr;
CBitForm* pInviteMessage = nullptr;
std::uint8_t bInfoShown = 0;
std::uint8_t bMessageShown = 0;
std::uint8_t bInviteShown = 0;
