// A window's shape taken from a mask picture: everything that is not pure black, between the
// leftmost and the rightmost such pixel of each row, belongs to the window.
#pragma once

#include <QPoint>
#include <QRegion>

#include <vector>

#include "platform/Surface.h"

class QWidget;

// The outline of the mask: for every row y from the top, the point (first non-black x + 1, y);
// then for every row from the bottom, the point (last non-black x, y), so the left outline runs
// down and the right outline back up.  A row without any non-black pixel repeats the row
// above; rows above the first non-black row take that row's points.  Empty when the whole mask
// is black.
std::vector<QPoint> RegionOutline(const platform::Surface& mask);

// The region the outline encloses (odd-even fill), within the mask's rectangle.
QRegion RegionFromBitmap(const platform::Surface& mask);

// Gives the window the region of the mask.
void CreateRegionFromBitmap(const platform::Surface& mask, QWidget* window);
