// Inline helpers that compiled BASIC programs use for the language's
// arithmetic and storage rules: integer operations in 32 bits that wrap (never
// signed overflow), comparisons that give -1 or 0 (doubles under the numeric
// library's unordered rule), string assignment and literals, bounds-checked
// arrays, the GOSUB return stack and the recursion guard. Header-only, so
// each helper costs what the operation costs.
#pragma once
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "runtime/basic/basic.h"
#include "runtime/core/strings.h"
#include "runtime/math/numeric.h"
#include "runtime/math/unordered.h"

// ---- Integer arithmetic: 32 bits, wrapping -----------------------------------
inline int32_t BasicAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t BasicSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t BasicMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
inline int32_t BasicNeg(int32_t a) { return static_cast<int32_t>(0u - static_cast<uint32_t>(a)); }
inline int32_t BasicAbsInt(int32_t a) { return a < 0 ? BasicNeg(a) : a; }
inline int32_t BasicSgnInt(int32_t a) { return a > 0 ? 1 : a < 0 ? -1 : 0; }
// NaN has no sign: SGN gives 0 for it.
inline int32_t BasicSgnDouble(double a) { return a > 0 ? 1 : a < 0 ? -1 : 0; }

// RANDOMIZE with a DOUBLE seed: the seed is the low 32 bits of the value
// truncated toward zero, so 4294967295 seeds as -1 does (NaN and the
// infinities seed as 0). Every step is exact.
inline uint32_t BasicSeedPattern(double seed) {
    if (!std::isfinite(seed)) return 0;
    double low = std::fmod(std::trunc(seed), 4294967296.0);
    if (low < 0) low += 4294967296.0;
    return static_cast<uint32_t>(low);
}

// ---- Truth values -----------------------------------------------------------
inline int32_t BasicTruth(bool condition) { return condition ? -1 : 0; }
inline int32_t BasicLessD(double a, double b) { return BasicTruth(numeric_detail::LessU(a, b)); }
inline int32_t BasicLessEqualD(double a, double b) { return BasicTruth(numeric_detail::LessEqualU(a, b)); }
inline int32_t BasicEqualD(double a, double b) { return BasicTruth(numeric_detail::EqualU(a, b)); }
inline int32_t BasicGreaterD(double a, double b) { return BasicTruth(numeric_detail::GreaterU(a, b)); }
inline int32_t BasicGreaterEqualD(double a, double b) { return BasicTruth(numeric_detail::GreaterEqualU(a, b)); }
inline int32_t BasicNotEqualD(double a, double b) { return BasicTruth(numeric_detail::NotEqualU(a, b)); }
// A DOUBLE condition holds when the value is not equal to zero.
inline bool BasicHolds(double value) { return numeric_detail::NotEqualU(value, 0.0); }

// StrCompare's collation result (1 before, 2 equal, 3 after, 0 failed) as
// the truth value of each comparison.
inline int32_t BasicStrLess(int32_t order) { return BasicTruth(order == 1); }
inline int32_t BasicStrLessEqual(int32_t order) { return BasicTruth(order == 1 || order == 2); }
inline int32_t BasicStrEqual(int32_t order) { return BasicTruth(order == 2); }
inline int32_t BasicStrGreater(int32_t order) { return BasicTruth(order == 3); }
inline int32_t BasicStrGreaterEqual(int32_t order) { return BasicTruth(order == 2 || order == 3); }
inline int32_t BasicStrNotEqual(int32_t order) { return BasicTruth(order != 2); }

// ---- Strings ------------------------------------------------------------------
// A string literal's bytes as a new counted string.
inline CountedString BasicLiteral(const char* bytes, int32_t length) {
    CountedString s = StrAlloc(length);
    if (length > 0) std::memcpy(s, bytes, static_cast<size_t>(length));
    return s;
}
// Stores a new value (which the variable takes over) and releases the old one.
inline void BasicSetString(CountedString& target, CountedString value) {
    CountedString old = target;
    target = value;
    StrFree(old);
}

// An argument passed by value: the callee gets a place of its own, which
// lives until the end of the calling statement.
template <typename T>
struct BasicByValue {
    explicit BasicByValue(T v) : value(v) {}
    T& Ref() { return value; }
    T value;
};
struct BasicStringByValue {
    explicit BasicStringByValue(CountedString v) : value(v) {}
    BasicStringByValue(const BasicStringByValue&) = delete;
    BasicStringByValue& operator=(const BasicStringByValue&) = delete;
    ~BasicStringByValue() { StrFree(value); }
    CountedString& Ref() { return value; }
    CountedString value;
};

// ---- Arrays ----------------------------------------------------------------------
// Before DIM an array has no elements: every index is out of bounds.
template <typename T, int N>
struct BasicArray {
    BasicArray() {
        for (int i = 0; i < N; ++i) {
            lower[i] = 0;
            upper[i] = -1;
        }
    }
    T* data = nullptr;
    int64_t count = 0;
    int32_t lower[N];
    int32_t upper[N];
};

namespace basic_detail {
template <typename T>
inline void FillNew(T*, int64_t) {}
inline void FillNew(CountedString* data, int64_t count) {
    for (int64_t i = 0; i < count; ++i) data[i] = StrAlloc(0);
}
template <typename T>
inline void ReleaseElements(T*, int64_t) {}
inline void ReleaseElements(CountedString* data, int64_t count) {
    for (int64_t i = 0; i < count; ++i) StrFree(data[i]);
}
}  // namespace basic_detail

