// The walk runs in doubled coordinates centred on the box, where pixel
// centres are whole numbers of the parity of the box's sides: X = 2x - (w-1),
// Y = 2y - (h-1). The ellipse is f(X, Y) = B²X² + A²Y² - A²B² = 0 with
// A = w-1 and B = h-1. From the leftmost point of the middle row it steps
// down (V), diagonally (D) or right (H), each time to the candidate that the
// signs of f pick:
//   - D inside (f < 0): V or D, whichever lies nearer the curve along the row
//     (D when f(V) + f(D) >= 0);
//   - otherwise: D or H, whichever lies nearer along the column
//     (D when f(D) + f(H) <= 0).
// It stops when it passes the centre column. Very thin ellipses therefore end
// in a short tip rather than reaching the box's top and bottom rows: that is
// the platform's drawing, kept as it is.
#include "platform/posix/raster/ellipse_walk.h"

namespace posix::raster {
namespace {

struct Curve {
    int64_t a2;
    int64_t b2;
    int64_t a2b2;
    int64_t operator()(int64_t x, int64_t y) const { return b2 * x * x + a2 * y * y - a2b2; }
};

}  // namespace

void WalkEllipse(int64_t width, int64_t height, LowerRows& rows) {
    const int64_t a = width - 1;
    const int64_t b = height - 1;
    const Curve f{a * a, b * b, a * a * b * b};
    const size_t count = static_cast<size_t>((height + 1) / 2);
    for (size_t k = 0; k < count; ++k) rows[k] = kNoColumn;

    int64_t x = -a;
    int64_t y = b & 1;
    while (x <= 0 && y <= b) {
        const size_t k = static_cast<size_t>(y / 2);
        if (rows[k] == kNoColumn) rows[k] = static_cast<int32_t>((x + a) / 2);
        const int64_t diagonal = f(x + 2, y + 2);
        if (diagonal < 0) {
            if (f(x, y + 2) + diagonal >= 0) x += 2;
            y += 2;
        } else {
            if (diagonal + f(x + 2, y) <= 0) y += 2;
            x += 2;
        }
    }
}

}  // namespace posix::raster
