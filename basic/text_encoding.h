// The two text encodings the compiler meets: UTF-8 (source files, messages)
// and Shift-JIS, code page 932 (source files that are not UTF-8, and every
// string the compiled program holds).
#pragma once
#include <string>
#include <string_view>

namespace basic {

bool IsValidUtf8(std::string_view text);
// Shift-JIS bytes as UTF-8; a byte sequence without a character becomes '?'.
std::string ShiftJisToUtf8(std::string_view text);
// One character (given as its UTF-8 bytes) in Shift-JIS; false when the code
// page has no form for it.
bool Utf8CharToShiftJis(std::string_view utf8Char, std::string& out);
// The length in bytes of the UTF-8 character that starts with lead.
int Utf8CharLength(unsigned char lead);

}  // namespace basic
