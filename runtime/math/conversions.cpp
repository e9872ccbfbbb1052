// Conversions between reals and integers.
#include "runtime/math/numeric.h"
#include "runtime/math/unordered.h"

using namespace numeric_detail;

int32_t TruncateToInt32(double x) {
    // The range test is written so that NaN fails it too; a plain cast of such
    // values would be undefined.
    if (x > -2147483649.0 && x < 2147483648.0) return static_cast<int32_t>(x);
    return INT32_MIN;
}

// Out of range the floor cannot be represented. The values come from the
// truncation above (INT32_MIN when it does not fit) and the step below, which
// wraps in 32 bits: 2^31 and above and +inf give INT32_MIN; below -2^31, -inf
// and NaN give INT32_MAX. They are kept because they are deterministic and
// defined; no caller in the system passes such arguments, and Exp and Pow
// screen theirs before calling Int.
int32_t Int(double x) {
    const int32_t t = TruncateToInt32(x);
    if (LessU(x, 0.0) && LessU(x, static_cast<double>(t))) {
        return static_cast<int32_t>(static_cast<uint32_t>(t) - 1u);
    }
    return t;
}

double Abs(double x) {
    if (LessU(x, 0.0)) return x * -1.0;
    return x;
}

double CDbl(double x) { return x; }

// The conversion rounds to nearest, ties to even, as the default rounding
// mode does.
double Int64ToDbl(int64_t v) { return static_cast<double>(v); }
