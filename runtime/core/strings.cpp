// Counted strings and the registry of live strings. A string is released only
// through the registry; releasing a pointer the registry does not hold is
// reported instead of corrupting the heap.
#include "runtime/core/strings.h"
#include "runtime/core/startup.h"

#include <cstdint>
#include <cstring>

namespace {

// The length word before the text and the terminating zero after it.
constexpr int32_t kStringOverhead = 5;
constexpr int32_t kLongestString = INT32_MAX - kStringOverhead;

// "未知の文字列が解放されようとしました。\r\n" in Shift-JIS.
constexpr char kStrayReleaseMessage[] =
    "\x96\xa2\x92\x6d\x82\xcc\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x89\xf0\x95\xfa\x82\xb3"
    "\x82\xea\x82\xe6\x82\xa4\x82\xc6\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42\r\n";

// Enters s as the newest slot of the registry. The entries array grows to
// exactly one slot per live string.
void RegisterString(CountedString s) {
    EnterCriticalSection(&gRuntime.registryLock);
    SIZE_T bytes = (static_cast<SIZE_T>(gRuntime.registryCount) + 1) * sizeof(CountedString);
    void* entries = HeapReAlloc(gRuntime.heap, 0, gRuntime.registryEntries, bytes);
    if (entries == nullptr) {
        LeaveCriticalSection(&gRuntime.registryLock);
        FatalRuntimeError("StrAlloc: out of memory for the string registry");
    }
    gRuntime.registryEntries = static_cast<CountedString*>(entries);
    gRuntime.registryEntries[gRuntime.registryCount] = s;
    ++gRuntime.registryCount;
    LeaveCriticalSection(&gRuntime.registryLock);
}

// Removes s from the registry and frees its block; false if the registry does
// not hold s. Later slots move down one, keeping their order.
bool UnregisterAndFree(CountedString s) {
    EnterCriticalSection(&gRuntime.registryLock);
    CountedString* entries = gRuntime.registryEntries;
    for (int32_t i = 0; i < gRuntime.registryCount; ++i) {
        if (entries[i] != s) continue;
        HeapFree(gRuntime.heap, 0, s - 4);
        --gRuntime.registryCount;
        for (int32_t j = i; j < gRuntime.registryCount; ++j) entries[j] = entries[j + 1];
        LeaveCriticalSection(&gRuntime.registryLock);
        return true;
    }
    LeaveCriticalSection(&gRuntime.registryLock);
    return false;
}

}  // namespace

CountedString StrAlloc(int32_t length) {
    if (length < 0 || length > kLongestString) FatalRuntimeError("StrAlloc: invalid string length");
    void* block = HeapAlloc(gRuntime.heap, HEAP_ZERO_MEMORY,
                            static_cast<SIZE_T>(length) + kStringOverhead);
    if (block == nullptr) FatalRuntimeError("StrAlloc: out of memory");
    std::memcpy(block, &length, sizeof length);
    CountedString s = static_cast<char*>(block) + 4;
    RegisterString(s);
    return s;
}

void StrFree(CountedString s) {
    if (UnregisterAndFree(s)) return;
    if (s != nullptr) OutputDebugStringA(kStrayReleaseMessage);
}

CountedString StrConcat(CountedString left, CountedString right) {
    int32_t leftLength = StrLength(left);
    int32_t rightLength = StrLength(right);
    int64_t total = static_cast<int64_t>(leftLength) + rightLength;
    if (total > kLongestString) FatalRuntimeError("StrConcat: string too long");
    CountedString result = StrAlloc(static_cast<int32_t>(total));
    RtlMoveMemory(result, left, static_cast<SIZE_T>(leftLength));
    RtlMoveMemory(result + leftLength, right, static_cast<SIZE_T>(rightLength));
    StrFree(left);
    StrFree(right);
    return result;
}

namespace {

// The stored lengths are passed, never -1: zero bytes inside a string take
// part in the comparison and the terminator does not.
int32_t Collate(CountedString left, CountedString right) {
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, left, StrLength(left), right,
                          StrLength(right));
}

}  // namespace

int32_t StrCompare(CountedString left, CountedString right) {
    int32_t result = Collate(left, right);
    StrFree(left);
    StrFree(right);
    return result;
}

int32_t StrCompareKeepLeft(CountedString left, CountedString right) {
    int32_t result = Collate(left, right);
    StrFree(right);
    return result;
}

// The slots keep their (now released) pointers; the program owns them.
void FreeStringVariables() {
    for (CountedString s : gRuntime.stringVariables) StrFree(s);
}
