// PowInt, Ldexp, Frexp and Pow, inside their domains and out of them.
#include "runtime/math/numeric.h"
#include "math_test_support.h"

#include <limits>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

TEST(MathPowInt, NegativePowersAreReciprocals) {
    EXPECT_SAME_DOUBLE(PowInt(0.0, 0), 1.0);
    EXPECT_SAME_DOUBLE(PowInt(2.0, -1023), 0x1p-1023);
    EXPECT_SAME_DOUBLE(PowInt(2.0, -1024), 0.0);  // 2^1024 overflows first
    EXPECT_SAME_DOUBLE(PowInt(-3.0, 3), -27.0);
    EXPECT_SAME_DOUBLE(PowInt(0.5, -3), 8.0);
    EXPECT_SAME_DOUBLE(PowInt(-1.0, INT32_MIN), 1.0);
    EXPECT_SAME_DOUBLE(PowInt(2.0, INT32_MIN), 0.0);
}

TEST(MathLdexp, StatedResultsAndTheMostNegativeExponent) {
    EXPECT_SAME_DOUBLE(Ldexp(1.0, 1023), 0x1p1023);
    EXPECT_SAME_DOUBLE(Ldexp(1.0, 1024), kInf);
    EXPECT_TRUE(std::isnan(Ldexp(0.0, 1024)));
    EXPECT_SAME_DOUBLE(Ldexp(1.0, -1074), 0x1p-1074);
    EXPECT_SAME_DOUBLE(Ldexp(0x1p-1074, 1100), kInf);  // the factor 2^1024 is +inf
    // INT32_MIN behaves like every other exponent of -2048 and below.
    EXPECT_SAME_DOUBLE(Ldexp(5.0, INT32_MIN), 0.0);
    EXPECT_SAME_DOUBLE(Ldexp(-kMax, INT32_MIN), -0.0);
    EXPECT_TRUE(std::isnan(Ldexp(kInf, INT32_MIN)));
    // Where no intermediate factor overflows or underflows it is exact.
    TestArguments arguments;
    for (int k = 0; k < 100000; ++k) {
        const double x = arguments.Uniform(-2.0, 2.0);
        const int32_t n = static_cast<int32_t>(arguments.Next() % 2045) - 1022;
        ASSERT_EQ(Bits(Ldexp(x, n)), Bits(std::ldexp(x, n))) << x << " " << n;
    }
}

TEST(MathFrexp, StatedResults) {
    const struct { double x, f; int32_t e; } cases[] = {
        {1.0, 0.5, 1}, {0.5, 0.5, 0}, {-3.0, -0.75, 2}, {0.1, 0.8, -3}, {0.0, 0.0, 0}, {0x1p-1024, 0.5, -1023}};
    for (const auto& c : cases) {
        int32_t e = 99;
        EXPECT_SAME_DOUBLE(Frexp(c.x, &e), c.f);
        EXPECT_EQ(e, c.e) << c.x;
    }
    for (const double x : {kInf, -kInf}) {
        int32_t e = 0;
        EXPECT_TRUE(std::isnan(Frexp(x, &e)));
        EXPECT_EQ(e, 1024);
    }
}

// Magnitudes below 2^-1024 and from 2^1023 on give the exact split, like
// every other finite argument.
TEST(MathFrexp, ExactSplitOverTheWholeRange) {
    TestArguments arguments;
    std::vector<double> xs = {0x1p-1074, -0x1p-1074, std::nextafter(0x1p-1024, 0.0), 0x1p1023, -kMax, kMax};
    for (int k = 0; k < 3000; ++k) {
        const double x = arguments.AnyPositive();
        xs.push_back(k % 2 ? x : -x);
    }
    for (const double x : xs) {
        int32_t e = 0;
        int expected = 0;
        ASSERT_EQ(Bits(Frexp(x, &e)), Bits(std::frexp(x, &expected))) << std::hexfloat << x;
        ASSERT_EQ(e, expected) << std::hexfloat << x;
    }
}

TEST(MathPow, WholeAndRealExponents) {
    EXPECT_SAME_DOUBLE(Pow(2.0, 10.0), 1024.0);
    EXPECT_SAME_DOUBLE(Pow(-2.0, 3.0), -8.0);
    EXPECT_SAME_DOUBLE(Pow(2.0, -1.0), 0.5);
    EXPECT_SAME_DOUBLE(Pow(0.0, 0.0), 1.0);
    EXPECT_SAME_DOUBLE(Pow(0.0, -1.0), kInf);
    EXPECT_SAME_DOUBLE(Pow(-2.0, 0.5), 0.0);
    EXPECT_SAME_DOUBLE(Pow(0.0, 0.5), 0.0);
    EXPECT_SAME_DOUBLE(Pow(9.0, 0.5), 3.0);
    // -2^31 is outside the whole-number path: 2 goes through Exp and Log.
    EXPECT_SAME_DOUBLE(Pow(2.0, -2147483648.0), 0.0);
    EXPECT_SAME_DOUBLE(Pow(-2.0, -2147483648.0), 0.0);
    EXPECT_TRUE(std::isnan(Pow(2.0, std::nan(""))));
    EXPECT_SAME_DOUBLE(Pow(10.0, 400.5), kInf);
}

}  // namespace
