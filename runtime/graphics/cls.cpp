// Cls: clear the text layer, the graphics layer or both, then ask for a
// repaint. The clearing is done under the console lock, so it never meets a
// paint copying the layers or a scroll replacing rows halfway.
#include "runtime/console/console_lock.h"
#include "runtime/console/text_grid.h"
#include "runtime/graphics/graphics.h"

#include <cstring>

namespace {

// The colour rows keep their contents.
void ClearTextLayer() {
    for (int32_t row = 0; row <= kLastTextRow; ++row) {
        if (gRuntime.characterRows[row] != nullptr) std::memset(gRuntime.characterRows[row], 0, kTextColumns);
    }
    gRuntime.cursorColumn = 0;
    gRuntime.cursorRow = 0;
}

// The whole screen-sized buffer, not only the part the window shows.
void ClearGraphicsLayer() {
    HDC dc = gRuntime.backBufferDc;
    if (dc == nullptr) return;  // the window has been destroyed
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    PatBlt(dc, 0, 0, gRuntime.screenWidth, gRuntime.screenHeight, PATCOPY);
    SelectObject(dc, previousBrush);
}

}  // namespace

void Cls(int32_t mode) {
    if (mode == 0) mode = 1;
    ConsoleLockHold hold;
    if (mode == 1 || mode == 3) ClearTextLayer();
    if (mode == 2 || mode == 3) ClearGraphicsLayer();
    // InvalidateRect only marks the window; it calls no window procedure.
    if (gRuntime.consoleWindow != nullptr) InvalidateRect(gRuntime.consoleWindow, nullptr, FALSE);
}
