// Threads: CreateThread over detached pthreads, and thread identifiers.
#include "platform/posix/win32_kernel.h"

#include <atomic>
#include <new>

namespace {

// Thread ids are handed out from a counter rather than taken from the
// operating system, so CreateThread can write the new thread's id before the
// thread starts (it may read the id from where its creator stored it) and
// GetCurrentThreadId inside that thread returns the same value. Threads not
// made by CreateThread (the main thread) draw their id on first request.
std::atomic<DWORD> nextThreadId{1};
thread_local DWORD currentThreadId = 0;

DWORD NewThreadId() { return nextThreadId.fetch_add(1, std::memory_order_relaxed); }

struct ThreadStart {
    LPTHREAD_START_ROUTINE routine;
    LPVOID parameter;
    DWORD id;
};

void* RunThread(void* argument) {
    ThreadStart start = *static_cast<ThreadStart*>(argument);
    delete static_cast<ThreadStart*>(argument);
    currentThreadId = start.id;
    start.routine(start.parameter);
    return nullptr;
}

// Threads are detached and never waited for, so a thread handle carries
// nothing: every thread handle is this one record, and closing it is a no-op.
struct ThreadHandle { int unused; };
ThreadHandle threadHandle;

}  // namespace

// Security attributes and creation flags are ignored (threads start at once);
// a non-zero stack size is honoured where the system accepts it.
HANDLE CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T stackSize, LPTHREAD_START_ROUTINE start,
                    LPVOID parameter, DWORD, LPDWORD threadId) {
    auto* startRecord = new (std::nothrow) ThreadStart{start, parameter, NewThreadId()};
    if (startRecord == nullptr) return nullptr;
    if (threadId != nullptr) *threadId = startRecord->id;

    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    if (stackSize != 0) pthread_attr_setstacksize(&attributes, stackSize);
    pthread_t thread;
    int error = pthread_create(&thread, &attributes, RunThread, startRecord);
    pthread_attr_destroy(&attributes);
    if (error != 0) {
        delete startRecord;
        return nullptr;
    }
    return &threadHandle;
}

BOOL CloseHandle(HANDLE handle) { return handle != nullptr; }

DWORD GetCurrentThreadId() {
    if (currentThreadId == 0) currentThreadId = NewThreadId();
    return currentThreadId;
}
