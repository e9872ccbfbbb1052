// Circle's geometry (semi-axes, square walk, figure choice) and the palette.
#include "runtime/graphics/figure_geometry.h"
#include "runtime/graphics/graphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

void ExpectOffset(double t, int32_t dx, int32_t dy) {
    const SquareOffset offset = SquareWalk(t);
    EXPECT_EQ(offset.dx, dx) << "t = " << t;
    EXPECT_EQ(offset.dy, dy) << "t = " << t;
}

void ExpectBox(const Figure& figure, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ(figure.box.left, left);
    EXPECT_EQ(figure.box.top, top);
    EXPECT_EQ(figure.box.right, right);
    EXPECT_EQ(figure.box.bottom, bottom);
}

void ExpectPoint(POINT point, LONG x, LONG y) {
    EXPECT_EQ(point.x, x);
    EXPECT_EQ(point.y, y);
}

TEST(SquareWalk, BoundsBelongToTheSideThatEndsThere) {
    ExpectOffset(0.0, 78, 0);
    ExpectOffset(78.5, 78, 78);   // continuous at the first corner
    ExpectOffset(79.0, 78, 78);
    ExpectOffset(235.5, -79, 78);  // one pixel past the corner
    ExpectOffset(236.0, -78, 78);
    ExpectOffset(392.5, -78, -79);
    ExpectOffset(393.0, -78, -78);
    ExpectOffset(549.5, 79, -78);
    ExpectOffset(550.0, 78, -78);
    ExpectOffset(628.0, 78, 0);  // a full turn meets the start
    ExpectOffset(628.01, 0, 0);  // past a full turn: the centre
    ExpectOffset(700.0, 0, 0);
}

TEST(SquareWalk, WalksTheSquareCounterClockwise) {
    double previousAngle = -1.0;
    for (double t = 0.0; t <= 628.0; t += 0.25) {
        const SquareOffset offset = SquareWalk(t);
        const bool pastCorner = t == 235.5 || t == 392.5 || t == 549.5;
        const int32_t side = std::max(std::abs(offset.dx), std::abs(offset.dy));
        EXPECT_EQ(side, pastCorner ? 79 : 78) << "t = " << t;
        double angle = std::atan2(static_cast<double>(offset.dy), static_cast<double>(offset.dx));
        if (angle < 0.0) angle += 2.0 * std::numbers::pi;
        if (t >= 549.5 && angle < 1.0) angle += 2.0 * std::numbers::pi;  // back at the start
        // Exactly on those three bounds the point overshoots its corner by a
        // pixel and the walk steps back onto the corner right after.
        if (pastCorner) continue;
        EXPECT_GE(angle, previousAngle) << "t = " << t;
        previousAngle = angle;
    }
}

TEST(SquareWalk, NonNumbersAndInfinityGiveTheCentre) {
    ExpectOffset(kNaN, 0, 0);
    ExpectOffset(kInfinity, 0, 0);
    ExpectOffset(1e300, 0, 0);
}

TEST(SemiAxes, RatioScalesTheOtherAxisTruncatingTowardZero) {
    struct Case { int32_t radius; double ratio; int32_t rx, ry; };
    const Case cases[] = {
        {10, 1.0, 10, 10}, {10, 0.5, 10, 5}, {10, 2.0, 5, 10},  {10, 0.0, 10, 0},
        {3, 0.55, 3, 1},   {10, 3.0, 3, 10}, {10, -0.5, 10, -5}, {-10, 0.55, -10, -5},
        {7, -0.0, 7, 0},
    };
    for (const Case& c : cases) {
        const SemiAxes axes = ComputeSemiAxes(c.radius, c.ratio);
        EXPECT_EQ(axes.rx, c.rx) << c.radius << " / " << c.ratio;
        EXPECT_EQ(axes.ry, c.ry) << c.radius << " / " << c.ratio;
    }
}

TEST(SemiAxes, NonNumbersAndExtremesStayDefined) {
    EXPECT_EQ(ComputeSemiAxes(10, kNaN).ry, 10);
    EXPECT_EQ(ComputeSemiAxes(10, kNaN).rx, 0);
    EXPECT_EQ(ComputeSemiAxes(10, kInfinity).rx, 0);
    EXPECT_EQ(ComputeSemiAxes(10, 1e300).rx, 0);
    EXPECT_EQ(ComputeSemiAxes(INT32_MAX, 1e-300).ry, 0);
    EXPECT_EQ(ComputeSemiAxes(INT32_MAX, -kInfinity).ry, INT32_MIN);
    EXPECT_EQ(ComputeSemiAxes(INT32_MIN, -1e10).ry, INT32_MAX);

    EXPECT_EQ(TruncateTowardZero(1.65), 1);
    EXPECT_EQ(TruncateTowardZero(-1.65), -1);
    EXPECT_EQ(TruncateTowardZero(-0.0), 0);
    EXPECT_EQ(TruncateTowardZero(kNaN), 0);
    EXPECT_EQ(TruncateTowardZero(2147483647.9), INT32_MAX);
    EXPECT_EQ(TruncateTowardZero(-2147483648.9), INT32_MIN);
    EXPECT_EQ(TruncateTowardZero(1e300), INT32_MAX);
}

