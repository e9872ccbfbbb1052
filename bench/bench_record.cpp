// Encoding one recorded frame: a picture of the console, black with the six
// frames' worth of radius-2 outlines that a swarm frame holds before a clear,
// at 1024x768 and 1920x1080. The recorder writes one of these per saved
// frame; tools/bench-ratios times whole recordings against the frame loop.
#include "tools/capture/png.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

Picture SwarmLikeFrame(int32_t width, int32_t height) {
    Picture picture{width, height, std::vector<uint32_t>(static_cast<std::size_t>(width) * height, 0)};
    constexpr uint32_t kColours[] = {0xFF0000, 0x0000FF, 0xFF00FF, 0x00FF00, 0xFFFF00, 0x00FFFF};
    std::mt19937 generator(1);
    for (int circle = 0; circle < 6 * 101; ++circle) {
        const int x = 2 + static_cast<int>(generator() % 796), y = 2 + static_cast<int>(generator() % 496);
        const uint32_t colour = kColours[circle % 6];
        const int outline[8][2] = {{-1, -2}, {0, -2}, {-2, -1}, {1, -1}, {-2, 0}, {1, 0}, {-1, 1}, {0, 1}};
        for (const auto& offset : outline)
            picture.pixels[static_cast<std::size_t>(y + offset[1]) * width + x + offset[0]] = colour;
    }
    return picture;
}

void BM_EncodeRecordedFrame(benchmark::State& state) {
    const Picture picture = SwarmLikeFrame(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    std::vector<unsigned char> png;
    for (auto _ : state) {
        EncodePng(picture, png);
        benchmark::DoNotOptimize(png.data());
    }
    state.counters["bytes"] = static_cast<double>(png.size());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EncodeRecordedFrame)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace
