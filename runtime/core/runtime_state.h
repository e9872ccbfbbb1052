// RuntimeState: the one process-wide record of the runtime's fields, the
// console's fields and, at its tail, the program's own global variables.
// It lives in static storage and so starts out all zero.
#pragma once
#include "platform/platform.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <new>
#include <type_traits>

// A counted string points at its first character byte; the 32-bit length
// stands in the four bytes before it and a zero byte follows the text.
typedef char* CountedString;

inline constexpr int kStringVariableCount = 32;
inline constexpr int kTextRows = 101;     // rows 0..100
inline constexpr int kTextColumns = 255;  // cells 0..254; the last stays zero
inline constexpr int kInputBufferBytes = 256;
inline constexpr std::size_t kProgramVariableBytes = 64 * 1024;

struct RuntimeState {
    // String registry (guarded by registryLock).
    CountedString* registryEntries;
    int32_t registryCount;
    CRITICAL_SECTION registryLock;
    HANDLE heap;
    uint32_t randomSeed;
    CountedString stringVariables[kStringVariableCount];

    // Console thread and the start-up handshake.
    HWND consoleWindow;
    uint32_t consoleThreadId;
    std::atomic<int32_t> readyFlag;  // set by the console thread after a paint

    // Console fields.
    LOGFONTA fontDescription;
    HFONT consoleFont;
    int32_t cellWidth;
    int32_t lineHeight;
    unsigned char inputBuffer[kInputBufferBytes];
    int32_t inputLength;  // -1 while no line is being read
    uint8_t lastKeyCode;
    int32_t cursorColumn;
    int32_t cursorRow;
    unsigned char* characterRows[kTextRows];
    COLORREF* foreColourRows[kTextRows];
    COLORREF* backColourRows[kTextRows];
    COLORREF currentForeColour;
    COLORREF currentBackColour;  // 0xFFFFFFFF: transparent
    HBITMAP backBufferBitmap;
    HDC backBufferDc;
    int32_t screenWidth;
    int32_t screenHeight;

    // Guards the text grid, the cursor and the back buffer between the main
    // thread (printing, clearing, drawing) and the console thread (painting,
    // scrolling, line input). Readied by RuntimeStartup.
    CRITICAL_SECTION consoleLock;
    // How many paints wait for the console lock; the main thread lets them in
    // before it takes the lock again (console_lock.h).
    std::atomic<int32_t> paintsWaiting;
    // The part of the back buffer drawn since the graphics layer was last
    // cleared, in pixels (empty when left >= right). Guarded by consoleLock.
    RECT graphicsDrawn;

    // The program's own variables; each program lays its record over this
    // storage through ProgramVariables<T>().
    alignas(64) unsigned char programVariables[kProgramVariableBytes];
};

extern RuntimeState gRuntime;

// The program's variable record, laid over the tail of RuntimeState. The
// record must be plain data whose all-zero bytes mean all-zero values.
template <class Variables>
inline Variables& ProgramVariables() {
    static_assert(sizeof(Variables) <= kProgramVariableBytes, "program variables too large");
    static_assert(std::is_trivially_copyable_v<Variables> &&
                  std::is_trivially_default_constructible_v<Variables>);
    return *std::launder(reinterpret_cast<Variables*>(gRuntime.programVariables));
}
