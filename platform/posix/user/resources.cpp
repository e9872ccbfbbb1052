// The program's module, stock icons and cursors, and system metrics.
#include "platform/posix/display/display.h"

namespace {

// Icons and cursors are drawn by the display, if at all; the handles only
// have to be distinct from null.
struct Resource { int unused; };
Resource programModule, applicationIcon, arrowCursor;

}  // namespace

// The null name is the program itself; no other module is loaded.
HMODULE GetModuleHandleA(LPCSTR moduleName) {
    return moduleName == nullptr ? reinterpret_cast<HMODULE>(&programModule) : nullptr;
}

HICON LoadIconA(HINSTANCE, LPCSTR) { return reinterpret_cast<HICON>(&applicationIcon); }

HCURSOR LoadCursorA(HINSTANCE, LPCSTR) { return reinterpret_cast<HCURSOR>(&arrowCursor); }

// The screen size comes from the display; 0 when there is none or for any
// other metric.
int GetSystemMetrics(int index) {
    if (index != SM_CXSCREEN && index != SM_CYSCREEN) return 0;
    int width = 0, height = 0;
    if (!posix::ActiveDisplay().ScreenSize(width, height)) return 0;
    return index == SM_CXSCREEN ? width : height;
}
