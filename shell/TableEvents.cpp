#include "shell/TableEvents.h"

#include "engine/Mj.h"
#include "online/ChatGate.h"

void TableEvents::OnLButtonDown(int x, int y, int button) {
    table_.OnLButtonDown(x, y, button, 1);
}

void TableEvents::OnMouseMove(int x, int y) { table_.OnMouseMove(x, y); }

void TableEvents::OnLButtonUp(int x, int y) { table_.OnLButtonUp(x, y); }

void TableEvents::OnKeyDown(int vk) { table_.OnKeyDown(vk); }

void TableEvents::OnKeyUp(int vk) { table_.OnKeyUp(vk); }

void TableEvents::OnChar(unsigned char gbkByte) { table_.OnKeyPress(gbkByte); }

void TableEvents::OnPaint() { table_.Redraw(); }

// TalkTimer is the main window's own: its ticks never reach the table.
void TableEvents::OnTimer(int id) {
    if (!PassTimerToMainWindow(id)) table_.OnTimer(static_cast<unsigned>(id));
}
