// When a display presents a window's changed pixels: once a refresh, never
// while a paint waits, and a fresh paint only once something is drawn over
// it or a refresh has passed.
#include "platform/posix/display/present_timing.h"

#include <gtest/gtest.h>

namespace {

using posix::PresentClock;
using std::chrono::milliseconds;

constexpr milliseconds kRefresh{16};

struct PresentTimingTest : testing::Test {
    PresentClock::time_point start = PresentClock::now();
    posix::Window window;
    posix::PresentTiming timing{start, kRefresh};

    PresentTimingTest() {
        window.visible = true;
        window.changed = RECT{0, 0, 10, 10};
    }
    PresentClock::duration At(milliseconds sinceLastPresent) {
        return posix::TimeToPresent(window, timing, start + sinceLastPresent);
    }
};

TEST_F(PresentTimingTest, ChangesArePresentedOnceARefresh) {
    EXPECT_EQ(At(milliseconds(6)), kRefresh - milliseconds(6));
    EXPECT_EQ(At(kRefresh), PresentClock::duration::zero());
    window.changed = RECT{};
    EXPECT_EQ(At(kRefresh * 2), PresentClock::duration::max()) << "nothing to present";
}

TEST_F(PresentTimingTest, NothingIsPresentedWhileAPaintWaits) {
    window.invalid = RECT{0, 0, 5, 5};
    EXPECT_EQ(At(kRefresh * 10), PresentClock::duration::max());
    window.visible = false;  // a hidden window is never painted
    EXPECT_EQ(At(kRefresh * 10), PresentClock::duration::zero());
}

TEST_F(PresentTimingTest, AFreshPaintWaitsForDrawingOrARefresh) {
    window.paintedAt = start + milliseconds(20);
    window.drawnSincePaint = false;
    EXPECT_EQ(At(milliseconds(21)), milliseconds(15));
    EXPECT_EQ(At(milliseconds(36)), PresentClock::duration::zero());
    window.drawnSincePaint = true;
    EXPECT_EQ(At(milliseconds(21)), PresentClock::duration::zero());
}

TEST_F(PresentTimingTest, PaintsAfterPaintsHoldPresentsBackForFourRefreshesAtMost) {
    window.paintedAt = start + kRefresh * 10;
    window.drawnSincePaint = false;
    EXPECT_EQ(At(kRefresh * 3), kRefresh);
    EXPECT_EQ(At(kRefresh * 4), PresentClock::duration::zero());
}

}  // namespace
