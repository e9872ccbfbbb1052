// The platform's ellipse, traced exactly: a walk over one quarter of the
// outline that gives, for every row of the lower half, the leftmost column
// of the ellipse in that row. The other quarters are its mirror images.
#pragma once
#include "platform/posix/raster/small_buffer.h"

#include <cstdint>

namespace posix::raster {

// Boxes up to this many pixels a side are traced exactly; the walk's
// integer terms stay far inside 64 bits and its length is a few thousand steps.
constexpr int64_t kExactSide = 1 << 14;

// Lower-half rows are numbered from the middle: row k is box row
// (height / 2 + k) for an even height and ((height - 1) / 2 + k) for an odd
// one. A row the walk never reaches (the tips of very thin ellipses) holds
// kNoColumn.
constexpr int32_t kNoColumn = -1;

using LowerRows = SmallBuffer<int32_t, 64>;

// Fills rows[0 .. (height + 1) / 2 - 1]. Both sides must be at least 1 and at
// most kExactSide; `rows` must have room for (height + 1) / 2 entries.
void WalkEllipse(int64_t width, int64_t height, LowerRows& rows);

}  // namespace posix::raster
