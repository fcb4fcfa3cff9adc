// Lookup tables that turn a finished RGB565 frame into the screen's own pixel format with one
// look-up per pixel.  Filled once by GBuildPixelTables when the table object is constructed.
#pragma once

#include <cstdint>

// For each RGB565 value, the pixel as 0x00RRGGBB: every channel scaled by 256 over its own
// range and truncated, so full red 31 becomes 0xF8 and full green 63 becomes 0xFC.
extern std::uint32_t Rgb565To888[65536];
// For each RGB565 value, the pixel as RGB555: green loses its lowest bit.
extern std::uint16_t Rgb565To555[65536];

// Fills both tables.
void GBuildPixelTables();
