// The rasterizer against reference pixels captured from the GDI reference
// renderer (Wine's GDI, driven by /work/shared/gdi-reference/figures.c):
// tests/data/raster_reference.txt holds, for some three thousand ellipses,
// arcs and sectors, a hash of the pixels that renderer drew. The data is
// regenerated with tools/rastercompare/make_fixture.py.
#include "platform/posix/raster/figures.h"
#include "raster_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#ifndef PROMPT_TEST_DATA_DIR
#define PROMPT_TEST_DATA_DIR "tests/data"
#endif

namespace {

using raster_test::Canvas;

struct ReferenceFigure {
    std::string text;
    std::string kind;
    int v[8] = {};
    bool filled = false;
    uint64_t hash = 0;
};

std::vector<ReferenceFigure> LoadReference() {
    std::vector<ReferenceFigure> figures;
    std::ifstream file(std::string(PROMPT_TEST_DATA_DIR) + "/raster_reference.txt");
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        ReferenceFigure f;
        f.text = line;
        words >> f.kind;
        const int numbers = f.kind == "ellipse" ? 4 : 8;
        for (int i = 0; i < numbers; ++i) words >> f.v[i];
        if (f.kind != "arc") {
            std::string brush;
            words >> brush;
            f.filled = brush != "null";
        }
        std::string hash;
        words >> hash;
        f.hash = std::strtoull(hash.c_str(), nullptr, 16);
        figures.push_back(f);
    }
    return figures;
}

// FNV-1a over the surface, each pixel coded 0 background, 1 pen, 2 brush, 3 other.
uint64_t Hash(const Canvas& c) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (uint32_t p : c.pixels) {
        const uint8_t code = p == 0 ? 0 : p == raster_test::kPen ? 1 : p == raster_test::kBrush ? 2 : 3;
        h = (h ^ code) * 0x100000001b3ull;
    }
    return h;
}

uint64_t Draw(const ReferenceFigure& f) {
    const int w = std::abs(f.v[2] - f.v[0]), h = std::abs(f.v[3] - f.v[1]);
    Canvas c(w + 2, h + 2);
    if (f.kind == "ellipse") c.Ellipse(f.v[0], f.v[1], f.v[2], f.v[3], f.filled);
    else if (f.kind == "arc") c.Arc(f.v[0], f.v[1], f.v[2], f.v[3], f.v[4], f.v[5], f.v[6], f.v[7]);
    else c.Pie(f.v[0], f.v[1], f.v[2], f.v[3], f.v[4], f.v[5], f.v[6], f.v[7], f.filled);
    return Hash(c);
}

TEST(RasterReference, PixelsMatchTheReferenceRenderer) {
    const std::vector<ReferenceFigure> figures = LoadReference();
    ASSERT_GT(figures.size(), 2500u) << "reference data missing";
    int differing = 0;
    for (const ReferenceFigure& f : figures) {
        if (Draw(f) != f.hash) {
            if (++differing <= 20) ADD_FAILURE() << "differs from the reference: " << f.text;
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
