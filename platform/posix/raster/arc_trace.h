// The part of an ellipse's outline that an arc or a sector's curved side
// covers. The arc runs counter-clockwise from the start radial to the end
// radial, directions taken from the box's whole-number centre:
//   - it begins at the first outline pixel at or past the start direction;
//   - it ends two pixels before the first outline pixel at or past the end
//     direction (the arc's last pixel stays unlit, and the pixel the end
//     direction passes between is not reached either);
//   - an end direction along the positive x axis, or an end radial at the
//     centre, closes the turn: the arc runs through the last pixel below the
//     axis (and, for an odd height, through every pixel);
//   - a radial at the centre starts the arc on the positive x axis;
//   - equal directions give the whole outline less its last pixel.
// Boxes beyond the exact size use the same direction rules pixel by pixel.
#pragma once
#include "platform/posix/raster/ellipse_rows.h"
#include "platform/posix/raster/figure_box.h"
#include "platform/posix/raster/outline_order.h"
#include "platform/posix/raster/pixel_target.h"

#include <cstdint>
#include <vector>

namespace posix::raster {

class ArcTrace {
public:
    ArcTrace(const FigureBox& box, Point64 startRadial, Point64 endRadial);
    ArcTrace(const ArcTrace&) = delete;
    ArcTrace& operator=(const ArcTrace&) = delete;

    const EllipseRows& Rows() const { return rows_; }
    bool HasOutline() const { return hasOutline_; }
    bool Full() const { return full_; }
    bool Empty() const { return empty_; }
    // Whether the arc covers more than half a turn: decides which way a
    // sector goes round when its two sides lie along the same ray.
    bool MoreThanHalfTurn() const { return moreThanHalf_; }
    // Surface coordinates of the arc's first pixel and of the pixel after its
    // last one: where a sector's sides meet the curve.
    Point64 StartPixel() const { return startPixel_; }
    Point64 EndPixel() const { return endPixel_; }

    void Draw(const PixelTarget& target, uint32_t colour) const;

private:
    void TraceExactly(const Direction& start, const Direction& end, bool endClosesTurn);
    void TraceByDirections(Point64 startRadial, Point64 endRadial);
    bool LitByDirections(int64_t x, int64_t y) const;
    Point64 AbsolutePixel(const ArcPixel& p) const { return {box_.left + p.x, box_.top + p.y}; }

    FigureBox box_;
    EllipseRows rows_;
    bool hasOutline_ = false;
    bool full_ = false;
    bool empty_ = false;
    bool moreThanHalf_ = false;
    Point64 startPixel_;
    Point64 endPixel_;
    // Exact boxes: the outline in arc order and the lit stretch of it.
    std::vector<ArcPixel> order_;
    size_t first_ = 0;
    size_t count_ = 0;
    // Larger boxes: the directions that bound the arc.
    Direction start_;
    Direction end_;
    bool wraps_ = false;
};

}  // namespace posix::raster
