// Whole and real powers.
#include "runtime/math/numeric.h"
#include "runtime/math/unordered.h"

using namespace numeric_detail;

double PowInt(double b, int32_t n) {
    // The magnitude as an unsigned number, so that INT32_MIN gives 2^31.
    uint32_t k = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    double acc = 1.0;
    while (k != 0) {
        if (k & 1u) acc = acc * b;
        b = b * b;
        k >>= 1;
    }
    // A negative power is the reciprocal of the positive one, so it is 0 as
    // soon as the positive power overflows.
    return n >= 0 ? acc : 1.0 / acc;
}

double Pow(double x, double y) {
    // A NaN exponent would pass the whole-number tests below (unordered
    // rule) and leave no integer to raise to; it gives NaN instead.
    if (y != y) return y;
    if (LessEqualU(-2147483647.0, y) && LessEqualU(y, 2147483647.0) &&
        EqualU(y, CDbl(Int(y)))) {
        return PowInt(x, static_cast<int32_t>(y));
    }
    if (GreaterU(x, 0.0)) return Exp(y * Log(x));
    return 0.0;
}
