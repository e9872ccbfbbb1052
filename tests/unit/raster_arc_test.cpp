// Arcs and sectors: how the radial points cut the ellipse's outline, and
// how a sector closes and fills.
#include "platform/posix/raster/figures.h"
#include "raster_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

using raster_test::Canvas;
using raster_test::kBrush;
using raster_test::kPen;
using raster_test::Pixel;

// Box (50,50,150,150), centre (100,100): the Circle examples' radius 50.
constexpr int kL = 50, kT = 50, kR = 150, kB = 150;

std::set<Pixel> ArcPixels(int l, int t, int r, int b, Pixel s, Pixel e) {
    Canvas c(220, 220);
    c.Arc(l, t, r, b, s.first, s.second, e.first, e.second);
    return c.Lit();
}

std::set<Pixel> Outline(int l, int t, int r, int b) {
    Canvas c(220, 220);
    c.Ellipse(l, t, r, b);
    return c.Lit();
}

TEST(RasterArc, UpperHalfRunsCounterClockwiseFromRightToLeft) {
    const std::set<Pixel> arc = ArcPixels(kL, kT, kR, kB, {178, 100}, {22, 100});
    const std::set<Pixel> outline = Outline(kL, kT, kR, kB);
    ASSERT_FALSE(arc.empty());
    for (auto p : arc) {
        EXPECT_TRUE(outline.count(p));
        EXPECT_LT(p.second, 100);  // above the centre row: the upper half only
    }
    // The whole top of the outline is there, and the right side down to the
    // centre line: the arc's first pixel is drawn.
    for (auto p : outline) {
        if (p.second <= 90) {
            EXPECT_TRUE(arc.count(p)) << p.first << ',' << p.second;
        }
    }
    EXPECT_TRUE(arc.count({149, 99}));
}

// Two arcs between the same radials in opposite directions share no pixel
// and together miss exactly two outline pixels: the last pixel of each. An
// arc that ends on the positive x axis of a box of odd height is the
// exception: it runs through the axis pixel, which the other arc begins
// with, so only one pixel is missed.
TEST(RasterArc, OppositeArcsMissOnlyTheirLastPixels) {
    const std::vector<Pixel> radials = {{178, 100}, {100, 22}, {22, 100}, {100, 178}, {170, 40},
                                        {37, 60},   {140, 178}, {178, 161}, {60, 22}};
    for (auto [l, t, r, b] : {std::array{kL, kT, kR, kB}, std::array{60, 70, 141, 131}, std::array{40, 80, 161, 120}}) {
        const std::set<Pixel> outline = Outline(l, t, r, b);
        for (size_t i = 0; i < radials.size(); ++i) {
            for (size_t j = i + 1; j < radials.size(); ++j) {
                SCOPED_TRACE(testing::Message() << l << ',' << t << ' ' << i << ' ' << j);
                const std::set<Pixel> there = ArcPixels(l, t, r, b, radials[i], radials[j]);
                const std::set<Pixel> back = ArcPixels(l, t, r, b, radials[j], radials[i]);
                std::vector<Pixel> both;
                std::set_intersection(there.begin(), there.end(), back.begin(), back.end(),
                                      std::back_inserter(both));
                EXPECT_TRUE(both.empty());
                const bool throughAxis = (b - t) % 2 == 1 && (i == 0 || j == 0);
                EXPECT_EQ(there.size() + back.size() + (throughAxis ? 1 : 2), outline.size());
                for (auto p : there) EXPECT_TRUE(outline.count(p));
                for (auto p : back) EXPECT_TRUE(outline.count(p));
            }
        }
    }
}

