// The one flood gate of every chat line the client sends (table chat from the send button, the
// Enter key and the quick phrases; room chat from the lobby's Enter key): a line goes out only
// while `bChatAllowed` is set; sending clears it and starts the main window's `TalkTimer`,
// whose tick 3000 ms later opens the gate again.  A line refused meanwhile is not queued.
//
// `TalkTimer` is the main window's own timer: its ticks never reach the table's timer
// dispatch (whose unknown ids belong to the login dialog).
#pragma once

#include <cstdint>

extern std::uint8_t bChatAllowed;

// The main window's timer id for TalkTimer, outside every id of the table and its dialogs.
constexpr int kTalkTimerId = 300;
constexpr unsigned kTalkTimerMs = 3000;

// The line a refused sender adds to its own chat window.
constexpr char kChatFloodLine[] = "请爱护公共聊天环境，不要频繁发送聊天消息";

// True when a line may go now; the gate then closes and TalkTimer starts.
bool TakeChatTurn();
// TalkTimer's tick: the gate opens and the timer stops.
void TalkTimerTimer();
// A main-window timer tick: true when it was TalkTimer's (and was handled).
bool PassTimerToMainWindow(int id);
