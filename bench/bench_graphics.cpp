// Timing of the graphics routines and of whole program frames on the real
// runtime (console thread and window) over the headless display, with a
// 1920 by 1080 screen behind an 800 by 600 window.
#include "platform/posix/display/headless.h"
#include "programs/swarm/frame_loop.h"
#include "runtime/core/prologue.h"
#include "runtime/graphics/graphics.h"

#include <benchmark/benchmark.h>

#include <mutex>

namespace {

void StartRuntimeOnce() {
    static std::once_flag started;
    std::call_once(started, [] {
        headless::SetScreenSize(1920, 1080);
        headless::SetClientSize(800, 600);
        ProgramPrologue();
    });
}

void BM_CircleRadius2(benchmark::State& state) {
    StartRuntimeOnce();
    int n = 0;
    for (auto _ : state) {
        Circle(10 + n % 780, 10 + (n / 780) % 480, 2, 1 + n % 7, 0.0, 0.0, 1.0, 0, 0);
        ++n;
    }
}
BENCHMARK(BM_CircleRadius2);

void BM_Cls3FullScreen(benchmark::State& state) {
    StartRuntimeOnce();
    for (auto _ : state) Cls(3);
}
BENCHMARK(BM_Cls3FullScreen);

void RunProgramFrames(benchmark::State& state, const SwarmRules& rules) {
    StartRuntimeOnce();
    SetUpSwarm(rules);
    for (auto _ : state) RunFrame(rules);
}

void BM_Swarm50Frame(benchmark::State& state) { RunProgramFrames(state, kSwarm50Rules); }
BENCHMARK(BM_Swarm50Frame);

void BM_Swarm5Frame(benchmark::State& state) { RunProgramFrames(state, kSwarm5Rules); }
BENCHMARK(BM_Swarm5Frame);

}  // namespace
