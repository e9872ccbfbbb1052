// A small surface for the rasterizer tests, and ways to read it back.
#pragma once
#include "platform/posix/raster/figures.h"

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

namespace raster_test {

constexpr uint32_t kPen = 0xFFFFFF;
constexpr uint32_t kBrush = 0x0000FF;
constexpr uint32_t kBackground = 0;

using Pixel = std::pair<int, int>;  // x, y

struct Canvas {
    Canvas(int width, int height, uint32_t background = kBackground)
        : width(width), height(height), pixels(size_t(width) * height, background),
          surface{pixels.data(), width, height} {}

    RECT All() const { return RECT{0, 0, width, height}; }
    uint32_t At(int x, int y) const { return pixels[size_t(y) * width + x]; }

    // Pixels of the given colour.
    std::set<Pixel> Having(uint32_t colour) const {
        std::set<Pixel> found;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (At(x, y) == colour) found.insert({x, y});
        return found;
    }
    // Pixels that are not the background.
    std::set<Pixel> Lit(uint32_t background = kBackground) const {
        std::set<Pixel> found;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (At(x, y) != background) found.insert({x, y});
        return found;
    }

    void Ellipse(int l, int t, int r, int b, bool filled = false) {
        posix::raster::DrawEllipse(surface, All(), l, t, r, b, Colours(filled));
    }
    void Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
        posix::raster::DrawArc(surface, All(), l, t, r, b, xs, ys, xe, ye, kPen);
    }
    void Pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye, bool filled = true) {
        posix::raster::DrawPie(surface, All(), l, t, r, b, xs, ys, xe, ye, Colours(filled));
    }
    static posix::raster::FigureColours Colours(bool filled) {
        return filled ? posix::raster::FigureColours{kPen, kBrush}
                      : posix::raster::FigureColours{kPen, std::nullopt};
    }

    int width;
    int height;
    std::vector<uint32_t> pixels;
    posix::Surface surface;
};

inline std::set<Pixel> Shifted(const std::set<Pixel>& pixels, int dx, int dy) {
    std::set<Pixel> moved;
    for (auto [x, y] : pixels) moved.insert({x + dx, y + dy});
    return moved;
}

}  // namespace raster_test
