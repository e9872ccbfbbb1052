// Shift-JIS conversions through iconv's code page 932, the code page the
// runtime's strings are in.
#include "basic/text_encoding.h"

#include <iconv.h>

namespace basic {
namespace {

// Converts all of input or nothing; false when iconv refuses a character.
bool ConvertAll(const char* to, const char* from, std::string_view input, std::string& out) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    std::string buffer(input.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* outPointer = buffer.data();
    size_t outLeft = buffer.size();
    size_t result = iconv(converter, &in, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1) || inLeft != 0) return false;
    out.append(buffer.data(), buffer.size() - outLeft);
    return true;
}

bool IsShiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

int Utf8CharLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

bool IsValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead < 0xC2 || lead > 0xF4) return false;
        size_t length = static_cast<size_t>(Utf8CharLength(lead));
        if (i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

std::string ShiftJisToUtf8(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = IsShiftJisLead(lead) && i + 1 < text.size() ? 2 : 1;
        if (lead < 0x80) {
            out += static_cast<char>(lead);
        } else if (!ConvertAll("UTF-8", "CP932", text.substr(i, length), out)) {
            out += '?';
        }
        i += length;
    }
    return out;
}

bool Utf8CharToShiftJis(std::string_view utf8Char, std::string& out) {
    if (utf8Char.size() == 1 && static_cast<unsigned char>(utf8Char[0]) < 0x80) {
        out += utf8Char[0];
        return true;
    }
    return ConvertAll("CP932", "UTF-8", utf8Char, out);
}

}  // namespace basic
