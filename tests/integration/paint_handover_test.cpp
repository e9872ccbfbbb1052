// The console lock goes to a waiting paint before the main thread draws
// again, and a clear blackens everything drawn however little it repaints.
#include "tests/integration/console_runtime.h"

#include <climits>
#include <optional>

namespace console_test {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;

// A paint waits for the lock that this thread holds, as the main thread
// holds it in every Circle. When this thread leaves the lock and enters it
// again at once, as the next Circle would, the paint must have copied the
// back buffer in between. An unfair lock lets the thread back in first now
// and then, so this is tried a number of times with changing colours.
TEST_F(ConsoleRuntime, AWaitingPaintTakesTheConsoleLockBeforeTheNextDrawing) {
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    const RECT marked{40, 40, 60, 60};
    for (uint32_t round = 1; round <= 20; ++round) {
        const uint32_t colour = 0x00010203 * round;
        std::optional<ConsoleLockHold> hold(std::in_place);
        FillBackBuffer(marked, colour);
        InvalidateRect(window, &marked, FALSE);
        ASSERT_TRUE(headless::WaitUntil([] { return gRuntime.paintsWaiting.load() == 1; }));
        hold.reset();
        hold.emplace();
        const headless::Pixels shown = headless::ReadClient(window);
        ASSERT_EQ(CountColour(shown, colour, 40, 40, 60, 60), 20 * 20)
            << "round " << round << ": the lock was taken again before the waiting paint";
    }
}

// Figures of every kind, partly off the screen, with inverted boxes and
// filled: each is gone from the back buffer after one clear, and the window
// shows none of them at the next paint.
TEST_F(ConsoleRuntime, ClsBlackensEveryFigureDrawnSinceTheLastClear) {
    struct Figure {
        int x, y, radius, colour;
        double start, end, ratio;
        int fill, fillColour;
    };
    const Figure figures[] = {
        {100, 100, 2, 7, 0.0, 0.0, 1.0, 0, 0},
        {700, 500, 40, 6, -0.5, -4.0, 1.0, 1, 2},  // a filled sector
        {300, 200, 60, 5, 1.0, 5.0, -0.5, 0, 0},   // negative ratio: the box upside down
        {300, 200, 60, 5, 0.0, 0.0, -2.0, 1, 2},   // and inside out
        {-3, 300, 10, 4, 0.0, 0.0, 1.0, 1, 4},     // across the left edge
        {kScreenWidth - 1, kScreenHeight - 1, 30, 3, 0.0, 0.0, 0.3, 1, 1},  // beyond the client area
        {INT_MAX, INT_MIN, INT_MAX, 7, 0.0, 1.0, 1e300, 1, 3},
    };
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    for (const Figure& f : figures) {
        SCOPED_TRACE(testing::Message() << "figure at " << f.x << "," << f.y << " ratio " << f.ratio);
        Circle(f.x, f.y, f.radius, f.colour, f.start, f.end, f.ratio, f.fill, f.fillColour);
        Cls(3);
        const headless::Pixels back = ReadBackBuffer();
        EXPECT_EQ(CountLit(back, 0, 0, back.width, back.height), 0);
    }
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    const headless::Pixels shown = headless::ReadClient(window);
    EXPECT_EQ(CountLit(shown, 0, 0, shown.width, shown.height), 0);
}

}  // namespace
}  // namespace console_test