TEST(RasterArc, RadialsOnTheCentreAndCoincidingRadials) {
    const std::set<Pixel> outline = Outline(kL, kT, kR, kB);
    // An end radial at the centre closes the turn like one along the
    // positive x axis; a start radial at the centre starts there.
    EXPECT_EQ(ArcPixels(kL, kT, kR, kB, {100, 22}, {100, 100}),
              ArcPixels(kL, kT, kR, kB, {100, 22}, {178, 100}));
    EXPECT_EQ(ArcPixels(kL, kT, kR, kB, {100, 100}, {100, 22}),
              ArcPixels(kL, kT, kR, kB, {178, 100}, {100, 22}));
    // Coinciding radials go all the way round; the arc still leaves its last
    // pixel out.
    for (Pixel r : {Pixel{178, 100}, Pixel{130, 40}, Pixel{100, 178}, Pixel{100, 100}}) {
        const std::set<Pixel> round = ArcPixels(kL, kT, kR, kB, r, r);
        EXPECT_EQ(round.size() + 1, outline.size()) << r.first << ',' << r.second;
        for (auto p : round) EXPECT_TRUE(outline.count(p));
    }
    // Only the direction of a radial point matters, not its distance.
    EXPECT_EQ(ArcPixels(kL, kT, kR, kB, {130, 70}, {70, 130}),
              ArcPixels(kL, kT, kR, kB, {200, 0}, {0, 200}));
}

TEST(RasterPie, ThreeQuartersOfTheDiscFromTheTop) {
    Canvas c(220, 220);
    c.Pie(kL, kT, kR, kB, 100, 22, 178, 100);
    // Sides: from the centre straight up and straight to the right.
    for (int y = 52; y <= 100; ++y) EXPECT_EQ(c.At(100, y), kPen) << y;
    for (int x = 100; x <= 147; ++x) EXPECT_EQ(c.At(x, 100), kPen) << x;
    // The upper right quarter is left out; the other three are painted.
    EXPECT_EQ(c.At(125, 75), 0u);
    EXPECT_EQ(c.At(75, 75), kBrush);
    EXPECT_EQ(c.At(75, 125), kBrush);
    EXPECT_EQ(c.At(125, 125), kBrush);
    // The pen's outline with the arc's pixels, and nothing outside the box.
    for (auto [x, y] : c.Lit()) {
        EXPECT_TRUE(x >= kL && x < kR && y >= kT && y < kB) << x << ',' << y;
    }
}

TEST(RasterPie, SidesMeetAtTheWholeNumberCentre) {
    for (auto [l, t, r, b] : {std::array{10, 10, 31, 31}, std::array{10, 10, 30, 30}, std::array{10, 20, 51, 29},
                              std::array{-11, -9, 30, 32}}) {
        Canvas c(60, 60);
        const int cx = (l + r) / 2, cy = (t + b) / 2;  // the boxes sum to even or positive
        c.Pie(l, t, r, b, cx + 40, cy + 3, cx - 40, cy - 17, false);
        EXPECT_EQ(c.At(cx, cy), kPen) << l << ',' << t;
        EXPECT_TRUE(c.Having(kBrush).empty());
    }
}

TEST(RasterPie, BrushStaysInsideThePen) {
    for (auto [xs, ys, xe, ye] : {std::array{178, 100, 100, 22}, std::array{100, 22, 178, 100},
                                  std::array{140, 178, 60, 22}, std::array{170, 99, 170, 101},
                                  std::array{170, 101, 170, 99}}) {
        Canvas hollow(220, 220), filled(220, 220);
        hollow.Pie(kL, kT, kR, kB, xs, ys, xe, ye, false);
        filled.Pie(kL, kT, kR, kB, xs, ys, xe, ye, true);
        SCOPED_TRACE(testing::Message() << xs << ',' << ys << ' ' << xe << ',' << ye);
        EXPECT_EQ(filled.Having(kPen), hollow.Lit());
        const std::set<Pixel> all = filled.Lit();
        for (auto [x, y] : filled.Having(kBrush)) {
            for (Pixel n : {Pixel{x + 1, y}, Pixel{x - 1, y}, Pixel{x, y + 1}, Pixel{x, y - 1}})
                EXPECT_TRUE(all.count(n)) << x << ',' << y;
        }
    }
}

}  // namespace
