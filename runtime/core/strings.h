// Counted strings and the string registry.
#pragma once
#include "runtime/core/runtime_state.h"

CountedString StrAlloc(int32_t length);
void StrFree(CountedString s);
CountedString StrConcat(CountedString left, CountedString right);
int32_t StrCompare(CountedString left, CountedString right);
int32_t StrCompareKeepLeft(CountedString left, CountedString right);
void FreeStringVariables();

// The stored length of a counted string.
inline int32_t StrLength(CountedString s) {
    int32_t length;
    __builtin_memcpy(&length, s - 4, sizeof length);
    return length;
}
