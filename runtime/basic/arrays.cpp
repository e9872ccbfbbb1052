// DIM's storage: zero-filled blocks from the process heap, never released
// (arrays live as long as the program).
#include "platform/platform.h"
#include "runtime/basic/basic.h"
#include "runtime/core/strings.h"

namespace {

// The largest array in bytes: far beyond any real program, and small enough
// that the heap (and a sanitizer's allocator) answers a request by returning
// null rather than failing the process.
constexpr uint64_t kLargestArrayBytes = sizeof(void*) == 8 ? uint64_t{1} << 38 : uint64_t{1} << 30;

}  // namespace

void* BasicArrayAlloc(int64_t elements, int32_t elementBytes, int32_t line) {
    if (elements < 0 || elementBytes <= 0 ||
        static_cast<uint64_t>(elements) > kLargestArrayBytes / static_cast<uint64_t>(elementBytes))
        BasicRuntimeError(line, "array too large");
    // An empty array still gets a block of its own.
    const uint64_t bytes = static_cast<uint64_t>(elements) * static_cast<uint64_t>(elementBytes);
    void* block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, static_cast<SIZE_T>(bytes > 0 ? bytes : 1));
    if (block == nullptr) BasicRuntimeError(line, "out of memory for the array");
    return block;
}

CountedString* BasicStringArrayAlloc(int64_t elements, int32_t line) {
    auto* strings = static_cast<CountedString*>(
        BasicArrayAlloc(elements, static_cast<int32_t>(sizeof(CountedString)), line));
    for (int64_t i = 0; i < elements; ++i) strings[i] = StrAlloc(0);
    return strings;
}
