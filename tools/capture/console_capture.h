// Reading the console's pixels from the program's main thread, once
// ProgramPrologue has returned (the window and the back buffer exist).
#pragma once
#include "tools/capture/canvas.h"
#include "tools/capture/picture.h"

#include <string>

// The graphics layer alone: a copy of the whole screen-sized back buffer,
// taken under the console lock. Empty when it cannot be read.
Picture CaptureBackBuffer();

// What a paint of the console window shows at this moment, composed by the
// caller rather than by the console thread: the client area, the back buffer
// copied into it and the text rows drawn over the copy by RenderTextGrid, all
// under the console lock, so the result does not depend on when the console
// thread paints. Empty when the window has no client area.
Picture ComposeConsoleFrame();

// For picture after picture: the canvas is kept between calls (made again
// only when the client area changes size) and the picture's memory reused,
// which spares a recorder clearing and mapping a fresh screenful each frame.
struct FrameComposer {
    Canvas canvas;
};
// As ComposeConsoleFrame, into picture; false (picture empty) on failure.
bool ComposeConsoleFrame(FrameComposer& composer, Picture& picture);
// The same pixels handed to visit, in place where the platform allows (no
// copy at all when the back buffer alone is the frame), while the console
// lock is held: visit must be quick to let the console thread paint, and
// must not keep the view. False, without the call, on failure.
bool ComposeConsoleFrame(FrameComposer& composer, const std::function<void(PixelView)>& visit);
void ReleaseFrameComposer(FrameComposer& composer);

// Asks the console window for a repaint, waits until the console thread has
// painted it and reads the client area as the paint left it. Empty on
// failure (no window, or no paint within a generous time).
Picture PaintAndReadClient();

// The sizes the next console window is made with: the screen (and so the back
// buffer) and the window's client area. Call before ProgramPrologue. False,
// with error set, when the platform cannot give that size.
bool ChooseScreenSize(int32_t width, int32_t height, std::string& error);
bool ChooseClientSize(int32_t width, int32_t height, std::string& error);
