// The composition picture a display shows over the window while the input
// method composes: the text in the console font at the composition point,
// the cursor bar, the highlighted segment, and clipping at the window's edges.
#include "posix_text_support.h"

#include "platform/posix/display/composition_picture.h"
#include "platform/posix/text/text_draw.h"

#include <climits>
#include <mutex>
#include <vector>

namespace {

using posix::CompositionPicture;
using posix::CompositionText;
using posix::DrawCompositionPicture;

constexpr int kClientWidth = 640, kClientHeight = 400;

// The console font is made (which takes the layer lock) before a test locks.
posix::FontFace& ConsoleFace() { return *posix::AsFont(text_test::ConsoleFont())->face; }

class CompositionPictureTest : public ::testing::Test {
protected:
    CompositionPictureTest() : face_(ConsoleFace()), lock_(posix::LayerLock()) {}
    posix::FontFace& face_;
    std::lock_guard<std::mutex> lock_;
};

// The expected look of plain composition text: the same glyphs drawn by the
// text layer, dark on light, in a cell row `width` wide. Lock held.
std::vector<uint32_t> PlainText(posix::FontFace& face, const char* utf8, int width) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * 16, 0x00ABCDEF);
    posix::Surface surface{pixels.data(), width, 16};
    posix::DrawUtf8Text(surface, RECT{0, 0, width, 16}, face, 0, 0, utf8,
                        posix::TextPaint{posix::kCompositionInk, true, posix::kCompositionBackground});
    return pixels;
}

uint32_t At(const CompositionPicture& picture, int x, int y) {
    return picture.pixels[static_cast<size_t>(y) * picture.width + x];
}

int CountInColumn(const CompositionPicture& picture, int x, uint32_t colour) {
    int count = 0;
    for (int y = 0; y < picture.height; ++y) count += At(picture, x, y) == colour;
    return count;
}

}  // namespace

TEST_F(CompositionPictureTest, TextSitsAtThePointWithTheCursorBarAfterIt) {
    const CompositionText text{"にほA", 3, 0};
    const CompositionPicture picture =
        DrawCompositionPicture(text, POINT{24, 32}, face_, kClientWidth, kClientHeight);
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(picture.x, 24);
    EXPECT_EQ(picture.y, 32);
    // Two double-width characters of 16 pixels and one of 8, then the bar and
    // a background column.
    EXPECT_EQ(picture.width, 16 + 16 + 8 + 1 + 1);
    EXPECT_EQ(picture.height, 16);

    const std::vector<uint32_t> expected = PlainText(face_, "にほA", 40);
    int ink = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 40; ++x) {
            ASSERT_EQ(At(picture, x, y), expected[static_cast<size_t>(y) * 40 + x]) << x << "," << y;
            ink += At(picture, x, y) == posix::kCompositionInk;
        }
    EXPECT_GT(ink, 40) << "the glyphs show";
    EXPECT_EQ(CountInColumn(picture, 40, posix::kCompositionInk), 16) << "the cursor bar after the text";
    EXPECT_EQ(CountInColumn(picture, 41, posix::kCompositionBackground), 16);
}

TEST_F(CompositionPictureTest, CursorInsideTheTextAndHighlightedSegment) {
    // The cursor before the second character: a bar on that cell's first column.
    const CompositionPicture withBar =
        DrawCompositionPicture(CompositionText{"にほ", 1, 0}, POINT{0, 0}, face_, 100, 100);
    ASSERT_EQ(withBar.width, 34);
    EXPECT_EQ(CountInColumn(withBar, 16, posix::kCompositionInk), 16);
    EXPECT_EQ(CountInColumn(withBar, 32, posix::kCompositionInk), 0) << "no bar at the end";

    // The segment being converted (the second character) in the highlight
    // colours, the rest as plain text, and no bar.
    const CompositionPicture converting =
        DrawCompositionPicture(CompositionText{"日本語", 1, 1}, POINT{8, 0}, face_, 100, 100);
    ASSERT_EQ(converting.width, 48 + 2);
    const std::vector<uint32_t> plain = PlainText(face_, "日本語", 48);
    int highlightInk = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 48; ++x) {
            const uint32_t pixel = At(converting, x, y);
            const uint32_t plainPixel = plain[static_cast<size_t>(y) * 48 + x];
            if (x < 16 || x >= 32) {
                ASSERT_EQ(pixel, plainPixel) << x << "," << y;
            } else {
                // The same glyph, its colours swapped for the highlight's.
                ASSERT_EQ(pixel, plainPixel == posix::kCompositionInk ? posix::kCompositionHighlightInk
                                                                      : posix::kCompositionHighlight)
                    << x << "," << y;
                highlightInk += pixel == posix::kCompositionHighlightInk;
            }
        }
    EXPECT_GT(highlightInk, 10);
    EXPECT_EQ(CountInColumn(converting, 48, posix::kCompositionBackground), 16);
}

TEST_F(CompositionPictureTest, NothingForEmptyTextOrTextOutsideTheWindow) {
    posix::FontFace& face = face_;
    EXPECT_TRUE(DrawCompositionPicture(CompositionText{}, POINT{10, 10}, face, 100, 100).Empty());
    const CompositionText text{"あ", 1, 0};
    for (const POINT at : {POINT{100, 0}, POINT{0, 100}, POINT{-18, 0}, POINT{0, -16}, POINT{INT_MAX, 0},
                           POINT{INT_MIN, 0}, POINT{0, INT_MAX}, POINT{0, INT_MIN}}) {
        const CompositionPicture picture = DrawCompositionPicture(text, at, face, 100, 100);
        EXPECT_TRUE(picture.Empty()) << at.x << "," << at.y;
        EXPECT_TRUE(picture.pixels.empty());
    }
    EXPECT_TRUE(DrawCompositionPicture(text, POINT{0, 0}, face, 0, 0).Empty());
}

TEST_F(CompositionPictureTest, ClippedAtTheWindowEdgesToTheSamePixels) {
    posix::FontFace& face = face_;
    const CompositionText text{"にほんご", 2, 0};
    const CompositionPicture whole = DrawCompositionPicture(text, POINT{0, 0}, face, 200, 100);
    ASSERT_EQ(whole.width, 66);
    ASSERT_EQ(whole.height, 16);

    struct Case {
        POINT at;
        int clientWidth, clientHeight;
    };
    // Cut at the right, the bottom, the left and the top.
    for (const Case& c : {Case{{70, 20}, 100, 100}, Case{{10, 90}, 100, 100}, Case{{-21, 5}, 100, 100},
                          Case{{5, -9}, 100, 100}}) {
        const CompositionPicture cut = DrawCompositionPicture(text, c.at, face, c.clientWidth, c.clientHeight);
        const int left = std::max<int>(c.at.x, 0), top = std::max<int>(c.at.y, 0);
        ASSERT_EQ(cut.x, left);
        ASSERT_EQ(cut.y, top);
        ASSERT_EQ(cut.width, std::min<int>(c.at.x + 66, c.clientWidth) - left);
        ASSERT_EQ(cut.height, std::min<int>(c.at.y + 16, c.clientHeight) - top);
        for (int y = 0; y < cut.height; ++y)
            for (int x = 0; x < cut.width; ++x)
                ASSERT_EQ(At(cut, x, y), At(whole, x + left - c.at.x, y + top - c.at.y))
                    << "pixel " << x << "," << y << " at " << c.at.x << "," << c.at.y;
    }
}
