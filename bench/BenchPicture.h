// The picture the surface benchmarks draw: frame-sized, fixed random pixels (the same in every
// run), about a third of them the colour key, which the picture carries as its key.
#pragma once

#include <cstdint>
#include <random>

#include "platform/Surface.h"

inline platform::Surface NoisyPicture(int width, int height, std::uint16_t key) {
    platform::Surface s(width, height);
    std::mt19937 random(1982);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.Row(y)[x] = random() % 3 == 0 ? key : static_cast<std::uint16_t>(random());
    s.SetColorKey(key);
    return s;
}
