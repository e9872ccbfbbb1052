#include "platform/posix/raster/arc_trace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace posix::raster {
namespace {

// A radial point seen from the centre (y upwards); the centre itself points
// along the positive x axis.
Direction RayTowards(const FigureBox& box, Point64 radial, bool& atCentre) {
    const int64_t dx = radial.x - box.CentreX();
    const int64_t dy = box.CentreY() - radial.y;
    atCentre = dx == 0 && dy == 0;
    return atCentre ? MakeDirection(1, 0) : MakeDirection(dx, dy);
}

// Where the ray from the box's centre meets the ellipse through its pixel
// centres, to the nearest pixel (used only beyond the exact size).
Point64 OutlinePointTowards(const FigureBox& box, const Direction& ray) {
    const double a = static_cast<double>(box.width - 1) / 2;
    const double b = static_cast<double>(box.height - 1) / 2;
    const double dx = static_cast<double>(ray.x);
    const double dy = -static_cast<double>(ray.y);  // screen rows grow downwards
    const double scale = std::hypot(a > 0 ? dx / a : (dx != 0 ? HUGE_VAL : 0.0),
                                    b > 0 ? dy / b : (dy != 0 ? HUGE_VAL : 0.0));
    const double t = scale > 0 && std::isfinite(scale) ? 1.0 / scale : 0.0;
    const double x = std::clamp(a + t * dx, 0.0, static_cast<double>(box.width - 1));
    const double y = std::clamp(b + t * dy, 0.0, static_cast<double>(box.height - 1));
    return {box.left + std::llround(x), box.top + std::llround(y)};
}

}  // namespace

ArcTrace::ArcTrace(const FigureBox& box, Point64 startRadial, Point64 endRadial)
    : box_(box), rows_(box.width, box.height) {
    if (box.width <= 0 || box.height <= 0) return;
    if (!rows_.Exact()) {
        TraceByDirections(startRadial, endRadial);
        return;
    }
    bool startAtCentre = false, endAtCentre = false;
    const Direction start = RayTowards(box, startRadial, startAtCentre);
    const Direction end = RayTowards(box, endRadial, endAtCentre);
    const bool endClosesTurn = endAtCentre || (end.y == 0 && end.x > 0);
    TraceExactly(start, end, endClosesTurn);
}

void ArcTrace::TraceExactly(const Direction& start, const Direction& end, bool endClosesTurn) {
    order_ = OutlineInArcOrder(box_.width, box_.height);
    const auto n = static_cast<int64_t>(order_.size());
    if (n == 0) return;
    hasOutline_ = true;
    const auto first = static_cast<int64_t>(FirstAtOrPast(order_, box_.width, box_.height, start));
    const int64_t stop = endClosesTurn
                             ? (box_.height & 1 ? n : n - 1)
                             : static_cast<int64_t>(FirstAtOrPast(order_, box_.width, box_.height, end)) - 1;
    const int64_t count = stop >= first ? stop - first : (n - first) + std::max<int64_t>(stop, 0);
    first_ = static_cast<size_t>(first % n);
    count_ = static_cast<size_t>(count);
    full_ = count == n;
    empty_ = count == 0;
    moreThanHalf_ = 2 * count > n;
    startPixel_ = AbsolutePixel(order_[first_]);
    endPixel_ = AbsolutePixel(order_[static_cast<size_t>((stop % n + n) % n)]);
}

void ArcTrace::TraceByDirections(Point64 startRadial, Point64 endRadial) {
    hasOutline_ = true;
    bool startAtCentre = false, endAtCentre = false;
    start_ = RayTowards(box_, startRadial, startAtCentre);
    end_ = RayTowards(box_, endRadial, endAtCentre);
    if (endAtCentre || (end_.y == 0 && end_.x > 0)) {
        end_ = MakeDirection(1, 0, true);
    }
    const int order = CompareDirections(start_, end_);
    wraps_ = order >= 0;
    full_ = order == 0 || (start_.y == 0 && start_.x > 0 && end_.sector == Direction::Sector::FullTurn);
    const double turn = std::atan2(static_cast<double>(end_.y), static_cast<double>(end_.x)) -
                        std::atan2(static_cast<double>(start_.y), static_cast<double>(start_.x));
    moreThanHalf_ = full_ || (turn < 0 ? turn + 2 * std::numbers::pi : turn) > std::numbers::pi;
    startPixel_ = OutlinePointTowards(box_, start_);
    endPixel_ = OutlinePointTowards(box_, end_);
}

bool ArcTrace::LitByDirections(int64_t x, int64_t y) const {
    if (full_) return true;
    const Direction pixel = PixelDirection(box_.width, box_.height, x, y, false);
    const bool pastStart = AtOrPast(pixel, start_);
    const bool beforeEnd = !AtOrPast(pixel, end_);
    return wraps_ ? (pastStart || beforeEnd) : (pastStart && beforeEnd);
}

void ArcTrace::Draw(const PixelTarget& target, uint32_t colour) const {
    if (!hasOutline_ || empty_ || target.Empty()) return;
    if (rows_.Exact()) {
        const size_t n = order_.size();
        for (size_t i = 0; i < count_; ++i) {
            const Point64 p = AbsolutePixel(order_[(first_ + i) % n]);
            target.Plot(p.x, p.y, colour);
        }
        return;
    }
    const int64_t firstRow = std::max<int64_t>(0, target.Top() - box_.top);
    const int64_t lastRow = std::min<int64_t>(box_.height - 1, target.Bottom() - 1 - box_.top);
    const int64_t firstColumn = std::max<int64_t>(0, target.Left() - box_.left);
    const int64_t lastColumn = std::min<int64_t>(box_.width - 1, target.Right() - 1 - box_.left);
    for (int64_t y = firstRow; y <= lastRow; ++y) {
        const std::optional<RowParts> parts = rows_.Parts(y);
        if (!parts) continue;
        ForOutlineColumns(*parts, firstColumn, lastColumn, true, [&](int64_t x) {
            if (LitByDirections(x, y)) target.Plot(box_.left + x, box_.top + y, colour);
        });
    }
}

}  // namespace posix::raster
