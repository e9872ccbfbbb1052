// Composition text drawn into a picture of its own: the text layer's glyphs
// on an opaque background, then the segment being converted or the cursor bar.
#include "platform/posix/display/composition_picture.h"

#include "platform/posix/text/text_characters.h"
#include "platform/posix/text/text_draw.h"

#include <algorithm>
#include <string_view>

namespace posix {
namespace {

constexpr int kCursorWidth = 1;
// Background after the bar, so that a bar after the last character stands
// out from whatever lies beside the picture.
constexpr int kTrailingMargin = 1;

// Byte offset of the character `characters` into the text (its end when the
// text is shorter).
size_t ByteOffsetOfCharacter(std::string_view text, int characters) {
    size_t index = 0;
    for (int n = 0; n < characters && index < text.size(); ++n) DecodeUtf8(text, index);
    return index;
}

// Fills a rectangle given in 64-bit picture coordinates, clipped to the picture.
void FillClipped(CompositionPicture& picture, int64_t left, int64_t top, int64_t width, int64_t height,
                 uint32_t colour) {
    const int64_t right = std::min<int64_t>(left + width, picture.width);
    const int64_t bottom = std::min<int64_t>(top + height, picture.height);
    for (int64_t y = std::max<int64_t>(top, 0); y < bottom; ++y)
        for (int64_t x = std::max<int64_t>(left, 0); x < right; ++x)
            picture.pixels[static_cast<size_t>(y * picture.width + x)] = colour;
}

}  // namespace

CompositionPicture DrawCompositionPicture(const CompositionText& text, POINT point, FontFace& face,
                                          int clientWidth, int clientHeight) {
    CompositionPicture picture;
    if (text.utf8.empty()) return picture;
    const int64_t textWidth = Utf8TextWidth(face, text.utf8);
    const int cellHeight = CellHeight(face);
    const int64_t left = std::max<int64_t>(point.x, 0);
    const int64_t top = std::max<int64_t>(point.y, 0);
    const int64_t right = std::min<int64_t>(int64_t{point.x} + textWidth + kCursorWidth + kTrailingMargin,
                                               clientWidth);
    const int64_t bottom = std::min<int64_t>(int64_t{point.y} + cellHeight, clientHeight);
    if (left >= right || top >= bottom) return picture;

    picture.x = static_cast<int>(left);
    picture.y = static_cast<int>(top);
    picture.width = static_cast<int>(right - left);
    picture.height = static_cast<int>(bottom - top);
    picture.pixels.assign(static_cast<size_t>(picture.width) * picture.height, kCompositionBackground);
    Surface surface{picture.pixels.data(), picture.width, picture.height};
    const RECT whole{0, 0, picture.width, picture.height};
    // The text's origin in picture coordinates: zero or negative, so it fits an int.
    const int originX = static_cast<int>(point.x - left);
    const int originY = static_cast<int>(point.y - top);

    DrawUtf8Text(surface, whole, face, originX, originY, text.utf8,
                 TextPaint{kCompositionInk, true, kCompositionBackground});

    const std::string_view all = text.utf8;
    const size_t cursorByte = ByteOffsetOfCharacter(all, std::max(text.cursor, 0));
    const int64_t cursorX = originX + Utf8TextWidth(face, all.substr(0, cursorByte));
    if (text.selectionLength > 0) {
        const size_t endByte =
            cursorByte + ByteOffsetOfCharacter(all.substr(cursorByte), text.selectionLength);
        if (cursorX < picture.width)
            DrawUtf8Text(surface, whole, face, static_cast<int>(cursorX), originY,
                         all.substr(cursorByte, endByte - cursorByte),
                         TextPaint{kCompositionHighlightInk, true, kCompositionHighlight});
    } else {
        FillClipped(picture, cursorX, originY, kCursorWidth, cellHeight, kCompositionInk);
    }
    return picture;
}

}  // namespace posix
