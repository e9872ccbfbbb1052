// The string functions. Lengths and positions count bytes of Shift-JIS text;
// searching and case changes step over double-byte characters whole, so a
// trail byte is never taken for a letter or the start of a match.
#include "runtime/basic/basic_state.h"
#include "runtime/core/strings.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// The runtime's longest counted string.
constexpr int64_t kLongestString = INT32_MAX - 8;

bool ShiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t CharacterSize(const char* text, size_t at, size_t length) {
    return ShiftJisLead(static_cast<unsigned char>(text[at])) && at + 1 < length ? 2 : 1;
}

// A new string of bytes [from, from + count) of s; s is consumed.
CountedString Slice(CountedString s, int32_t from, int32_t count) {
    CountedString part = BasicStringFrom(s + from, static_cast<size_t>(count), 0);
    StrFree(s);
    return part;
}

CountedString ChangeCase(CountedString s, char first, char last, int shift) {
    const size_t length = static_cast<size_t>(StrLength(s));
    for (size_t at = 0; at < length;) {
        const size_t size = CharacterSize(s, at, length);
        if (size == 1 && s[at] >= first && s[at] <= last) s[at] = static_cast<char>(s[at] + shift);
        at += size;
    }
    return s;  // the routine owned s, so it is changed in place and handed on
}

void CheckLength(int64_t length, int32_t line) {
    if (length < 0) BasicRuntimeError(line, "illegal function call: negative string length");
    if (length > kLongestString) BasicRuntimeError(line, "string too long");
}

}  // namespace

CountedString BasicConcat(CountedString left, CountedString right, int32_t line) {
    CheckLength(static_cast<int64_t>(StrLength(left)) + StrLength(right), line);
    return StrConcat(left, right);
}

CountedString BasicCopy(CountedString s) {
    return BasicStringFrom(s, static_cast<size_t>(StrLength(s)), 0);
}

int32_t BasicLen(CountedString s) {
    const int32_t length = StrLength(s);
    StrFree(s);
    return length;
}

CountedString BasicLeft(CountedString s, int32_t count) {
    return Slice(s, 0, std::clamp(count, 0, StrLength(s)));
}

CountedString BasicRight(CountedString s, int32_t count) {
    const int32_t length = StrLength(s);
    const int32_t kept = std::clamp(count, 0, length);
    return Slice(s, length - kept, kept);
}

// A start before the first byte counts from the first byte; past the end
// gives an empty string.
CountedString BasicMid(CountedString s, int32_t start, int32_t count) {
    const int32_t length = StrLength(s);
    const int32_t from = std::clamp(start, 1, length + 1) - 1;
    const int32_t rest = length - from;
    return Slice(s, from, count < 0 ? rest : std::min(count, rest));
}

void BasicMidAssign(CountedString* target, int32_t start, int32_t count, CountedString replacement) {
    const int32_t length = StrLength(*target);
    const int32_t from = std::clamp(start, 1, length + 1) - 1;
    int32_t bytes = std::min(StrLength(replacement), length - from);
    if (count >= 0) bytes = std::min(bytes, count);
    if (bytes > 0) std::memcpy(*target + from, replacement, static_cast<size_t>(bytes));
    StrFree(replacement);
}

CountedString BasicChr(int32_t code, int32_t line) {
    if (code < 0 || code > 255) BasicRuntimeError(line, "illegal function call: CHR$ code outside 0 to 255");
    const char byte = static_cast<char>(code);
    return BasicStringFrom(&byte, 1, line);
}

CountedString BasicSpace(int32_t count, int32_t line) { return BasicStringOf(count, ' ', line); }

CountedString BasicStringOf(int32_t count, int32_t code, int32_t line) {
    CheckLength(count, line);
    if (code < 0 || code > 255) BasicRuntimeError(line, "illegal function call: STRING$ code outside 0 to 255");
    CountedString s = StrAlloc(count);
    std::memset(s, code, static_cast<size_t>(count));
    return s;
}

CountedString BasicUcase(CountedString s) { return ChangeCase(s, 'a', 'z', 'A' - 'a'); }
CountedString BasicLcase(CountedString s) { return ChangeCase(s, 'A', 'Z', 'a' - 'A'); }

CountedString BasicLtrim(CountedString s) {
    const int32_t length = StrLength(s);
    int32_t from = 0;
    while (from < length && s[from] == ' ') ++from;
    return Slice(s, from, length - from);
}

// A trailing space is never a trail byte (those are 0x40 and above).
CountedString BasicRtrim(CountedString s) {
    int32_t length = StrLength(s);
    while (length > 0 && s[length - 1] == ' ') --length;
    return Slice(s, 0, length);
}

CountedString BasicHex(int32_t value) {
    char digits[9];
    uint32_t bits = static_cast<uint32_t>(value);
    int at = 8;
    do {
        digits[--at] = "0123456789ABCDEF"[bits & 15];
        bits >>= 4;
    } while (bits != 0);
    return BasicStringFrom(digits + at, static_cast<size_t>(8 - at), 0);
}

// The first match at or after start that begins a character. An empty find
// matches at start while start is inside s (QuickBASIC's rule).
int32_t BasicInstr(int32_t start, CountedString s, CountedString find) {
    const size_t length = static_cast<size_t>(StrLength(s));
    const size_t findLength = static_cast<size_t>(StrLength(find));
    const size_t from = static_cast<size_t>(std::max(start, 1)) - 1;
    int32_t found = 0;
    if (from < length && findLength == 0) {
        found = static_cast<int32_t>(from) + 1;
    } else {
        for (size_t at = 0; at + findLength <= length && findLength > 0; at += CharacterSize(s, at, length)) {
            if (at >= from && std::memcmp(s + at, find, findLength) == 0) {
                found = static_cast<int32_t>(at) + 1;
                break;
            }
        }
    }
    StrFree(s);
    StrFree(find);
    return found;
}