TEST(PlanFigure, BothAnglesZeroDrawTheWholeEllipse) {
    Figure figure = PlanFigure(100, 100, 2, 0.0, 0.0, 1.0);
    EXPECT_EQ(figure.kind, FigureKind::Ellipse);
    ExpectBox(figure, 98, 98, 102, 102);
    ExpectBox(PlanFigure(100, 100, 10, 0.0, 0.0, 0.5), 90, 95, 110, 105);
    ExpectBox(PlanFigure(100, 100, 10, 0.0, 0.0, 2.0), 95, 90, 105, 110);
    ExpectBox(PlanFigure(100, 100, 10, 0.0, 0.0, 0.0), 90, 100, 110, 100);
    // Negative zero is zero: no sector, and both zeros mean the whole ellipse.
    EXPECT_EQ(PlanFigure(100, 100, 10, -0.0, 0.0, 1.0).kind, FigureKind::Ellipse);
    EXPECT_EQ(PlanFigure(100, 100, 10, 0.0, -0.0, 1.0).kind, FigureKind::Ellipse);
    EXPECT_EQ(PlanFigure(100, 100, 10, -0.0, 1.0, 1.0).kind, FigureKind::Arc);
}

TEST(PlanFigure, AnglesGiveArcsAndSectorsThroughSquarePoints) {
    Figure upperHalf = PlanFigure(100, 100, 50, 0.0, 3.14, 1.0);
    EXPECT_EQ(upperHalf.kind, FigureKind::Arc);
    ExpectBox(upperHalf, 50, 50, 150, 150);
    ExpectPoint(upperHalf.start, 178, 100);
    ExpectPoint(upperHalf.end, 22, 100);

    Figure threeQuarters = PlanFigure(100, 100, 50, -1.57, 0.0, 1.0);
    EXPECT_EQ(threeQuarters.kind, FigureKind::Pie);
    ExpectPoint(threeQuarters.start, 100, 22);
    ExpectPoint(threeQuarters.end, 178, 100);

    Figure fullTurn = PlanFigure(100, 100, 50, 0.0, 6.28, 1.0);
    EXPECT_EQ(fullTurn.kind, FigureKind::Arc);
    ExpectPoint(fullTurn.start, 178, 100);
    ExpectPoint(fullTurn.end, 178, 100);

    Figure beyondTurn = PlanFigure(100, 100, 50, 0.0, 7.0, 1.0);
    ExpectPoint(beyondTurn.end, 100, 100);

    EXPECT_EQ(PlanFigure(100, 100, 50, 1.0, -2.0, 1.0).kind, FigureKind::Pie);
}

TEST(PlanFigure, NonNumbersAndHugeCoordinatesDoNotOverflow) {
    Figure nan = PlanFigure(100, 100, 50, kNaN, kNaN, kNaN);
    EXPECT_NE(nan.kind, FigureKind::Ellipse);
    ExpectPoint(nan.start, 100, 100);
    ExpectPoint(nan.end, 100, 100);

    Figure edge = PlanFigure(INT32_MAX, INT32_MIN, INT32_MAX, 0.5, 0.0, 1.0);
    ExpectBox(edge, 0, INT32_MIN, INT32_MAX, -1);
    EXPECT_EQ(edge.start.x, INT32_MAX);
    EXPECT_EQ(edge.start.y, INT32_MIN);
}

TEST(Palette, BitsOfTheIndexSelectBlueRedGreen) {
    for (int32_t index = 0; index < 8; ++index) {
        const COLORREF expected = ((index & 1) ? 0xFF0000u : 0u) | ((index & 2) ? 0x0000FFu : 0u) |
                                  ((index & 4) ? 0x00FF00u : 0u);
        EXPECT_EQ(PaletteColor(index), expected) << index;
    }
    EXPECT_EQ(PaletteColor(5), 0xFFFF00u);  // cyan
    EXPECT_EQ(PaletteColor(6), 0x00FFFFu);  // yellow
    for (int32_t outside : {8, 9, 100, -1, INT32_MIN, INT32_MAX}) EXPECT_EQ(PaletteColor(outside), 0u);
}

}  // namespace
