// Multiplying by a power of two and splitting off the power of two.
#include "runtime/math/numeric.h"
#include "runtime/math/unordered.h"

#include <limits>

using namespace numeric_detail;

double Ldexp(double x, int32_t n) {
    // The magnitude of n as an unsigned number, so that INT32_MIN, whose
    // negation does not fit, behaves like every other n <= -2048: +-0 for a
    // finite x.
    double p = 2.0;
    uint32_t k = static_cast<uint32_t>(n);
    if (n < 0) {
        p = 0.5;
        k = 0u - k;
    }
    // p runs through 2^(2^i) (or its reciprocal): 2^1024 is +inf and
    // 2^-2048 is 0, which is what the results for large |n| come from.
    while (k != 0) {
        if (k & 1u) x = x * p;
        p = p * p;
        k >>= 1;
    }
    return x;
}

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The linear search for e with x / 2^e in [0.5, 1). It ends for magnitudes in
// [2^-1024, 2^1023), and for +-inf at e = 1024 with NaN.
double SearchFraction(double x, int32_t* e) {
    const bool upward = GreaterEqualU(Abs(x), 1.0);
    int32_t exponent = 0;
    for (;;) {
        const double f = x / PowInt(2.0, exponent);
        if (LessEqualU(0.5, Abs(f)) && LessU(Abs(f), 1.0)) {
            *e = exponent;
            return f;
        }
        exponent += upward ? 1 : -1;
    }
}

}  // namespace

double Frexp(double x, int32_t* e) {
    if (EqualU(x, 0.0)) {  // zero, and NaN by the unordered rule
        *e = 0;
        return 0.0;
    }
    // Outside [2^-1024, 2^1023) the search would never end, because the
    // power of two it needs is not a finite non-zero double. There the
    // argument is first scaled by an exact power of two into the searchable
    // range, which gives the exact fraction and exponent.
    const double magnitude = Abs(x);
    if (magnitude < 0x1p-1024) {
        const double f = SearchFraction(x * 0x1p64, e);
        *e -= 64;
        return f;
    }
    if (magnitude >= 0x1p1023 && magnitude < kInfinity) {
        const double f = SearchFraction(x * 0x1p-64, e);
        *e += 64;
        return f;
    }
    return SearchFraction(x, e);
}
