// The force phase's root: its shorter steps must give Sqr's bits for every
// argument, the scaled steps inside their range and Sqr itself outside it.
#include "programs/swarm/force_root.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

double RootBySteps(double x) {
    ForceRoot root(x);
    for (int step = 0; step < ForceRoot::kSteps; ++step) root.Advance();
    return root.Length();
}

TEST(ForceRoot, GivesSqrsBitsAcrossTheWholeRange) {
    std::vector<double> arguments = {0.0, -0.0, 1.0, 2.0, 0.5, 200.0, 1e-300, 1e300,
                                     0x1p-900, 0x1p900, std::nextafter(0x1p-900, 0.0),
                                     std::nextafter(0x1p900, 1e308), std::numeric_limits<double>::denorm_min(),
                                     std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity()};
    // Random bit patterns of positive doubles (every exponent alike), and
    // squared lengths of the size the swarm produces.
    std::mt19937_64 random(20240607);
    for (int i = 0; i < 200000; ++i) {
        arguments.push_back(std::bit_cast<double>(random() >> 1));
        arguments.push_back(std::ldexp(static_cast<double>(random() >> 11), -53) * 2e6);
    }
    int mismatches = 0;
    for (double x : arguments) {
        if (std::bit_cast<uint64_t>(RootBySteps(x)) != std::bit_cast<uint64_t>(Sqr(x))) {
            ADD_FAILURE() << "Sqr(" << x << ")";
            if (++mismatches == 5) break;
        }
    }
}

}  // namespace
