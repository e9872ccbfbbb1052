// Runtime start-up, the general heap routines and the fatal-error exit.
#include "runtime/core/startup.h"

#include <cstdio>
#include <cstring>

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

void FatalPlatformError(const char* message) {
    const DWORD error = GetLastError();
    char reason[512] = "";
    if (error != 0) {
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                       reason, sizeof reason, nullptr);
    }
    // The system's text ends in a line break.
    size_t length = std::strlen(reason);
    while (length > 0 && (reason[length - 1] == '\r' || reason[length - 1] == '\n' ||
                          reason[length - 1] == ' '))
        reason[--length] = 0;
    char full[768];
    if (length > 0) {
        std::snprintf(full, sizeof full, "%s: %s", message, reason);
    } else {
        std::snprintf(full, sizeof full, "%s", message);
    }
    FatalRuntimeError(full);
}
