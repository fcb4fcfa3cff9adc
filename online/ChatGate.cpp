#include "online/ChatGate.h"

#include "platform/Timer.h"

std::uint8_t bChatAllowed = 1;

bool TakeChatTurn() {
    if (!bChatAllowed) return false;
    bChatAllowed = 0;
    platform::SetTimer(kTalkTimerId, kTalkTimerMs);
    return true;
}

void TalkTimerTimer() {
    bChatAllowed = 1;
    platform::KillTimer(kTalkTimerId);
}

bool PassTimerToMainWindow(int id) {
    if (id != kTalkTimerId) return false;
    TalkTimerTimer();
    return true;
}
