// The ANSI code page of this layer is 932 (Shift-JIS).
#include "platform/posix/win32_kernel.h"

// Lead bytes of double-byte characters in code page 932.
BOOL IsDBCSLeadByte(BYTE byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
