// Integer division and MOD with their division-by-zero error, FIX, TIMER
// and SLEEP.
#include "platform/platform.h"
#include "runtime/basic/basic.h"
#include "runtime/math/numeric.h"

#include <cmath>

namespace {

// SLEEP waits in steps no longer than this; any long wait is several.
constexpr double kLongestStepSeconds = 3600.0;

}  // namespace

// INT32_MIN \ -1 wraps to INT32_MIN (and MOD gives 0), as 32-bit arithmetic
// wraps everywhere else; the plain C++ operators would trap.
int32_t BasicIntDivide(int32_t left, int32_t right, int32_t line) {
    if (right == 0) BasicRuntimeError(line, "division by zero");
    if (right == -1) return static_cast<int32_t>(0u - static_cast<uint32_t>(left));
    return left / right;
}

int32_t BasicMod(int32_t left, int32_t right, int32_t line) {
    if (right == 0) BasicRuntimeError(line, "division by zero");
    if (right == -1) return 0;
    return left % right;
}

int32_t BasicToInt32(double value) { return TruncateToInt32(value); }

double BasicFix(double value) { return std::trunc(value); }

double BasicTimer() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

// The console thread keeps the window painted and answering while the main
// thread sleeps; closing the window ends the process during the sleep.
// Negative and NaN durations do not sleep.
void BasicSleep(double seconds) {
    while (seconds > 0.0) {
        const double step = std::fmin(seconds, kLongestStepSeconds);
        Sleep(static_cast<DWORD>(std::lround(step * 1000.0)));
        seconds -= step;
    }
}
