// The main window's events handed to the table one to one: a press with its button, a move, a
// release, a typed character, a key going down and up, a paint (a whole frame) and a timer
// tick.  Closing, posted notices and dropped files are the main window's own business.
#pragma once

#include "platform/WindowEvents.h"

class CMj;

class TableEvents : public platform::WindowEvents {
public:
    explicit TableEvents(CMj& table) : table_(table) {}

    void OnLButtonDown(int x, int y, int button) override;
    void OnMouseMove(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    void OnKeyDown(int vk) override;
    void OnKeyUp(int vk) override;
    void OnChar(unsigned char gbkByte) override;
    void OnPaint() override;
    void OnTimer(int id) override;

private:
    CMj& table_;
};
