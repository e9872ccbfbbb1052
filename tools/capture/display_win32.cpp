// The console's window on Windows is a real window on the real screen: the
// screen cannot be resized and the window's size is the window manager's
// choice, so only the sizes that are already true are accepted.
#include "runtime/core/runtime_state.h"
#include "tools/capture/canvas.h"
#include "tools/capture/console_capture.h"

bool ChooseScreenSize(int32_t width, int32_t height, std::string& error) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (width == screenWidth && height == screenHeight) return true;
    error = "the screen is " + std::to_string(screenWidth) + "x" + std::to_string(screenHeight) +
            "; on Windows the screen size cannot be chosen";
    return false;
}

bool ChooseClientSize(int32_t, int32_t, std::string& error) {
    error = "on Windows the window manager chooses the window's size; --window is not supported";
    return false;
}

// UpdateWindow sends WM_PAINT to the console thread and returns once it has
// been handled. The client area is then read from the window's device
// context, which holds the right pixels only where the window is visible on
// the screen: keep it uncovered while the tool runs.
Picture PaintAndReadClient() {
    HWND window = gRuntime.consoleWindow;
    RECT client{0, 0, 0, 0};
    if (window == nullptr || !InvalidateRect(window, nullptr, FALSE) || !UpdateWindow(window) ||
        !GetClientRect(window, &client))
        return Picture{};
    Canvas canvas;
    if (!CreateCanvas(client.right, client.bottom, canvas)) return Picture{};
    HDC windowDc = GetDC(window);
    BitBlt(canvas.dc, 0, 0, client.right, client.bottom, windowDc, 0, 0, SRCCOPY);
    ReleaseDC(window, windowDc);
    Picture picture = ReadCanvas(canvas);
    DestroyCanvas(canvas);
    return picture;
}
