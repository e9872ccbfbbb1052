#include "platform/posix/raster/ellipse_rows.h"

#include "platform/posix/raster/small_ellipse_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// Pixel centres (doubled, centred) inside the ellipse whose semi-axes reach
// the box's edges: (X / w)² + (Y / h)² <= 1. Doubles are ample here: the
// result only has to be a faithful ellipse, not the walk's exact pixels.
std::optional<Span> EllipseRows::ComputedRow(int64_t y) const {
    const double yy = static_cast<double>(2 * y - (height_ - 1)) / static_cast<double>(height_);
    const double reach = static_cast<double>(width_) * std::sqrt(std::max(0.0, 1.0 - yy * yy));
    // The largest centre offset X <= reach with the parity of width-1.
    const int64_t parity = (width_ - 1) & 1;
    const double limit = std::min(reach, static_cast<double>(width_ - 1));
    int64_t x = static_cast<int64_t>(std::floor(limit));
    if ((x & 1) != parity) --x;
    if (x < 0) return std::nullopt;
    const int64_t left = (width_ - 1 - x) / 2;
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
