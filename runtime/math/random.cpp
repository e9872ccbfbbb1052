// The linear-congruential random generator; its one piece of state is the
// random seed of the runtime record.
#include "runtime/core/runtime_state.h"
#include "runtime/math/numeric.h"

int32_t Rand() {
    gRuntime.randomSeed = gRuntime.randomSeed * 1103515245u + 12345u;
    return static_cast<int32_t>((gRuntime.randomSeed >> 16) & 0x7FFFu);
}

double Rnd() {
    const int32_t a = Rand();
    const int32_t b = Rand();
    const int32_t product = a * b;  // at most 32767 * 32767: no overflow
    return static_cast<double>(product % 100000) / 100000.0;
}

void Randomize() { SetSeed(GetTickCount()); }

void SetSeed(uint32_t v) { gRuntime.randomSeed = v; }
