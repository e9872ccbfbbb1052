// Indexing that skips what a view knows to be black must give the palette
// and scanlines of reading every pixel.
#include "tools/capture/png_palette.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A picture black outside `box`, with `colours` colours (black among them)
// scattered inside it.
Picture PictureDrawnIn(int32_t width, int32_t height, PixelBox box, int colours, std::mt19937& generator) {
    Picture picture{width, height, std::vector<uint32_t>(static_cast<std::size_t>(width) * height, 0)};
    for (int32_t y = std::max(box.top, 0); y < std::min(box.bottom, height); ++y)
        for (int32_t x = std::max(box.left, 0); x < std::min(box.right, width); ++x)
            if (generator() % 3 == 0) picture.pixels[static_cast<std::size_t>(y) * width + x] = 0x10101u * (generator() % colours);
    return picture;
}

TEST(IndexPixels, ReadingOnlyTheDrawnPartGivesTheSameResult) {
    std::mt19937 generator(5);
    const PixelBox boxes[] = {{3, 2, 8, 5}, {0, 0, 9, 7}, {1, 1, 2, 2}, {0, 0, 0, 0}, {-5, -5, 100, 100}, {4, 6, 4, 9}};
    for (int32_t width : {1, 8, 9, 17}) {
        for (const PixelBox& box : boxes) {
            for (int colours : {2, 16, 17, 200}) {
                const Picture picture = PictureDrawnIn(width, 7, box, colours, generator);
                PixelView whole = ViewOf(picture), part = ViewOf(picture);
                part.drawn = box;
                std::vector<uint32_t> wholePalette, partPalette;
                std::vector<uint8_t> wholeRows, partRows;
                const int wholeDepth = IndexPixels(whole, wholePalette, wholeRows);
                ASSERT_EQ(IndexPixels(part, partPalette, partRows), wholeDepth) << width << " " << colours;
                EXPECT_EQ(partPalette, wholePalette);
                EXPECT_EQ(partRows, wholeRows) << width << " " << colours;
            }
        }
    }
}

}  // namespace
