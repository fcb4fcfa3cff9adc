// What the drawing code did on a surface, for tests that check what was drawn where.  A
// surface with an observer reports each drawing call made on it, as the call was made (before
// clipping, and also when it draws nothing).  Drawing routines beyond the ones here report
// theirs the same way, with a kind of their own added to DrawKind: the blends (GAlphaBlt) and
// grey copies (GGreyBlt) of graphics/ onto the composition surface.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Blit.h"
#include "platform/Font.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/Text.h"

namespace platform {

// The drawing call, named after the function that was called.
enum class DrawKind { BltFast, Blt, ColorFill, TextOut, DrawText, AlphaBlt, GreyBlt };

struct DrawCall {
    explicit DrawCall(DrawKind kind) : kind(kind) {}

    DrawKind kind;
    // Copies: the picture drawn, its name (empty when it has none) and the rectangle of it
    // (the whole picture when the call gave none).
    const Surface* source = nullptr;
    std::string sourceName;
    Rect src;
    // Where on the surface: a copy's target (BltFast: at the source's size), the fill's
    // rectangle, DrawText's rectangle, TextOut's line (as wide as the text measures).  The
    // whole surface when the call gave no rectangle.
    Rect dst;
    unsigned flags = 0;        // the copy's flags, DrawText's format, a blend's alpha
    std::uint32_t color = 0;   // a fill's value; text: the paint's colour
    std::string text;          // text: the GBK bytes
    Font font;                 // text
    TextPaint paint;           // text
};

class DrawObserver {
public:
    virtual ~DrawObserver() = default;
    virtual void OnDraw(const DrawCall& call) = 0;
};

// The observer of `surface`; null when there is none (or no surface).
inline DrawObserver* ObserverOf(const Surface* surface) {
    return surface ? surface->Observer() : nullptr;
}

// A copy's record: `srcRect` null is the whole picture.
DrawCall CopyCall(DrawKind kind, const Surface* src, const Rect* srcRect, const Rect& dst,
                  unsigned flags);

}  // namespace platform
