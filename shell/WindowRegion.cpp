#include "shell/WindowRegion.h"

#include <QPolygon>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace {

// The outline points of one row: (first non-black x + 1, y) and (last non-black x, y).
struct RowEnds {
    QPoint left;
    QPoint right;
};

std::optional<RowEnds> EndsOfRow(const platform::Surface& mask, int y) {
    const std::uint16_t* row = mask.Row(y);
    int first = 0;
    while (first < mask.Width() && row[first] == 0) ++first;
    if (first == mask.Width()) return std::nullopt;
    int last = mask.Width() - 1;
    while (row[last] == 0) --last;
    return RowEnds{QPoint(first + 1, y), QPoint(last, y)};
}

}  // namespace

std::vector<QPoint> RegionOutline(const platform::Surface& mask) {
    const int h = mask.Height();
    std::vector<std::optional<RowEnds>> rows(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) rows[y] = EndsOfRow(mask, y);

    int firstFilled = 0;
    while (firstFilled < h && !rows[firstFilled]) ++firstFilled;
    if (firstFilled == h) return {};

    // Blank rows repeat the row above; those above the first filled row take its points.
    std::vector<QPoint> points(static_cast<std::size_t>(2 * h));
    RowEnds previous = *rows[firstFilled];
    for (int y = 0; y < h; ++y) {
        if (rows[y]) previous = *rows[y];
        points[y] = previous.left;
        points[2 * h - 1 - y] = previous.right;
    }
    return points;
}

QRegion RegionFromBitmap(const platform::Surface& mask) {
    const std::vector<QPoint> outline = RegionOutline(mask);
    if (outline.empty()) return {};
    const QRegion polygon(QPolygon(QList<QPoint>(outline.begin(), outline.end())),
                          Qt::OddEvenFill);
    return QRegion(0, 0, mask.Width(), mask.Height()).intersected(polygon);
}

void CreateRegionFromBitmap(const platform::Surface& mask, QWidget* window) {
    window->setMask(RegionFromBitmap(mask));
}
