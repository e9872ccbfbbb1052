#include "platform/posix/raster/outline_order.h"

#include "platform/posix/raster/ellipse_walk.h"

#include <algorithm>

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

bool SamePixel(const ArcPixel& a, const ArcPixel& b) { return a.x == b.x && a.y == b.y; }

}  // namespace

Direction PixelDirection(int64_t width, int64_t height, int64_t x, int64_t y, bool lastQuarter) {
    int64_t dx = 0, dy = 0;
    int sx = 0, sy = 0;
    SideOffset(width, x, dx, sx);
    SideOffset(height, y, dy, sy);
    // Rows grow downwards: a pixel below the middle has a negative y.
    return MakeDirection(sx * dx, -sy * dy, sy > 0 || lastQuarter);
}

std::vector<ArcPixel> OutlineInArcOrder(int64_t width, int64_t height) {
    std::vector<ArcPixel> walk;  // the lower-left quarter, from the left axis down
    WalkQuarter(width, height, [&](int64_t x, int64_t y) {
        walk.push_back(ArcPixel{static_cast<int32_t>(x), static_cast<int32_t>(y), false});
    });
    const auto right = [&](ArcPixel p) { return ArcPixel{static_cast<int32_t>(width - 1 - p.x), p.y, false}; };
    const auto up = [&](ArcPixel p) { return ArcPixel{p.x, static_cast<int32_t>(height - 1 - p.y), false}; };

    std::vector<ArcPixel> q1, q2, q4;
    for (const ArcPixel& p : walk) q1.push_back(right(up(p)));  // right axis up to the top
    for (auto p = walk.rbegin(); p != walk.rend(); ++p) q2.push_back(up(*p));     // top to left axis
    for (auto p = walk.rbegin(); p != walk.rend(); ++p) {                           // bottom to right axis
        ArcPixel mirrored = right(*p);
        mirrored.lastQuarter = true;
        q4.push_back(mirrored);
    }
    // Points on an axis belong to one quarter only: the right axis to the
    // first, the top to the first, the left axis to the third, the bottom to
    // the third.
    if (!q4.empty() && SamePixel(q4.back(), q1.front())) q4.pop_back();
    if (!q2.empty() && SamePixel(q2.back(), walk.front())) q2.pop_back();
    if (!q2.empty() && SamePixel(q2.front(), q1.back())) q2.erase(q2.begin());
    if (!q4.empty() && SamePixel(q4.front(), walk.back())) q4.erase(q4.begin());

    std::vector<ArcPixel> order;
    order.reserve(q1.size() + q2.size() + walk.size() + q4.size());
    order.insert(order.end(), q1.begin(), q1.end());
    order.insert(order.end(), q2.begin(), q2.end());
    order.insert(order.end(), walk.begin(), walk.end());
    order.insert(order.end(), q4.begin(), q4.end());
    return order;
}

size_t FirstAtOrPast(const std::vector<ArcPixel>& outline, int64_t width, int64_t height,
                     const Direction& ray) {
    for (size_t i = 0; i < outline.size(); ++i) {
        const ArcPixel& p = outline[i];
        if (AtOrPast(PixelDirection(width, height, p.x, p.y, p.lastQuarter), ray)) return i;
    }
    return outline.size();
}

}  // namespace posix::raster
