// Test support: the real runtime (prologue, console thread, window) on the
// headless display, started once per test process, and ways to look at it.
#pragma once
#include "platform/posix/display/headless.h"
#include "platform/posix/gdi/objects.h"
#include "runtime/console/console.h"
#include "runtime/console/console_lock.h"
#include "runtime/console/text_grid.h"
#include "runtime/core/prologue.h"
#include "runtime/graphics/drawn_area.h"
#include "runtime/graphics/graphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>

namespace console_test {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr int kClientWidth = 800;
inline constexpr int kClientHeight = 600;

inline HWND ConsoleWindow() {
    ConsoleLockHold hold;
    return gRuntime.consoleWindow;
}

// Runs the program prologue the first time it is called in this process.
inline HWND StartConsoleRuntime() {
    static std::once_flag started;
    std::call_once(started, [] {
        headless::SetScreenSize(kScreenWidth, kScreenHeight);
        headless::SetClientSize(kClientWidth, kClientHeight);
        ProgramPrologue();
    });
    return ConsoleWindow();
}

// Asks for a full repaint and waits until the console thread has painted and
// gone idle.
inline void RepaintAndWait(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    ASSERT_TRUE(headless::WaitUntilIdle(window));
}

// Resizes the client area and waits for the repaint that follows.
inline void ResizeAndWait(HWND window, int width, int height) {
    headless::InjectResize(window, width, height);
    ASSERT_TRUE(headless::WaitUntilIdle(window));
}

// A copy of the back buffer's pixels.
inline headless::Pixels ReadBackBuffer() {
    ConsoleLockHold hold;
    std::lock_guard layer(posix::LayerLock());
    headless::Pixels pixels;
    posix::DeviceContext* dc = posix::AsDc(gRuntime.backBufferDc);
    if (dc == nullptr || dc->bitmap == nullptr) return pixels;
    const posix::Surface& surface = dc->bitmap->surface;
    pixels.width = surface.width;
    pixels.height = surface.height;
    pixels.values.assign(surface.pixels,
                         surface.pixels + static_cast<size_t>(surface.width) * surface.height);
    return pixels;
}

// Paints `area` of the back buffer in `colour`, as a program's drawing would.
inline void FillBackBuffer(const RECT& area, COLORREF colour) {
    ConsoleLockHold hold;
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ previous = SelectObject(gRuntime.backBufferDc, brush);
    PatBlt(gRuntime.backBufferDc, area.left, area.top, area.right - area.left, area.bottom - area.top,
           PATCOPY);
    NoteGraphicsDrawn(area);
    SelectObject(gRuntime.backBufferDc, previous);
    DeleteObject(brush);
}

// Counts the pixels of a colour inside [left, right) x [top, bottom).
inline int CountColour(const headless::Pixels& pixels, uint32_t colour, int left, int top,
                       int right, int bottom) {
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, pixels.height); ++y)
        for (int x = std::max(left, 0); x < std::min(right, pixels.width); ++x)
            count += pixels.At(x, y) == colour;
    return count;
}

// Counts the pixels that are not black inside [left, right) x [top, bottom).
inline int CountLit(const headless::Pixels& pixels, int left, int top, int right, int bottom) {
    int area = (std::min(right, pixels.width) - std::max(left, 0)) *
               (std::min(bottom, pixels.height) - std::max(top, 0));
    return area - CountColour(pixels, 0, left, top, right, bottom);
}

// Puts the console back to its state after start-up: empty text and
// graphics, cursor home, white on black, no line being read, the usual
// client size, no caret.
inline void ResetConsole(HWND window) {
    {
        ConsoleLockHold hold;
        Cls(3);
        for (int row = 0; row < kTextRows; ++row) {
            std::memset(gRuntime.foreColourRows[row], 0, kTextColumns * sizeof(COLORREF));
            std::memset(gRuntime.backColourRows[row], 0, kTextColumns * sizeof(COLORREF));
        }
        gRuntime.currentForeColour = 0x00FFFFFF;
        gRuntime.currentBackColour = 0;
        gRuntime.inputLength = -1;
    }
    headless::InjectFocus(window, false);
    ResizeAndWait(window, kClientWidth, kClientHeight);
}

// Stores text in a row directly, with the given colours.
inline void PutRowText(int row, const std::string& text, COLORREF fore, COLORREF back) {
    ConsoleLockHold hold;
    for (size_t c = 0; c < text.size(); ++c) {
        gRuntime.characterRows[row][c] = static_cast<unsigned char>(text[c]);
        gRuntime.foreColourRows[row][c] = fore;
        gRuntime.backColourRows[row][c] = back;
    }
}

class ConsoleRuntime : public ::testing::Test {
protected:
    void SetUp() override {
        window = StartConsoleRuntime();
        ASSERT_NE(window, nullptr);
        ResetConsole(window);
    }
    HWND window = nullptr;
};

}  // namespace console_test
