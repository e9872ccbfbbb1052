// LINE INPUT: the main thread's side of line input. The console thread's
// WM_CHAR handling fills the input buffer; this routine opens the read and
// collects the finished line.
#include "runtime/console/console_lock.h"
#include "runtime/console/statements.h"
#include "runtime/core/strings.h"

#include <cstring>

namespace {

// The same pace as the prologue's wait for the first paint: a typist never
// notices 15 ms, and the main thread stays asleep almost all the time.
constexpr DWORD kLinePollMilliseconds = 15;

HWND OpenRead() {
    ConsoleLockHold hold;
    std::memset(gRuntime.inputBuffer, 0, sizeof gRuntime.inputBuffer);
    gRuntime.inputLength = 0;
    return gRuntime.consoleWindow;
}

bool Reading() {
    ConsoleLockHold hold;
    return gRuntime.inputLength != -1;
}

CountedString CopyFinishedLine() {
    ConsoleLockHold hold;
    const int32_t length = static_cast<int32_t>(
        strnlen(reinterpret_cast<const char*>(gRuntime.inputBuffer), kInputBufferBytes - 1));
    CountedString line = StrAlloc(length);
    std::memcpy(line, gRuntime.inputBuffer, static_cast<size_t>(length));
    return line;
}

}  // namespace

CountedString LineInput() {
    HWND window = OpenRead();
    // The caret appears when the console window handles WM_SETFOCUS while a
    // read is open; the window may already hold the focus, so it is asked to
    // place the caret now. The message is sent (not posted) so the caret
    // stands before this routine starts waiting; the send crosses to the
    // console thread, which owns the caret, and is made without the console
    // lock, which that thread may need to handle it.
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    // When the window is closed the process ends, and this wait with it.
    while (Reading()) Sleep(kLinePollMilliseconds);
    return CopyFinishedLine();
}
