// Unicode side of the character walkers: UTF-8 decoding and cell widths, both
// from ICU.
#include "platform/posix/text/text_characters.h"

#include <algorithm>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace posix {

char32_t DecodeUtf8(std::string_view text, size_t& index) {
    // A character is at most four bytes, so a four-byte window keeps ICU's
    // 32-bit indices small whatever the text's length.
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data() + index);
    const auto window = static_cast<int32_t>(std::min<size_t>(text.size() - index, U8_MAX_LENGTH));
    int32_t offset = 0;
    UChar32 codePoint = 0;
    U8_NEXT(bytes, offset, window, codePoint);
    index += static_cast<size_t>(offset);
    return codePoint < 0 ? kNoCodePoint : static_cast<char32_t>(codePoint);
}

int UnicodeCells(char32_t codePoint) {
    switch (u_getIntPropertyValue(static_cast<UChar32>(codePoint), UCHAR_EAST_ASIAN_WIDTH)) {
        case U_EA_WIDE:
        case U_EA_FULLWIDTH:
        case U_EA_AMBIGUOUS:
            return 2;
        default:
            return 1;
    }
}

}  // namespace posix
