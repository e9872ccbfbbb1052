// Rectangle arithmetic on RECT (right and bottom exclusive).
#pragma once
#include "platform/posix/win32_types.h"

#include <algorithm>

namespace posix {

inline bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

inline RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (IsEmptyRect(r)) return RECT{0, 0, 0, 0};
    return r;
}

// The smallest rectangle holding both; an empty rectangle adds nothing.
inline RECT BoundingRect(const RECT& a, const RECT& b) {
    if (IsEmptyRect(a)) return b;
    if (IsEmptyRect(b)) return a;
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// The rectangle of a width-by-height box at (x, y); negative extents count
// from the other corner. 64-bit sums, clamped, so extreme arguments cannot overflow.
inline RECT BoxRect(int x, int y, int width, int height) {
    auto clamp = [](long long v) {
        return static_cast<LONG>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
    };
    long long x0 = x, y0 = y, x1 = static_cast<long long>(x) + width,
              y1 = static_cast<long long>(y) + height;
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    return RECT{clamp(x0), clamp(y0), clamp(x1), clamp(y1)};
}

}  // namespace posix