// DIM a(l0 TO u0, l1 TO u1, ...): bounds given as pairs.
template <typename T, int N, typename... Bounds>
inline void BasicDim(BasicArray<T, N>& array, int32_t line, Bounds... bounds) {
    static_assert(sizeof...(Bounds) == 2 * N, "two bounds per dimension");
    if (array.data) BasicRuntimeError(line, "array already dimensioned");
    const int32_t values[] = {static_cast<int32_t>(bounds)...};
    int64_t count = 1;
    for (int i = 0; i < N; ++i) {
        array.lower[i] = values[2 * i];
        array.upper[i] = values[2 * i + 1];
        if (array.upper[i] < array.lower[i]) BasicRuntimeError(line, "array bounds out of order");
        count *= static_cast<int64_t>(array.upper[i]) - array.lower[i] + 1;
        if (count > (int64_t{1} << 31) / static_cast<int64_t>(sizeof(T)))
            BasicRuntimeError(line, "array too large");
    }
    array.data = static_cast<T*>(std::calloc(static_cast<size_t>(count), sizeof(T)));
    if (!array.data) BasicRuntimeError(line, "out of memory");
    array.count = count;
    basic_detail::FillNew(array.data, count);
}

template <typename T, int N>
inline void BasicArrayRelease(BasicArray<T, N>& array) {
    if (!array.data) return;
    basic_detail::ReleaseElements(array.data, array.count);
    std::free(array.data);
    array.data = nullptr;
}

// The element at the given indexes; an index outside its bounds is a runtime error.
template <typename T, int N, typename... Indexes>
inline T& BasicAt(BasicArray<T, N>& array, int32_t line, Indexes... indexes) {
    static_assert(sizeof...(Indexes) == N, "one index per dimension");
    const int32_t values[] = {static_cast<int32_t>(indexes)...};
    int64_t offset = 0;
    for (int i = 0; i < N; ++i) {
        int32_t extent = array.upper[i] - array.lower[i] + 1;
        offset = offset * extent + BasicCheckIndex(values[i], array.lower[i], array.upper[i], line);
    }
    return array.data[offset];
}

// An array of the main program whose DIM has fixed bounds (lower, upper per
// dimension, in the type): static storage, so the C++ compiler knows its place
// and bounds. Before its DIM runs it has no elements, as a BasicArray.
template <typename T, int64_t Count, int32_t... Bounds>
struct BasicFixedArray {
    static constexpr int kDimensions = sizeof...(Bounds) / 2;
    static constexpr int32_t kBounds[] = {Bounds...};
    T data[Count];
    bool dimmed;
};

template <typename T, int64_t Count, int32_t... Bounds>
inline void BasicDim(BasicFixedArray<T, Count, Bounds...>& array, int32_t line) {
    if (array.dimmed) BasicRuntimeError(line, "array already dimensioned");
    array.dimmed = true;
    basic_detail::FillNew(array.data, Count);
}

template <typename T, int64_t Count, int32_t... Bounds, typename... Indexes>
inline T& BasicAt(BasicFixedArray<T, Count, Bounds...>& array, int32_t line, Indexes... indexes) {
    using Array = BasicFixedArray<T, Count, Bounds...>;
    static_assert(sizeof...(Indexes) == Array::kDimensions, "one index per dimension");
    if (!array.dimmed) [[unlikely]]
        BasicRuntimeError(line, "array index out of bounds");
    const int32_t values[] = {static_cast<int32_t>(indexes)...};
    int64_t offset = 0;
    for (int i = 0; i < Array::kDimensions; ++i) {
        const int32_t lower = Array::kBounds[2 * i], upper = Array::kBounds[2 * i + 1];
        offset = offset * (int64_t{upper} - lower + 1) + BasicCheckIndex(values[i], lower, upper, line);
    }
    return array.data[offset];
}

// ---- GOSUB and the recursion guard ---------------------------------------------
struct BasicGosubStack {
    static constexpr int32_t kDepth = 512;
    void Push(int32_t point, int32_t line) {
        if (count == kDepth) BasicRuntimeError(line, "GOSUB nested too deeply");
        points[count++] = point;
    }
    int32_t Pop(int32_t line) {
        if (count == 0) BasicRuntimeError(line, "RETURN without GOSUB");
        return points[--count];
    }
    int32_t count = 0;
    int32_t points[kDepth];
};

// The deepest recursion allowed, in bytes of stack below the main routine:
// well inside the smallest main-thread stack of the supported platforms, so
// runaway recursion ends with a runtime error instead of a crash.
inline constexpr uintptr_t kBasicStackLimit = 768 * 1024;
inline uintptr_t gBasicStackBase = 0;

inline void BasicSetStackBase(const void* mainFrame) {
    gBasicStackBase = reinterpret_cast<uintptr_t>(mainFrame);
}
inline void BasicCheckStack(int32_t line) {
    char here = 0;
    const uintptr_t at = reinterpret_cast<uintptr_t>(&here);
    if (at < gBasicStackBase && gBasicStackBase - at > kBasicStackLimit) BasicRuntimeError(line, "out of stack space (recursion too deep)");
}
