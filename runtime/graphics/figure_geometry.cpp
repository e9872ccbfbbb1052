// The geometry of Circle's figures. Directions come from the square walk, not
// from sine and cosine: only the direction of a radial point matters to Arc
// and Pie.
#include "runtime/graphics/figure_geometry.h"
#include "runtime/math/numeric.h"

#include <cmath>

namespace {

constexpr int32_t kHalfSide = 78;

// Sums of coordinates are formed in 64 bits and pinned to the 32-bit range,
// so a centre near the range's end cannot overflow.
int32_t ClampedSum(int32_t a, int64_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(sum);
}

POINT RadialPoint(int32_t x, int32_t y, double hundredths) {
    const SquareOffset offset = SquareWalk(hundredths);
    // Offsets count upwards, screen rows downwards.
    return POINT{ClampedSum(x, offset.dx), ClampedSum(y, -static_cast<int64_t>(offset.dy))};
}

}  // namespace

int32_t TruncateTowardZero(double x) {
    if (std::isnan(x)) return 0;
    if (x >= 2147483647.0) return INT32_MAX;
    if (x <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(x);
}

SemiAxes ComputeSemiAxes(int32_t radius, double ratio) {
    const double r = CDbl(static_cast<double>(radius));
    if (ratio < 1.0) return SemiAxes{radius, TruncateTowardZero(r * ratio)};
    return SemiAxes{TruncateTowardZero(r / ratio), radius};
}

// Each bound belongs to the row that ends at it. The top, left and bottom
// sides are walked over 157 hundredths for 156 pixels, so exactly at 235.5,
// 392.5 and 549.5 the point lies one pixel past the corner.
SquareOffset SquareWalk(double t) {
    if (t <= 78.5) return {kHalfSide, Int(t)};
    if (t <= 235.5) return {kHalfSide - Int(t - 78.5), kHalfSide};
    if (t <= 392.5) return {-kHalfSide, kHalfSide - Int(t - 235.5)};
    if (t <= 549.5) return {Int(t - 392.5) - kHalfSide, -kHalfSide};
    if (t <= 628.0) return {kHalfSide, Int(t - 549.5) - kHalfSide};
    return {0, 0};
}

Figure PlanFigure(int32_t x, int32_t y, int32_t radius, double start, double end, double ratio) {
    const SemiAxes axes = ComputeSemiAxes(radius, ratio);
    Figure figure{};
    figure.box = RECT{ClampedSum(x, -static_cast<int64_t>(axes.rx)),
                      ClampedSum(y, -static_cast<int64_t>(axes.ry)), ClampedSum(x, axes.rx),
                      ClampedSum(y, axes.ry)};
    if (start == 0.0 && end == 0.0) {
        figure.kind = FigureKind::Ellipse;
        return figure;
    }
    double s = start * 100.0;
    double e = end * 100.0;
    figure.kind = (s < 0.0 || e < 0.0) ? FigureKind::Pie : FigureKind::Arc;
    if (s < 0.0) s = -s;
    if (e < 0.0) e = -e;
    figure.start = RadialPoint(x, y, s);
    figure.end = RadialPoint(x, y, e);
    return figure;
}
