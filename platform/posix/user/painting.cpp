// Invalidation and painting, and the window's device contexts.
#include "platform/posix/gdi/rects.h"
#include "platform/posix/user/window.h"

#include <cstring>

namespace posix {
namespace {

RECT ClientRect(const Window* window) {
    return RECT{0, 0, window->surface.width, window->surface.height};
}

// The class background brush, when it is one of the layer's brushes. Windows
// also accepts a system colour index + 1 there; such values are left alone
// (no erase) rather than read as records.
Brush* BackgroundBrush(const Window* window) {
    auto value = reinterpret_cast<uintptr_t>(window->windowClass.background);
    return value < 0x10000 ? nullptr : AsBrush(window->windowClass.background);
}

void EraseBackground(Window* window, const RECT& area) {
    Brush* brush = BackgroundBrush(window);
    if (brush == nullptr || brush->hollow || IsEmptyRect(area)) return;
    for (LONG y = area.top; y < area.bottom; ++y) {
        uint32_t* row = window->surface.pixels + static_cast<size_t>(y) * window->surface.width;
        std::fill(row + area.left, row + area.right, brush->colour);
    }
    WindowSurfaceChanged(window, area, true);
}

}  // namespace

bool PaintPending(const Window& window) {
    return window.alive && window.visible && !IsEmptyRect(window.invalid);
}

void InvalidateWindow(Window* window, const RECT* area, bool erase) {
    RECT client = ClientRect(window);
    RECT added = area != nullptr ? IntersectRects(*area, client) : client;
    if (IsEmptyRect(added)) return;
    bool wasValid = IsEmptyRect(window->invalid);
    window->invalid = BoundingRect(window->invalid, added);
    window->eraseBackground = window->eraseBackground || erase;
    if (wasValid) WakeQueue(*window->queue);
}

}  // namespace posix

using namespace posix;

// Any thread may invalidate; the owner is woken to paint. A null rectangle
// means the whole client area. The invalid area grows as a bounding rectangle.
BOOL InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
    std::lock_guard lock(LayerLock());
    Window* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    InvalidateWindow(window, rect, erase != FALSE);
    return TRUE;
}

// The paint DC is clipped to the invalid area, which then counts as painted.
// When an erase was asked for (or the window was shown or resized), the area
// is filled with the class brush here already, so fErase reports FALSE: there
// is nothing left for the window procedure to erase.
HDC BeginPaint(HWND handle, LPPAINTSTRUCT paint) {
    std::lock_guard lock(LayerLock());
    Window* window = FindWindow(handle);
    if (window == nullptr || paint == nullptr) return nullptr;
    RECT area = IntersectRects(window->invalid, ClientRect(window));
    bool erase = window->eraseBackground;
    window->invalid = RECT{};
    window->eraseBackground = false;
    window->paintedAt = std::chrono::steady_clock::now();
    window->drawnSincePaint = false;
    if (erase) EraseBackground(window, area);

    DeviceContext* dc = NewDeviceContext(window);
    if (dc == nullptr) return nullptr;
    dc->paint = true;
    dc->hasClip = true;
    dc->clip = area;
    std::memset(paint, 0, sizeof *paint);
    paint->hdc = reinterpret_cast<HDC>(static_cast<GdiObject*>(dc));
    paint->fErase = FALSE;
    paint->rcPaint = area;
    return paint->hdc;
}

BOOL EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    std::lock_guard lock(LayerLock());
    if (paint == nullptr) return FALSE;
    DeviceContext* dc = AsDc(paint->hdc);
    if (dc == nullptr || AsHandle(dc->window) != handle) return FALSE;
    FreeDeviceContext(dc);
    return TRUE;
}

// A DC on the whole client area, usable from any thread. Its surface is looked
// up at every drawing call, so a resize or the window's destruction never
// leaves it drawing into freed pixels (it then draws nothing).
HDC GetDC(HWND handle) {
    std::lock_guard lock(LayerLock());
    Window* window = FindWindow(handle);
    if (window == nullptr) return nullptr;
    return reinterpret_cast<HDC>(static_cast<GdiObject*>(NewDeviceContext(window)));
}

// Also releases DCs of windows destroyed meanwhile.
int ReleaseDC(HWND handle, HDC dc) {
    std::lock_guard lock(LayerLock());
    DeviceContext* context = AsDc(dc);
    if (context == nullptr || context->window == nullptr || AsHandle(context->window) != handle)
        return 0;
    FreeDeviceContext(context);
    return 1;
}
