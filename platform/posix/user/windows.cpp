// Windows: creation, showing, destruction, the client area and its surface.
#include "platform/posix/display/display.h"
#include "platform/posix/gdi/rects.h"
#include "platform/posix/user/cp932.h"
#include "platform/posix/user/window.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace posix {
namespace {

// Window records are never freed: a stale HWND (kept by another thread after
// the window was destroyed) must stay safe to pass to any call. A destroyed
// window keeps only its small record; its surface is released.
std::vector<Window*>& WindowList() {
    static auto* windows = new std::vector<Window*>;
    return *windows;
}

// Client sizes are kept within what a bitmap may be.
int ClampSide(int side) { return std::clamp(side, 0, 16384); }

Surface NewSurface(int width, int height) {
    width = ClampSide(width);
    height = ClampSide(height);
    if (width == 0 || height == 0) return Surface{nullptr, width, height};
    auto* pixels = new (std::nothrow) uint32_t[static_cast<size_t>(width) * height]();
    if (pixels == nullptr) return Surface{};
    return Surface{pixels, width, height};
}

}  // namespace

const std::vector<Window*>& AllWindows() { return WindowList(); }

Window* FindWindow(HWND handle) {
    if (handle == nullptr) return nullptr;
    for (Window* window : WindowList())
        if (AsHandle(window) == handle) return window->alive ? window : nullptr;
    return nullptr;
}

Surface* WindowSurface(Window* window) {
    return window->alive && window->surface.pixels != nullptr ? &window->surface : nullptr;
}

// The owner is woken when there is something new to present: the first
// change since the last present, and the first drawing after a paint, which
// a display may be waiting for.
void WindowSurfaceChanged(Window* window, const RECT& area, bool byPaint) {
    bool wake = IsEmptyRect(window->changed);
    window->changed = BoundingRect(window->changed, area);
    if (!byPaint && !window->drawnSincePaint) {
        window->drawnSincePaint = true;
        wake = true;
    }
    if (wake) WakeQueue(*window->queue);
}

LRESULT CallWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC procedure = nullptr;
    {
        std::lock_guard lock(LayerLock());
        if (Window* window = FindWindow(handle)) procedure = window->windowClass.procedure;
    }
    return procedure != nullptr ? procedure(handle, message, wParam, lParam) : 0;
}

// Gives the window a surface of the new client size, keeping the pixels that
// still fit, and asks for a full repaint with erase. Lock held.
void ResizeWindowSurface(Window* window, int width, int height) {
    Surface resized = NewSurface(width, height);
    if (resized.pixels == nullptr && resized.width * resized.height != 0) return;  // out of memory
    Surface& old = window->surface;
    for (int y = 0; y < std::min(old.height, resized.height); ++y)
        std::copy_n(old.pixels + static_cast<size_t>(y) * old.width,
                    std::min(old.width, resized.width),
                    resized.pixels + static_cast<size_t>(y) * resized.width);
    delete[] old.pixels;
    old = resized;
    window->changed = RECT{0, 0, resized.width, resized.height};
    InvalidateWindow(window, nullptr, true);
}

}  // namespace posix

using namespace posix;

// The requested size is taken as the client size (the frame belongs to the
// display); CW_USEDEFAULT lets the display choose. WM_CREATE is sent before
// returning; a procedure that answers it with -1 cancels the window.
HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD, int, int, int width,
                     int height, HWND, void*, HINSTANCE, LPVOID) {
    auto* window = new (std::nothrow) Window;
    if (window == nullptr) return nullptr;
    {
        std::lock_guard lock(LayerLock());
        const WindowClass* windowClass = className ? FindWindowClass(className) : nullptr;
        if (windowClass == nullptr) {
            delete window;
            return nullptr;
        }
        window->windowClass = *windowClass;
    }
    window->title = windowName != nullptr ? windowName : "";
    window->queue = CurrentQueue();
    if (!ActiveDisplay().OpenWindow(window, Cp932ToUtf8(window->title), width, height)) {
        delete window;
        return nullptr;
    }
    {
        std::lock_guard lock(LayerLock());
        window->surface = NewSurface(width, height);
        WindowList().push_back(window);
        window->queue->ownsDisplayWindow = true;
    }
    HWND handle = AsHandle(window);
    if (CallWindowProcedure(handle, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    return handle;
}

// Showing activates the window: it gains the focus (WM_SETFOCUS, sent at once)
// and its whole client area needs painting, background erased.
BOOL ShowWindow(HWND handle, int) {
    bool wasVisible = false;
    bool gainsFocus = false;
    Window* window = nullptr;
    {
        std::lock_guard lock(LayerLock());
        window = FindWindow(handle);
        if (window == nullptr) return FALSE;
        wasVisible = window->visible;
        window->visible = true;
        gainsFocus = !window->focused;
        window->focused = true;
        InvalidateWindow(window, nullptr, true);
        ActiveDisplay().Wake();
    }
    if (window->queue == CurrentQueue()) ActiveDisplay().ShowWindow(window);
    if (gainsFocus) CallWindowProcedure(handle, WM_SETFOCUS, 0, 0);
    return wasVisible ? TRUE : FALSE;
}

// Only the owning thread destroys a window. WM_DESTROY is sent while the
// window is still usable; afterwards its handle is dead and its surface gone.
BOOL DestroyWindow(HWND handle) {
    Window* window = nullptr;
    {
        std::lock_guard lock(LayerLock());
        window = FindWindow(handle);
        if (window == nullptr || window->destroying || window->queue != CurrentQueue())
            return FALSE;
        window->destroying = true;
    }
    DestroyCaretOf(window);
    CallWindowProcedure(handle, WM_DESTROY, 0, 0);
    {
        std::lock_guard lock(LayerLock());
        window->alive = false;
        window->visible = false;
        delete[] window->surface.pixels;
        window->surface = Surface{};
        window->invalid = window->changed = RECT{};
    }
    ActiveDisplay().CloseWindow(window);
    return TRUE;
}

BOOL GetClientRect(HWND handle, LPRECT rect) {
    std::lock_guard lock(LayerLock());
    Window* window = FindWindow(handle);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = RECT{0, 0, window->surface.width, window->surface.height};
    return TRUE;
}
