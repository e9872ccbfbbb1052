// The console lock goes to a waiting paint before the main thread draws
// again, and a clear blackens everything drawn however little it repaints.
#include "tests/integration/console_runtime.h"

#include <atomic>
#include <climits>
#include <thread>

namespace console_test {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;

// A paint waits for the lock that this thread holds; a drawing thread comes
// along meanwhile. When the lock is left, the paint must copy the back
// buffer before the drawing thread gets in.
TEST_F(ConsoleRuntime, AWaitingPaintTakesTheConsoleLockBeforeTheNextDrawing) {
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    const RECT marked{40, 40, 60, 60};
    std::atomic<bool> drawerStarted{false};
    std::atomic<int> markedOnWindowWhenDrawing{-1};
    std::thread drawer;
    {
        ConsoleLockHold hold;
        FillBackBuffer(marked, kWhite);
        InvalidateRect(window, &marked, FALSE);
        ASSERT_TRUE(headless::WaitUntil([] { return gRuntime.paintsWaiting.load() == 1; }));
        drawer = std::thread([&] {
            drawerStarted = true;
            ConsoleLockHold drawing;
            const headless::Pixels shown = headless::ReadClient(window);
            markedOnWindowWhenDrawing = CountColour(shown, kWhite, 40, 40, 60, 60);
        });
        ASSERT_TRUE(headless::WaitUntil([&] { return drawerStarted.load(); }));
    }
    drawer.join();
    EXPECT_EQ(markedOnWindowWhenDrawing.load(), 20 * 20) << "the drawing got the lock before the paint";
}

// Figures of every kind, partly off the screen, with inverted boxes and
// filled: one clear turns the whole back buffer and the window black again.
TEST_F(ConsoleRuntime, ClsBlackensEveryFigureDrawnSinceTheLastClear) {
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    Circle(100, 100, 2, 7, 0.0, 0.0, 1.0, 0, 0);
    Circle(700, 500, 40, 6, -0.5, -4.0, 1.0, 1, 2);   // a filled sector
    Circle(300, 200, 60, 5, 1.0, 5.0, -0.5, 0, 0);    // negative ratio: the box upside down
    Circle(-3, 300, 10, 4, 0.0, 0.0, 1.0, 1, 4);      // across the left edge
    Circle(kScreenWidth - 1, kScreenHeight - 1, 30, 3, 0.0, 0.0, 0.3, 1, 1);  // beyond the client area
    Circle(INT_MAX, INT_MIN, INT_MAX, 7, 0.0, 1.0, 1e300, 1, 3);
    headless::Pixels back = ReadBackBuffer();
    ASSERT_GT(CountLit(back, 0, 0, back.width, back.height), 0);

    Cls(3);
    back = ReadBackBuffer();
    EXPECT_EQ(CountLit(back, 0, 0, back.width, back.height), 0);
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    const headless::Pixels shown = headless::ReadClient(window);
    EXPECT_EQ(CountLit(shown, 0, 0, shown.width, shown.height), 0);
}

}  // namespace
}  // namespace console_test
