// Directions from a figure's centre, ordered the way the platform orders
// them when it cuts an arc: counter-clockwise from the positive x axis, with
// the axis-parallel cases resolved as it resolves them.
#pragma once
#include <cstdint>

namespace posix::raster {

// x to the right, y upwards (screen rows grow downwards: callers negate).
struct Direction {
    // Where the direction falls in a turn: the upper half with the start of
    // the positive x axis; exactly the negative x axis; the lower half (and
    // the zero vector); the positive x axis as the end of a turn.
    enum class Sector : uint8_t { UpperHalf, NegativeAxis, LowerHalf, FullTurn };
    int64_t x = 0;
    int64_t y = 0;
    Sector sector = Sector::UpperHalf;
};

// A direction in its sector; `lower` puts the positive x axis at the end of
// the turn instead of its start.
Direction MakeDirection(int64_t x, int64_t y, bool lower = false);

// Negative when a comes first counter-clockwise, zero for the same direction.
int CompareDirections(const Direction& a, const Direction& b);

// Whether a pixel lying exactly in a ray's direction counts as past the ray:
// yes for rays in the upper half and on the negative x axis, no below.
inline bool TieCountsAsPast(const Direction& ray) {
    return ray.sector == Direction::Sector::UpperHalf ||
           ray.sector == Direction::Sector::NegativeAxis;
}

// A pixel at or past a ray, counter-clockwise.
inline bool AtOrPast(const Direction& pixel, const Direction& ray) {
    const int order = CompareDirections(pixel, ray);
    return order > 0 || (order == 0 && TieCountsAsPast(ray));
}

// The sign of the cross product u × v (positive: v lies counter-clockwise of
// u within half a turn). 128-bit: components may reach 2^33.
int CrossSign(int64_t ux, int64_t uy, int64_t vx, int64_t vy);

}  // namespace posix::raster
