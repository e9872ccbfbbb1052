// The process heap over the C allocator. Blocks from HeapAlloc and
// HeapReAlloc are ordinary malloc blocks, so HeapFree is free().
#include "platform/posix/win32_kernel.h"

#include <cstdlib>
#include <cstring>

namespace {

// The heap handle is only ever compared and passed back; it names this one heap.
struct ProcessHeap { int unused; };
ProcessHeap processHeap;

// A zero-byte request still yields a distinct, freeable block, as on Windows.
SIZE_T AtLeastOneByte(SIZE_T bytes) { return bytes == 0 ? 1 : bytes; }

}  // namespace

HANDLE GetProcessHeap() { return &processHeap; }

LPVOID HeapAlloc(HANDLE, DWORD flags, SIZE_T bytes) {
    if (flags & HEAP_ZERO_MEMORY) return std::calloc(1, AtLeastOneByte(bytes));
    return std::malloc(AtLeastOneByte(bytes));
}

// The runtime grows its blocks without the zero-fill flag only; the C
// allocator does not know a block's requested size, so zero-filling the grown
// part cannot be offered here and the flag is not honoured.
LPVOID HeapReAlloc(HANDLE, DWORD, LPVOID block, SIZE_T bytes) {
    if (block == nullptr) return nullptr;  // Windows fails on a null block too
    return std::realloc(block, AtLeastOneByte(bytes));
}

BOOL HeapFree(HANDLE, DWORD, LPVOID block) {
    std::free(block);
    return TRUE;
}
