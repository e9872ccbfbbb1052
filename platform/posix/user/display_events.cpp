// Display events become messages for the window's owning thread.
#include "platform/posix/display/display.h"
#include "platform/posix/user/cp932.h"
#include "platform/posix/user/window.h"

namespace posix {
namespace {

bool IsLive(Window* window) { return window != nullptr && window->alive; }

}  // namespace

void DeliverClose(Window* window) {
    std::lock_guard lock(LayerLock());
    if (IsLive(window)) PostToWindow(window, WM_CLOSE, 0, 0);
}

// Only changes of focus are reported.
void DeliverFocus(Window* window, bool gained) {
    std::lock_guard lock(LayerLock());
    if (!IsLive(window) || window->focused == gained) return;
    window->focused = gained;
    PostToWindow(window, gained ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
}

// A new client size: a new surface, everything to repaint with erase, and a
// WM_SIZE with the size in lParam (width low word, height high word).
void DeliverResize(Window* window, int width, int height) {
    std::lock_guard lock(LayerLock());
    if (!IsLive(window)) return;
    if (width == window->surface.width && height == window->surface.height) return;
    ResizeWindowSurface(window, width, height);
    LPARAM size = static_cast<LPARAM>((window->surface.width & 0xFFFF) |
                                      ((window->surface.height & 0xFFFF) << 16));
    PostToWindow(window, WM_SIZE, 0, size);
}

// lParam carries a repeat count of 1, as a single key press does.
void DeliverKeyDown(Window* window, UINT virtualKey, bool controlDown) {
    std::lock_guard lock(LayerLock());
    if (IsLive(window)) PostToWindow(window, WM_KEYDOWN, virtualKey, 1, controlDown);
}

// Text arrives as one WM_CHAR per byte of code page 932; a double-byte
// character is two messages, lead byte first.
void DeliverText(Window* window, const std::string& utf8) {
    std::string bytes = Utf8ToCp932(utf8);
    std::lock_guard lock(LayerLock());
    if (!IsLive(window)) return;
    for (unsigned char byte : bytes) PostToWindow(window, WM_CHAR, byte, 1);
}

}  // namespace posix
