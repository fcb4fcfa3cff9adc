// The text of a chat window: pages of word-wrapped lines laid out top to bottom in a fixed
// rectangle.  A message is added whole, measured in the icon-title font it is drawn in, and
// goes on the last page when it fits there, else on a new page; the text stays until it is
// cleared, or, past kMaxChatPages pages, until its page is the oldest when a page is added (a
// busy room's chat would otherwise grow without end).  One page is drawn at a time, with the
// line under the mouse highlighted.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Rect.h"

// One message: its bytes, colour and place on the screen.
class CChatLine {
public:
    void SetRect(int left, int top, int right, int bottom);
    // Copies the bytes; then top := top + offset and bottom := top + height.
    void SetText(const char* text, int length, int offset, int height);
    // The bytes word-wrapped into the rectangle in the line's colour, in the icon-title font.
    void Draw() const;

    std::uint32_t color = 0xFFFFFF;
    platform::Rect rect;
    std::string text;
    std::uint8_t selected = 0;
};

// The lines of one page, in the order they were added.
class CChatLineList {
public:
    void SetRect(int left, int top, int right, int bottom);
    // A line spanning the list's width from top + offset, `height` pixels high.
    void Add(const char* text, int length, int offset, int height, std::uint32_t color);
    void Clear();
    // Selects the first line strictly containing the point and returns its index; -1 when no
    // line contains it (the selection stays) or when that line was already selected.
    int HitTest(int x, int y);
    // The selected line's highlight, then every line.
    void Draw() const;
    // The first selected line's text, or null.
    const char* GetSelectedText() const;
    const std::vector<CChatLine>& Lines() const { return lines_; }

private:
    std::vector<CChatLine> lines_;
    platform::Rect rect_;
};

class CChatPage {
public:
    // Also empties the page's used height.
    void SetRect(int left, int top, int right, int bottom);
    // Adds the message when it fits below the lines already there, or when the page is empty
    // (a message taller than the page is cut at its bottom); false when the page is full.
    bool AddText(const char* text, int length, std::uint32_t color);
    int HitTest(int x, int y) { return lines.HitTest(x, y); }
    void Draw() const { lines.Draw(); }
    const char* GetSelectedText() const { return lines.GetSelectedText(); }

    CChatLineList lines;
    int used = 0;  // offset from the page top where the next line starts
    platform::Rect rect;

private:
    static constexpr int kLineGap = 4;
};

// More pages than anyone turns back through one click at a time.
constexpr int kMaxChatPages = 500;

class CChatPageList {
public:
    // The rectangle of pages made from now on.
    void SetRect(int left, int top, int right, int bottom);
    // Adds the message to the last page, or to a new one (dropping the oldest page when there
    // are kMaxChatPages); the index of the last page.
    int AddText(const char* text, int length, std::uint32_t color);
    // Page i; i < 0 gives the first page and i >= count the last; null while empty.
    CChatPage* GetPage(int index) const;
    // CChatLineList::HitTest on page i; -1 while empty.
    int HitTest(int x, int y, int index);
    void DrawPage(int index) const;
    const char* GetSelectedText(int index) const;
    void Clear();

    int count = 0;

private:
    std::vector<std::unique_ptr<CChatPage>> pages_;
    platform::Rect rect_;
};
