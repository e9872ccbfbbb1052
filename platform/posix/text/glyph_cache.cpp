// Rendering glyphs once per face and character: FreeType's monochrome
// rasteriser with hinting for monochrome output and without the font's
// embedded bitmaps, unpacked to one byte per pixel for quick drawing.
#include "platform/posix/text/font_face.h"

#include <algorithm>

namespace posix {
namespace {

constexpr FT_Int32 kLoadFlags = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME | FT_LOAD_NO_BITMAP;

bool InkAt(const FT_Bitmap& bitmap, const unsigned char* row, unsigned column) {
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return (row[column >> 3] >> (7 - (column & 7))) & 1;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) return row[column] >= 128;
    return false;
}

// Rows flow downwards for a positive pitch; for a negative one the buffer
// starts with the bottom row.
const unsigned char* BitmapRow(const FT_Bitmap& bitmap, unsigned row) {
    if (bitmap.pitch >= 0) return bitmap.buffer + static_cast<size_t>(row) * bitmap.pitch;
    return bitmap.buffer + static_cast<size_t>(bitmap.rows - 1 - row) * static_cast<size_t>(-bitmap.pitch);
}

Glyph Render(FontFace& face, char32_t codePoint) {
    Glyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face.ft, codePoint);
    if (index == 0) return glyph;
    glyph.present = true;
    if (FT_Load_Glyph(face.ft, index, kLoadFlags) != 0) return glyph;
    const FT_GlyphSlot slot = face.ft->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = face.ascent - slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.ink.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* bits = BitmapRow(bitmap, row);
        for (unsigned column = 0; column < bitmap.width; ++column)
            glyph.ink[static_cast<size_t>(row) * glyph.width + column] = InkAt(bitmap, bits, column);
    }
    return glyph;
}

// The glyph reflected left to right within a cell `cellWidth` pixels wide.
Glyph Mirrored(const Glyph& glyph, int cellWidth) {
    Glyph mirrored = glyph;
    mirrored.left = cellWidth - (glyph.left + glyph.width);
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            mirrored.ink[static_cast<size_t>(y) * glyph.width + x] =
                glyph.ink[static_cast<size_t>(y) * glyph.width + (glyph.width - 1 - x)];
    return mirrored;
}

// Japanese fonts (the IPA faces among them) draw U+005C as a yen sign, after
// JIS Roman, and have no half-width backslash at all. Byte 0x5C of this
// console is the backslash, so those faces show it as their solidus mirrored.
Glyph RenderCharacter(FontFace& face, char32_t codePoint) {
    if (codePoint == U'\\' && face.japanese) {
        const Glyph solidus = Render(face, U'/');
        if (solidus.present) return Mirrored(solidus, face.halfWidth);
    }
    return Render(face, codePoint);
}

// A rectangle outline inside `cells` cells, from an eighth of the cell below
// its top down to the baseline, one pixel in from the sides.
Glyph HollowBox(const FontFace& face, int cells) {
    Glyph box;
    box.present = true;
    box.left = 1;
    box.top = std::max(0, CellHeight(face) / 8);
    box.width = std::max(1, face.halfWidth * cells - 2);
    box.height = std::max(1, face.ascent - box.top);
    box.ink.assign(static_cast<size_t>(box.width) * box.height, 0);
    for (int y = 0; y < box.height; ++y)
        for (int x = 0; x < box.width; ++x)
            if (y == 0 || y == box.height - 1 || x == 0 || x == box.width - 1)
                box.ink[static_cast<size_t>(y) * box.width + x] = 1;
    return box;
}

}  // namespace

const Glyph& GlyphFor(FontFace& face, char32_t codePoint) {
    auto found = face.glyphs.find(codePoint);
    if (found == face.glyphs.end()) found = face.glyphs.emplace(codePoint, RenderCharacter(face, codePoint)).first;
    return found->second;
}

void PrepareBoxes(FontFace& face) {
    face.boxes[0] = HollowBox(face, 1);
    face.boxes[1] = HollowBox(face, 2);
}

}  // namespace posix
