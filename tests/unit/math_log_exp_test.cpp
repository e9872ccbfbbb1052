// The logarithm and the exponential: stated results, accuracy over their
// domains, and sound values outside them.
#include "runtime/math/numeric.h"
#include "math_test_support.h"

#include <limits>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kLogDomainLow = 7.866824069956793e-309;
constexpr double kLogDomainHigh = 1.2711610061536462e308;

double RelativeError(double actual, double expected) {
    return expected == 0.0 ? std::fabs(actual) : std::fabs((actual - expected) / expected);
}

TEST(MathLog, StatedResults) {
    EXPECT_SAME_DOUBLE(Log(1.0), 0.0);
    EXPECT_SAME_DOUBLE(Log(2.0), 0.6931471805599453);
    EXPECT_SAME_DOUBLE(Log(0.5), -0.6931471805599453);
    EXPECT_SAME_DOUBLE(Log(10.0), 2.3025850929940455);
    EXPECT_SAME_DOUBLE(Log(10.0), std::nextafter(std::log(10.0), 0.0));
    for (const double x : {0.0, -0.0, -5.0, -kInf, std::nan("")}) EXPECT_SAME_DOUBLE(Log(x), 0.0);
    EXPECT_TRUE(std::isnan(Log(kInf)));
}

// Over the domain within about two units in the last place; the positive
// arguments outside it, down to the smallest subnormal and up to the
// largest double, as close.
TEST(MathLog, AccurateOverEveryPositiveFiniteArgument) {
    TestArguments arguments;
    std::vector<double> xs = {0x1p-1074, std::nextafter(kLogDomainLow, 0.0), kLogDomainLow,
                              kLogDomainHigh, std::nextafter(kLogDomainHigh, kInf), kMax};
    for (int k = 0; k < 40000; ++k) xs.push_back(k % 2 ? arguments.AnyPositive() : arguments.Uniform(0.25, 4.0));
    for (const double x : xs) {
        ASSERT_LE(RelativeError(Log(x), std::log(x)), 3.5e-16) << std::hexfloat << x;
    }
    // No step where the scaled range takes over.
    EXPECT_LE(UlpDistance(Log(std::nextafter(kLogDomainLow, 0.0)), Log(kLogDomainLow)), 1u);
    EXPECT_LE(UlpDistance(Log(kLogDomainHigh), Log(std::nextafter(kLogDomainHigh, kInf))), 1u);
}

TEST(MathExp, StatedResults) {
    EXPECT_SAME_DOUBLE(Exp(0.0), 1.0);
    EXPECT_SAME_DOUBLE(Exp(1.0), 2.718281828459045);
    EXPECT_SAME_DOUBLE(Exp(709.43), 1.2633808701859688e308);
    EXPECT_SAME_DOUBLE(Exp(709.44), kInf);
    EXPECT_SAME_DOUBLE(Exp(709.436139303104), kInf);  // k reaches 1024 here
    EXPECT_TRUE(std::isfinite(Exp(std::nextafter(709.436139303104, 0.0))));
    EXPECT_SAME_DOUBLE(Exp(-745.1), 0x1p-1074);
    EXPECT_SAME_DOUBLE(Exp(-746.0), 0.0);
}

TEST(MathExp, OutsideTheDomain) {
    EXPECT_SAME_DOUBLE(Exp(kInf), kInf);
    EXPECT_SAME_DOUBLE(Exp(-kInf), 0.0);
    EXPECT_TRUE(std::isnan(Exp(std::nan(""))));
    // Both sides of the cut-off agree, and so do the far ends of the range.
    for (const double x : {1.0e9, std::nextafter(1.0e9, kInf), 1.4885e9, 1.0e300, kMax}) {
        EXPECT_SAME_DOUBLE(Exp(x), kInf);
        EXPECT_SAME_DOUBLE(Exp(-x), 0.0);
    }
}

TEST(MathExp, WithinTheStatedRelativeError) {
    TestArguments arguments;
    for (int k = 0; k < 200000; ++k) {
        const double small = arguments.Uniform(0.0, 1.0);
        ASSERT_LE(RelativeError(Exp(small), std::exp(small)), 3.5e-16) << small;
        const double positive = arguments.Uniform(1.0, 709.4);
        ASSERT_LE(RelativeError(Exp(positive), std::exp(positive)), 1e-13) << positive;
        const double negative = arguments.Uniform(-708.0, 0.0);
        ASSERT_LE(RelativeError(Exp(negative), std::exp(negative)), 4e-13) << negative;
    }
}

TEST(MathPow, RealExponentsFollowExpAndLog) {
    TestArguments arguments;
    for (int k = 0; k < 10000; ++k) {
        const double x = arguments.Uniform(0.01, 100.0);
        const double y = arguments.Uniform(-50.0, 50.0) + 0.25;
        ASSERT_LE(RelativeError(Pow(x, y), std::pow(x, y)), 1e-12) << x << " " << y;
    }
}

}  // namespace
