// What the two paged chat windows share: the text pages, the text rectangle, a page-up and a
// page-down button at its right edge and a background blended under it.  A window shows one
// page at a time, and adding text shows the page that took it.  The owner writes `visible` and
// `enabled` directly and redraws when an operation returns true.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "ui/BitButton.h"
#include "ui/ChatText.h"

class CChatWindow {
public:
    // The page buttons and the background stand this far out of the text rectangle.
    static constexpr int kFrameInset = 5;
    CChatWindow(const CChatWindow&) = delete;
    CChatWindow& operator=(const CChatWindow&) = delete;

    // The text rectangle; page-up at (right + 5, top - 5), page-down at (right + 5, bottom - its
    // height).
    void SetRect(int left, int top, int right, int bottom);
    // Adds one message in its colour and shows its page.
    void AddText(const char* text, int length, std::uint32_t color);
    // Highlights the line under the mouse (enabled windows), else tracks the buttons' hover.
    bool MouseMove(int x, int y);
    // True when a page button took the press; a hidden window takes none.
    bool MouseDown(int x, int y);
    // A page button's click turns the page (within the pages there are); true for any click.
    bool MouseUp(int x, int y);
    void Clear();

    CChatPageList pages;
    platform::Rect rect;
    std::unique_ptr<CBitButton> pageUp;
    std::unique_ptr<CBitButton> pageDown;
    platform::Surface* background = nullptr;
    platform::Rect backgroundRect;
    std::uint8_t visible = 0;
    std::uint8_t enabled = 0;  // lines are highlighted and picked only when set
    int currentPage = -1;      // -1: nothing added yet (the first page is drawn)

protected:
    // Picture paths are relative to the program folder.
    CChatWindow(std::string_view upPath, std::string_view downPath,
                std::string_view backgroundPath);
    ~CChatWindow();

    bool Inside(int x, int y) const;
    // The background at `opacity` with its corner at (left - 5, top - 5).
    void DrawBackground(int opacity) const;
    // The page buttons, then the current page.
    void DrawButtonsAndPage() const;
};
