// The shared walk of the software drawing routines (blends, grey copies): a source rectangle
// laid onto the composition surface row by row, clipped like every copy.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

#include "graphics/GraphicsGlobals.h"
#include "platform/Blit.h"
#include "platform/DrawObserver.h"

// Calls combineRow(s, d, n, key) for each row of the source rectangle `rect` of `source` that
// lands on `lpDDSPla` with the rectangle's corner at (x, y): n source pixels from s over n
// frame pixels from d, `key` being `ColorKey`, whose source pixels the row leaves out.
// Clipped to both surfaces; a null surface or a rectangle wholly outside its picture draws
// nothing.  The frame's draw observer is told of the call first, as `kind` with `flags`.
template <typename CombineRow>
void CombineOntoFrame(platform::DrawKind kind, unsigned flags, const platform::Surface* source,
                      int x, int y, const platform::Rect& rect, CombineRow combineRow) {
    if (platform::DrawObserver* observer = platform::ObserverOf(lpDDSPla)) {
        const auto at = [](long long v) {
            return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
        };
        const platform::Rect target{x, y, at(0LL + x + rect.right - rect.left),
                                    at(0LL + y + rect.bottom - rect.top)};
        observer->OnDraw(platform::CopyCall(kind, source, &rect, target, flags));
    }
    platform::BlitArea area;
    if (platform::ClipBlit(lpDDSPla, x, y, source, &rect, &area) != platform::BlitResult::Ok)
        return;
    for (int row = 0; row < area.height; ++row)
        combineRow(source->Row(area.srcY + row) + area.srcX,
                   lpDDSPla->Row(area.dstY + row) + area.dstX, area.width, ColorKey);
}
