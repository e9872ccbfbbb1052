// Text drawing of the POSIX layer: TextOutA's glyphs, backgrounds, double-byte
// characters, damaged Shift-JIS, clipping, and the text attributes.
#include "posix_text_support.h"

#include "platform/posix/text/text_draw.h"

#include <climits>
#include <mutex>
#include <vector>

namespace {

using text_test::Canvas;
using text_test::ConsoleFont;
using text_test::kUntouched;

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;
constexpr uint32_t kBlue = 0x00FF0000;

// The positions of `colour` inside a rectangle, relative to its top-left.
std::vector<bool> Mask(const Canvas& canvas, uint32_t colour, int left, int top, int width, int height) {
    std::vector<bool> mask;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) mask.push_back(canvas.At(x, y) == colour);
    return mask;
}

int Ink(const std::vector<bool>& mask) {
    int count = 0;
    for (bool lit : mask) count += lit;
    return count;
}

TEST(TextDrawing, OneCharacterStaysInsideItsCellOnAnOpaqueBackground) {
    Canvas canvas(48, 48, ConsoleFont());
    ASSERT_TRUE(canvas.Draw(10, 20, "A", 1, kWhite, kBlack));
    const int ink = canvas.Count(kWhite, 10, 20, 18, 36);
    EXPECT_GT(ink, 10);
    EXPECT_EQ(ink + canvas.Count(kBlack, 10, 20, 18, 36), 8 * 16) << "cell: glyph or background";
    EXPECT_EQ(canvas.Count(kUntouched, 0, 0, 48, 48), 48 * 48 - 8 * 16) << "nothing outside the cell";

    // The high byte of a colour is not part of the pixel.
    canvas.Clear();
    ASSERT_TRUE(canvas.Draw(10, 20, "A", 1, 0x010000FF, 0x0200FF00));
    EXPECT_EQ(canvas.Count(0x000000FF, 10, 20, 18, 36), ink);
    EXPECT_EQ(canvas.Count(0x0000FF00, 10, 20, 18, 36), 8 * 16 - ink);
}

TEST(TextDrawing, TransparentTextLeavesTheBackgroundAndDrawsTheSameGlyph) {
    Canvas canvas(32, 16, ConsoleFont());
    ASSERT_TRUE(canvas.Draw(0, 0, "Kg", 2, kWhite, kBlue));
    const std::vector<bool> opaque = Mask(canvas, kWhite, 0, 0, 16, 16);
    EXPECT_EQ(canvas.Count(kBlue, 0, 0, 16, 16), 256 - Ink(opaque));

    canvas.Clear();
    ASSERT_TRUE(canvas.Draw(0, 0, "Kg", 2, kWhite, CLR_INVALID));
    EXPECT_EQ(Mask(canvas, kWhite, 0, 0, 16, 16), opaque);
    EXPECT_EQ(canvas.Count(kUntouched, 0, 0, 16, 16), 256 - Ink(opaque));
    EXPECT_EQ(canvas.Count(kBlue, 0, 0, 32, 16), 0);
}

TEST(TextDrawing, DoubleByteCharacterIsOneFullWidthGlyph) {
    Canvas canvas(40, 16, ConsoleFont());
    ASSERT_TRUE(canvas.Draw(4, 0, "\x82\xA0", 2, kWhite, kBlack));  // HIRAGANA LETTER A
    EXPECT_GT(canvas.Count(kWhite, 4, 0, 12, 16), 5) << "ink in the left half";
    EXPECT_GT(canvas.Count(kWhite, 12, 0, 20, 16), 5) << "ink in the right half";
    EXPECT_EQ(canvas.Count(kUntouched, 4, 0, 20, 16), 0);
    EXPECT_EQ(canvas.Count(kUntouched, 0, 0, 40, 16), 40 * 16 - 16 * 16);
    const std::vector<bool> whole = Mask(canvas, kWhite, 4, 0, 16, 16);

    // The same bytes drawn one at a time are something else: two boxes.
    canvas.Clear();
    ASSERT_TRUE(canvas.Draw(4, 0, "\x82", 1, kWhite, kBlack));
    ASSERT_TRUE(canvas.Draw(12, 0, "\xA0", 1, kWhite, kBlack));
    EXPECT_NE(Mask(canvas, kWhite, 4, 0, 16, 16), whole);

    // A vendor extension (NEC's circled digit one) has a glyph; an unassigned
    // code with a valid trail byte is one full-width box.
    canvas.Clear();
    ASSERT_TRUE(canvas.Draw(0, 0, "\x87\x40\x85\x40", 4, kWhite, kBlack));
    const std::vector<bool> circledOne = Mask(canvas, kWhite, 0, 0, 16, 16);
    const std::vector<bool> unassigned = Mask(canvas, kWhite, 16, 0, 16, 16);
    EXPECT_GT(Ink(circledOne), 10);
    EXPECT_GT(Ink(unassigned), 10);
    EXPECT_NE(circledOne, unassigned);
    EXPECT_GT(canvas.Count(kWhite, 28, 0, 32, 16), 0) << "the box spans both cells";
}

