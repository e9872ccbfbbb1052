// Shift-JIS <-> UTF-8 through the platform's code-page conversions: console
// mode's standard streams and the command line are UTF-8, the program's
// strings Shift-JIS. ASCII text is the same in both and is copied as it is.
#include "platform/platform.h"
#include "runtime/basic/basic_state.h"

#include <vector>

namespace {

constexpr UINT kShiftJis = 932;

bool IsAscii(const char* text, size_t length) {
    for (size_t i = 0; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    return true;
}

// Counted strings and input lines are shorter than 2^31 bytes, so every
// length fits the int of the Win32 calls.
std::string Convert(UINT from, UINT to, const char* text, size_t length, DWORD flags, bool* valid) {
    if (length == 0 || IsAscii(text, length)) return std::string(text, length);
    const int bytes = static_cast<int>(length);
    const int units = MultiByteToWideChar(from, flags, text, bytes, nullptr, 0);
    if (units <= 0) {
        if (valid != nullptr) *valid = false;
        return std::string();
    }
    std::vector<WCHAR> wide(static_cast<size_t>(units));
    MultiByteToWideChar(from, flags, text, bytes, wide.data(), units);
    const int size = WideCharToMultiByte(to, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(to, 0, wide.data(), units, result.data(), size, nullptr, nullptr);
    return result;
}

}  // namespace

std::string ShiftJisToUtf8(const char* text, size_t length) {
    return Convert(kShiftJis, CP_UTF8, text, length, 0, nullptr);
}

std::string Utf8ToShiftJis(const char* text, size_t length) {
    return Convert(CP_UTF8, kShiftJis, text, length, 0, nullptr);
}

bool IsValidUtf8(const char* text, size_t length) {
    bool valid = true;
    Convert(CP_UTF8, CP_UTF8, text, length, MB_ERR_INVALID_CHARS, &valid);
    return valid;
}
