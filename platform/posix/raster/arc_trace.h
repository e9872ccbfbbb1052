// The part of an ellipse's outline that an arc or a sector's curved side
// covers. The arc runs counter-clockwise along the outline sequence
// (outline_order.h) from the start radial's direction to the end radial's,
// both seen from the box's whole-number centre:
//   - its first pixel is the first in the sequence at or past the start
//     direction, and it is drawn;
//   - its last pixel is the one just before the first at or past the end
//     direction, and it is not drawn;
//   - an end direction along the positive x axis, or an end radial at the
//     centre, closes the turn: the last pixel is the sequence's last (for an
//     odd height the axis pixel that begins the sequence ends it as well, so
//     the turn closes behind the sequence's last pixel);
//   - a start radial at the centre starts on the positive x axis;
//   - equal directions go all the way round, less the last pixel.
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
