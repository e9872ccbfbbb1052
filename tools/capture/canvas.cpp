// What both platforms' canvases share: releasing the DC and the bitmap.
#include "tools/capture/canvas.h"

void DestroyCanvas(Canvas& canvas) {
    if (canvas.dc != nullptr) {
        SelectObject(canvas.dc, canvas.previousBitmap);
        DeleteDC(canvas.dc);
    }
    if (canvas.bitmap != nullptr) DeleteObject(canvas.bitmap);
    canvas = Canvas{};
}
