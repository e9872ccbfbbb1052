// A one-pixel line between two pixels, both ends included, as the platform
// draws a sector's sides: one pixel per step along the longer axis, the
// other coordinate rounded to the nearest whole pixel with halves going to
// the smaller coordinate. Only the part inside the target is visited, so a
// line from a far-away centre costs what it shows.
#pragma once
#include "platform/posix/raster/figure_box.h"
#include "platform/posix/raster/pixel_target.h"

#include <cstdint>

namespace posix::raster {

void DrawLine(const PixelTarget& target, Point64 from, Point64 to, uint32_t colour);

}  // namespace posix::raster
