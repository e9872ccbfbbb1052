// Test support: puts the runtime record back to its process-entry state (all
// zero) and runs start-up again, returning any strings a previous test left.
#pragma once
#include "runtime/core/runtime_state.h"
#include "runtime/core/startup.h"

#include <cstring>

inline void ResetRuntime() {
    if (gRuntime.registryEntries != nullptr) {
        for (int32_t i = 0; i < gRuntime.registryCount; ++i)
            HeapFree(gRuntime.heap, 0, gRuntime.registryEntries[i] - 4);
        HeapFree(gRuntime.heap, 0, gRuntime.registryEntries);
    }
    std::memset(static_cast<void*>(&gRuntime), 0, sizeof gRuntime);
    RuntimeStartup();
}
