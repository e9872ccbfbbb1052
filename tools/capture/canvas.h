// A memory device context with a bitmap whose pixels the tool can read: the
// target that the console's layers are copied onto before they are saved.
// Each platform creates and reads its own (canvas_posix.cpp, canvas_win32.cpp);
// canvas.cpp releases either.
#pragma once
#include "platform/platform.h"
#include "tools/capture/picture.h"

#include <functional>

struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    void* bits = nullptr;  // the bitmap's pixels where the platform hands them out
    int32_t width = 0;
    int32_t height = 0;
};

// An all-black canvas of the given size; false when it cannot be made.
bool CreateCanvas(int32_t width, int32_t height, Canvas& canvas);
// The canvas's pixels, once every drawing into it has finished.
Picture ReadCanvas(const Canvas& canvas);
// The same into an existing picture, whose memory is reused; false (picture
// emptied) when the canvas has no pixels.
bool ReadCanvasInto(const Canvas& canvas, Picture& picture);
// Calls visit with the canvas's pixels, in place where the platform allows
// (visit must not draw); false, without the call, when it has none.
bool VisitCanvasPixels(const Canvas& canvas, const std::function<void(PixelView)>& visit);
void DestroyCanvas(Canvas& canvas);
