// Device contexts, stock objects, selection and the rectangle blits.
#include "platform/platform.h"
#include "platform/posix/gdi/objects.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A memory DC with a bitmap of its own, and direct access to the pixels.
struct MemoryCanvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ previous;

    MemoryCanvas(int width, int height) {
        bitmap = CreateCompatibleBitmap(dc, width, height);
        previous = SelectObject(dc, bitmap);
    }
    ~MemoryCanvas() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    posix::Surface& surface() { return posix::AsBitmap(bitmap)->surface; }
    uint32_t& At(int x, int y) { return surface().pixels[y * surface().width + x]; }
    std::vector<uint32_t> Copy() {
        return std::vector<uint32_t>(surface().pixels,
                                     surface().pixels + surface().width * surface().height);
    }
    void FillPattern() {
        for (int y = 0; y < surface().height; ++y)
            for (int x = 0; x < surface().width; ++x) At(x, y) = static_cast<uint32_t>(y * 1000 + x);
    }
};

template <typename T>
HGDIOBJ Obj(T handle) { return reinterpret_cast<HGDIOBJ>(handle); }

TEST(GdiObjects, StockObjectsAreSharedAndSurviveDeleteObject) {
    HGDIOBJ black = GetStockObject(BLACK_BRUSH);
    HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
    ASSERT_NE(black, nullptr);
    ASSERT_NE(hollow, nullptr);
    EXPECT_NE(black, hollow);
    EXPECT_EQ(black, GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(GetStockObject(12345), nullptr);

    EXPECT_TRUE(DeleteObject(black));
    EXPECT_TRUE(DeleteObject(hollow));
    // Still usable after the deletes: the black brush fills black.
    MemoryCanvas canvas(4, 4);
    canvas.At(1, 1) = 0x123456;
    SelectObject(canvas.dc, black);
    EXPECT_TRUE(PatBlt(canvas.dc, 0, 0, 4, 4, PATCOPY));
    EXPECT_EQ(canvas.At(1, 1), 0u);
    EXPECT_TRUE(posix::AsBrush(black)->stock);
}

TEST(GdiObjects, SelectObjectReturnsWhatItReplaced) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));

    // Fresh DCs hold the stock black pen and white brush.
    EXPECT_EQ(SelectObject(dc, red), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, green), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_BRUSH)), Obj(green));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), Obj(red));

    // A selected object cannot be deleted; once deselected it can.
    SelectObject(dc, green);
    EXPECT_FALSE(DeleteObject(green));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(DeleteObject(green));
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(GdiObjects, BitmapsBelongToOneMemoryDcAndDeleteDcReleasesThem) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(first);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 8, 8);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ original = SelectObject(first, bitmap);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap));
    // Deleting the DC with the bitmap still selected frees the bitmap for deletion.
    EXPECT_TRUE(DeleteDC(first));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(second));
}

TEST(GdiObjects, CompatibleBitmapsAreBlackAndRefuseBadSizes) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 10), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 10, -1), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 1 << 20, 1 << 20), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 10, 10), nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 37, 11);
    ASSERT_NE(bitmap, nullptr);
    posix::Surface& surface = posix::AsBitmap(bitmap)->surface;
    EXPECT_EQ(surface.width, 37);
    EXPECT_EQ(surface.height, 11);
    for (int i = 0; i < 37 * 11; ++i) ASSERT_EQ(surface.pixels[i], 0u);
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(dc);
}

TEST(GdiObjects, WrongKindsAndNullHandlesAreRefused) {
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HDC notADc = reinterpret_cast<HDC>(pen);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(nullptr, pen), nullptr);
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(dc, dc), nullptr);
    EXPECT_EQ(SelectObject(notADc, GetStockObject(BLACK_BRUSH)), nullptr);
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(DeleteObject(dc));
    EXPECT_FALSE(DeleteDC(notADc));
    EXPECT_FALSE(DeleteDC(nullptr));
    EXPECT_FALSE(PatBlt(notADc, 0, 0, 1, 1, PATCOPY));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, notADc, 0, 0, SRCCOPY));
    EXPECT_EQ(CreateCompatibleDC(notADc), nullptr);
    // Selecting a bitmap into a window DC is not possible; a DC without a
    // bitmap has nothing to draw on.
    EXPECT_FALSE(PatBlt(dc, 0, 0, 1, 1, PATCOPY));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(Blits, PatBltFillsOnlyTheClippedBoxWithTheSelectedBrush) {
    MemoryCanvas canvas(10, 6);
    canvas.FillPattern();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ old = SelectObject(canvas.dc, brush);
    std::vector<uint32_t> before = canvas.Copy();

    // Hanging off the top-left corner, and a negative width counted leftwards.
    EXPECT_TRUE(PatBlt(canvas.dc, -3, -2, 5, 4, PATCOPY));
    EXPECT_TRUE(PatBlt(canvas.dc, 10, 4, -2, 5, PATCOPY));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) {
            bool inFirst = x < 2 && y < 2;
            bool inSecond = x >= 8 && y >= 4;
            uint32_t expected = inFirst || inSecond ? RGB(1, 2, 3) : before[y * 10 + x];
            ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
        }

    // The hollow brush paints nothing; other raster operations are refused.
    before = canvas.Copy();
    SelectObject(canvas.dc, GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(PatBlt(canvas.dc, 0, 0, 10, 6, PATCOPY));
    EXPECT_FALSE(PatBlt(canvas.dc, 0, 0, 10, 6, SRCCOPY));
    EXPECT_EQ(canvas.Copy(), before);
    SelectObject(canvas.dc, old);
    DeleteObject(brush);
}

