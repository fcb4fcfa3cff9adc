// The shared walk of the software drawing routines (blends, grey copies): a source rectangle
// laid onto the composition surface row by row, clipped like every copy.
#pragma once

#include <cstdint>

#include "graphics/GraphicsGlobals.h"
#include "platform/Blit.h"
#include "platform/DrawObserver.h"

// Calls combineRow(s, d, n, key) for each row of the source rectangle `rect` of `source` that
// lands on `lpDDSPla` with the rectangle's corner at (x, y): n source pixels from s over n
// frame pixels from d, `key` being `ColorKey`, whose source pixels the row leaves out.
// Clipped to both surfaces; a null surface or a rectangle wholly outside its picture draws
// nothing.  The call is reported to the frame's observer as `kind`, with `opacity` for a
// blend.
template <typename CombineRow>
void CombineOntoFrame(platform::DrawKind kind, unsigned opacity, const platform::Surface* source,
                      int x, int y, const platform::Rect& rect, CombineRow combineRow) {
    if (platform::DrawObserver* observer = platform::ObserverOf(lpDDSPla)) {
        const platform::Rect placed{x, y, x + rect.right - rect.left, y + rect.bottom - rect.top};
        observer->OnDraw(platform::CopyCall(kind, source, &rect, placed, opacity));
    }
    platform::BlitArea area;
    if (platform::ClipBlit(lpDDSPla, x, y, source, &rect, &area) != platform::BlitResult::Ok)
        return;
    for (int row = 0; row < area.height; ++row)
        combineRow(source->Row(area.srcY + row) + area.srcX,
                   lpDDSPla->Row(area.dstY + row) + area.dstX, area.width, ColorKey);
}
