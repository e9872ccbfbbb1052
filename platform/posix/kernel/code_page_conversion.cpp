// MultiByteToWideChar and WideCharToMultiByte for the two code pages the layer
// knows: 932 (Shift-JIS, also CP_ACP) and UTF-8. Wide text is UTF-16, one
// code unit per WCHAR. UTF-8 is decoded and encoded here; the double-byte
// characters of code page 932 go through iconv's "CP932" table.
#include "platform/posix/win32_kernel.h"

#include <iconv.h>
#include <string>

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr uint32_t kNoCharacter = 0xFFFFFFFFu;

bool IsShiftJis(UINT codePage) { return codePage == 932 || codePage == CP_ACP; }

bool ShiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// One code page 932 character through iconv (an open "UTF-16LE" <- "CP932"
// converter); kNoCharacter when the table has no such character.
uint32_t DecodeWithIconv(iconv_t converter, const char* bytes, size_t length) {
    char16_t units[2];
    char* in = const_cast<char*>(bytes);
    char* out = reinterpret_cast<char*>(units);
    size_t inLeft = length, outLeft = sizeof units;
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
        return kNoCharacter;
    return outLeft == sizeof units ? kNoCharacter : units[0];
}

// The next UTF-8 character at text[*at] (advancing *at); kNoCharacter for a
// malformed sequence, of which one byte is consumed.
uint32_t DecodeUtf8(const unsigned char* text, size_t length, size_t* at) {
    const unsigned char lead = text[*at];
    ++*at;
    if (lead < 0x80) return lead;
    int extra = lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2
              : lead >= 0xF0 && lead <= 0xF4 ? 3 : -1;
    if (extra < 0 || *at + extra > length) return kNoCharacter;
    uint32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const unsigned char next = text[*at + i];
        if ((next & 0xC0) != 0x80) return kNoCharacter;
        code = code << 6 | (next & 0x3F);
    }
    static constexpr uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return kNoCharacter;
    *at += extra;
    return code;
}

void AppendUtf16(std::u16string& wide, uint32_t code) {
    if (code < 0x10000) {
        wide += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        wide += static_cast<char16_t>(0xD800 + (code >> 10));
        wide += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
}

// Decodes the whole text; false when strict and some bytes are malformed.
bool Decode(UINT codePage, const unsigned char* text, size_t length, bool strict,
            std::u16string& wide) {
    iconv_t converter = IsShiftJis(codePage) ? iconv_open("UTF-16LE", "CP932")
                                             : reinterpret_cast<iconv_t>(-1);
    bool valid = true;
    for (size_t at = 0; at < length;) {
        uint32_t code;
        if (!IsShiftJis(codePage)) {
            code = DecodeUtf8(text, length, &at);
        } else if (text[at] < 0x80) {
            code = text[at++];
        } else if (text[at] >= 0xA1 && text[at] <= 0xDF) {
            code = 0xFF61 + (text[at++] - 0xA1);  // half-width katakana
        } else {
            const size_t size = ShiftJisLead(text[at]) && at + 1 < length ? 2 : 1;
            code = converter == reinterpret_cast<iconv_t>(-1)
                       ? kNoCharacter
                       : DecodeWithIconv(converter, reinterpret_cast<const char*>(text + at), size);
            at += size;
        }
        if (code == kNoCharacter) {
            valid = false;
            code = kReplacement;
        }
        AppendUtf16(wide, code);
    }
    if (converter != reinterpret_cast<iconv_t>(-1)) iconv_close(converter);
    return valid || !strict;
}

void AppendUtf8(std::string& text, uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | code >> 12);
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | code >> 18);
        text += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// One UTF-16 character (one or two units) into code page 932; false when the
// code page has no form for it.
bool EncodeShiftJis(iconv_t converter, const char16_t* units, size_t count, std::string& text) {
    if (count == 1 && units[0] < 0x80) {
        text += static_cast<char>(units[0]);
        return true;
    }
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    char bytes[4];
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(units));
    char* out = bytes;
    size_t inLeft = count * sizeof(char16_t), outLeft = sizeof bytes;
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
        return false;
    text.append(bytes, out);
    return true;
}

// Encodes the whole wide text; characters without a form become defaultChar
// (UTF-8: U+FFFD for a lone surrogate).
std::string Encode(UINT codePage, const char16_t* wide, size_t count, const char* defaultChar,
                   bool* usedDefault) {
    std::string text;
    iconv_t converter = IsShiftJis(codePage) ? iconv_open("CP932", "UTF-16LE")
                                             : reinterpret_cast<iconv_t>(-1);
    for (size_t at = 0; at < count;) {
        const char16_t unit = wide[at];
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && at + 1 < count &&
                          wide[at + 1] >= 0xDC00 && wide[at + 1] <= 0xDFFF;
        const bool lone = !pair && unit >= 0xD800 && unit <= 0xDFFF;
        const size_t size = pair ? 2 : 1;
        if (!IsShiftJis(codePage)) {
            const uint32_t code = pair ? 0x10000 + ((unit - 0xD800u) << 10) + (wide[at + 1] - 0xDC00u)
                                       : lone ? kReplacement : unit;
            AppendUtf8(text, code);
        } else if (lone || !EncodeShiftJis(converter, wide + at, size, text)) {
            text += defaultChar != nullptr ? defaultChar : "?";
            *usedDefault = true;
        }
        at += size;
    }
    if (converter != reinterpret_cast<iconv_t>(-1)) iconv_close(converter);
    return text;
}

// Windows' rule for the output: a capacity of 0 asks for the size; a buffer
// too small gives 0.
template <class Unit, class Text>
int Deliver(const Text& result, Unit* output, int capacity) {
    const int size = static_cast<int>(result.size());
    if (capacity == 0) return size;
    if (size > capacity) return 0;
    for (int i = 0; i < size; ++i) output[i] = static_cast<Unit>(result[i]);
    return size;
}

bool KnownCodePage(UINT codePage) { return IsShiftJis(codePage) || codePage == CP_UTF8; }

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textBytes, LPWSTR wide,
                        int wideCapacity) {
    if (!KnownCodePage(codePage) || text == nullptr || textBytes < -1 || wideCapacity < 0) return 0;
    // A length of -1: the text ends at its zero byte, which is converted too.
    const size_t length = textBytes == -1 ? std::char_traits<char>::length(text) + 1
                                          : static_cast<size_t>(textBytes);
    std::u16string result;
    if (!Decode(codePage, reinterpret_cast<const unsigned char*>(text), length,
                (flags & MB_ERR_INVALID_CHARS) != 0, result))
        return 0;
    return Deliver(result, wide, wideCapacity);
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideCount, LPSTR text,
                        int textCapacity, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
    if (!KnownCodePage(codePage) || wide == nullptr || wideCount < -1 || textCapacity < 0) return 0;
    size_t count = 0;
    if (wideCount == -1) {
        while (wide[count] != 0) ++count;
        ++count;
    } else {
        count = static_cast<size_t>(wideCount);
    }
    std::u16string units(count, u'\0');
    for (size_t i = 0; i < count; ++i) units[i] = static_cast<char16_t>(wide[i]);
    bool usedDefault = false;
    const std::string result = Encode(codePage, units.data(), count, defaultChar, &usedDefault);
    if (usedDefaultChar != nullptr) *usedDefaultChar = usedDefault ? TRUE : FALSE;
    return Deliver(result, text, textCapacity);
}
