// Timing of the graphics routines, a paint and whole program frames on the
// real runtime (console thread and window) over the headless display, with
// a 1920 by 1080 screen and window; and the floors they are measured against.
#include "platform/posix/display/headless.h"
#include "platform/posix/gdi/objects.h"
#include "programs/swarm/frame_loop.h"
#include "runtime/core/prologue.h"
#include "runtime/graphics/graphics.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void StartRuntimeOnce() {
    static std::once_flag started;
    std::call_once(started, [] {
        headless::SetScreenSize(1920, 1080);
        headless::SetClientSize(kWidth, kHeight);
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

// The floor for a radius-2 circle: its 8 outline pixels written on each of
// two 1920 by 1080 surfaces, at the same spread of centres.
void BM_CircleFloorSixteenPixels(benchmark::State& state) {
    constexpr int kOutline[8][2] = {{-1, -2}, {0, -2}, {-2, -1}, {1, -1}, {-2, 0}, {1, 0}, {-1, 1}, {0, 1}};
    std::vector<uint32_t> window(size_t{kWidth} * kHeight), back(size_t{kWidth} * kHeight);
    int n = 0;
    for (auto _ : state) {
        const int x = 10 + n % 780, y = 10 + (n / 780) % 480;
        const uint32_t colour = 0x010101u * static_cast<uint32_t>(1 + n % 7);
        for (const auto& offset : kOutline) window[size_t(y + offset[1]) * kWidth + size_t(x + offset[0])] = colour;
        for (const auto& offset : kOutline) back[size_t(y + offset[1]) * kWidth + size_t(x + offset[0])] = colour;
        benchmark::ClobberMemory();
        ++n;
    }
    benchmark::DoNotOptimize(window.data());
    benchmark::DoNotOptimize(back.data());
}
BENCHMARK(BM_CircleFloorSixteenPixels);

// Cls(3) of a whole screen's worth of drawing: a filled circle covering the
// screen is drawn (untimed) before each clear, and each clear asks for one
// paint of the whole window. The next clear is timed once that paint has
// ended (the ready flag is set at the end of every paint), so the clear is
// not timed beside an 8 MB copy on the other core. The wait spins: a thread
// that sleeps runs its next fill on cold caches.
template <typename Clear>
void TimeClearsAfterDrawingAndPaint(benchmark::State& state, Clear clear) {
    StartRuntimeOnce();
    SendMessageA(gRuntime.consoleWindow, WM_PAINT, 0, 0);  // no paint left over from earlier benchmarks
    for (auto _ : state) {
        state.PauseTiming();
        while (gRuntime.readyFlag.load() == 0) {
        }
        Circle(kWidth / 2, kHeight / 2, kWidth, 7, 0, 0, 1.0, 1, 4);
        gRuntime.readyFlag.store(0);
        state.ResumeTiming();
        clear();
    }
}

void BM_Cls3FullScreen(benchmark::State& state) { TimeClearsAfterDrawingAndPaint(state, [] { Cls(3); }); }
BENCHMARK(BM_Cls3FullScreen);

// The floor for Cls(3): memset of the back buffer's bytes in a buffer that
// stays in this core's caches.
void BM_MemsetFullScreenFloor(benchmark::State& state) {
    std::vector<uint32_t> pixels(size_t{kWidth} * kHeight, 0xFFFFFFFF);
    for (auto _ : state) {
        std::memset(pixels.data(), 0, pixels.size() * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(pixels.data());
}
BENCHMARK(BM_MemsetFullScreenFloor);

// The same floor on the back buffer itself, in the state Cls(3) finds it:
// just drawn over by this thread, and read by the console thread's paint
// since. The memory then answers far slower than a buffer only this core
// touches (its lines live in the other core's caches), whatever the clear
// does; the paint's RequestRepaint is sent as Cls sends it.
void BM_MemsetBackBufferFloor(benchmark::State& state) {
    TimeClearsAfterDrawingAndPaint(state, [] {
        posix::Surface* back = posix::TargetSurface(posix::AsDc(gRuntime.backBufferDc));
        std::memset(back->pixels, 0, size_t(back->width) * size_t(back->height) * sizeof(uint32_t));
        benchmark::ClobberMemory();
        InvalidateRect(gRuntime.consoleWindow, nullptr, FALSE);
    });
}
BENCHMARK(BM_MemsetBackBufferFloor);

// One WM_PAINT of the whole 1920 by 1080 window, handled by the console
// thread's window procedure: the back buffer copied, the empty text layer
// drawn over it.
void BM_PaintFullScreen(benchmark::State& state) {
    StartRuntimeOnce();
    Cls(3);
    HWND window = gRuntime.consoleWindow;
    for (auto _ : state) {
        InvalidateRect(window, nullptr, FALSE);
        SendMessageA(window, WM_PAINT, 0, 0);
    }
}
BENCHMARK(BM_PaintFullScreen)->UseRealTime();

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
