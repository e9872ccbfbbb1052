// Code page conversions with iconv, replacing what cannot be converted by '?'.
#include "platform/posix/user/cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace posix {
namespace {

constexpr size_t kWindow = 256;

// How many input bytes make up the character that failed to convert.
using SkipLength = size_t (*)(const unsigned char* text, size_t left);

size_t Utf8CharacterLength(const unsigned char* text, size_t left) {
    unsigned char lead = text[0];
    size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
    // Stop early at a byte that cannot continue the sequence.
    for (size_t i = 1; i < length; ++i)
        if (i >= left || (text[i] & 0xC0) != 0x80) return i;
    return length;
}

size_t Cp932CharacterLength(const unsigned char* text, size_t left) {
    unsigned char lead = text[0];
    bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    return doubleByte && left >= 2 ? 2 : 1;
}

std::string Convert(std::string_view input, const char* to, const char* from, SkipLength skip) {
    std::string output;
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(input.size(), '?');
    output.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    auto grow = [&] {
        size_t used = output.size() - outLeft;
        output.resize(output.size() * 2);
        out = output.data() + used;
        outLeft = output.size() - used;
    };
    while (inLeft > 0) {
        // iconv is fed a small window at a time: after a conversion error it
        // redoes work in proportion to the input it was given, so text full of
        // unconvertible characters would otherwise take quadratic time.
        size_t window = std::min(inLeft, kWindow);
        size_t windowLeft = window;
        size_t result = iconv(converter, &in, &windowLeft, &out, &outLeft);
        int error = errno;
        inLeft -= window - windowLeft;
        if (result != static_cast<size_t>(-1)) continue;
        if (error == E2BIG) {
            grow();
            continue;
        }
        // A character cut by the window's end: the next window holds all of it.
        if (error == EINVAL && windowLeft < inLeft) continue;
        // EILSEQ (malformed or not representable) or EINVAL (cut short at the end).
        size_t length = skip(reinterpret_cast<const unsigned char*>(in), inLeft);
        in += length;
        inLeft -= length;
        if (outLeft == 0) grow();
        *out++ = '?';
        --outLeft;
    }
    iconv_close(converter);
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
    return Convert(utf8, "CP932", "UTF-8", Utf8CharacterLength);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    return Convert(cp932, "UTF-8", "CP932", Cp932CharacterLength);
}

}  // namespace posix