// Fills of whole screens take another path (stores that bypass the caches):
// it must start and end on exactly the pixels asked for, whatever their
// alignment.
TEST(Blits, PatBltOfAScreenFillsExactlyItsPixels) {
    constexpr int kWidth = 1921, kHeight = 1081;
    MemoryCanvas canvas(kWidth, kHeight);
    canvas.FillPattern();
    const std::vector<uint32_t> before = canvas.Copy();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ old = SelectObject(canvas.dc, brush);
    // Whole rows from (0, 1) on: one block starting one row (an odd number
    // of pixels) into the surface.
    EXPECT_TRUE(PatBlt(canvas.dc, 0, 1, kWidth, kHeight - 2, PATCOPY));
    const std::vector<uint32_t> after = canvas.Copy();
    const size_t first = kWidth, end = size_t{kWidth} * (kHeight - 1);
    for (size_t i = 0; i < after.size(); ++i) {
        ASSERT_EQ(after[i], i >= first && i < end ? RGB(1, 2, 3) : before[i]) << i;
    }
    SelectObject(canvas.dc, old);
    DeleteObject(brush);
}

// A pixel-by-pixel model of a clipped copy, for comparison.
std::vector<uint32_t> ModelCopy(const std::vector<uint32_t>& target, int tw, int th,
                                const std::vector<uint32_t>& source, int sw, int sh, int x, int y,
                                int w, int h, int sx, int sy) {
    std::vector<uint32_t> result = target;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int tx = x + i, ty = y + j, fx = sx + i, fy = sy + j;
            if (tx < 0 || ty < 0 || tx >= tw || ty >= th) continue;
            if (fx < 0 || fy < 0 || fx >= sw || fy >= sh) continue;
            result[ty * tw + tx] = source[fy * sw + fx];
        }
    return result;
}

TEST(Blits, BitBltIsClippedToBothSurfaces) {
    MemoryCanvas source(7, 5), target(9, 8);
    source.FillPattern();
    struct Case { int x, y, w, h, sx, sy; };
    for (Case c : {Case{0, 0, 7, 5, 0, 0}, Case{-2, 3, 20, 20, 0, 0}, Case{4, -1, 6, 6, -2, 1},
                   Case{8, 7, 3, 3, 6, 4}, Case{1, 1, 3, 3, 7, 0}, Case{2, 2, 0, 4, 0, 0}}) {
        target.FillPattern();
        // Make the target differ from the source so copies show.
        for (int i = 0; i < 9 * 8; ++i) target.surface().pixels[i] |= 0x00800000;
        std::vector<uint32_t> expected = ModelCopy(target.Copy(), 9, 8, source.Copy(), 7, 5, c.x, c.y, c.w, c.h, c.sx,
                             c.sy);
        EXPECT_TRUE(BitBlt(target.dc, c.x, c.y, c.w, c.h, source.dc, c.sx, c.sy, SRCCOPY));
        EXPECT_EQ(target.Copy(), expected) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
    EXPECT_FALSE(BitBlt(target.dc, 0, 0, 1, 1, source.dc, 0, 0, PATCOPY));
}

TEST(Blits, BitBltWithinOneSurfaceHandlesOverlap) {
    MemoryCanvas canvas(12, 10);
    struct Case { int x, y, sx, sy; };
    for (Case c : {Case{0, 0, 0, 2}, Case{0, 2, 0, 0}, Case{3, 0, 0, 0}, Case{0, 0, 3, 1},
                   Case{1, 3, 2, 1}}) {
        canvas.FillPattern();
        std::vector<uint32_t> before = canvas.Copy();
        std::vector<uint32_t> expected =
            ModelCopy(before, 12, 10, before, 12, 10, c.x, c.y, 9, 7, c.sx, c.sy);
        EXPECT_TRUE(BitBlt(canvas.dc, c.x, c.y, 9, 7, canvas.dc, c.sx, c.sy, SRCCOPY));
        EXPECT_EQ(canvas.Copy(), expected) << c.x << "," << c.y << " from " << c.sx << "," << c.sy;
    }
}

}  // namespace
