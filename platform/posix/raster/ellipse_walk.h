// The platform's ellipse, traced exactly: a walk over the lower-left quarter
// of the outline. Its points give the leftmost column of every row of the
// lower half (the other half is the mirror image), and, mirrored into the
// four quarters, the sequence an arc runs along.
//
// The walk runs in doubled coordinates centred on the box, where pixel
// centres are whole numbers of the parity of the box's sides: X = 2x - (w-1),
// Y = 2y - (h-1). The ellipse is f(X, Y) = B²X² + A²Y² - A²B² = 0 with
// A = w-1 and B = h-1. From the leftmost point of the middle row it steps
// down (V), diagonally (D) or right (H), each time to the candidate that the
// signs of f pick:
//   - D inside (f < 0): V or D, whichever lies nearer the curve along the row
//     (D when f(V) + f(D) >= 0);
//   - otherwise: D or H, whichever lies nearer along the column
//     (D when f(D) + f(H) <= 0).
// It stops when it passes the centre column. Very thin ellipses therefore end
// in a short tip rather than reaching the box's top and bottom rows: that is
// the platform's drawing, kept as it is.
#pragma once
#include "platform/posix/raster/small_buffer.h"

#include <cstdint>

namespace posix::raster {

// Boxes up to this many pixels a side are traced exactly; the walk's
// integer terms stay far inside 64 bits and its length is a few thousand steps.
constexpr int64_t kExactSide = 1 << 14;

// Calls visit(x, y) with the box-relative pixel of every walk point, in walk
// order. Both sides must be at least 1 and at most kExactSide.
template <typename Visit>
constexpr void WalkQuarter(int64_t width, int64_t height, Visit visit) {
    const int64_t a = width - 1;
    const int64_t b = height - 1;
    const int64_t a2 = a * a, b2 = b * b, a2b2 = a2 * b2;
    auto f = [&](int64_t x, int64_t y) { return b2 * x * x + a2 * y * y - a2b2; };
    int64_t x = -a;
    int64_t y = b & 1;
    while (x <= 0 && y <= b) {
        visit((x + a) / 2, (y + b) / 2);
        const int64_t diagonal = f(x + 2, y + 2);
        if (diagonal < 0) {
            if (f(x, y + 2) + diagonal >= 0) x += 2;
            y += 2;
        } else {
            if (diagonal + f(x + 2, y) <= 0) y += 2;
            x += 2;
        }
    }
}

// Lower-half rows are numbered from the middle: row k is box row
// (height / 2 + k) (for an odd height that is the middle row itself at k = 0).
// A row the walk never reaches (the tips of very thin ellipses) holds
// kNoColumn.
constexpr int32_t kNoColumn = -1;

using LowerRows = SmallBuffer<int32_t, 64>;

// Fills rows[0 .. (height + 1) / 2 - 1] with each row's leftmost column.
void WalkEllipse(int64_t width, int64_t height, LowerRows& rows);

}  // namespace posix::raster
