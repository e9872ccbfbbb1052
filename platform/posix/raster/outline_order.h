// The outline pixels of an ellipse in the order an arc runs through them:
// counter-clockwise from the positive x axis, quarter by quarter. Each
// quarter is the walk (ellipse_walk.h) mirrored into it, so a row of the
// walk that lies on the horizontal axis shows up in two quarters: the arc
// meets those pixels twice. The points exactly on an axis appear once.
//
// Each pixel is seen from the centre as its offset in whole pixels within its
// quarter (for an even side the two middle columns or rows both count as
// offset 0); that offset is what the platform compares with the radial
// directions. A pixel on the positive x axis reached in the last quarter lies
// at the end of the turn.
#pragma once
#include "platform/posix/raster/direction.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace posix::raster {

struct ArcPixel {
    int32_t x;  // box-relative
    int32_t y;
    bool lastQuarter;
};

// The direction of a box-relative pixel of a width-by-height box.
Direction PixelDirection(int64_t width, int64_t height, int64_t x, int64_t y, bool lastQuarter);

// The whole outline in arc order, for boxes of at most kExactSide a side.
std::vector<ArcPixel> OutlineInArcOrder(int64_t width, int64_t height);

// Index of the first pixel at or past the ray (see AtOrPast), or the
// outline's size when there is none.
size_t FirstAtOrPast(const std::vector<ArcPixel>& outline, int64_t width, int64_t height,
                     const Direction& ray);

}  // namespace posix::raster
