// The canvas on the project's own layer: a memory DC with a compatible
// bitmap, whose surface (already 0x00BBGGRR) is read in place under the
// layer lock.
#include "platform/posix/gdi/objects.h"
#include "tools/capture/canvas.h"

bool CreateCanvas(int32_t width, int32_t height, Canvas& canvas) {
    canvas = Canvas{};
    canvas.dc = CreateCompatibleDC(nullptr);
    if (canvas.dc == nullptr) return false;
    // Compatible bitmaps start zero-filled, that is black.
    canvas.bitmap = CreateCompatibleBitmap(canvas.dc, width, height);
    if (canvas.bitmap == nullptr) {
        DeleteDC(canvas.dc);
        canvas.dc = nullptr;
        return false;
    }
    canvas.previousBitmap = SelectObject(canvas.dc, canvas.bitmap);
    canvas.width = width;
    canvas.height = height;
    return true;
}

bool VisitCanvasPixels(const Canvas& canvas, const std::function<void(PixelView)>& visit) {
    std::lock_guard lock(posix::LayerLock());
    const posix::Bitmap* bitmap = posix::AsBitmap(canvas.bitmap);
    if (bitmap == nullptr || bitmap->surface.pixels == nullptr) return false;
    const posix::Surface& surface = bitmap->surface;
    visit(PixelView{surface.width, surface.height, surface.pixels, {}});
    return true;
}
