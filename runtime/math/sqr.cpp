// Square root by Heron's iteration from a start value built from the bit
// pattern of the argument.
#include "platform/platform.h"
#include "runtime/math/numeric.h"
#include "runtime/math/unordered.h"

#include <bit>

using namespace numeric_detail;

// Halves the biased exponent E of a positive x (to ceil(E / 2) + 511) and
// keeps every fraction bit: for x = 1.f * 2^k the start is 1.f * 2^floor(k/2).
SqrInProgress SqrBegin(double x) {
    const uint64_t bits = std::bit_cast<uint64_t>(x);
    const uint64_t top = bits >> 48;  // sign, exponent, four fraction bits
    const uint64_t newTop = (top / 32 + 511) * 16 + top % 32;
    return {x, std::bit_cast<double>((newTop << 48) | (bits & 0x0000FFFFFFFFFFFFull))};
}

// The iteration ends at the first estimate that repeats its predecessor, or
// at NaN (from +inf), by the unordered rule. Such an estimate repeats for
// ever, so steps taken past it change nothing: that is what lets callers
// advance the root any number of times before ending it.
double SqrEnd(SqrInProgress root) {
    double previous;
    do {
        previous = root.y;
        SqrAdvance(root);
    } while (NotEqualU(root.y, previous));
    return root.y;
}

double Sqr(double x) {
    if (EqualU(x, 0.0)) return 0.0;  // +0 for -0 and NaN as well
    if (!GreaterU(x, 0.0)) {
        OutputDebugStringA("Error:Sqr argument is illegal");
        return -1.0;
    }
    SqrInProgress root = SqrBegin(x);
    // A normal argument ends by the sixth step; taking five without a test
    // keeps the loop's exit predictable.
    for (int step = 0; step < 5; ++step) SqrAdvance(root);
    return SqrEnd(root);
}
