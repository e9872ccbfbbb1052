// The geometry of Circle's figures: semi-axes from radius and ratio, the
// square walk that turns an angle into a direction, and the platform call
// (Ellipse, Arc or Pie) with its box and radial points.
#pragma once
#include "runtime/core/runtime_state.h"

// Truncates toward zero into 32 bits. NaN gives 0 and values beyond the
// range give its nearest end, where a plain conversion would be undefined.
int32_t TruncateTowardZero(double x);

struct SemiAxes {
    int32_t rx;  // horizontal
    int32_t ry;  // vertical
};

// Below ratio 1 the radius is the horizontal semi-axis and the vertical one
// is radius x ratio; otherwise the radius is the vertical one and the
// horizontal one is radius / ratio. Both truncated toward zero.
SemiAxes ComputeSemiAxes(int32_t radius, double ratio);

struct SquareOffset {
    int32_t dx;  // rightwards
    int32_t dy;  // upwards
};

// Turns t, a non-negative angle in hundredths of a radian, into a point on a
// square of half-side 78 around the centre, walked counter-clockwise from the
// middle of its right side. Past a full turn (t > 628), and for NaN, the
// point is the centre.
SquareOffset SquareWalk(double t);

enum class FigureKind { Ellipse, Arc, Pie };

struct Figure {
    FigureKind kind;
    RECT box;
    POINT start;  // radial points, unused for an ellipse
    POINT end;
};

// Both angles zero (negative zero included) give the whole ellipse; either
// angle below zero gives a sector through the angles' magnitudes; otherwise
// an open arc.
Figure PlanFigure(int32_t x, int32_t y, int32_t radius, double start, double end, double ratio);
