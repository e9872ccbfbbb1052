// Cls: clear the text layer, the graphics layer or both, then ask for a
// repaint of what the clear changed. The clearing is done under the console
// lock, so it never meets a paint copying the layers or a scroll replacing
// rows halfway.
#include "runtime/console/console_lock.h"
#include "runtime/console/text_grid.h"
#include "runtime/graphics/drawn_area.h"
#include "runtime/graphics/graphics.h"

#include <cstring>

namespace {

bool AnyTextStored() {
    for (int32_t row = 0; row <= kLastTextRow; ++row) {
        if (gRuntime.characterRows[row] != nullptr && gRuntime.characterRows[row][0] != 0) return true;
    }
    return false;
}

// The colour rows keep their contents.
void ClearTextLayer() {
    for (int32_t row = 0; row <= kLastTextRow; ++row) {
        if (gRuntime.characterRows[row] != nullptr) std::memset(gRuntime.characterRows[row], 0, kTextColumns);
    }
    gRuntime.cursorColumn = 0;
    gRuntime.cursorRow = 0;
}

// Everything drawn since the last clear, anywhere in the screen-sized buffer,
// turns black; the rest of the buffer is black already. Returns that part.
RECT ClearGraphicsLayer() {
    const RECT drawn = TakeGraphicsDrawn();
    HDC dc = gRuntime.backBufferDc;
    if (dc == nullptr) return RECT{0, 0, 0, 0};  // the window has been destroyed
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    PatBlt(dc, drawn.left, drawn.top, drawn.right - drawn.left, drawn.bottom - drawn.top, PATCOPY);
    SelectObject(dc, previousBrush);
    return drawn;
}

// InvalidateRect only marks the window; it calls no window procedure. An
// empty area asks for nothing: the window shows the cleared layers already.
void RequestRepaint(const RECT* area) {
    if (gRuntime.consoleWindow != nullptr) InvalidateRect(gRuntime.consoleWindow, area, FALSE);
}

}  // namespace

// Text is drawn over the whole width of its rows, so clearing stored text
// repaints the whole window; clearing graphics repaints what was drawn.
void Cls(int32_t mode) {
    if (mode == 0) mode = 1;
    ConsoleLockHold hold;
    const bool text = mode == 1 || mode == 3;
    const bool graphics = mode == 2 || mode == 3;
    const bool wholeWindow = !(text || graphics) || (text && AnyTextStored());
    if (text) ClearTextLayer();
    const RECT cleared = graphics ? ClearGraphicsLayer() : RECT{0, 0, 0, 0};
    RequestRepaint(wholeWindow ? nullptr : &cleared);
}
