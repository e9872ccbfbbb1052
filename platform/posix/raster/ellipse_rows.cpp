#include "platform/posix/raster/ellipse_rows.h"

#include "platform/posix/raster/small_ellipse_table.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace posix::raster {
namespace {

bool FitsWalk(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width <= kExactSide && height <= kExactSide;
}

}  // namespace

EllipseRows::EllipseRows(int64_t width, int64_t height)
    : width_(width),
      height_(height),
      exact_(FitsWalk(width, height)),
      table_(kSmallEllipses.Rows(width, height)),
      lower_(exact_ && table_ == nullptr ? static_cast<size_t>((height + 1) / 2) : 0) {
    if (exact_ && table_ == nullptr) WalkEllipse(width, height, lower_);
}

std::optional<Span> EllipseRows::Row(int64_t y) const {
    if (width_ <= 0 || y < 0 || y >= height_) return std::nullopt;
    return exact_ ? ExactRow(y) : ComputedRow(y);
}

std::optional<Span> EllipseRows::ExactRow(int64_t y) const {
    const int64_t middle = height_ / 2;  // the lower half's first row
    const int64_t lowerY = y >= middle ? y : height_ - 1 - y;
    const int64_t k = lowerY - middle;
    const int32_t left = table_ != nullptr ? table_[k] : lower_[static_cast<size_t>(k)];
    if (left == kNoColumn) return std::nullopt;
    return Span{left, width_ - 1 - left};
}

// Beyond the walk's size, each row on its own: in the walk's doubled
// coordinates, the leftmost X (of the parity of A) for which either
//   - the pixel and its inner neighbour in the row lie nearer inside than
//     outside, f(X, Y) + f(X + 2, Y) < 0, or
//   - the pixel and its inner neighbour in the column do, f(X, Y) + f(X, Y') <= 0
//     (Y' the neighbour towards the middle row),
// the two tests the walk chooses by. This agrees with the walk but for a
// pixel here and there where the ellipse turns through 45 degrees. Long
// double: the terms reach 2^128, and only their signs matter.
std::optional<Span> EllipseRows::ComputedRow(int64_t y) const {
    using Real = long double;
    const int64_t a = width_ - 1, b = height_ - 1;
    const int64_t lowerY = y >= height_ / 2 ? y : height_ - 1 - y;
    const int64_t dy = 2 * lowerY - b;                      // >= 0
    const int64_t inner = dy >= 2 ? dy - 2 : -dy;           // the neighbour towards the middle
    const Real aa = static_cast<Real>(a) * a, bb = static_cast<Real>(b) * b;
    if (b == 0) return Span{0, width_ - 1};
    // Row test: (X + 1)^2 < A^2 (B^2 - Y^2) / B^2 - 1.
    const Real rowReach = aa * (bb - static_cast<Real>(dy) * dy) / bb - 1;
    // Column test: X^2 <= A^2 (2B^2 - Y^2 - Y'^2) / (2B^2).
    const Real columnReach =
        aa * (2 * bb - static_cast<Real>(dy) * dy - static_cast<Real>(inner) * inner) / (2 * bb);
    const int64_t parity = a & 1;
    int64_t best = INT64_MAX;
    auto consider = [&](Real limitX) {  // the smallest X of A's parity with X >= limitX
        if (!(limitX <= 0)) return;
        int64_t x = static_cast<int64_t>(std::ceil(limitX));
        if ((x & 1) != parity) ++x;
        best = std::min(best, std::max<int64_t>(x, -a));
    };
    if (rowReach > 0) {
        const Real r = std::sqrt(rowReach);
        // X + 1 > -r, strictly: the next whole number above -1 - r.
        consider(std::floor(-1 - r) + 1);
    }
    if (columnReach >= 0) consider(-std::sqrt(columnReach));
    if (best > 0) return std::nullopt;
    const int64_t left = (best + a) / 2;
    return Span{left, width_ - 1 - left};
}

std::optional<RowParts> EllipseRows::Parts(int64_t y) const {
    const std::optional<Span> row = Row(y);
    if (!row) return std::nullopt;
    const std::optional<Span> above = Row(y - 1);
    const std::optional<Span> below = Row(y + 1);
    RowParts parts{*row, true, {}};
    if (!above || !below) return parts;
    // Interior: not an end of the span, and covered above and below.
    const int64_t first = std::max({row->first + 1, above->first, below->first});
    const int64_t last = std::min({row->last - 1, above->last, below->last});
    if (first > last) return parts;
    parts.whole = false;
    parts.interior = Span{first, last};
    return parts;
}

}  // namespace posix::raster
