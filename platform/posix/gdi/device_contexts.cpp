// Device contexts and compatible bitmaps, and where a DC's drawing goes.
#include "platform/posix/gdi/objects.h"
#include "platform/posix/gdi/rects.h"

#include <new>

namespace posix {

DeviceContext* NewDeviceContext(Window* window) {
    auto* dc = new (std::nothrow) DeviceContext{};
    if (dc == nullptr) return nullptr;
    dc->kind = ObjectKind::DeviceContext;
    dc->window = window;
    dc->bitmap = window == nullptr ? DefaultBitmap() : nullptr;
    dc->pen = DefaultPen();
    dc->brush = DefaultBrush();
    dc->font = SystemFont();
    dc->textColour = RGB(0, 0, 0);
    dc->backColour = RGB(255, 255, 255);
    dc->backMode = OPAQUE;
    for (GdiObject* object : {static_cast<GdiObject*>(dc->pen), static_cast<GdiObject*>(dc->brush),
                              static_cast<GdiObject*>(dc->font)})
        ++object->selections;
    if (dc->bitmap != nullptr) ++dc->bitmap->selections;
    return dc;
}

void FreeDeviceContext(DeviceContext* dc) {
    --dc->pen->selections;
    --dc->brush->selections;
    --dc->font->selections;
    if (dc->bitmap != nullptr) --dc->bitmap->selections;
    delete dc;
}

Surface* TargetSurface(DeviceContext* dc) {
    Surface* surface = dc->window != nullptr ? WindowSurface(dc->window)
                       : dc->bitmap != nullptr ? &dc->bitmap->surface
                                               : nullptr;
    if (surface == nullptr || surface->pixels == nullptr) return nullptr;
    return surface;
}

RECT DrawableArea(DeviceContext* dc) {
    Surface* surface = TargetSurface(dc);
    if (surface == nullptr) return RECT{0, 0, 0, 0};
    RECT bounds{0, 0, surface->width, surface->height};
    return dc->hasClip ? IntersectRects(bounds, dc->clip) : bounds;
}

void NoteDrawn(DeviceContext* dc, const RECT& area) {
    if (dc->window == nullptr || IsEmptyRect(area)) return;
    WindowSurfaceChanged(dc->window, area, dc->paint);
}

}  // namespace posix

// Every memory DC is compatible with every other: all surfaces hold 32-bit
// 0x00BBGGRR pixels. The reference DC is only checked when one is given.
HDC CreateCompatibleDC(HDC dc) {
    using namespace posix;
    std::lock_guard lock(LayerLock());
    if (dc != nullptr && AsDc(dc) == nullptr) return nullptr;
    return reinterpret_cast<HDC>(static_cast<GdiObject*>(NewDeviceContext(nullptr)));
}

// Only memory DCs are deleted here; window DCs go back with ReleaseDC/EndPaint.
BOOL DeleteDC(HDC dc) {
    using namespace posix;
    std::lock_guard lock(LayerLock());
    DeviceContext* context = AsDc(dc);
    if (context == nullptr || context->window != nullptr) return FALSE;
    FreeDeviceContext(context);
    return TRUE;
}

namespace {
// Larger bitmaps are refused rather than risking a huge allocation: 2^28
// pixels (1 GiB) and 65535 pixels a side are far beyond any screen.
constexpr long long kMaxBitmapPixels = 1LL << 28;
constexpr int kMaxBitmapSide = 65535;
}  // namespace

// A zero-filled (black) bitmap; null for an empty or oversized request.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    using namespace posix;
    {
        std::lock_guard lock(LayerLock());
        if (AsDc(dc) == nullptr) return nullptr;
    }
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        static_cast<long long>(width) * height > kMaxBitmapPixels)
        return nullptr;
    auto* pixels = new (std::nothrow) uint32_t[static_cast<size_t>(width) * height]();
    if (pixels == nullptr) return nullptr;
    auto* bitmap = new (std::nothrow) Bitmap{{ObjectKind::Bitmap}, Surface{pixels, width, height}};
    if (bitmap == nullptr) {
        delete[] pixels;
        return nullptr;
    }
    return reinterpret_cast<HBITMAP>(static_cast<GdiObject*>(bitmap));
}
