// Byte-string helpers: memory moves, lengths and copies.
#include "platform/posix/win32_kernel.h"

#include <cstring>

void RtlMoveMemory(void* destination, const void* source, SIZE_T length) {
    std::memmove(destination, source, length);
}

int lstrlenA(LPCSTR text) { return text == nullptr ? 0 : static_cast<int>(std::strlen(text)); }

LPSTR lstrcpyA(LPSTR destination, LPCSTR source) { return std::strcpy(destination, source); }