TEST(TextDrawing, DamagedShiftJisDrawsFallbacksOneCellPerByte) {
    Canvas canvas(40, 16, ConsoleFont());
    // A lone lead byte at the end.
    ASSERT_TRUE(canvas.Draw(0, 0, "A\x81", 2, kWhite, kBlack));
    EXPECT_GT(canvas.Count(kWhite, 8, 0, 16, 16), 0) << "fallback for the lead byte";
    EXPECT_EQ(canvas.Count(kUntouched, 0, 0, 16, 16), 0);
    EXPECT_EQ(canvas.Count(kUntouched, 16, 0, 40, 16), 24 * 16);
    const std::vector<bool> fallback = Mask(canvas, kWhite, 8, 0, 8, 16);

    // A lead byte whose next byte cannot be a trail byte: the fallback, then
    // the space on its own.
    canvas.Clear();
    ASSERT_TRUE(canvas.Draw(0, 0, "\x81 ", 2, kWhite, kBlack));
    EXPECT_EQ(Mask(canvas, kWhite, 0, 0, 8, 16), fallback);
    EXPECT_EQ(canvas.Count(kBlack, 8, 0, 16, 16), 8 * 16);

    // The length ends the text even inside a double-byte character.
    canvas.Clear();
    ASSERT_TRUE(canvas.Draw(0, 0, "\x82\xA0", 1, kWhite, kBlack));
    EXPECT_EQ(Mask(canvas, kWhite, 0, 0, 8, 16), fallback);
    EXPECT_EQ(canvas.Count(kUntouched, 8, 0, 40, 16), 32 * 16);
}

TEST(TextDrawing, ControlBytesTakeTheirCellsAndPushLaterGlyphsOn) {
    Canvas canvas(48, 16, ConsoleFont());
    ASSERT_TRUE(canvas.Draw(0, 0, "A", 1, kWhite, kBlack));
    const std::vector<bool> alone = Mask(canvas, kWhite, 0, 0, 8, 16);
    canvas.Clear();
    ASSERT_TRUE(canvas.Draw(0, 0, "\r\n\tA", 4, kWhite, kBlack));
    EXPECT_EQ(Mask(canvas, kWhite, 24, 0, 8, 16), alone);
    EXPECT_EQ(canvas.Count(kUntouched, 0, 0, 32, 16), 0);
    EXPECT_EQ(canvas.Count(kUntouched, 32, 0, 48, 16), 16 * 16);
}

TEST(TextDrawing, Byte5CIsABackslash) {
    Canvas canvas(16, 16, ConsoleFont());
    ASSERT_TRUE(canvas.Draw(0, 0, "\x5C", 1, kWhite, kBlack));
    // A backslash falls from top left to bottom right: the ink of its upper
    // rows lies left of the ink of its lower rows. A yen sign is symmetric.
    double upperSum = 0, lowerSum = 0;
    int upper = 0, lower = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) {
            if (canvas.At(x, y) != kWhite) continue;
            (y < 8 ? upperSum : lowerSum) += x;
            ++(y < 8 ? upper : lower);
        }
    ASSERT_GT(upper, 0);
    ASSERT_GT(lower, 0);
    EXPECT_LT(upperSum / upper + 2, lowerSum / lower);
}

