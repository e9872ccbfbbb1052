// Text onto a surface: the optional background fill, then one cached glyph
// per character, each in its own cell.
#include "platform/posix/text/text_draw.h"
#include "platform/posix/text/text_characters.h"

#include <algorithm>

namespace posix {
namespace {

// Rectangles with 64-bit edges, so text far off the surface cannot overflow.
struct Box {
    int64_t left, top, right, bottom;
    bool Empty() const { return left >= right || top >= bottom; }
};

Box Intersect(const Box& a, const Box& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

void Fill(Surface& surface, const Box& area, uint32_t colour) {
    for (int64_t y = area.top; y < area.bottom; ++y)
        std::fill(surface.pixels + y * surface.width + area.left,
                  surface.pixels + y * surface.width + area.right, colour);
}

void Blit(Surface& surface, const Box& clip, const Glyph& glyph, int64_t cellX, int64_t cellY,
          uint32_t colour) {
    const int64_t glyphX = cellX + glyph.left;
    const int64_t glyphY = cellY + glyph.top;
    const Box ink = Intersect(clip, {glyphX, glyphY, glyphX + glyph.width, glyphY + glyph.height});
    if (ink.Empty()) return;
    for (int64_t y = ink.top; y < ink.bottom; ++y) {
        const uint8_t* source = glyph.ink.data() + (y - glyphY) * glyph.width;
        uint32_t* target = surface.pixels + y * surface.width;
        for (int64_t x = ink.left; x < ink.right; ++x)
            if (source[x - glyphX]) target[x] = colour;
    }
}

bool IsControl(char32_t codePoint) { return codePoint < 0x20 || codePoint == 0x7F; }

// What a character shows: its glyph; a hollow box for a character the code
// page or the font lacks; nothing for a control character the font leaves
// unmapped (it still takes its cell).
const Glyph* GlyphToDraw(FontFace& face, const TextCharacter& character) {
    const Glyph& box = face.boxes[character.cells > 1 ? 1 : 0];
    if (character.codePoint == kNoCodePoint) return &box;
    const Glyph& glyph = GlyphFor(face, character.codePoint);
    if (glyph.present) return &glyph;
    return IsControl(character.codePoint) ? nullptr : &box;
}

template <class ForEachCharacter>
RECT DrawText(Surface& surface, const RECT& drawable, FontFace& face, int x, int y, int64_t width,
              const TextPaint& paint, ForEachCharacter forEachCharacter) {
    const Box bounds{0, 0, surface.width, surface.height};
    const Box allowed = Intersect(bounds, {drawable.left, drawable.top, drawable.right, drawable.bottom});
    const Box clip = Intersect(allowed, {x, y, x + width, int64_t{y} + CellHeight(face)});
    if (clip.Empty() || surface.pixels == nullptr) return RECT{0, 0, 0, 0};
    if (paint.opaque) Fill(surface, clip, paint.backColour & 0x00FFFFFFu);
    const uint32_t colour = paint.textColour & 0x00FFFFFFu;
    int64_t cellX = x;
    forEachCharacter([&](const TextCharacter& character) {
        if (cellX >= clip.right) return false;
        const int64_t cellWidth = int64_t{face.halfWidth} * character.cells;
        if (cellX + cellWidth > clip.left)
            if (const Glyph* glyph = GlyphToDraw(face, character)) Blit(surface, clip, *glyph, cellX, y, colour);
        cellX += cellWidth;
        return true;
    });
    return RECT{static_cast<LONG>(clip.left), static_cast<LONG>(clip.top), static_cast<LONG>(clip.right),
                static_cast<LONG>(clip.bottom)};
}

}  // namespace

int64_t Cp932TextWidth(const FontFace& face, const char* bytes, size_t length) {
    int64_t cells = 0;
    ForEachCp932Character(bytes, length, [&](const TextCharacter& character) {
        cells += character.cells;
        return true;
    });
    return cells * face.halfWidth;
}

int64_t Utf8TextWidth(const FontFace& face, std::string_view text) {
    int64_t cells = 0;
    ForEachUtf8Character(text, [&](const TextCharacter& character) {
        cells += character.cells;
        return true;
    });
    return cells * face.halfWidth;
}

RECT DrawCp932Text(Surface& surface, const RECT& drawable, FontFace& face, int x, int y,
                   const char* bytes, size_t length, const TextPaint& paint) {
    return DrawText(surface, drawable, face, x, y, Cp932TextWidth(face, bytes, length), paint,
                    [&](auto visit) { ForEachCp932Character(bytes, length, visit); });
}

RECT DrawUtf8Text(Surface& surface, const RECT& drawable, FontFace& face, int x, int y,
                  std::string_view text, const TextPaint& paint) {
    return DrawText(surface, drawable, face, x, y, Utf8TextWidth(face, text), paint,
                    [&](auto visit) { ForEachUtf8Character(text, visit); });
}

}  // namespace posix
