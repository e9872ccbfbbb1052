// Decoding table for code page 932, filled once from iconv's "CP932" (which,
// unlike "SHIFT_JIS", keeps 0x5C as the backslash and covers the vendor
// extensions: NEC and IBM rows, circled digits, Roman numerals).
#include "platform/posix/text/cp932_decoding.h"
#include "platform/posix/win32_kernel.h"

#include <cstdio>
#include <iconv.h>
#include <vector>

namespace posix {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // iconv_open's failure

// One character's bytes to one code point, or kNoCodePoint.
char32_t DecodeOne(iconv_t converter, const char* bytes, size_t length) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes);
    unsigned char out[8];
    char* outCursor = reinterpret_cast<char*>(out);
    size_t inLeft = length;
    size_t outLeft = sizeof out;
    if (iconv(converter, &in, &inLeft, &outCursor, &outLeft) == static_cast<size_t>(-1) ||
        inLeft != 0 || sizeof out - outLeft != 4)
        return kNoCodePoint;
    return out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
}

// Every single-byte code and every lead/trail pair, decoded one by one: about
// 12,000 conversions, a few milliseconds, once per process.
std::vector<char32_t> BuildTable() {
    std::vector<char32_t> table(0x10000, kNoCodePoint);
    iconv_t converter = iconv_open("UTF-32LE", "CP932");
    if (converter == kNoConverter) {
        std::fputs("promptplatform: iconv cannot decode CP932; text will show as boxes\n", stderr);
        return table;
    }
    for (unsigned lead = 0; lead < 0x100; ++lead) {
        char pair[2] = {static_cast<char>(lead), 0};
        if (!IsDBCSLeadByte(static_cast<BYTE>(lead))) {
            table[lead] = DecodeOne(converter, pair, 1);
            continue;
        }
        for (unsigned trail = 0; trail < 0x100; ++trail) {
            if (!IsCp932TrailByte(static_cast<uint8_t>(trail))) continue;
            pair[1] = static_cast<char>(trail);
            table[lead << 8 | trail] = DecodeOne(converter, pair, 2);
        }
    }
    iconv_close(converter);
    return table;
}

}  // namespace

char32_t Cp932CodePoint(uint16_t code) {
    static const std::vector<char32_t> table = BuildTable();
    return table[code];
}

}  // namespace posix
