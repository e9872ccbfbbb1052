// Time per frame of the force phase of both programs, against the floor set
// by its two chains of dependent additions.
#include "programs/swarm/swarm_model.h"
#include "runtime/core/startup.h"
#include "runtime/math/numeric.h"

#include <benchmark/benchmark.h>


namespace {

constexpr uint32_t kSeed = 20240607;
constexpr int kWarmUpFrames = 300;
constexpr int kFramesBetweenRestores = 256;

// Runs kWarmUpFrames from a fixed seed, then times one force phase per
// iteration. The state goes back to the warmed-up snapshot now and then, so
// that the timed frames stay like the early ones (in swarm5 particles die).
void RunForcePhaseBenchmark(benchmark::State& state, const SwarmRules& rules) {
    static const bool started = (RuntimeStartup(), true);
    (void)started;
    SetSwarmConstants(rules);
    SetSeed(kSeed);
    PlaceSwarm();
    for (int frame = 0; frame < kWarmUpFrames; ++frame) RunForcePhase(rules);
    const SwarmVariables snapshot = Swarm();
    const uint32_t seed = gRuntime.randomSeed;

    int frames = 0;
    for (auto _ : state) {
        if (++frames == kFramesBetweenRestores) {
            state.PauseTiming();
            Swarm() = snapshot;
            gRuntime.randomSeed = seed;
            frames = 0;
            state.ResumeTiming();
        }
        RunForcePhase(rules);
    }
    benchmark::DoNotOptimize(Swarm().posX[0]);
}

void BM_ForcePhaseSwarm50(benchmark::State& state) { RunForcePhaseBenchmark(state, kSwarm50Rules); }
BENCHMARK(BM_ForcePhaseSwarm50);

void BM_ForcePhaseSwarm5(benchmark::State& state) { RunForcePhaseBenchmark(state, kSwarm5Rules); }
BENCHMARK(BM_ForcePhaseSwarm5);

// The floor: 101 x 100 steps of two dependent double additions, the shape of
// the force sums with everything else taken away.
void BM_DependentAddFloor(benchmark::State& state) {
    double a[101];
    double b[101];
    for (int k = 0; k < 101; ++k) {
        a[k] = k * 0.37 - 11.0;
        b[k] = k * -0.21 + 7.0;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        double sums[2] = {0.0, 0.0};
        for (int i = 0; i <= 100; ++i) {
            double x = sums[0];
            double y = sums[1];
            for (int j = 0; j < 100; ++j) {
                x = x + a[j];
                y = y + b[j];
            }
            sums[0] = x;
            sums[1] = y;
        }
        benchmark::DoNotOptimize(sums);
    }
}
BENCHMARK(BM_DependentAddFloor);

}  // namespace
