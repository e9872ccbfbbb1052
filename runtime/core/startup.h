// Runtime start-up and the general heap routines.
#pragma once
#include "runtime/core/runtime_state.h"

void RuntimeStartup();
void* MemAlloc(int32_t bytes);  // zero-filled; never returns null
void MemFree(void* block);

// Reports an unrecoverable failure (a heap allocation that failed, a size
// that cannot be represented) on the debugger output and ends the process
// with a non-zero exit code.
[[noreturn]] void FatalRuntimeError(const char* message);

// Like FatalRuntimeError for a platform call that just failed: the platform's
// own reason for the calling thread's last error (GetLastError, in the words
// of FormatMessageA) follows the message.
[[noreturn]] void FatalPlatformError(const char* message);
