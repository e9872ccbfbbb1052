// The two threads at once: the main thread draws, clears and prints while the
// window is resized to nothing, to more than the screen and back, and
// repainted. Nothing may crash, hang or touch memory it does not own.
#include "runtime/core/strings.h"
#include "tests/integration/console_runtime.h"

#include <atomic>
#include <thread>

namespace console_test {
namespace {

void PrintLine(int n) {
    const std::string text = "line " + std::to_string(n) + "\t\x82\xA0\r\n";
    CountedString s = StrAlloc(static_cast<int32_t>(text.size()));
    std::memcpy(s, text.data(), text.size());
    ConsolePrint(s);
}

TEST_F(ConsoleRuntime, DrawingAndPrintingSurviveRapidResizing) {
    std::atomic<bool> drawing{true};
    std::atomic<int> steps{0};
    // One resize per drawing step: as rapid as the drawing itself, and a
    // bounded amount of work however slowly a sanitizer lets either run.
    std::thread resizer([&] {
        const int sizes[][2] = {{0, 0}, {1, 1}, {2000, 1500}, {640, 16}, {0, 600}, {800, 0}, {320, 240}};
        for (int round = 0; drawing.load(); ++round) {
            const auto& size = sizes[round % std::size(sizes)];
            headless::InjectResize(window, size[0], size[1]);
            const int seen = steps.load();
            while (drawing.load() && steps.load() == seen) std::this_thread::yield();
        }
    });
    for (int n = 0; n < 600; ++n) {
        Circle(n % 900, (n * 7) % 700, 2 + n % 5, n % 8, 0.0, n % 3 * 1.0, 1.0, n % 2, 3);
        PrintLine(n);
        if (n % 5 == 0) Cls(n % 4);
        steps.fetch_add(1);
    }
    drawing.store(false);
    resizer.join();

    ResizeAndWait(window, kClientWidth, kClientHeight);
    gRuntime.readyFlag.store(0);
    RepaintAndWait(window);
    EXPECT_EQ(gRuntime.readyFlag.load(), 1);
    ConsoleLockHold hold;
    EXPECT_GE(gRuntime.cursorRow, 0);
    EXPECT_LE(gRuntime.cursorRow, 100);
    for (int row = 0; row < kTextRows; ++row) ASSERT_EQ(gRuntime.characterRows[row][254], 0);
}

}  // namespace
}  // namespace console_test
