// The outline pixels of an ellipse in the order an arc runs through them:
// counter-clockwise, starting on the positive x axis. Each pixel is seen
// from the centre as its offset in whole pixels within its quarter (for an
// even side the two middle columns or rows both count as offset 0); that
// offset is what the platform compares with the radial directions.
#pragma once
#include "platform/posix/raster/direction.h"
#include "platform/posix/raster/ellipse_rows.h"

#include <cstdint>
#include <vector>

namespace posix::raster {

struct OutlinePixel {
    int32_t x;  // box-relative
    int32_t y;
};

// The direction of a box-relative pixel of a width-by-height box.
Direction PixelDirection(int64_t width, int64_t height, int64_t x, int64_t y);

// Calls fn(x) for the outline pixels of a row that lie in first..last,
// in increasing or decreasing column order.
template <typename Fn>
void ForOutlineColumns(const RowParts& row, int64_t first, int64_t last, bool increasing, Fn fn);

// The whole outline in arc order. Only for exact (walked) rows.
std::vector<OutlinePixel> OutlineInArcOrder(const EllipseRows& rows);

// Index of the first pixel at or past the ray (see AtOrPast), or the
// outline's size when there is none.
size_t FirstAtOrPast(const std::vector<OutlinePixel>& outline, int64_t width, int64_t height,
                     const Direction& ray);

template <typename Fn>
void ForOutlineColumns(const RowParts& row, int64_t first, int64_t last, bool increasing, Fn fn) {
    auto runThrough = [&](int64_t from, int64_t to) {
        from = from > first ? from : first;
        to = to < last ? to : last;
        if (from > to) return;
        if (increasing) {
            for (int64_t x = from; x <= to; ++x) fn(x);
        } else {
            for (int64_t x = to; x >= from; --x) fn(x);
        }
    };
    if (row.whole) {
        runThrough(row.span.first, row.span.last);
    } else if (increasing) {
        runThrough(row.span.first, row.interior.first - 1);
        runThrough(row.interior.last + 1, row.span.last);
    } else {
        runThrough(row.interior.last + 1, row.span.last);
        runThrough(row.span.first, row.interior.first - 1);
    }
}

}  // namespace posix::raster
