// Drawing text onto a surface in a face: what TextOutA does, and what the
// window layer uses to show input-method composition text in the console
// font. Every function here expects the layer's lock (faces and their glyph
// caches are shared).
#pragma once
#include "platform/posix/gdi/objects.h"
#include "platform/posix/text/font_face.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace posix {

struct TextPaint {
    COLORREF textColour;
    bool opaque;          // fill the text's cells with backColour first
    COLORREF backColour;
};

// Width in pixels: one half-width cell per byte or narrow character, two for
// a double-byte or wide character.
int64_t Cp932TextWidth(const FontFace& face, const char* bytes, size_t length);
int64_t Utf8TextWidth(const FontFace& face, std::string_view text);

// Draws the text with the first cell's top-left corner at (x, y), clipped to
// `drawable` and to the surface. Nothing is drawn outside the text's cells
// (its width by the face's cell height). Returns the rectangle that may have
// changed; it is empty when nothing could be drawn.
RECT DrawCp932Text(Surface& surface, const RECT& drawable, FontFace& face, int x, int y,
                   const char* bytes, size_t length, const TextPaint& paint);
RECT DrawUtf8Text(Surface& surface, const RECT& drawable, FontFace& face, int x, int y,
                  std::string_view text, const TextPaint& paint);

}  // namespace posix
