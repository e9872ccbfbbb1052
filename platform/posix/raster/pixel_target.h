// Where a figure's pixels go: a surface and the rectangle of it that may be
// drawn (clip already intersected with the surface). Every write is clipped
// here, so the figure code can work in 64-bit figure coordinates freely.
#pragma once
#include "platform/posix/gdi/objects.h"

#include <algorithm>
#include <cstdint>

namespace posix::raster {

class PixelTarget {
public:
    PixelTarget(Surface& surface, const RECT& clip)
        : surface_(surface),
          left_(std::max<int64_t>(clip.left, 0)),
          top_(std::max<int64_t>(clip.top, 0)),
          right_(std::min<int64_t>(clip.right, surface.width)),
          bottom_(std::min<int64_t>(clip.bottom, surface.height)) {}

    bool Empty() const { return surface_.pixels == nullptr || left_ >= right_ || top_ >= bottom_; }
    int64_t Left() const { return left_; }
    int64_t Top() const { return top_; }
    int64_t Right() const { return right_; }    // exclusive
    int64_t Bottom() const { return bottom_; }  // exclusive

    void Plot(int64_t x, int64_t y, uint32_t colour) const {
        if (x < left_ || x >= right_ || y < top_ || y >= bottom_) return;
        Row(y)[x] = colour;
    }

    // Columns x0 .. x1 inclusive of row y.
    void Run(int64_t y, int64_t x0, int64_t x1, uint32_t colour) const {
        if (y < top_ || y >= bottom_) return;
        x0 = std::max(x0, left_);
        x1 = std::min(x1, right_ - 1);
        if (x0 > x1) return;
        uint32_t* row = Row(y);
        std::fill(row + x0, row + x1 + 1, colour);
    }

private:
    uint32_t* Row(int64_t y) const {
        return surface_.pixels + static_cast<size_t>(y) * static_cast<size_t>(surface_.width);
    }

    Surface& surface_;
    int64_t left_;
    int64_t top_;
    int64_t right_;
    int64_t bottom_;
};

}  // namespace posix::raster
