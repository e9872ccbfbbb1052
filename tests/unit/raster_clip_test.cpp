// Clipping and extreme arguments: a figure drawn through a clip rectangle is
// exactly the visible part of the whole figure, and boxes or radial points
// anywhere in the 32-bit range draw only what is visible.
#include "platform/posix/raster/figures.h"
#include "raster_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>

namespace {

using raster_test::Canvas;
using raster_test::kBrush;
using raster_test::kPen;

constexpr uint32_t kUntouched = 0x00ABCDEF;

using Figure = std::function<void(posix::Surface&, const RECT&)>;

std::vector<std::pair<const char*, Figure>> SomeFigures() {
    const posix::raster::FigureColours filled{kPen, kBrush};
    return {
        {"ellipse", [=](posix::Surface& s, const RECT& c) { posix::raster::DrawEllipse(s, c, 5, 8, 90, 70, filled); }},
        {"small ellipse", [=](posix::Surface& s, const RECT& c) { posix::raster::DrawEllipse(s, c, 38, 28, 42, 32, filled); }},
        {"arc", [=](posix::Surface& s, const RECT& c) { posix::raster::DrawArc(s, c, 5, 8, 91, 71, 100, 10, 0, 90, kPen); }},
        {"pie", [=](posix::Surface& s, const RECT& c) { posix::raster::DrawPie(s, c, 5, 8, 90, 70, 47, -100, 100, 40, filled); }},
        {"wide pie", [=](posix::Surface& s, const RECT& c) { posix::raster::DrawPie(s, c, -30, 10, 130, 61, 0, 0, 0, 60, filled); }},
    };
}

TEST(RasterClip, ClippedFigureIsTheVisiblePartOfTheWholeOne) {
    const std::array<RECT, 5> clips = {RECT{0, 0, 100, 80}, RECT{20, 15, 60, 50}, RECT{-50, -50, 30, 200},
                                       RECT{41, 0, 42, 80}, RECT{90, 70, 300, 300}};
    for (const auto& [name, draw] : SomeFigures()) {
        Canvas whole(100, 80, kUntouched);
        draw(whole.surface, whole.All());
        for (const RECT& clip : clips) {
            SCOPED_TRACE(testing::Message() << name << " clip " << clip.left << ',' << clip.top << ','
                                            << clip.right << ',' << clip.bottom);
            Canvas clipped(100, 80, kUntouched);
            draw(clipped.surface, clip);
            for (int y = 0; y < 80; ++y) {
                for (int x = 0; x < 100; ++x) {
                    const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
                    ASSERT_EQ(clipped.At(x, y), inside ? whole.At(x, y) : kUntouched) << x << ',' << y;
                }
            }
        }
    }
}

// Figures far larger than the surface. Drawing them touches only the
// surface's pixels (any stray write would land outside the buffer and be
// caught by the sanitizers; the clip sentinel catches writes outside the
// clip), and what is visible makes sense.
TEST(RasterClip, HugeBoxesDrawOnlyWhatIsVisible) {
    const RECT clip{1, 1, 63, 47};
    const posix::raster::FigureColours filled{kPen, kBrush};
    auto onlyInsideClip = [&](const Canvas& c) {
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) {
                    EXPECT_EQ(c.At(x, y), kUntouched) << x << ',' << y;
                }
            }
        }
    };

    // A circle of radius two billion around the surface: all interior.
    Canvas around(64, 48, kUntouched);
    posix::raster::DrawEllipse(around.surface, clip, -2000000000, -2000000000, 2000000000, 2000000000, filled);
    onlyInsideClip(around);
    EXPECT_EQ(around.Having(kBrush).size(), size_t(62 * 46));

    // The whole 32-bit range, and boxes with corners at both ends of it.
    for (auto [l, t, r, b] : {std::array{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, std::array{INT_MAX, INT_MAX, INT_MIN, INT_MIN},
                              std::array{INT_MIN, 0, INT_MAX, 40}, std::array{-1, INT_MIN, 60, INT_MAX},
                              std::array{INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX}, std::array{INT_MIN, INT_MIN, INT_MIN + 9, INT_MIN + 9}}) {
        SCOPED_TRACE(testing::Message() << l << ',' << t << ',' << r << ',' << b);
        Canvas c(64, 48, kUntouched);
        posix::raster::DrawEllipse(c.surface, clip, l, t, r, b, filled);
        posix::raster::DrawArc(c.surface, clip, l, t, r, b, INT_MIN, INT_MAX, INT_MAX, INT_MIN, kPen);
        posix::raster::DrawPie(c.surface, clip, l, t, r, b, 0, 0, INT_MIN, 7, filled);
        posix::raster::DrawPie(c.surface, clip, l, t, r, b, 32, 24, 32, 24, filled);
        onlyInsideClip(c);
    }

    // A band across the surface: the ellipse (INT_MIN, 0, INT_MAX, 40) is
    // flat there, so its middle rows are interior and its top and bottom
    // rows outline.
    Canvas band(64, 48, kUntouched);
    posix::raster::DrawEllipse(band.surface, clip, INT_MIN, 0, INT_MAX, 40, filled);
    EXPECT_EQ(band.At(30, 20), kBrush);
    EXPECT_EQ(band.At(30, 1), kBrush);
    EXPECT_EQ(band.At(30, 39), kPen);
    EXPECT_EQ(band.At(30, 40), kUntouched);

    // A sector of a huge circle: the sides run from a far-away centre.
    Canvas sector(64, 48, kUntouched);
    posix::raster::DrawPie(sector.surface, clip, -1000000000, -1000000000, 1000000064, 1000000048, 32, 24,
                           INT_MAX, 24, filled);
    onlyInsideClip(sector);
    EXPECT_FALSE(sector.Having(kBrush).empty());
}

}  // namespace
