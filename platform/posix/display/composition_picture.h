// The input method's composition (pre-edit) text as a picture of its own, as
// the platform's composition window shows it: the text in the composition
// font, dark on a light background, with a bar at the cursor, or with the
// segment being converted in the highlight colours. A display shows the picture over the
// window where the input method shows no window of its own; it never becomes
// part of the window's pixels.
#pragma once
#include "platform/posix/text/font_face.h"

#include <cstdint>
#include <string>
#include <vector>

namespace posix {

// The pre-edit as the input method reports it; positions count characters.
struct CompositionText {
    std::string utf8;
    int cursor = 0;
    int selectionLength = 0;  // characters from the cursor being converted
    bool operator==(const CompositionText&) const = default;
};

struct CompositionPicture {
    int x = 0, y = 0;  // top-left corner on the client area
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0x00BBGGRR, rows packed (stride = width)
    bool Empty() const { return width <= 0 || height <= 0; }
};

inline constexpr uint32_t kCompositionInk = 0x00000000;
inline constexpr uint32_t kCompositionBackground = 0x00FFFFFF;
inline constexpr uint32_t kCompositionHighlightInk = 0x00FFFFFF;
inline constexpr uint32_t kCompositionHighlight = 0x00800000;  // navy: R 0, G 0, B 128

// The picture of `text` with its first cell's top-left corner at `point`,
// one cell high and as wide as the text plus the cursor bar and a column of
// background after it, clipped to a client area of the given size. Empty text, or text wholly
// outside the client area, gives an empty picture. Lock held (the face's
// glyph cache is shared).
CompositionPicture DrawCompositionPicture(const CompositionText& text, POINT point, FontFace& face,
                                          int clientWidth, int clientHeight);

}  // namespace posix
