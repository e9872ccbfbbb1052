// The console window's procedure: hands each message to its handler. The
// messages it handles never reach DefWindowProcA, even when they change
// nothing.
#include "runtime/console/back_buffer.h"
#include "runtime/console/caret.h"
#include "runtime/console/console.h"
#include "runtime/console/line_input.h"
#include "runtime/console/paint.h"
#include "runtime/core/strings.h"

LRESULT CALLBACK ConsoleWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The echo text of line input lives for exactly one call.
    CountedString echo = StrAlloc(0);
    LRESULT result = 0;
    switch (message) {
        case WM_CREATE:
            CreateBackBuffer(window);
            break;
        case WM_PAINT:
            PaintConsoleWindow(window);
            break;
        case WM_SETFOCUS:
            PlaceInputCaret(window);
            break;
        case WM_KILLFOCUS:
            RemoveInputCaret(window);
            break;
        case WM_KEYDOWN:
            RecordKeyDown(wParam);
            break;
        case WM_CHAR:
            HandleCharacter(window, wParam, echo);
            break;
        case WM_DESTROY:
            ReleaseBackBuffer();
            PostQuitMessage(0);
            break;
        default:
            result = DefWindowProcA(window, message, wParam, lParam);
            break;
    }
    StrFree(echo);
    return result;
}
