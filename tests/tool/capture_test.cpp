// The tools' view of the console, on the real runtime and the headless
// display: the composed frame must be what a paint shows, text layer and all.
#include "platform/posix/display/headless.h"
#include "runtime/console/console.h"
#include "runtime/core/prologue.h"
#include "runtime/core/strings.h"
#include "runtime/graphics/graphics.h"
#include "tools/capture/console_capture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int kScreenWidth = 320, kScreenHeight = 200;
constexpr int kClientWidth = 400, kClientHeight = 240;

void StartConsole() {
    static bool started = false;
    if (started) return;
    std::string error;
    ASSERT_TRUE(ChooseScreenSize(kScreenWidth, kScreenHeight, error)) << error;
    ASSERT_TRUE(ChooseClientSize(kClientWidth, kClientHeight, error)) << error;
    ProgramPrologue();
    started = true;
}

void Print(const char* text) {
    const int32_t length = static_cast<int32_t>(std::strlen(text));
    CountedString s = StrAlloc(length);
    std::memcpy(s, text, length);
    ConsolePrint(s);
}

int CountDifferences(const Picture& a, const Picture& b, int width, int height) {
    int differences = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) differences += a.At(x, y) != b.At(x, y);
    return differences;
}

}  // namespace

// Circles under and beside printed text: the composed frame equals the
// client area after a real paint pixel for pixel, keeps the black of the
// background beyond the back buffer, and differs from the bare back buffer
// only where the text rows lie.
TEST(ConsoleCapture, ComposedFrameIsWhatAPaintShows) {
    StartConsole();
    Cls(3);
    Circle(30, 8, 20, 4, 0, 0, 1, 1, 2);      // under the first text row
    Circle(200, 150, 30, 6, 0, 0, 1, 0, 0);  // clear of the text
    Print("HELLO, WORLD\r\nsecond row");

    const Picture composed = ComposeConsoleFrame();
    const Picture painted = PaintAndReadClient();
    const Picture back = CaptureBackBuffer();
    ASSERT_EQ(composed.width, kClientWidth);
    ASSERT_EQ(composed.height, kClientHeight);
    ASSERT_EQ(painted.width, kClientWidth);
    ASSERT_EQ(painted.height, kClientHeight);
    ASSERT_EQ(back.width, kScreenWidth);
    ASSERT_EQ(back.height, kScreenHeight);
    EXPECT_EQ(CountDifferences(composed, painted, kClientWidth, kClientHeight), 0);

    for (int y = 0; y < kClientHeight; ++y)
        for (int x = kScreenWidth; x < kClientWidth; ++x) ASSERT_EQ(composed.At(x, y), 0u) << x << "," << y;
    for (int y = kScreenHeight; y < kClientHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) ASSERT_EQ(composed.At(x, y), 0u) << x << "," << y;

    // The text shows in the frame but never reaches the back buffer.
    int textRowsBottom = 0;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x)
            if (composed.At(x, y) != back.At(x, y)) textRowsBottom = std::max(textRowsBottom, y + 1);
    EXPECT_GT(textRowsBottom, 0);
    EXPECT_LE(textRowsBottom, 2 * 40);  // two rows of any sane line height
    EXPECT_EQ(back.At(200, 120), 0x00FFFFu);  // the yellow circle's top
    EXPECT_EQ(composed.At(200, 120), 0x00FFFFu);
}

// Clearing both layers: the next frame is black everywhere, and the back
// buffer copy follows each drawing at once.
TEST(ConsoleCapture, FramesFollowClearsAndDrawings) {
    StartConsole();
    Print("text");
    Circle(100, 100, 10, 7, 0, 0, 1, 0, 0);
    Cls(3);
    const Picture cleared = ComposeConsoleFrame();
    ASSERT_EQ(cleared.width, kClientWidth);
    for (uint32_t pixel : cleared.pixels) ASSERT_EQ(pixel, 0u);

    Circle(100, 100, 10, 2, 0, 0, 1, 0, 0);
    const Picture back = CaptureBackBuffer();
    EXPECT_EQ(back.At(100, 90), 0x0000FFu);  // red, at the top of the outline
    EXPECT_EQ(ComposeConsoleFrame().At(100, 90), 0x0000FFu);
}
