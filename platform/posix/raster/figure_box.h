// The bounding box of an ellipse, arc or sector, put in order. The figure
// lies in columns left .. left+width-1 and rows top .. top+height-1: the
// right and bottom edges of the box are excluded. 64-bit, so a box spanning
// the whole 32-bit range keeps its true size.
#pragma once
#include <cstdint>
#include <utility>

namespace posix::raster {

struct FigureBox {
    int64_t left = 0;
    int64_t top = 0;
    int64_t width = 0;
    int64_t height = 0;

    // The box's whole-number centre, floor((left + right) / 2): the point the
    // radial directions start from and the sector's lines end at.
    int64_t CentreX() const { return left + width / 2; }
    int64_t CentreY() const { return top + height / 2; }
};

// A box given right-to-left or upside down describes the same figure.
inline FigureBox OrderedBox(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return FigureBox{left, top, int64_t{right} - left, int64_t{bottom} - top};
}

// A point in surface coordinates, 64-bit like the box.
struct Point64 {
    int64_t x = 0;
    int64_t y = 0;
};

}  // namespace posix::raster
