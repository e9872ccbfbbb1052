// The console thread: builds the text grid and the window, runs the window's
// message loop, and ends the process when the window has been closed.
#include "runtime/console/console.h"
#include "runtime/console/console_window.h"
#include "runtime/console/text_grid.h"

namespace {

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kBlack = 0x00000000;

// GetMessageA returns 0 for WM_QUIT and -1 on failure; both end the loop.
void RunMessageLoop() {
    MSG message;
    for (;;) {
        const BOOL result = GetMessageA(&message, nullptr, 0, 0);
        if (result == 0 || result == -1) return;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The main thread may still be clearing the text rows or printing. The rows
// are released under the console lock, which every routine of the main thread
// that touches them also takes, and the lock is never left again: the process
// ends right after, and the main thread waits at its next Cls, Circle or
// print instead of reaching freed rows.
[[noreturn]] void ReleaseGridAndExit() {
    EnterCriticalSection(&gRuntime.consoleLock);
    ReleaseTextGrid();
    ExitProcess(0);
}

}  // namespace

DWORD WINAPI ConsoleThreadMain(LPVOID) {
    AllocateTextGrid();
    gRuntime.currentForeColour = kWhite;
    gRuntime.currentBackColour = kBlack;
    gRuntime.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    gRuntime.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    CreateConsoleFont();
    RegisterConsoleClass();
    HWND window = CreateConsoleWindow();
    gRuntime.consoleWindow = window;
    ShowWindow(window, SW_SHOW);
    RunMessageLoop();
    ReleaseGridAndExit();
}
