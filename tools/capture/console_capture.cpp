// Copying the console's layers onto a canvas with the runtime's own routines.
#include "tools/capture/console_capture.h"
#include "runtime/console/console.h"
#include "runtime/console/console_lock.h"
#include "tools/capture/canvas.h"

namespace {

// Copies the screen-sized back buffer to the canvas's top-left corner. Where
// the canvas is larger, it keeps its black: the class background that a
// paint leaves beyond the back buffer.
void CopyBackBuffer(const Canvas& canvas) {
    BitBlt(canvas.dc, 0, 0, gRuntime.screenWidth, gRuntime.screenHeight, gRuntime.backBufferDc, 0,
           0, SRCCOPY);
}

}  // namespace

Picture CaptureBackBuffer() {
    ConsoleLockHold hold;
    Canvas canvas;
    if (gRuntime.backBufferDc == nullptr ||
        !CreateCanvas(gRuntime.screenWidth, gRuntime.screenHeight, canvas))
        return Picture{};
    CopyBackBuffer(canvas);
    Picture picture = ReadCanvas(canvas);
    DestroyCanvas(canvas);
    return picture;
}

// The same steps as a paint: back buffer first, then every text row over it.
// RenderTextGrid may scroll the grid to fit the cursor row into the client
// area, exactly as the next paint would.
Picture ComposeConsoleFrame() {
    ConsoleLockHold hold;
    RECT client{0, 0, 0, 0};
    Canvas canvas;
    if (gRuntime.backBufferDc == nullptr || !GetClientRect(gRuntime.consoleWindow, &client) ||
        !CreateCanvas(client.right, client.bottom, canvas))
        return Picture{};
    CopyBackBuffer(canvas);
    RenderTextGrid(canvas.dc, -1, 0);
    Picture picture = ReadCanvas(canvas);
    DestroyCanvas(canvas);
    return picture;
}
