// The square root: its stated last-place behaviour, its error report and its
// accuracy over the whole range of doubles.
#include "platform/posix/kernel/debug_output.h"
#include "runtime/math/numeric.h"
#include "math_test_support.h"

#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(MathSqr, KeepsItsLastPlaceDifferences) {
    EXPECT_SAME_DOUBLE(Sqr(4.0), 2.0);
    EXPECT_SAME_DOUBLE(Sqr(3.0), 1.7320508075688772);
    EXPECT_SAME_DOUBLE(Sqr(3.0), std::sqrt(3.0));
    // One unit below, below and above the correctly rounded roots.
    EXPECT_SAME_DOUBLE(Sqr(2.0), 1.414213562373095);
    EXPECT_SAME_DOUBLE(Sqr(2.0), std::nextafter(std::sqrt(2.0), 0.0));
    EXPECT_SAME_DOUBLE(Sqr(10.0), 3.162277660168379);
    EXPECT_SAME_DOUBLE(Sqr(10.0), std::nextafter(std::sqrt(10.0), 0.0));
    EXPECT_SAME_DOUBLE(Sqr(13.0), 3.6055512754639896);
    EXPECT_SAME_DOUBLE(Sqr(13.0), std::nextafter(std::sqrt(13.0), kInf));
    EXPECT_SAME_DOUBLE(Sqr(0x1p-1074), 0x1p-537);
}

TEST(MathSqr, ZeroNaNAndNegativeArguments) {
    posix::DebugOutputCapture capture;
    EXPECT_SAME_DOUBLE(Sqr(-0.0), 0.0);
    EXPECT_SAME_DOUBLE(Sqr(std::nan("")), 0.0);
    EXPECT_EQ(capture.Text(), "");
    EXPECT_SAME_DOUBLE(Sqr(-1.0), -1.0);
    EXPECT_EQ(capture.Text(), "Error:Sqr argument is illegal");
    EXPECT_SAME_DOUBLE(Sqr(-kInf), -1.0);
    EXPECT_EQ(capture.Text(), "Error:Sqr argument is illegal""Error:Sqr argument is illegal");
    EXPECT_TRUE(std::isnan(Sqr(kInf)));
}

// Every positive finite double, normal or subnormal, ends within one unit
// in the last place of the correctly rounded root; even powers of two are
// exact; the root taken in steps is the same.
TEST(MathSqr, WithinOneUnitOfTheCorrectRootAndTheSameInSteps) {
    TestArguments arguments;
    for (int k = 0; k < 1000000; ++k) {
        const double x = k % 8 == 0 ? std::ldexp(arguments.Uniform(1.0, 2.0), -1074 + (k / 8) % 52)
                                    : arguments.AnyPositive();
        ASSERT_LE(UlpDistance(Sqr(x), std::sqrt(x)), 1u) << std::hexfloat << x;
    }
    // In steps: advancing the root past its end changes nothing.
    for (int k = 0; k < 20000; ++k) {
        const double x = arguments.AnyPositive();
        SqrInProgress root = SqrBegin(x);
        for (int step = k % 40; step > 0; --step) SqrAdvance(root);
        ASSERT_EQ(Bits(SqrEnd(root)), Bits(Sqr(x))) << std::hexfloat << x << " after " << k % 40;
    }
    for (int exponent = -1074; exponent <= 1022; exponent += 2) {
        ASSERT_EQ(Bits(Sqr(std::ldexp(1.0, exponent))), Bits(std::ldexp(1.0, exponent / 2))) << exponent;
    }
}

}  // namespace
