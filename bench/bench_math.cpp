// Timing of the numeric routines on the programs' per-frame path.
#include "runtime/core/runtime_state.h"
#include "runtime/math/numeric.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

// Arguments like the force phase's squared force lengths: 0 to about 10^7.
std::vector<double> SqrArguments() {
    std::vector<double> arguments;
    uint64_t state = 88172645463325252ull;
    for (int k = 0; k < 1024; ++k) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        arguments.push_back(static_cast<double>(state >> 11) * 0x1p-53 * 1.0e7);
    }
    return arguments;
}

void BM_Sqr(benchmark::State& state) {
    const std::vector<double> arguments = SqrArguments();
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Sqr(arguments[k]));
        k = (k + 1) & 1023;
    }
}
BENCHMARK(BM_Sqr);

void BM_Rnd(benchmark::State& state) {
    SetSeed(1);
    for (auto _ : state) benchmark::DoNotOptimize(Rnd());
}
BENCHMARK(BM_Rnd);

}  // namespace
