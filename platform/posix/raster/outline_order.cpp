#include "platform/posix/raster/outline_order.h"

namespace posix::raster {
namespace {

// A pixel's offset from the centre along one side of n pixels, and which
// way it lies (+1 towards larger coordinates, -1 towards smaller, 0 on the
// middle pixel of an odd side).
void SideOffset(int64_t n, int64_t v, int64_t& offset, int& sign) {
    if (n & 1) {
        const int64_t middle = (n - 1) / 2;
        offset = v >= middle ? v - middle : middle - v;
        sign = v > middle ? 1 : (v < middle ? -1 : 0);
    } else if (v >= n / 2) {
        offset = v - n / 2;
        sign = 1;
    } else {
        offset = n / 2 - 1 - v;
        sign = -1;
    }
}

}  // namespace

Direction PixelDirection(int64_t width, int64_t height, int64_t x, int64_t y) {
    int64_t dx = 0, dy = 0;
    int sx = 0, sy = 0;
    SideOffset(width, x, dx, sx);
    SideOffset(height, y, dy, sy);
    // Rows grow downwards: a pixel below the middle has a negative y.
    return MakeDirection(sx * dx, -sy * dy, sy > 0);
}

std::vector<OutlinePixel> OutlineInArcOrder(const EllipseRows& rows) {
    const int64_t width = rows.Width();
    const int64_t height = rows.Height();
    const int64_t lastUpper = (height - 1) / 2;                 // the middle row of an odd height
    const int64_t splitX = width & 1 ? (width - 1) / 2 : width / 2;  // first column of the right half
    std::vector<OutlinePixel> order;
    auto take = [&](int64_t y, bool right, bool increasing) {
        const std::optional<RowParts> parts = rows.Parts(y);
        if (!parts) return;
        const int64_t first = right ? splitX : 0;
        const int64_t last = right ? width - 1 : splitX - 1;
        ForOutlineColumns(*parts, first, last, increasing, [&](int64_t x) {
            order.push_back(OutlinePixel{static_cast<int32_t>(x), static_cast<int32_t>(y)});
        });
    };
    for (int64_t y = lastUpper; y >= 0; --y) take(y, true, false);          // right side up
    for (int64_t y = 0; y <= lastUpper; ++y) take(y, false, false);         // top leftwards, left side down
    for (int64_t y = lastUpper + 1; y < height; ++y) take(y, false, true);  // left side down
    for (int64_t y = height - 1; y > lastUpper; --y) take(y, true, true);   // bottom rightwards, right side up
    return order;
}

size_t FirstAtOrPast(const std::vector<OutlinePixel>& outline, int64_t width, int64_t height,
                     const Direction& ray) {
    for (size_t i = 0; i < outline.size(); ++i) {
        if (AtOrPast(PixelDirection(width, height, outline[i].x, outline[i].y), ray)) return i;
    }
    return outline.size();
}

}  // namespace posix::raster
