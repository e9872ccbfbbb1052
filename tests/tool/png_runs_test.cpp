// DeflateRuns must make streams that zlib inflates to exactly the input,
// however its runs and literals fall.
#include "tools/capture/png_runs.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

namespace {

void ExpectInflatesTo(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> stream;
    DeflateRuns(raw, stream);
    std::vector<uint8_t> back(raw.size() + 1);
    uLongf length = back.size();
    ASSERT_EQ(uncompress(back.data(), &length, stream.data(), stream.size()), Z_OK) << raw.size() << " bytes";
    back.resize(length);
    ASSERT_EQ(back, raw);
}

TEST(DeflateRuns, EveryRunLengthAroundTheMatchLimits) {
    ExpectInflatesTo({});
    ExpectInflatesTo({7});
    // One byte, then runs of every length up to three longest matches and a
    // bit, each ended by another value; the Adler-32 of long runs too.
    for (std::size_t run = 1; run <= 3 * 258 + 5; ++run) {
        std::vector<uint8_t> raw(run, 0x11);
        raw.push_back(0xF0);
        ExpectInflatesTo(raw);
    }
    ExpectInflatesTo(std::vector<uint8_t>(3'000'000, 0));
}

TEST(DeflateRuns, RandomMixturesOfRunsAndLiterals) {
    std::mt19937 generator(1);
    for (int picture = 0; picture < 500; ++picture) {
        std::vector<uint8_t> raw;
        const std::size_t size = generator() % 5000;
        while (raw.size() < size) {
            const uint8_t value = generator() % 3 == 0 ? static_cast<uint8_t>(generator()) : 0;
            raw.insert(raw.end(), generator() % 2 == 0 ? generator() % 700 : 1, value);
        }
        ExpectInflatesTo(raw);
    }
}

TEST(DeflateRuns, ABlackScreenfulTakesAboutTwoBitsARun) {
    std::vector<uint8_t> stream;
    DeflateRuns(std::vector<uint8_t>(1080 * 961, 0), stream);
    EXPECT_LT(stream.size(), 1500u);
}

}  // namespace
