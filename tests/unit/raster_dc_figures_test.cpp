// Ellipse, Arc and Pie on a memory device context: they draw with the DC's
// selected pen and brush exactly what the rasterizer draws, and refuse
// handles that are no DC.
#include "platform/platform.h"
#include "platform/posix/gdi/objects.h"
#include "platform/posix/raster/figures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kSide = 64;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class MemoryDc {
public:
    MemoryDc() {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, kSide, kSide);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        pen_ = CreatePen(PS_SOLID, 1, kRed);
        brush_ = CreateSolidBrush(kBlue);
        oldPen_ = SelectObject(dc_, pen_);
        oldBrush_ = SelectObject(dc_, brush_);
    }
    ~MemoryDc() {
        SelectObject(dc_, oldBrush_);
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBitmap_);
        DeleteObject(brush_);
        DeleteObject(pen_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    std::vector<uint32_t> Pixels() const {
        const posix::Surface& s = posix::AsBitmap(bitmap_)->surface;
        return std::vector<uint32_t>(s.pixels, s.pixels + size_t(s.width) * s.height);
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_, oldPen_, oldBrush_;
    HPEN pen_;
    HBRUSH brush_;
};

// What the rasterizer draws on a black surface of the same size.
template <typename Draw>
std::vector<uint32_t> Expected(Draw draw) {
    std::vector<uint32_t> pixels(size_t(kSide) * kSide, 0);
    posix::Surface surface{pixels.data(), kSide, kSide};
    draw(surface, RECT{0, 0, kSide, kSide});
    return pixels;
}

TEST(RasterDcFigures, DrawWithTheSelectedPenAndBrush) {
    const posix::raster::FigureColours filled{kRed, kBlue};
    {
        MemoryDc m;
        EXPECT_TRUE(Ellipse(m.Dc(), 50, 40, 10, 4));
        EXPECT_EQ(m.Pixels(), Expected([&](posix::Surface& s, const RECT& c) {
                      posix::raster::DrawEllipse(s, c, 50, 40, 10, 4, filled);
                  }));
    }
    {
        MemoryDc m;
        EXPECT_TRUE(Arc(m.Dc(), 4, 4, 60, 44, 70, 20, 0, 30));
        EXPECT_EQ(m.Pixels(), Expected([&](posix::Surface& s, const RECT& c) {
                      posix::raster::DrawArc(s, c, 4, 4, 60, 44, 70, 20, 0, 30, kRed);
                  }));
    }
    {
        MemoryDc m;
        EXPECT_TRUE(Pie(m.Dc(), -20, 4, 60, 70, 40, 0, 0, 37));
        EXPECT_EQ(m.Pixels(), Expected([&](posix::Surface& s, const RECT& c) {
                      posix::raster::DrawPie(s, c, -20, 4, 60, 70, 40, 0, 0, 37, filled);
                  }));
    }
}

TEST(RasterDcFigures, HollowBrushPaintsNoInterior) {
    MemoryDc m;
    SelectObject(m.Dc(), GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(Ellipse(m.Dc(), 10, 10, 40, 30));
    EXPECT_TRUE(Pie(m.Dc(), 10, 30, 40, 60, 60, 45, 25, 0));
    for (uint32_t p : m.Pixels()) EXPECT_TRUE(p == 0 || p == kRed);
    EXPECT_EQ(m.Pixels()[20 * kSide + 25], 0u);
}

TEST(RasterDcFigures, HandlesThatAreNoDcFail) {
    EXPECT_FALSE(Ellipse(nullptr, 0, 0, 10, 10));
    EXPECT_FALSE(Arc(nullptr, 0, 0, 10, 10, 0, 0, 0, 0));
    EXPECT_FALSE(Pie(nullptr, 0, 0, 10, 10, 0, 0, 0, 0));
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    EXPECT_FALSE(Ellipse(reinterpret_cast<HDC>(pen), 0, 0, 10, 10));
    DeleteObject(pen);
    // A figure wholly outside the surface succeeds and draws nothing.
    MemoryDc m;
    EXPECT_TRUE(Ellipse(m.Dc(), 100, 100, 200, 200));
    EXPECT_TRUE(Pie(m.Dc(), -300, -300, -100, -100, 0, 0, 0, 0));
    for (uint32_t p : m.Pixels()) EXPECT_EQ(p, 0u);
}

}  // namespace
