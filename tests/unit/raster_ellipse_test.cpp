// The ellipse rasterizer against the platform's known pixel rules.
#include "platform/posix/raster/figures.h"
#include "raster_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using raster_test::Canvas;
using raster_test::kBrush;
using raster_test::kPen;
using raster_test::Pixel;

std::set<Pixel> Cell(int x0, int y0, int x1, int y1) {
    std::set<Pixel> cell;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) cell.insert({x, y});
    return cell;
}

TEST(RasterEllipse, RadiusTwoCircleIsItsCellWithoutCorners) {
    Canvas outline(200, 200);
    outline.Ellipse(98, 98, 102, 102);
    // The cell's border without its corners: the centre stays unlit.
    std::set<Pixel> expected = Cell(98, 98, 101, 101);
    for (Pixel gone : {Pixel{98, 98}, Pixel{101, 98}, Pixel{98, 101}, Pixel{101, 101}, Pixel{99, 99},
                       Pixel{100, 99}, Pixel{99, 100}, Pixel{100, 100}})
        expected.erase(gone);
    EXPECT_EQ(outline.Lit(), expected);
    EXPECT_EQ(outline.Having(kPen), expected);

    Canvas filled(200, 200);
    filled.Ellipse(98, 98, 102, 102, true);
    EXPECT_EQ(filled.Having(kPen), expected);
    EXPECT_EQ(filled.Having(kBrush), Cell(99, 99, 100, 100));
}

TEST(RasterEllipse, TinyAndEmptyBoxes) {
    auto drawn = [](int l, int t, int r, int b, bool filled) {
        Canvas c(40, 40);
        c.Ellipse(l, t, r, b, filled);
        return c;
    };
    // Nothing for a box without area or a single pixel.
    for (auto [l, t, r, b] : {std::array{10, 10, 10, 20}, std::array{10, 10, 20, 10},
                              std::array{10, 10, 11, 11}, std::array{10, 10, 10, 10}}) {
        EXPECT_TRUE(drawn(l, t, r, b, true).Lit().empty()) << l << ',' << t << ',' << r << ',' << b;
    }
    // Two pixels or less across: a solid block in the pen colour.
    EXPECT_EQ(drawn(10, 10, 12, 12, true).Having(kPen), Cell(10, 10, 11, 11));
    EXPECT_EQ(drawn(10, 10, 12, 17, true).Having(kPen), Cell(10, 10, 11, 16));
    EXPECT_EQ(drawn(10, 10, 19, 11, true).Having(kPen), Cell(10, 10, 18, 10));
    EXPECT_EQ(drawn(10, 10, 11, 14, false).Lit(), Cell(10, 10, 10, 13));
    // Three by three: a diamond of four pixels around one of brush.
    EXPECT_EQ(drawn(10, 10, 13, 13, true).Having(kPen),
              (std::set<Pixel>{{11, 10}, {10, 11}, {12, 11}, {11, 12}}));
    EXPECT_EQ(drawn(10, 10, 13, 13, true).Having(kBrush), (std::set<Pixel>{{11, 11}}));
}

TEST(RasterEllipse, CornersInAnyOrderGiveTheSameFigure) {
    for (auto [l, t, r, b] : {std::array{5, 7, 26, 18}, std::array{3, 3, 40, 41}, std::array{6, 2, 9, 30}}) {
        Canvas ordered(50, 50);
        ordered.Ellipse(l, t, r, b, true);
        for (auto [a, c, d, e] : {std::array{r, b, l, t}, std::array{r, t, l, b}, std::array{l, b, r, t}}) {
            Canvas reversed(50, 50);
            reversed.Ellipse(a, c, d, e, true);
            EXPECT_EQ(reversed.pixels, ordered.pixels) << a << ',' << c << ',' << d << ',' << e;
        }
    }
}

// Every box from 3x3 to 40x40: the figure lies within columns left..right-1
// and rows top..bottom-1, reaches the box's left and right edges, is
// symmetric about both axes, and the brush covers exactly the pixels the pen
// encloses.
TEST(RasterEllipse, ShapeRulesForAllSmallBoxes) {
    for (int w = 3; w <= 40; ++w) {
        for (int h = 3; h <= 40; ++h) {
            SCOPED_TRACE(testing::Message() << w << 'x' << h);
            Canvas outline(w + 4, h + 4), filled(w + 4, h + 4);
            outline.Ellipse(2, 2, 2 + w, 2 + h);
            filled.Ellipse(2, 2, 2 + w, 2 + h, true);
            const std::set<Pixel> pen = outline.Lit();
            ASSERT_EQ(filled.Having(kPen), pen);
            const std::set<Pixel> brush = filled.Having(kBrush);
            const std::set<Pixel> all = filled.Lit();

            const auto [minX, maxX] = std::minmax_element(pen.begin(), pen.end());
            EXPECT_EQ(minX->first, 2);
            int right = 0, top = h + 4, bottom = 0;
            for (auto [x, y] : all) {
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                EXPECT_TRUE(all.count({w + 3 - x, y}) && all.count({x, h + 3 - y})) << x << ',' << y;
            }
            EXPECT_EQ(right, w + 1);
            EXPECT_GE(top, 2);
            EXPECT_LE(bottom, h + 1);
            if (h <= w) {
                EXPECT_EQ(top, 2);  // only tall, thin ellipses stop short of their box
            }
            for (auto [x, y] : brush) {  // the brush never touches the outside
                for (Pixel n : {Pixel{x + 1, y}, Pixel{x - 1, y}, Pixel{x, y + 1}, Pixel{x, y - 1}})
                    EXPECT_TRUE(all.count(n)) << x << ',' << y;
            }
            for (auto [x, y] : pen) {  // and the pen is the figure's edge
                bool edge = false;
                for (Pixel n : {Pixel{x + 1, y}, Pixel{x - 1, y}, Pixel{x, y + 1}, Pixel{x, y - 1}})
                    edge = edge || !all.count(n);
                EXPECT_TRUE(edge) << x << ',' << y;
            }
        }
    }
}

TEST(RasterEllipse, HollowBrushLeavesTheInteriorAsItWas) {
    Canvas canvas(60, 60, 0x123456);
    canvas.Ellipse(10, 10, 50, 40);
    EXPECT_EQ(canvas.At(30, 25), 0x123456u);
    EXPECT_EQ(canvas.At(10, 25), kPen);
    EXPECT_EQ(canvas.At(49, 25), kPen);
    EXPECT_EQ(canvas.At(50, 25), 0x123456u);  // the right edge of the box is excluded
}

}  // namespace
