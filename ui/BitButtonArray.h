// An ordered list of at most 50 buttons; a button's index is its id.  Owners (the table, every
// dialog, the scroll bar) pass the mouse to the whole list and act on the index it returns.
#pragma once

#include <memory>
#include <string_view>

#include "ui/BitButton.h"

class CBitButtonArray {
public:
    static constexpr int kMaxButtons = 50;

    CBitButtonArray() = default;
    CBitButtonArray(const CBitButtonArray&) = delete;
    CBitButtonArray& operator=(const CBitButtonArray&) = delete;

    // Appends a button at (0, 0) with the caption; ignored when the list is full.
    void Add(std::string_view bitmapPath, std::string_view caption);
    // Places button `index`; an index outside the list is ignored.
    void SetPos(int index, int x, int y);
    // The button of an index, or null outside 0..count - 1.
    CBitButton* GetButton(int index) const;
    // Draws every button in index order, so a higher index lies on top.
    void DrawAll();

    // The index of the first button that took the press, -1 none.  Every pressed flag is
    // cleared first, so a lost release never leaves a button armed.
    int MouseDown(int x, int y);
    // The index of the first button whose hover state changed (later ones wait for the next
    // move), -1 none.
    int MouseMove(int x, int y);
    // Offers the release to every button (ending every press); the highest index clicked, -1.
    int MouseUp(int x, int y);
    // No button is hovered (nor shows its hint): for an owner that gave the mouse away, which
    // no later move over it would tell that the pointer left.
    void ClearHover();

    int count = 0;

private:
    std::unique_ptr<CBitButton> buttons_[kMaxButtons];
};
