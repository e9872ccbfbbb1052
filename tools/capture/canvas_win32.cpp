// The canvas on Windows: a 32-bit top-down DIB section selected into a memory
// DC. Its pixels are readable in place (no GetDIBits on a selected bitmap);
// they are stored as B, G, R, unused, so each is turned into 0x00BBGGRR.
#include "tools/capture/canvas.h"

#include <cstring>

bool CreateCanvas(int32_t width, int32_t height, Canvas& canvas) {
    canvas = Canvas{};
    if (width <= 0 || height <= 0) return false;
    canvas.dc = CreateCompatibleDC(nullptr);
    if (canvas.dc == nullptr) return false;
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    canvas.bitmap = CreateDIBSection(canvas.dc, &info, DIB_RGB_COLORS, &canvas.bits, nullptr, 0);
    if (canvas.bitmap == nullptr || canvas.bits == nullptr) {
        DeleteDC(canvas.dc);
        canvas = Canvas{};
        return false;
    }
    // A new DIB section is zero-filled, that is black.
    canvas.previousBitmap = SelectObject(canvas.dc, canvas.bitmap);
    canvas.width = width;
    canvas.height = height;
    return true;
}

bool VisitCanvasPixels(const Canvas& canvas, const std::function<void(PixelView)>& visit) {
    if (canvas.bits == nullptr) return false;
    GdiFlush();  // GDI may batch drawing calls; the bits are current only after this
    const auto* stored = static_cast<const uint32_t*>(canvas.bits);
    std::vector<uint32_t> pixels(static_cast<std::size_t>(canvas.width) * canvas.height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t value = stored[i];
        pixels[i] = ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
    }
    visit(PixelView{canvas.width, canvas.height, pixels.data(), {}});
    return true;
}
