#include "platform/DrawObserver.h"

namespace platform {

DrawCall CopyCall(DrawKind kind, const Surface* src, const Rect* srcRect, const Rect& dst,
                  unsigned flags) {
    DrawCall call(kind);
    call.source = src;
    if (src) {
        call.sourceName = src->Name();
        call.src = srcRect ? *srcRect : Rect{0, 0, src->Width(), src->Height()};
    } else if (srcRect) {
        call.src = *srcRect;
    }
    call.dst = dst;
    call.flags = flags;
    return call;
}

}  // namespace platform
