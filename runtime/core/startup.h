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
