// The base of every dialog drawn on the table: an opaque background picture at a position on
// the composition surface, a button array, and whatever widgets the subclass adds.  At most one
// dialog is active, the one whose id `nActiveForm` holds; the table hands it the mouse through
// the three input operations and the frame composition draws it.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "ui/BitButtonArray.h"

class CMj;

class CBitForm {
public:
    // Loads the background (registered, no colour key) and keeps the owning table.
    CBitForm(std::string_view backgroundPath, CMj* owner);
    virtual ~CBitForm();
    CBitForm(const CBitForm&) = delete;
    CBitForm& operator=(const CBitForm&) = delete;

    // The background, then every button.  Subclasses draw their own widgets after it.
    virtual void Draw();
    // No dialog is active any more; the table redraws.
    virtual void Close();
    // Stores the position; subclasses place their widgets from it.
    virtual void SetPos(int x, int y);
    virtual void Idle() {}
    // Prepares the dialog, makes it the active one and redraws.
    virtual void Show() = 0;
    // Each returns the index of the button concerned, or -1.
    virtual int OnLButtonDown(int x, int y) = 0;
    virtual int OnMouseMove(int x, int y) = 0;
    virtual int OnLButtonUp(int x, int y) = 0;

    platform::Surface* background = nullptr;
    platform::Rect backgroundRect;
    int x = 0;
    int y = 0;
    int dragStartX = 0;  // the dialog's position when a drag began
    int dragStartY = 0;
    CBitButtonArray buttons;
    CMj* owner;
    std::uint8_t dragging = 0;
    int dragPointX = 0;  // the mouse position where a drag began
    int dragPointY = 0;

protected:
    // Redraws the table when the dialog has one.
    void Redraw();
    // Places the dialog in the middle of the 800 × 600 table by its background's size, each
    // half truncated toward zero.
    void SetPosCentred();
    // Dialogs of any outline: the background gets the colour key and is drawn keyed.
    void KeyBackground();
    void DrawKeyedBackground() const;
    // The button array's press and hover; the table redraws when a button was hit or its hover
    // changed.  Each returns the button's index, or -1.
    int PressButtons(int x, int y);
    int HoverButtons(int x, int y);
};
