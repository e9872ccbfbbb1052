// The thread's last error and its text.
#include "platform/posix/kernel/last_error.h"

#include <algorithm>
#include <cstring>

namespace posix {
namespace {

thread_local DWORD lastError = 0;
thread_local std::string lastErrorText;  // belongs to lastError while not empty

std::string DescriptionOf(DWORD error) {
    switch (error) {
        case 0: return "The operation completed successfully.";
        case ERROR_NOT_ENOUGH_MEMORY: return "Not enough memory resources are available.";
        case ERROR_DEVICE_NOT_AVAILABLE: return "The device is not ready for use.";
        default: return "Error " + std::to_string(error) + ".";
    }
}

}  // namespace

void SetLastErrorText(DWORD error, const std::string& text) {
    lastError = error;
    lastErrorText = text;
}

}  // namespace posix

DWORD GetLastError() { return posix::lastError; }

void SetLastError(DWORD error) {
    posix::lastError = error;
    posix::lastErrorText.clear();
}

// Only system messages into the caller's buffer; the text is cut to fit and
// always ends in a zero byte. Returns the length without it, 0 on failure.
DWORD FormatMessageA(DWORD flags, LPCVOID, DWORD messageId, DWORD, LPSTR buffer, DWORD size,
                     va_list*) {
    if ((flags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || buffer == nullptr || size == 0) return 0;
    std::string text = messageId == posix::lastError && !posix::lastErrorText.empty()
                           ? posix::lastErrorText
                           : posix::DescriptionOf(messageId);
    text += "\r\n";
    const size_t length = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = 0;
    return static_cast<DWORD>(length);
}
