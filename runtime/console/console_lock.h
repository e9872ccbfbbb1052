// The console lock: one critical section that guards the text grid, the
// cursor, the back buffer and the line-input fields between the main thread
// (printing, clearing, drawing) and the console thread (painting, scrolling,
// typing). It is recursive, so a holder may call a routine that takes it
// again. Never send a message to a window while holding it.
#pragma once
#include "runtime/core/runtime_state.h"

struct ConsoleLockHold {
    ConsoleLockHold() { EnterCriticalSection(&gRuntime.consoleLock); }
    ~ConsoleLockHold() { LeaveCriticalSection(&gRuntime.consoleLock); }
    ConsoleLockHold(const ConsoleLockHold&) = delete;
    ConsoleLockHold& operator=(const ConsoleLockHold&) = delete;
};
