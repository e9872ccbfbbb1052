// Fonts of the POSIX layer: matching a description to a font file, the cell
// metrics, text extents, and the life of fonts and their faces.
#include "posix_text_support.h"

#include "platform/posix/text/font_face.h"
#include "platform/posix/text/font_match.h"

#include <filesystem>
#include <mutex>
#include <string>

namespace {

using text_test::Canvas;
using text_test::ConsoleDescription;
using text_test::ConsoleFont;

posix::FontFace* FaceOf(HFONT font) { return posix::AsFont(font)->face; }

std::string FileName(HFONT font) {
    return std::filesystem::path(FaceOf(font)->file).filename().string();
}

SIZE Extent(HDC dc, const char* text, int length) {
    SIZE size{-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, length, &size));
    return size;
}

TEST(TextFonts, ConsoleFaceIsIpaMinchoWithSixteenPixelCells) {
    HFONT font = ConsoleFont();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(FileName(font), "ipam.ttf");

    Canvas canvas(8, 8, font);
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metrics));
    EXPECT_EQ(metrics.tmHeight, 16);
    EXPECT_EQ(metrics.tmAscent, 14);
    EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, metrics.tmHeight);
    EXPECT_EQ(metrics.tmAveCharWidth, 8);
    EXPECT_EQ(metrics.tmMaxCharWidth, 16);
    EXPECT_EQ(metrics.tmCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(metrics.tmPitchAndFamily & 1, 0) << "the variable-pitch bit must be clear";

    const SIZE space = Extent(canvas.Dc(), " ", 1);
    EXPECT_EQ(space.cx, 8);
    EXPECT_EQ(space.cy, 16);
    EXPECT_EQ(Extent(canvas.Dc(), "\x82\xA0", 2).cx, 16) << "one double-byte character";
    EXPECT_EQ(Extent(canvas.Dc(), "A\x82\xA0\x81", 4).cx, 32) << "lone lead byte at the end";
    EXPECT_EQ(Extent(canvas.Dc(), "\x81 ", 2).cx, 16) << "lead byte with a bad trail";
    EXPECT_EQ(Extent(canvas.Dc(), "\r\n\t", 3).cx, 24) << "control bytes take cells";
    EXPECT_EQ(Extent(canvas.Dc(), "", 0).cx, 0);
    SIZE unchanged{7, 7};
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.Dc(), "A", -1, &unchanged));
    EXPECT_FALSE(GetTextExtentPoint32A(nullptr, "A", 1, &unchanged));
    EXPECT_EQ(unchanged.cx, 7);
}

TEST(TextFonts, FaceNamesAreDecodedFromCodePage932AndAliased) {
    const LOGFONTA console = ConsoleDescription();
    EXPECT_EQ(posix::FaceNameUtf8(console), "ＭＳ 明朝");

    LOGFONTA unterminated = console;
    std::memset(unterminated.lfFaceName, 'M', LF_FACESIZE);
    EXPECT_EQ(posix::FaceNameUtf8(unterminated), std::string(LF_FACESIZE, 'M'));

    LOGFONTA ascii = console;
    std::strcpy(ascii.lfFaceName, "MS Mincho");
    HFONT font = CreateFontIndirectA(&ascii);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(FileName(font), "ipam.ttf");
    EXPECT_TRUE(DeleteObject(font));

    // A face nobody has still gets the best font the system offers.
    LOGFONTA unknown = console;
    std::strcpy(unknown.lfFaceName, "No Such Face");
    HFONT fallback = CreateFontIndirectA(&unknown);
    ASSERT_NE(fallback, nullptr);
    EXPECT_TRUE(DeleteObject(fallback));
}

TEST(TextFonts, HeightSignsFollowWindows) {
    for (LONG height : {12, 24, 32}) {
        LOGFONTA description = ConsoleDescription();
        description.lfHeight = -height;  // the em
        HFONT byEm = CreateFontIndirectA(&description);
        description.lfHeight = height;  // the whole cell
        HFONT byCell = CreateFontIndirectA(&description);
        ASSERT_NE(byEm, nullptr);
        ASSERT_NE(byCell, nullptr);
        TEXTMETRICA em{}, cell{};
        {
            Canvas canvas(4, 4, byEm);
            ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &em));
        }
        {
            Canvas canvas(4, 4, byCell);
            ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &cell));
        }
        EXPECT_EQ(em.tmHeight - em.tmInternalLeading, height) << "height " << height;
        EXPECT_NEAR(cell.tmHeight, height, 1) << "height " << height;
        EXPECT_EQ(em.tmAveCharWidth * 2, em.tmMaxCharWidth);
        EXPECT_TRUE(DeleteObject(byEm));
        EXPECT_TRUE(DeleteObject(byCell));
    }
}

TEST(TextFonts, FontsOfOneDescriptionShareAFaceThatOutlivesEachOfThem) {
    const LOGFONTA description = ConsoleDescription();
    HFONT first = CreateFontIndirectA(&description);
    HFONT second = CreateFontIndirectA(&description);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(FaceOf(first), FaceOf(second));
    EXPECT_EQ(FaceOf(first), FaceOf(ConsoleFont()));

    EXPECT_TRUE(DeleteObject(first));
    {
        Canvas canvas(16, 16, second);
        EXPECT_EQ(Extent(canvas.Dc(), "\x82\xA0", 2).cx, 16);
        EXPECT_TRUE(canvas.Draw(0, 0, "\x82\xA0", 2));
        EXPECT_GT(canvas.Count(0x00FFFFFF, 0, 0, 16, 16), 0);
        EXPECT_FALSE(DeleteObject(second)) << "still selected";
    }
    EXPECT_TRUE(DeleteObject(second));
}

TEST(TextFonts, TheStockFontGetsAFaceOnFirstUse) {
    Canvas canvas(8, 16, nullptr);
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metrics));
    EXPECT_NEAR(metrics.tmHeight, 16, 1);
    EXPECT_GT(metrics.tmAveCharWidth, 0);
    EXPECT_TRUE(canvas.Draw(0, 0, "W", 1));
    EXPECT_GT(canvas.Count(0x00FFFFFF, 0, 0, 8, 16), 0);
}

TEST(TextFonts, MissingOrUnusableFontsGiveNoFace) {
    FcConfig* empty = FcConfigCreate();
    EXPECT_TRUE(posix::FontCandidates(empty, ConsoleDescription()).empty());
    FcConfigDestroy(empty);

    std::lock_guard lock(posix::LayerLock());
    EXPECT_EQ(posix::AcquireFace({"/nonexistent/font.ttf", 0, true, true}, -16), nullptr);
    EXPECT_EQ(posix::AcquireFace({"/etc/passwd", 0, true, true}, -16), nullptr);
}

}  // namespace
