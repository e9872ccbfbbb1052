// Timing of the figure rasterizer: the radius-2 outlined circle the swarm
// programs draw for every particle, on a 1920 by 1080 surface, straight
// through the rasterizer and through Ellipse on a memory DC; and a few
// larger figures for scale.
#include "platform/platform.h"
#include "platform/posix/raster/figures.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Canvas {
    std::vector<uint32_t> pixels = std::vector<uint32_t>(size_t{kWidth} * kHeight, 0);
    posix::Surface surface{pixels.data(), kWidth, kHeight};
    RECT all{0, 0, kWidth, kHeight};
};

// Positions spread over the surface so the writes do not stay in one line.
int X(int n) { return 4 + (n * 37) % (kWidth - 8); }
int Y(int n) { return 4 + (n * 53) % (kHeight - 8); }

void BM_RasterEllipseRadius2(benchmark::State& state) {
    Canvas canvas;
    const posix::raster::FigureColours colours{0xFFFFFF, std::nullopt};
    int n = 0;
    for (auto _ : state) {
        const int x = X(n), y = Y(n);
        posix::raster::DrawEllipse(canvas.surface, canvas.all, x - 2, y - 2, x + 2, y + 2, colours);
        ++n;
    }
    benchmark::DoNotOptimize(canvas.pixels.data());
}
BENCHMARK(BM_RasterEllipseRadius2);

void BM_EllipseRadius2OnMemoryDc(benchmark::State& state) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, kWidth, kHeight);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HPEN pen = CreatePen(PS_SOLID, 1, 0xFFFFFF);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    int n = 0;
    for (auto _ : state) {
        const int x = X(n), y = Y(n);
        Ellipse(dc, x - 2, y - 2, x + 2, y + 2);
        ++n;
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBitmap);
    DeleteObject(pen);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
BENCHMARK(BM_EllipseRadius2OnMemoryDc);

void BM_RasterFilledEllipseRadius64(benchmark::State& state) {
    Canvas canvas;
    const posix::raster::FigureColours colours{0xFFFFFF, 0x0000FF};
    int n = 0;
    for (auto _ : state) {
        const int x = 64 + (n * 37) % (kWidth - 128), y = 64 + (n * 53) % (kHeight - 128);
        posix::raster::DrawEllipse(canvas.surface, canvas.all, x - 64, y - 64, x + 64, y + 64, colours);
        ++n;
    }
    benchmark::DoNotOptimize(canvas.pixels.data());
}
BENCHMARK(BM_RasterFilledEllipseRadius64);

void BM_RasterPieRadius50(benchmark::State& state) {
    Canvas canvas;
    const posix::raster::FigureColours colours{0xFFFFFF, 0x0000FF};
    for (auto _ : state) {
        posix::raster::DrawPie(canvas.surface, canvas.all, 50, 50, 150, 150, 100, 22, 178, 100, colours);
    }
    benchmark::DoNotOptimize(canvas.pixels.data());
}
BENCHMARK(BM_RasterPieRadius50);

// A circle of radius two billion around the surface: only its visible rows cost.
void BM_RasterHugeFilledEllipse(benchmark::State& state) {
    Canvas canvas;
    const posix::raster::FigureColours colours{0xFFFFFF, 0x0000FF};
    for (auto _ : state) {
        posix::raster::DrawEllipse(canvas.surface, canvas.all, -2000000000, -2000000000, 2000000000,
                                   2000000000, colours);
    }
    benchmark::DoNotOptimize(canvas.pixels.data());
}
BENCHMARK(BM_RasterHugeFilledEllipse);

}  // namespace
