#include "platform/posix/raster/gdi_line.h"

#include <algorithm>

namespace posix::raster {
namespace {

using Int128 = __int128;

// ceil(a / b) for b > 0.
Int128 CeilDiv(Int128 a, Int128 b) {
    const Int128 q = a / b;
    return (a % b != 0 && a > 0) ? q + 1 : q;
}

// A line stepped along its major axis: step i (0 .. length) is at
// major = majorStart + direction * i, minor = minorStart + round(delta * i / length)
// with halves rounded down.
struct SteppedLine {
    int64_t majorStart;
    int64_t direction;  // +1 or -1
    int64_t minorStart;
    int64_t delta;      // minor end - minor start
    int64_t length;     // > 0

    int64_t Major(int64_t i) const { return majorStart + direction * i; }
    int64_t Minor(int64_t i) const {
        // nearest to delta*i/length, ties down: ceil((2*delta*i - length) / (2*length))
        const Int128 numerator = Int128{2} * delta * i - length;
        return minorStart + static_cast<int64_t>(CeilDiv(numerator, Int128{2} * length));
    }
};

// The steps whose major coordinate lies in lo .. hi (inclusive).
bool StepsWithin(const SteppedLine& line, int64_t lo, int64_t hi, int64_t& first, int64_t& last) {
    int64_t a = (lo - line.majorStart) * line.direction;
    int64_t b = (hi - line.majorStart) * line.direction;
    if (a > b) std::swap(a, b);
    first = std::max<int64_t>(a, 0);
    last = std::min<int64_t>(b, line.length);
    return first <= last;
}

// Narrows first .. last to the steps whose minor coordinate lies in lo .. hi;
// the minor coordinate is monotonic in the step, so two binary searches do.
bool NarrowByMinor(const SteppedLine& line, int64_t lo, int64_t hi, int64_t& first, int64_t& last) {
    const bool rising = line.delta >= 0;
    auto inside = [&](int64_t i) { int64_t m = line.Minor(i); return m >= lo && m <= hi; };
    // First step not yet below the range (in the direction of travel).
    auto beforeRange = [&](int64_t i) { return rising ? line.Minor(i) < lo : line.Minor(i) > hi; };
    auto pastRange = [&](int64_t i) { return rising ? line.Minor(i) > hi : line.Minor(i) < lo; };
    int64_t l = first, r = last + 1;
    while (l < r) {
        const int64_t m = l + (r - l) / 2;
        if (beforeRange(m)) l = m + 1; else r = m;
    }
    const int64_t begin = l;
    l = begin;
    r = last + 1;
    while (l < r) {
        const int64_t m = l + (r - l) / 2;
        if (pastRange(m)) r = m; else l = m + 1;
    }
    first = begin;
    last = l - 1;
    return first <= last && inside(first);
}

}  // namespace

void DrawLine(const PixelTarget& target, Point64 from, Point64 to, uint32_t colour) {
    if (target.Empty()) return;
    const int64_t dx = to.x - from.x;
    const int64_t dy = to.y - from.y;
    const int64_t adx = dx < 0 ? -dx : dx;
    const int64_t ady = dy < 0 ? -dy : dy;
    if (adx == 0 && ady == 0) {
        target.Plot(from.x, from.y, colour);
        return;
    }
    const bool xMajor = adx >= ady;
    const SteppedLine line = xMajor ? SteppedLine{from.x, dx > 0 ? 1 : -1, from.y, dy, adx}
                                    : SteppedLine{from.y, dy > 0 ? 1 : -1, from.x, dx, ady};
    const int64_t majorLo = xMajor ? target.Left() : target.Top();
    const int64_t majorHi = (xMajor ? target.Right() : target.Bottom()) - 1;
    const int64_t minorLo = xMajor ? target.Top() : target.Left();
    const int64_t minorHi = (xMajor ? target.Bottom() : target.Right()) - 1;
    int64_t first = 0, last = 0;
    if (!StepsWithin(line, majorLo, majorHi, first, last)) return;
    if (!NarrowByMinor(line, minorLo, minorHi, first, last)) return;
    for (int64_t i = first; i <= last; ++i) {
        if (xMajor) target.Plot(line.Major(i), line.Minor(i), colour);
        else target.Plot(line.Minor(i), line.Major(i), colour);
    }
}

}  // namespace posix::raster
