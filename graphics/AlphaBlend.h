// Translucent drawing onto the composition surface: plates, marks and the logo fade.
#pragma once

#include "platform/Surface.h"

// Blends the source rectangle {left, top, right, bottom} of `source` onto `lpDDSPla` with its
// top-left corner at (x, y).  `alpha` is the source's weight in 256ths (0 leaves the frame
// unchanged; callers pass 0 to 255): each RGB565 channel becomes
// d + floor((s - d) × alpha / 256).  Source pixels equal to `ColorKey` are skipped.  The copy
// is clipped to both surfaces; a null surface draws nothing.
void GAlphaBlt(const platform::Surface* source, int x, int y, int left, int top, int right,
               int bottom, int alpha);
