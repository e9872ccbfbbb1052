// The text attributes of a device context: text colour, background mode and
// background colour. Each setter returns the previous value.
#include "platform/posix/gdi/objects.h"

#include <mutex>

COLORREF SetTextColor(HDC handle, COLORREF colour) {
    std::lock_guard lock(posix::LayerLock());
    posix::DeviceContext* dc = posix::AsDc(handle);
    if (dc == nullptr) return CLR_INVALID;
    const COLORREF previous = dc->textColour;
    dc->textColour = colour;
    return previous;
}

int SetBkMode(HDC handle, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    std::lock_guard lock(posix::LayerLock());
    posix::DeviceContext* dc = posix::AsDc(handle);
    if (dc == nullptr) return 0;
    const int previous = dc->backMode;
    dc->backMode = mode;
    return previous;
}

COLORREF SetBkColor(HDC handle, COLORREF colour) {
    std::lock_guard lock(posix::LayerLock());
    posix::DeviceContext* dc = posix::AsDc(handle);
    if (dc == nullptr) return CLR_INVALID;
    const COLORREF previous = dc->backColour;
    dc->backColour = colour;
    return previous;
}
