// Helpers for the numeric library's tests: bit-exact comparison of doubles
// and a small deterministic generator of test arguments.
#pragma once
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

inline uint64_t Bits(double x) { return std::bit_cast<uint64_t>(x); }

// Equal to the bit, so that -0 differs from +0 and one unit in the last
// place shows.
#define EXPECT_SAME_DOUBLE(actual, expected) \
    EXPECT_EQ(Bits(actual), Bits(expected)) << (actual) << " vs " << (expected)

// Units in the last place between two finite doubles of the same sign.
inline uint64_t UlpDistance(double a, double b) {
    const uint64_t x = Bits(std::fabs(a));
    const uint64_t y = Bits(std::fabs(b));
    return x > y ? x - y : y - x;
}

// xorshift64: arguments for the property tests, the same on every run.
struct TestArguments {
    uint64_t state = 0x9E3779B97F4A7C15ull;
    uint64_t Next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
    double Uniform(double low, double high) {
        return low + (high - low) * (static_cast<double>(Next() >> 11) * 0x1p-53);
    }
    // A positive finite double with a random pattern (normal or subnormal).
    double AnyPositive() {
        for (;;) {
            const double x = std::bit_cast<double>(Next() & 0x7FFFFFFFFFFFFFFFull);
            if (x > 0.0 && std::isfinite(x)) return x;
        }
    }
};
