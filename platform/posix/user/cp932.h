// Conversions between UTF-8 (the displays' text) and code page 932, the
// Shift-JIS ANSI code page of the Win32 interface.
#pragma once
#include <string>
#include <string_view>

namespace posix {

// Characters that code page 932 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToCp932(std::string_view utf8);
// Malformed code page 932 bytes become '?'.
std::string Cp932ToUtf8(std::string_view cp932);

}  // namespace posix
