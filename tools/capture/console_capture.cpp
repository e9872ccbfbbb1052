// Copying the console's layers onto a canvas with the runtime's own routines.
#include "tools/capture/console_capture.h"
#include "runtime/console/console.h"
#include "runtime/console/console_lock.h"
#include "runtime/console/text_grid.h"
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

namespace {

// A canvas of the client area's size: the one kept when the back buffer
// covers it all, or a new black one, so that no text of the last frame stays
// where the back buffer does not reach.
bool PrepareCanvas(FrameComposer& composer, const RECT& client) {
    Canvas& canvas = composer.canvas;
    if (canvas.dc != nullptr && canvas.width == client.right && canvas.height == client.bottom &&
        canvas.width <= gRuntime.screenWidth && canvas.height <= gRuntime.screenHeight)
        return true;
    DestroyCanvas(canvas);
    return CreateCanvas(client.right, client.bottom, canvas);
}

// With no character in any text row, every row that a paint draws only
// restores the back buffer's graphics.
bool TextGridIsEmpty() {
    for (int32_t row = 0; row < kTextRows; ++row)
        if (gRuntime.characterRows[row] != nullptr && gRuntime.characterRows[row][0] != 0) return false;
    return true;
}

// A paint of a client area the size of the back buffer with an empty text
// grid shows the back buffer alone: its pixels are visited in place, with
// no copy to a canvas, no rows restored and no copy out. False where that
// does not apply or the platform cannot read the back buffer in place
// (Windows: not a DIB section).
bool VisitBackBufferAlone(const RECT& client, const std::function<void(PixelView)>& visit) {
    if (client.right != gRuntime.screenWidth || client.bottom != gRuntime.screenHeight || !TextGridIsEmpty())
        return false;
    Canvas backBuffer;
    backBuffer.dc = gRuntime.backBufferDc;
    backBuffer.bitmap = gRuntime.backBufferBitmap;
    backBuffer.width = gRuntime.screenWidth;
    backBuffer.height = gRuntime.screenHeight;
    // Outside what was drawn since the last clear the back buffer is black.
    const RECT drawn = gRuntime.graphicsDrawn;
    const PixelBox box = drawn.left < drawn.right && drawn.top < drawn.bottom
                             ? PixelBox{drawn.left, drawn.top, drawn.right, drawn.bottom}
                             : PixelBox{0, 0, 0, 0};
    return VisitCanvasPixels(backBuffer, [&](PixelView pixels) {
        pixels.drawn = box;
        visit(pixels);
    });
}

}  // namespace

// The same steps as a paint: back buffer first, then every text row over it.
// RenderTextGrid may scroll the grid to fit the cursor row into the client
// area, exactly as the next paint would.
bool ComposeConsoleFrame(FrameComposer& composer, const std::function<void(PixelView)>& visit) {
    ConsoleLockHold hold;
    RECT client{0, 0, 0, 0};
    if (gRuntime.backBufferDc == nullptr || !GetClientRect(gRuntime.consoleWindow, &client)) return false;
    if (VisitBackBufferAlone(client, visit)) return true;
    if (!PrepareCanvas(composer, client)) return false;
    CopyBackBuffer(composer.canvas);
    RenderTextGrid(composer.canvas.dc, -1, 0);
    return VisitCanvasPixels(composer.canvas, visit);
}

bool ComposeConsoleFrame(FrameComposer& composer, Picture& picture) {
    const bool composed = ComposeConsoleFrame(composer, [&picture](PixelView pixels) { CopyPixels(pixels, picture); });
    if (!composed) picture = Picture{};
    return composed;
}

void ReleaseFrameComposer(FrameComposer& composer) { DestroyCanvas(composer.canvas); }

Picture ComposeConsoleFrame() {
    FrameComposer composer;
    Picture picture;
    ComposeConsoleFrame(composer, picture);
    ReleaseFrameComposer(composer);
    return picture;
}
