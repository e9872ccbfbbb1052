// Code page 932 (Shift-JIS with the vendor extensions): which bytes pair up
// into double-byte characters, and the Unicode character of each code.
#pragma once
#include <cstdint>

namespace posix {

// Stands for "no character": an unassigned code or an ill-formed sequence.
inline constexpr char32_t kNoCodePoint = 0xFFFFFFFFu;

// Second bytes of double-byte characters: 0x40-0x7E and 0x80-0xFC.
constexpr bool IsCp932TrailByte(uint8_t byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// The Unicode character of a code: a single byte, or lead << 8 | trail.
// kNoCodePoint for codes the code page leaves unassigned, and for a lead
// byte on its own. Thread-safe; the table behind it is built on first use.
char32_t Cp932CodePoint(uint16_t code);

}  // namespace posix