TEST(TextDrawing, Utf8TextUsesTheSameCellsAndGlyphs) {
    Canvas canvas(48, 16, ConsoleFont());
    ASSERT_TRUE(canvas.Draw(0, 0, "\x82\xA0" "A\x82\xA2", 5, kWhite, kBlack));  // あAい
    const std::vector<bool> fromCodePage = Mask(canvas, kWhite, 0, 0, 48, 16);
    canvas.Clear();
    std::lock_guard lock(posix::LayerLock());
    posix::FontFace& face = *posix::AsFont(ConsoleFont())->face;
    EXPECT_EQ(posix::Utf8TextWidth(face, "あAい"), 40);
    EXPECT_EQ(posix::Utf8TextWidth(face, "\xFF" "A"), 16) << "an ill-formed byte takes one cell";
    posix::Surface& surface = posix::AsDc(canvas.Dc())->bitmap->surface;
    const RECT touched = posix::DrawUtf8Text(surface, RECT{0, 0, 48, 16}, face, 0, 0, "あAい",
                                             posix::TextPaint{kWhite, true, kBlack});
    EXPECT_EQ(touched.right - touched.left, 40);
    EXPECT_EQ(touched.bottom - touched.top, 16);
    EXPECT_EQ(Mask(canvas, kWhite, 0, 0, 48, 16), fromCodePage);
}

TEST(TextDrawing, DrawingIsClippedToTheSurfaceAndTheClipRectangle) {
    const char text[] = "\x82\xA0W";
    Canvas reference(64, 64, ConsoleFont());
    ASSERT_TRUE(reference.Draw(20, 20, text, 3, kWhite, kBlue));

    // Small surfaces cut the same text at every edge; what remains matches.
    for (const POINT at : {POINT{-5, -7}, POINT{6, 2}, POINT{-20, 3}, POINT{2, -12}}) {
        Canvas small(12, 10, ConsoleFont());
        ASSERT_TRUE(small.Draw(at.x, at.y, text, 3, kWhite, kBlue));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x)
                ASSERT_EQ(small.At(x, y), reference.At(x - at.x + 20, y - at.y + 20))
                    << "pixel " << x << "," << y << " text at " << at.x << "," << at.y;
    }

    // Text far outside the surface draws nothing and does not overflow.
    Canvas canvas(24, 16, ConsoleFont());
    for (const POINT at : {POINT{INT_MIN, 0}, POINT{INT_MAX - 4, 0}, POINT{0, INT_MAX}, POINT{0, INT_MIN}})
        ASSERT_TRUE(canvas.Draw(at.x, at.y, text, 3, kWhite, kBlue));
    EXPECT_EQ(canvas.Count(kUntouched, 0, 0, 24, 16), 24 * 16);

    // A clip rectangle (as a paint sets) limits the drawing further.
    {
        std::lock_guard lock(posix::LayerLock());
        posix::DeviceContext* dc = posix::AsDc(canvas.Dc());
        dc->hasClip = true;
        dc->clip = RECT{4, 2, 10, 12};
    }
    ASSERT_TRUE(canvas.Draw(0, 0, text, 3, kWhite, kBlue));
    EXPECT_EQ(canvas.Count(kUntouched, 0, 0, 24, 16), 24 * 16 - 6 * 10);
    for (int y = 2; y < 12; ++y)
        for (int x = 4; x < 10; ++x) ASSERT_EQ(canvas.At(x, y), reference.At(x + 20, y + 20));
}

TEST(TextDrawing, AttributesReturnThePreviousValue) {
    Canvas canvas(8, 16, ConsoleFont());
    HDC dc = canvas.Dc();
    SetTextColor(dc, 0x00010203);
    EXPECT_EQ(SetTextColor(dc, 0x00040506), 0x00010203u);
    EXPECT_EQ(SetTextColor(dc, 0), 0x00040506u);
    SetBkColor(dc, 0x00070809);
    EXPECT_EQ(SetBkColor(dc, 0), 0x00070809u);
    SetBkMode(dc, TRANSPARENT);
    EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT);
    EXPECT_EQ(SetBkMode(dc, 3), 0) << "an unknown mode is refused";
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetTextColor(nullptr, 0), CLR_INVALID);
    EXPECT_EQ(SetBkColor(nullptr, 0), CLR_INVALID);
    EXPECT_EQ(SetBkMode(nullptr, OPAQUE), 0);
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "A", 1));
    EXPECT_FALSE(TextOutA(dc, 0, 0, "A", -1));
    EXPECT_TRUE(TextOutA(dc, 0, 0, nullptr, 0));
}

}  // namespace
