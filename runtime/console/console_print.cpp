// ConsolePrint: store text at the cursor, then draw the rows it touched.
#include "runtime/console/console.h"
#include "runtime/console/console_lock.h"
#include "runtime/console/console_output.h"
#include "runtime/core/strings.h"

void ConsolePrint(CountedString text) {
    {
        ConsoleLockHold hold;
        const int32_t startRow = gRuntime.cursorRow;
        const unsigned char empty = 0;
        const unsigned char* bytes =
            text != nullptr ? reinterpret_cast<const unsigned char*>(text) : &empty;
        // After a scroll the touched rows have moved up, so everything is drawn.
        const bool scrolled = StoreConsoleText(bytes);
        // The window is gone once it has been destroyed; the text stays stored.
        HWND window = gRuntime.consoleWindow;
        if (window != nullptr) {
            HDC dc = GetDC(window);
            if (dc != nullptr) {
                RenderTextGrid(dc, scrolled ? -1 : startRow, gRuntime.cursorRow);
                ReleaseDC(window, dc);
            }
        }
    }
    StrFree(text);
}
