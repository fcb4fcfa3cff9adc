#include "rules/WildTile.h"

namespace {

// The honour after (delta 1) or before (delta -1) a wind or dragon, in its own cycle.
signed char HonourStep(int value, int delta) {
    const int first = value <= 4 ? 1 : 5;
    const int size = value <= 4 ? 4 : 3;
    return static_cast<signed char>(first + (value - first + delta + size) % size);
}

}  // namespace

tagMj WildFromIndicator(const tagMj& indicator, int kind) {
    const int delta = kind == kWildPreviousTile ? -1 : 1;
    tagMj wild = indicator;
    if (indicator.suit == kHonourSuit)
        wild.value = HonourStep(indicator.value, delta);
    else
        wild.value = static_cast<signed char>((indicator.value - 1 + delta + 9) % 9 + 1);
    return wild;
}
