// The default handling of messages a window procedure passes on.
#include "platform/posix/win32.h"

// Closing destroys the window (which sends WM_DESTROY); a WM_PAINT nobody
// handles validates the area so it is not asked for again; everything else
// is accepted and ignored.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_CLOSE: DestroyWindow(window); return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (BeginPaint(window, &paint) != nullptr) EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND: return 1;  // BeginPaint erases with the class brush
        default: return 0;
    }
}
