// Painting the console window: graphics layer first, text layer on top.
#include "runtime/console/paint.h"
#include "runtime/console/console.h"
#include "runtime/console/console_lock.h"

namespace {

void CopyLayers(HDC target) {
    // The main thread's drawing and clearing wait while the layers are copied,
    // so a paint never shows a half-cleared buffer or a row being scrolled.
    // The lock is handed to the paint as soon as the main thread leaves it.
    PaintLockHold hold;
    if (gRuntime.backBufferDc != nullptr) {
        BitBlt(target, 0, 0, gRuntime.screenWidth, gRuntime.screenHeight, gRuntime.backBufferDc, 0,
               0, SRCCOPY);
    }
    RenderTextGrid(target, -1, 0);
}

}  // namespace

// BeginPaint may send WM_ERASEBKGND to this window, so it is called outside
// the console lock.
void PaintConsoleWindow(HWND window) {
    PAINTSTRUCT paint{};
    HDC target = BeginPaint(window, &paint);
    if (target != nullptr) CopyLayers(target);
    EndPaint(window, &paint);
    gRuntime.readyFlag.store(1);
}
