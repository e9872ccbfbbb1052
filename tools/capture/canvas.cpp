// What both platforms' canvases share: releasing the DC and the bitmap, and
// reading into a new picture.
#include "tools/capture/canvas.h"

void DestroyCanvas(Canvas& canvas) {
    if (canvas.dc != nullptr) {
        SelectObject(canvas.dc, canvas.previousBitmap);
        DeleteDC(canvas.dc);
    }
    if (canvas.bitmap != nullptr) DeleteObject(canvas.bitmap);
    canvas = Canvas{};
}

bool ReadCanvasInto(const Canvas& canvas, Picture& picture) {
    const bool read = VisitCanvasPixels(canvas, [&picture](PixelView pixels) { CopyPixels(pixels, picture); });
    if (!read) picture = Picture{};
    return read;
}

Picture ReadCanvas(const Canvas& canvas) {
    Picture picture;
    ReadCanvasInto(canvas, picture);
    return picture;
}
