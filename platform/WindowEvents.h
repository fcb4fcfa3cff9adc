// What the main window hands to the game: mouse, keys, characters, paint, timer ticks, posted
// notices, the close request and dropped files.  One receiver gets all of them, on the main
// thread, one event at a time.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Mouse buttons as the game's press handler numbers them.
enum MouseButton : int { kLeftButton = 0, kRightButton = 1 };

class WindowEvents {
public:
    virtual ~WindowEvents() = default;

    // A left or right button press at client point (x, y); other buttons are not reported.
    virtual void OnLButtonDown(int x, int y, int button) {}
    virtual void OnMouseMove(int x, int y) {}
    // Any button released at client point (x, y).
    virtual void OnLButtonUp(int x, int y) {}
    // Key down and up as virtual-key codes (platform/WindowKeys.h); a held key repeats its
    // key-down, never its key-up.
    virtual void OnKeyDown(int vk) {}
    virtual void OnKeyUp(int vk) {}
    // Typed text, one GBK byte per call (a two-byte character arrives as two calls).  The Tab
    // key gives character 9 when it is released.
    virtual void OnChar(unsigned char gbkByte) {}
    // The window needs its picture: the receiver composes and presents a frame.
    virtual void OnPaint() {}
    virtual void OnTimer(int id) {}
    // A notice posted to the window (platform/WindowPost.h) with its own copy of the payload.
    virtual void OnPosted(int id, const std::string& payload) {}
    // The user asks to close the window; false keeps it open.
    virtual bool OnClose() { return true; }
    // Files dropped on the window, as GBK game paths (backslashes).
    virtual void OnDropFiles(const std::vector<std::string>& gbkPaths) {}
};

}  // namespace platform
