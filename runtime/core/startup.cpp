// Runtime start-up, the general heap routines and the fatal-error exit.
#include "runtime/core/startup.h"

#include <cstdio>

namespace {

constexpr UINT kFatalErrorExitCode = 3;

}  // namespace

// A heap that cannot supply the runtime's first block leaves nothing to run
// on, so start-up fails clearly instead of going on with a null registry.
void RuntimeStartup() {
    InitializeCriticalSection(&gRuntime.registryLock);
    InitializeCriticalSection(&gRuntime.consoleLock);
    gRuntime.heap = GetProcessHeap();
    void* entries = HeapAlloc(gRuntime.heap, 0, 1);
    if (entries == nullptr) FatalRuntimeError("Runtime start-up: out of memory");
    gRuntime.registryEntries = static_cast<CountedString*>(entries);
    gRuntime.registryCount = 0;
    gRuntime.randomSeed = 1;
}

void* MemAlloc(int32_t bytes) {
    if (bytes < 0) FatalRuntimeError("MemAlloc: negative block size");
    void* block = HeapAlloc(gRuntime.heap, HEAP_ZERO_MEMORY, static_cast<SIZE_T>(bytes));
    if (block == nullptr) FatalRuntimeError("MemAlloc: out of memory");
    return block;
}

void MemFree(void* block) { HeapFree(gRuntime.heap, 0, block); }

// The debugger output is where the runtime's messages go; stderr also gets the
// message so that a failure is visible without a debugger attached.
void FatalRuntimeError(const char* message) {
    OutputDebugStringA(message);
    OutputDebugStringA("\r\n");
    std::fprintf(stderr, "promptrt: fatal error: %s\n", message);
    ExitProcess(kFatalErrorExitCode);
}
