// The walk's result for every box up to kTableSide pixels a side, worked out
// when the program is compiled: the small ellipses drawn most often (the
// swarm's radius-2 circles) then cost no walk at all.
#pragma once
#include "platform/posix/raster/ellipse_walk.h"

#include <array>
#include <cstdint>

namespace posix::raster {

constexpr int64_t kTableSide = 32;

class SmallEllipseTable {
public:
    static constexpr int64_t kRows = (kTableSide + 1) / 2;  // lower-half rows of the tallest box

    constexpr SmallEllipseTable() : left_() {
        for (int64_t w = 1; w <= kTableSide; ++w) {
            for (int64_t h = 1; h <= kTableSide; ++h) {
                const int64_t base = Base(w, h);
                for (int64_t k = 0; k < kRows; ++k) left_[base + k] = kNoColumn;
                WalkQuarter(w, h, [&](int64_t x, int64_t y) {
                    const int64_t k = y - h / 2;
                    if (left_[base + k] == kNoColumn) left_[base + k] = static_cast<int8_t>(x);
                });
            }
        }
    }

    // The leftmost columns of the lower-half rows (numbered as in
    // ellipse_walk.h), or null when the box is not in the table.
    constexpr const int8_t* Rows(int64_t w, int64_t h) const {
        if (w < 1 || h < 1 || w > kTableSide || h > kTableSide) return nullptr;
        return left_.data() + Base(w, h);
    }

private:
    static constexpr int64_t Base(int64_t w, int64_t h) { return ((w - 1) * kTableSide + (h - 1)) * kRows; }

    std::array<int8_t, kTableSide * kTableSide * kRows> left_;
};

inline constexpr SmallEllipseTable kSmallEllipses{};

}  // namespace posix::raster
