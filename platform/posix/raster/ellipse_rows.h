// The rows of an ellipse inscribed in a box: for each box row the span of
// columns the figure covers, and how that span splits into outline (the
// pixels with a neighbour outside the figure, left, right, above or below)
// and interior.
#pragma once
#include "platform/posix/raster/ellipse_walk.h"

#include <cstdint>
#include <optional>

namespace posix::raster {

struct Span {
    int64_t first = 0;  // box-relative columns, inclusive
    int64_t last = 0;
};

// A row of the figure: outline runs at the left and right and the interior
// between them. When the whole span is outline, `whole` is set and the
// interior is empty.
struct RowParts {
    Span span;
    bool whole = false;
    Span interior;  // valid only when !whole
};

// Calls fn(x) for the outline pixels of a row that lie in first..last,
// in increasing or decreasing column order.
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

class EllipseRows {
public:
    // Boxes with both sides up to kExactSide follow the platform's walk;
    // larger ones (only ever partly visible) use the ellipse through the
    // box's edge midpoints, computed row by row.
    EllipseRows(int64_t width, int64_t height);
    EllipseRows(const EllipseRows&) = delete;
    EllipseRows& operator=(const EllipseRows&) = delete;

    int64_t Width() const { return width_; }
    int64_t Height() const { return height_; }
    bool Exact() const { return exact_; }

    // Box-relative row; nothing outside 0 .. height-1 or in an unreached tip.
    std::optional<Span> Row(int64_t y) const;
    std::optional<RowParts> Parts(int64_t y) const;

private:
    std::optional<Span> ExactRow(int64_t y) const;
    std::optional<Span> ComputedRow(int64_t y) const;

    int64_t width_;
    int64_t height_;
    bool exact_;
    const int8_t* table_;  // small boxes: precomputed rows
    LowerRows lower_;      // other exact boxes: walked here
};

}  // namespace posix::raster
