// A picture button of an ordinary window, drawn onto the window's own picture: a strip of five
// frames side by side (0 normal, 1 hover, 2 pressed, 3 disabled, 4 the mask, black where the
// button shows).  The mask is ANDed onto the window, then one frame ORed over it, so frames
// 0 to 3 are black outside the button's shape.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"

// How a frame combines with the pixels under it.
enum class RasterOp {
    And,  // destination AND source (SRCAND)
    Or,   // destination OR source (SRCPAINT)
};

// Combines `srcRect` of `src` into `dst` at (x, y) bit by bit, clipped like every copy.
void RasterBlt(platform::Surface& dst, int x, int y, const platform::Surface& src,
               const platform::Rect& srcRect, RasterOp op);

class CGDIButton {
public:
    // The strip in the picture file `path` (a full game path), else the resource bitmap of that
    // name; a picture that is neither is reported as a missing file (graphics' one message)
    // and the button draws nothing.
    explicit CGDIButton(std::string_view path);

    void SetPos(int x, int y);
    void SetText(std::string caption);

    // Draws the button onto the window's picture when it is visible.
    void Draw(platform::Surface& canvas) const;

    // A press on the button sets pressed: true.
    bool MouseDown(int x, int y);
    // True when a press on the button is released on it (a click), with the click sound.
    bool MouseUp(int x, int y);
    // True when the hover state changed; entering plays the hover sound.
    bool MouseMove(int x, int y);

    int FrameWidth() const { return rect.right / 5; }
    int FrameHeight() const { return rect.bottom; }
    bool HasPicture() const { return picture != nullptr; }

    std::unique_ptr<platform::Surface> picture;
    platform::Rect rect;  // {0, 0, strip width, strip height}
    int x = 0;
    int y = 0;
    bool hover = false;
    bool pressed = false;
    std::string caption;
    bool enabled = true;
    bool visible = true;

private:
    bool Hit(int px, int py) const;
    platform::Rect Frame(int index) const;
};
