// The console lock: one critical section that guards the text grid, the
// cursor, the back buffer and the line-input fields between the main thread
// (printing, clearing, drawing) and the console thread (painting, scrolling,
// typing). It is recursive, so a holder may call a routine that takes it
// again. Never send a message to a window while holding it.
//
// A critical section is not fair: the main thread, which leaves and enters
// it again for every Circle, would keep a waiting paint out for as long as it
// draws. So a paint announces itself, and a thread that is about to take the
// lock while holding none lets every announced paint in first.
#pragma once
#include "runtime/core/runtime_state.h"

// How often the calling thread holds the console lock.
inline thread_local int32_t tConsoleLockDepth = 0;

inline void YieldToWaitingPaints() {
    while (gRuntime.paintsWaiting.load() != 0) Sleep(0);
}

struct ConsoleLockHold {
    ConsoleLockHold() {
        if (tConsoleLockDepth == 0) YieldToWaitingPaints();
        EnterCriticalSection(&gRuntime.consoleLock);
        ++tConsoleLockDepth;
    }
    ~ConsoleLockHold() {
        --tConsoleLockDepth;
        LeaveCriticalSection(&gRuntime.consoleLock);
    }
    ConsoleLockHold(const ConsoleLockHold&) = delete;
    ConsoleLockHold& operator=(const ConsoleLockHold&) = delete;
};

// The console lock for a paint: the next thread to take the lock after the
// current holder leaves it is this one.
struct PaintLockHold {
    PaintLockHold() {
        ++gRuntime.paintsWaiting;
        EnterCriticalSection(&gRuntime.consoleLock);
        --gRuntime.paintsWaiting;
        ++tConsoleLockDepth;
    }
    ~PaintLockHold() {
        --tConsoleLockDepth;
        LeaveCriticalSection(&gRuntime.consoleLock);
    }
    PaintLockHold(const PaintLockHold&) = delete;
    PaintLockHold& operator=(const PaintLockHold&) = delete;
};
