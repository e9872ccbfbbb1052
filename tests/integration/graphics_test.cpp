// Cls and Circle on the real console: what each clears or draws, on the
// window at once and in the back buffer for every later paint.
#include "tests/integration/console_runtime.h"

#include <climits>
#include <limits>

namespace console_test {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kRed = 0x000000FF;

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;  // inclusive
    bool empty() const { return left > right; }
};

// The smallest box around every lit pixel.
Box LitBox(const headless::Pixels& pixels) {
    Box box;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            if (pixels.At(x, y) != 0) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

// Box edges: the platform decides whether the right and bottom edges of the
// bounding box are drawn, so both are accepted.
void ExpectLitBox(const Box& box, int left, int top, int right, int bottom) {
    ASSERT_FALSE(box.empty());
    EXPECT_EQ(box.left, left);
    EXPECT_EQ(box.top, top);
    EXPECT_TRUE(box.right == right || box.right == right - 1) << box.right;
    EXPECT_TRUE(box.bottom == bottom || box.bottom == bottom - 1) << box.bottom;
}

TEST_F(ConsoleRuntime, ClsClearsTheLayersItsModeSelectsAndAlwaysAsksForAPaint) {
    const COLORREF marker = 0x00345678;
    for (int mode : {0, 1, 2, 3, 4, -1}) {
        SCOPED_TRACE(mode);
        PutRowText(0, "top", marker, marker);
        PutRowText(100, "bottom", marker, marker);
        {
            ConsoleLockHold hold;
            gRuntime.cursorColumn = 5;
            gRuntime.cursorRow = 7;
        }
        // Also beyond the client area: the whole screen-sized buffer is cleared.
        FillBackBuffer(RECT{10, 10, 20, 20}, kWhite);
        FillBackBuffer(RECT{kScreenWidth - 10, kScreenHeight - 10, kScreenWidth, kScreenHeight},
                       kWhite);
        ASSERT_TRUE(headless::WaitUntilIdle(window));
        gRuntime.readyFlag.store(0);

        Cls(mode);

        const bool text = mode == 0 || mode == 1 || mode == 3;
        const bool graphics = mode == 2 || mode == 3;
        EXPECT_TRUE(headless::WaitUntil([] { return gRuntime.readyFlag.load() == 1; }));
        ConsoleLockHold hold;
        EXPECT_EQ(gRuntime.characterRows[0][0] == 0, text);
        EXPECT_EQ(gRuntime.characterRows[100][0] == 0, text);
        EXPECT_EQ(gRuntime.cursorRow == 0 && gRuntime.cursorColumn == 0, text);
        EXPECT_EQ(gRuntime.foreColourRows[100][5], marker);
        EXPECT_EQ(gRuntime.backColourRows[0][2], marker);
        headless::Pixels back = ReadBackBuffer();
        EXPECT_EQ(CountLit(back, 0, 0, back.width, back.height) == 0, graphics);
    }
}

TEST_F(ConsoleRuntime, ClsThreeShowsAnEmptyWindowAtTheNextPaint) {
    PutRowText(2, "text", kWhite, 0);
    FillBackBuffer(RECT{0, 0, 50, 50}, kWhite);
    RepaintAndWait(window);
    headless::Pixels shown = headless::ReadClient(window);
    ASSERT_GT(CountLit(shown, 0, 0, shown.width, shown.height), 0);
    Cls(3);
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    shown = headless::ReadClient(window);
    EXPECT_EQ(CountLit(shown, 0, 0, shown.width, shown.height), 0);
}

TEST_F(ConsoleRuntime, ACircleShowsOnTheWindowAtOnceAndSurvivesRepaints) {
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    Circle(100, 100, 2, 7, 0.0, 0.0, 1.0, 0, 0);
    headless::Pixels back = ReadBackBuffer();
    headless::Pixels shown = headless::ReadClient(window);
    ExpectLitBox(LitBox(back), 98, 98, 102, 102);
    EXPECT_EQ(back.At(100, 100), 0u);  // outline only
    EXPECT_EQ(CountColour(back, kWhite, 98, 98, 103, 103), CountLit(back, 0, 0, back.width, back.height));
    for (int y = 96; y < 105; ++y)
        for (int x = 96; x < 105; ++x) ASSERT_EQ(shown.At(x, y), back.At(x, y)) << x << "," << y;

    RepaintAndWait(window);
    shown = headless::ReadClient(window);
    for (int y = 96; y < 105; ++y)
        for (int x = 96; x < 105; ++x) ASSERT_EQ(shown.At(x, y), back.At(x, y)) << x << "," << y;
}

TEST_F(ConsoleRuntime, TheRatioSqueezesOneAxis) {
    Circle(100, 100, 10, 7, 0.0, 0.0, 0.5, 0, 0);
    ExpectLitBox(LitBox(ReadBackBuffer()), 90, 95, 110, 105);
    Cls(2);
    Circle(100, 100, 10, 7, 0.0, 0.0, 2.0, 0, 0);
    ExpectLitBox(LitBox(ReadBackBuffer()), 95, 90, 105, 110);
}

TEST_F(ConsoleRuntime, AnglesDrawOpenArcsAndSectors) {
    // Upper half: from the right, counter-clockwise to the left.
    Circle(100, 100, 50, 7, 0.0, 3.14, 1.0, 0, 0);
    headless::Pixels back = ReadBackBuffer();
    EXPECT_EQ(CountLit(back, 0, 102, 300, 300), 0);
    EXPECT_GT(CountLit(back, 45, 95, 55, 101), 0);
    EXPECT_GT(CountLit(back, 145, 95, 155, 101), 0);
    EXPECT_GT(CountLit(back, 95, 48, 105, 53), 0);
    EXPECT_EQ(CountLit(back, 97, 97, 104, 104), 0);  // no lines to the centre

    // Three quarters, from the top counter-clockwise to the right, closed by
    // two radii.
    Cls(2);
    Circle(100, 100, 50, 7, -1.57, 0.0, 1.0, 0, 0);
    back = ReadBackBuffer();
    EXPECT_GT(CountLit(back, 99, 60, 102, 90), 25);   // the radius up
    EXPECT_GT(CountLit(back, 110, 99, 140, 102), 25);  // the radius right
    EXPECT_GT(CountLit(back, 50, 101, 100, 151), 0);   // the arc lower left
    EXPECT_EQ(CountLit(back, 103, 45, 160, 98), 0);    // nothing upper right

    // Negative zero is zero: an open arc, no radii.
    Cls(2);
    Circle(100, 100, 50, 7, -0.0, 1.0, 1.0, 0, 0);
    back = ReadBackBuffer();
    EXPECT_GT(CountLit(back, 0, 0, 300, 300), 0);
    EXPECT_EQ(CountLit(back, 97, 97, 104, 104), 0);

    // Past a full turn the end point is the centre; whatever is drawn, the
    // call returns and draws inside the box.
    Cls(2);
    Circle(100, 100, 50, 7, 0.0, 7.0, 1.0, 0, 0);
    Box box = LitBox(ReadBackBuffer());
    if (!box.empty()) {
        EXPECT_TRUE(box.left >= 50 && box.right <= 150 && box.top >= 50 && box.bottom <= 150);
    }
}

TEST_F(ConsoleRuntime, FillPaintsTheInteriorOfEllipsesAndSectorsOnly) {
    Circle(100, 100, 10, 7, 0.0, 0.0, 1.0, 1, 2);
    headless::Pixels back = ReadBackBuffer();
    EXPECT_EQ(back.At(100, 100), kRed);
    EXPECT_GT(CountColour(back, kWhite, 89, 89, 112, 112), 0);

    Cls(2);
    Circle(100, 100, 10, 7, 0.0, 3.0, 1.0, 1, 2);  // an arc is never filled
    back = ReadBackBuffer();
    EXPECT_EQ(CountColour(back, kRed, 0, 0, 300, 300), 0);

    // Colour 9 is black: the outline shows only against white.
    Cls(2);
    FillBackBuffer(RECT{80, 80, 120, 120}, kWhite);
    Circle(100, 100, 10, 9, 0.0, 0.0, 1.0, 0, 0);
    back = ReadBackBuffer();
    EXPECT_GT(CountColour(back, 0, 80, 80, 120, 120), 0);
    EXPECT_EQ(back.At(100, 100), kWhite);
}

TEST_F(ConsoleRuntime, NonNumberAnglesAndRatiosDrawWithoutHarm) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Circle(100, 100, 10, 7, nan, nan, 1.0, 0, 0);
    Circle(100, 100, 10, 7, 0.0, 0.0, nan, 1, 3);
    Circle(INT_MAX, INT_MIN, INT_MAX, 7, 0.0, 1.0, 1e300, 1, 3);
    Circle(-5, -5, 3, 7, -1.0, -2.0, 1.0, 1, 3);
    RepaintAndWait(window);
    EXPECT_EQ(gRuntime.readyFlag.load(), 1);
}

}  // namespace
}  // namespace console_test
