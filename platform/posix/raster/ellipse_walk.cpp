#include "platform/posix/raster/ellipse_walk.h"

namespace posix::raster {

void WalkEllipse(int64_t width, int64_t height, LowerRows& rows) {
    const auto count = static_cast<size_t>((height + 1) / 2);
    for (size_t k = 0; k < count; ++k) rows[k] = kNoColumn;
    const int64_t middle = height / 2;
    WalkQuarter(width, height, [&](int64_t x, int64_t y) {
        const auto k = static_cast<size_t>(y - middle);
        if (rows[k] == kNoColumn) rows[k] = static_cast<int32_t>(x);
    });
}

}  // namespace posix::raster
