// Splits text into the characters the text layer draws, each with the number
// of half-width cells it occupies.
#pragma once
#include "platform/posix/text/cp932_decoding.h"
#include "platform/posix/win32_kernel.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace posix {

struct TextCharacter {
    char32_t codePoint;  // kNoCodePoint: drawn as a hollow box
    int cells;           // 1 (half-width) or 2 (full-width)
};

// Code-page-932 bytes. A lead byte followed by a trail byte is one full-width
// character; every other byte is one half-width character of its own, so the
// text always occupies one cell per byte. A lead byte without a valid trail
// (at the end, or before a byte such as a space) becomes a half-width box and
// the next byte is read on its own. `visit` returns false to stop early.
template <class Visit>
void ForEachCp932Character(const char* bytes, size_t length, Visit&& visit) {
    for (size_t i = 0; i < length;) {
        const auto lead = static_cast<uint8_t>(bytes[i]);
        if (IsDBCSLeadByte(lead) && i + 1 < length &&
            IsCp932TrailByte(static_cast<uint8_t>(bytes[i + 1]))) {
            const auto code = static_cast<uint16_t>(lead << 8 | static_cast<uint8_t>(bytes[i + 1]));
            if (!visit(TextCharacter{Cp932CodePoint(code), 2})) return;
            i += 2;
        } else {
            if (!visit(TextCharacter{Cp932CodePoint(lead), 1})) return;
            ++i;
        }
    }
}

// Reads the UTF-8 character at `index` and moves `index` past it; an
// ill-formed sequence yields kNoCodePoint and skips at least one byte.
char32_t DecodeUtf8(std::string_view text, size_t& index);

// Cells of a Unicode character in a Japanese console font: East Asian wide,
// full-width and ambiguous characters take two cells, all others one.
int UnicodeCells(char32_t codePoint);

// UTF-8 text (input-method composition strings). Ill-formed bytes become
// half-width boxes.
template <class Visit>
void ForEachUtf8Character(std::string_view text, Visit&& visit) {
    size_t i = 0;
    while (i < text.size()) {
        const char32_t codePoint = DecodeUtf8(text, i);
        const int cells = codePoint == kNoCodePoint ? 1 : UnicodeCells(codePoint);
        if (!visit(TextCharacter{codePoint, cells})) return;
    }
}

}  // namespace posix
