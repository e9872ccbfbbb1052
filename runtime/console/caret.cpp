// The caret and the composition window.
#include "runtime/console/caret.h"
#include "runtime/console/console_lock.h"

namespace {

struct CursorCell {
    bool reading;
    POINT caret;
    POINT composition;
};

CursorCell ReadCursorCell() {
    ConsoleLockHold hold;
    const int32_t column = gRuntime.cursorColumn;
    const int32_t row = gRuntime.cursorRow;
    return CursorCell{gRuntime.inputLength != -1,
                      CaretPosition(column, row, gRuntime.cellWidth, gRuntime.lineHeight),
                      CompositionPoint(column, row, gRuntime.cellWidth, gRuntime.lineHeight)};
}

void PlaceCompositionWindow(HWND window, POINT point) {
    HIMC context = ImmGetContext(window);
    if (context != nullptr) {
        COMPOSITIONFORM form{};
        form.dwStyle = CFS_POINT;
        form.ptCurrentPos = point;
        ImmSetCompositionWindow(context, &form);
        ImmSetCompositionFontA(context, &gRuntime.fontDescription);
    }
    ImmReleaseContext(window, context);
}

}  // namespace

void PlaceInputCaret(HWND window) {
    const CursorCell cell = ReadCursorCell();
    if (!cell.reading) return;
    PlaceCompositionWindow(window, cell.composition);
    CreateCaret(window, nullptr, kCaretWidth, kCaretHeight);
    SetCaretPos(cell.caret.x, cell.caret.y);
    ShowCaret(window);
}

void RemoveInputCaret(HWND window) {
    HideCaret(window);
    DestroyCaret();
}
