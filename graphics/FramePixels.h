// The shared walk of the software drawing routines (blends, grey copies): a source rectangle
// laid onto the composition surface pixel by pixel, clipped like every copy.
#pragma once

#include <cstdint>

#include "graphics/GraphicsGlobals.h"
#include "platform/Blit.h"
#include "platform/DrawObserver.h"

// For every pixel of the source rectangle `rect` of `source` that lands on `lpDDSPla` with the
// rectangle's corner at (x, y), and is not `ColorKey`, replaces the frame's pixel d by
// combine(s, d).  Clipped to both surfaces; a null surface or a rectangle wholly outside its
// picture draws nothing.
// The call is reported to the frame's observer as `kind`, with `opacity` for a blend.
template <typename Combine>
void CombineOntoFrame(platform::DrawKind kind, unsigned opacity, const platform::Surface* source,
                      int x, int y, const platform::Rect& rect, Combine combine) {
    if (platform::DrawObserver* observer = platform::ObserverOf(lpDDSPla)) {
        const platform::Rect placed{x, y, x + rect.right - rect.left, y + rect.bottom - rect.top};
        observer->OnDraw(platform::CopyCall(kind, source, &rect, placed, opacity));
    }
    platform::BlitArea area;
    if (platform::ClipBlit(lpDDSPla, x, y, source, &rect, &area) != platform::BlitResult::Ok)
        return;
    const std::uint16_t key = ColorKey;
    for (int row = 0; row < area.height; ++row) {
        const std::uint16_t* s = source->Row(area.srcY + row) + area.srcX;
        std::uint16_t* d = lpDDSPla->Row(area.dstY + row) + area.dstX;
        for (int i = 0; i < area.width; ++i)
            if (s[i] != key) d[i] = combine(s[i], d[i]);
    }
}
