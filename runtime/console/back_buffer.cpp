// The back buffer and the text cell metrics.
#include "runtime/console/back_buffer.h"
#include "runtime/console/console_lock.h"
#include "runtime/core/startup.h"

namespace {

void FillBlack(HDC dc, int32_t width, int32_t height) {
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    PatBlt(dc, 0, 0, width, height, PATCOPY);
    SelectObject(dc, previousBrush);
}

void MeasureCell(HDC dc) {
    HGDIOBJ previousFont = SelectObject(dc, gRuntime.consoleFont);
    SIZE space{0, 0};
    GetTextExtentPoint32A(dc, " ", 1, &space);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previousFont);
    gRuntime.cellWidth = space.cx;
    gRuntime.lineHeight = metrics.tmHeight;
}

}  // namespace

// The window handle comes from the message: the console window field is set
// only once CreateWindowExA has returned.
void CreateBackBuffer(HWND window) {
    ConsoleLockHold hold;
    HDC windowDc = GetDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, gRuntime.screenWidth, gRuntime.screenHeight);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    if (windowDc == nullptr || bitmap == nullptr || memoryDc == nullptr) {
        FatalPlatformError("Console window: the back buffer could not be created");
    }
    gRuntime.backBufferBitmap = bitmap;
    gRuntime.backBufferDc = memoryDc;
    SelectObject(memoryDc, bitmap);
    FillBlack(memoryDc, gRuntime.screenWidth, gRuntime.screenHeight);
    MeasureCell(memoryDc);
    ReleaseDC(window, windowDc);
}

// The main thread may be drawing into the back buffer or onto the window at
// this moment. Under the console lock the buffer is released and the window
// handle cleared, so the main thread's next Circle, Cls or ConsolePrint finds
// neither and draws nothing instead of using freed objects.
void ReleaseBackBuffer() {
    ConsoleLockHold hold;
    DeleteDC(gRuntime.backBufferDc);
    DeleteObject(gRuntime.backBufferBitmap);
    gRuntime.backBufferDc = nullptr;
    gRuntime.backBufferBitmap = nullptr;
    gRuntime.consoleWindow = nullptr;
}
