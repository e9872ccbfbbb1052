// The programs' number rules: 16-bit integer variables, integer arithmetic in
// 32 bits with the low 16 bits stored, and a real assigned to an integer
// truncated toward zero.
#pragma once
#include "runtime/math/numeric.h"

#include <cstdint>

// Keeps the low 16 bits of a 32-bit result (two's-complement wrap).
inline int16_t StoreInt16(int32_t value) {
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value)));
}

// Assignment of a real to an integer variable: truncation toward zero to
// 32 bits (INT32_MIN when out of range), then the low 16 bits.
inline int16_t RealToInt16(double value) { return StoreInt16(TruncateToInt32(value)); }
