// Display events become messages for the window's owning thread.
#include "platform/posix/display/display.h"
#include "platform/posix/user/cp932.h"
#include "platform/posix/user/window.h"

namespace posix {
namespace {

bool IsLive(Window* window) { return window != nullptr && window->alive; }

// A new client size: a new surface, everything to repaint with erase, and a
// WM_SIZE with the kind of change in wParam and the size in lParam (width low
// word, height high word).
void Resize(Window* window, int width, int height, WPARAM kind) {
    ResizeWindowSurface(window, width, height);
    LPARAM size = static_cast<LPARAM>((window->surface.width & 0xFFFF) |
                                      ((window->surface.height & 0xFFFF) << 16));
    PostToWindow(window, WM_SIZE, kind, size);
}

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

void DeliverResize(Window* window, int width, int height) {
    std::lock_guard lock(LayerLock());
    if (!IsLive(window)) return;
    if (width == window->surface.width && height == window->surface.height) return;
    Resize(window, width, height, SIZE_RESTORED);
}

// Minimised, the client area is empty: nothing is painted or drawn.
void DeliverMinimised(Window* window) {
    std::lock_guard lock(LayerLock());
    if (IsLive(window)) Resize(window, 0, 0, SIZE_MINIMIZED);
}

// lParam carries a repeat count of 1, as a single key press does, and for a
// key pressed with Alt the context bit (29).
void DeliverKeyDown(Window* window, UINT virtualKey, KeyModifiers modifiers) {
    constexpr LPARAM kAltContext = LPARAM{1} << 29;
    if (virtualKey == VK_MENU) modifiers.alt = true;
    const UINT message = KeyDownMessage(virtualKey, modifiers);
    const LPARAM details = 1 | (modifiers.alt ? kAltContext : 0);
    std::lock_guard lock(LayerLock());
    if (IsLive(window)) PostToWindow(window, message, virtualKey, details, modifiers);
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
