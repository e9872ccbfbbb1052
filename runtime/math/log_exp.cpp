// Natural logarithm and exponential by continued fractions.
#include "runtime/math/numeric.h"
#include "runtime/math/unordered.h"

#include <bit>
#include <initializer_list>
#include <limits>

using namespace numeric_detail;

namespace {

const double kSqrt2 = std::bit_cast<double>(0x3FF6A09E667F3BCDull);
const double kLn2 = std::bit_cast<double>(0x3FE62E42FEFA39EFull);
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// ln(1 + z) from the bottom of its continued fraction, cut after level 9.
double LogOnePlus(double z) {
    double t = 0.0;
    for (int n = 9; n >= 1; --n) {
        const double nz = n * z;
        t = nz / (2.0 + nz / ((2 * n + 1) + t));
    }
    return z / (1.0 + t);
}

// e * ln 2 + ln(m), with m = x / 2^e between 1/sqrt2 and sqrt2. The extra
// exponent carries an exact scaling of x by 2^-extraExponent.
double LogReduced(double x, int32_t extraExponent) {
    int32_t e = 0;
    Frexp(x / kSqrt2, &e);
    const double m = x / Ldexp(1.0, e);
    return (e + extraExponent) * kLn2 + LogOnePlus(m - 1.0);
}

}  // namespace

double Log(double x) {
    if (LessEqualU(x, 0.0)) return 0.0;  // zero, negatives and NaN
    // x / sqrt2 must lie in [2^-1024, 2^1023) for 2^e to be a finite
    // non-zero double. Positive finite x outside that range is first scaled
    // by 2^64 or 2^-64, exactly, and the exponent added back; +inf keeps the
    // unscaled path, which gives NaN.
    const double quotient = x / kSqrt2;
    if (quotient < 0x1p-1024) return LogReduced(x * 0x1p64, -64);
    if (quotient >= 0x1p1023 && x < kInfinity) return LogReduced(x * 0x1p-64, 64);
    return LogReduced(x, 0);
}

// Beyond this magnitude k would leave the 32-bit range. The results are
// already +inf above about 709.44 and 0 below about -745.2, so the cut-off
// changes nothing inside the range and extends it soundly outside.
static constexpr double kExpArgumentLimit = 1.0e9;

double Exp(double x) {
    if (x != x) return x;  // NaN
    if (x > kExpArgumentLimit) return kInfinity;
    if (x < -kExpArgumentLimit) return 0.0;

    // Int is the floor, so for negative x the k is one below the nearest
    // integer to x / ln 2 and r lies between 0.5 ln 2 and 1.5 ln 2.
    const int32_t k = GreaterEqualU(x, 0.0) ? Int(x / kLn2 + 0.5) : Int(x / kLn2 - 0.5);
    const double r = x - k * kLn2;
    const double q = r * r;
    double s = q / 22.0;
    for (const double i : {18.0, 14.0, 10.0, 6.0}) s = q / (s + i);
    return Ldexp(((2.0 + s) + r) / ((2.0 + s) - r), k);
}
