// Painting the console: the text layer over the back buffer, scrolling, and
// the text drawn by printing.
#include "runtime/core/strings.h"
#include "tests/integration/console_runtime.h"

#include <vector>

namespace console_test {
namespace {

constexpr COLORREF kBlue = 0x00FF0000;
constexpr COLORREF kRed = 0x000000FF;
constexpr COLORREF kGreen = 0x0000FF00;
constexpr COLORREF kWhite = 0x00FFFFFF;

void Print(const std::string& bytes) {
    CountedString s = StrAlloc(static_cast<int32_t>(bytes.size()));
    std::memcpy(s, bytes.data(), bytes.size());
    ConsolePrint(s);
}

// True when the window shows exactly the back buffer inside the rectangle.
bool ShowsBackBuffer(HWND window, int left, int top, int right, int bottom) {
    headless::Pixels shown = headless::ReadClient(window);
    headless::Pixels back = ReadBackBuffer();
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (shown.At(x, y) != back.At(x, y)) return false;
    return true;
}

TEST_F(ConsoleRuntime, TheTextScrollsUpUntilTheCursorRowFits) {
    ResizeAndWait(window, 640, 600);
    const int lineHeight = gRuntime.lineHeight;
    const int cellWidth = gRuntime.cellWidth;
    const int wholeRows = 600 / lineHeight;
    const int cursor = 40;
    const int scrolled = cursor + 1 - wholeRows;  // 4 for 16-pixel lines
    ASSERT_GT(scrolled, 0);

    std::vector<unsigned char*> rowsBefore(kTextRows);
    for (int row = 0; row < kTextRows; ++row) {
        PutRowText(row, std::string(row % 10 + 1, 'X'), kWhite, 0);
        rowsBefore[row] = gRuntime.characterRows[row];
    }
    {
        ConsoleLockHold hold;
        gRuntime.cursorRow = cursor;
    }
    RepaintAndWait(window);

    ConsoleLockHold hold;
    EXPECT_EQ(gRuntime.cursorRow, cursor - scrolled);
    EXPECT_EQ(gRuntime.characterRows[0], rowsBefore[scrolled]);
    EXPECT_EQ(gRuntime.characterRows[kTextRows - 1 - scrolled], rowsBefore[kTextRows - 1]);
    for (int row = kTextRows - scrolled; row < kTextRows; ++row) {
        for (int c = 0; c < kTextColumns; ++c) {
            ASSERT_EQ(gRuntime.characterRows[row][c], 0);
            ASSERT_EQ(gRuntime.foreColourRows[row][c], 0u);
            ASSERT_EQ(gRuntime.backColourRows[row][c], 0u);
        }
    }
    // The former row `scrolled` is drawn at the top, with its own length.
    headless::Pixels shown = headless::ReadClient(window);
    const int textEnd = (scrolled % 10 + 1) * cellWidth;
    EXPECT_GT(CountColour(shown, kWhite, 0, 0, textEnd, lineHeight), 0);
    EXPECT_EQ(CountLit(shown, textEnd, 0, 640, lineHeight), 0);
    // Every row whose top lies inside the client area is drawn, the last one cut off.
    const int lastVisible = (600 - 1) / lineHeight;
    EXPECT_GT(CountLit(shown, 0, lastVisible * lineHeight, 640, 600), 0);
}

TEST_F(ConsoleRuntime, AnEmptyClientAreaScrollsTheCursorToTheTopAndAtRowZeroNothingScrolls) {
    PutRowText(0, "top", kWhite, 0);
    unsigned char* topRow = gRuntime.characterRows[0];
    ResizeAndWait(window, 640, 1);
    Print("");
    EXPECT_EQ(gRuntime.characterRows[0], topRow);

    // A window of no height gets no paint; printing renders all the same.
    unsigned char* sixthRow = gRuntime.characterRows[5];
    {
        ConsoleLockHold hold;
        gRuntime.cursorRow = 5;
    }
    ResizeAndWait(window, 640, 0);
    Print("");
    ConsoleLockHold hold;
    EXPECT_EQ(gRuntime.cursorRow, 0);
    EXPECT_EQ(gRuntime.characterRows[0], sixthRow);
}

// Minimised, the window reports a 0x0 client area as on the platform: the
// program keeps printing and drawing, the text scrolls to row 0 and nothing
// reaches the window; restored, the window gets its size back and a paint
// shows the back buffer with everything drawn meanwhile.
TEST_F(ConsoleRuntime, WhileMinimisedPrintingAndDrawingGoOnAndRestoringShowsThem) {
    headless::InjectMinimise(window);
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    RECT client{1, 1, 1, 1};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 0);
    EXPECT_EQ(client.bottom, 0);

    for (int line = 0; line < 60; ++line) {
        Print("minimised line\r\n");
        Circle(300, 200, 50 + line, 4, 0, 0, 1.0, 0, 0);
        if (line % 6 == 5) Cls(1);
    }
    Print("last");
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    EXPECT_TRUE(headless::ReadClient(window).values.empty());
    {
        ConsoleLockHold hold;
        EXPECT_EQ(gRuntime.cursorRow, 0);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(gRuntime.characterRows[0])), "last");
    }
    const headless::Pixels graphics = ReadBackBuffer();
    const int drawn = CountColour(graphics, kGreen, 0, 0, graphics.width, graphics.height);
    EXPECT_GT(drawn, 0);

    ResizeAndWait(window, kClientWidth, kClientHeight);
    const headless::Pixels shown = headless::ReadClient(window);
    ASSERT_EQ(shown.width, kClientWidth);
    ASSERT_EQ(shown.height, kClientHeight);
    EXPECT_EQ(CountColour(shown, kGreen, 0, 16, kClientWidth, kClientHeight),
              CountColour(graphics, kGreen, 0, 16, kClientWidth, kClientHeight));
    EXPECT_GT(CountColour(shown, kWhite, 0, 0, 4 * gRuntime.cellWidth, gRuntime.lineHeight), 0);
}

TEST_F(ConsoleRuntime, PrintingRestoresTheGraphicsRightOfTheText) {
    const int lineHeight = gRuntime.lineHeight;
    const int cellWidth = gRuntime.cellWidth;
    FillBackBuffer(RECT{0, 0, 300, 2 * lineHeight}, kBlue);
    RepaintAndWait(window);
    ASSERT_TRUE(ShowsBackBuffer(window, 0, 0, 640, 2 * lineHeight));

    Print("HELLO WORLD");
    EXPECT_FALSE(ShowsBackBuffer(window, 0, 0, 11 * cellWidth, lineHeight));
    EXPECT_TRUE(ShowsBackBuffer(window, 11 * cellWidth, 0, 640, lineHeight));

    // The row now ends after two characters; printing nothing redraws the
    // cursor row, and the graphics come back right of the shorter text.
    {
        ConsoleLockHold hold;
        gRuntime.characterRows[0][2] = 0;
    }
    Print("");
    EXPECT_FALSE(ShowsBackBuffer(window, 0, 0, 2 * cellWidth, lineHeight));
    EXPECT_TRUE(ShowsBackBuffer(window, 2 * cellWidth, 0, 640, lineHeight));

    {
        ConsoleLockHold hold;
        gRuntime.characterRows[0][0] = 0;
    }
    Print("");
    EXPECT_TRUE(ShowsBackBuffer(window, 0, 0, 640, lineHeight));
}

TEST_F(ConsoleRuntime, CellsKeepTheirOwnColoursAndTransparentCellsShowTheGraphics) {
    const int lineHeight = gRuntime.lineHeight;
    const int cellWidth = gRuntime.cellWidth;
    FillBackBuffer(RECT{0, 0, 640, 3 * lineHeight}, kBlue);
    PutRowText(0, "MMMM", kWhite, kTransparentBackColour);
    PutRowText(1, "MMMM", kGreen, kRed);
    RepaintAndWait(window);
    headless::Pixels shown = headless::ReadClient(window);

    const int textEnd = 4 * cellWidth;
    EXPECT_GT(CountColour(shown, kBlue, 0, 0, textEnd, lineHeight), 0);
    EXPECT_GT(CountColour(shown, kWhite, 0, 0, textEnd, lineHeight), 0);
    EXPECT_EQ(CountColour(shown, kRed, 0, 0, textEnd, lineHeight), 0);

    EXPECT_GT(CountColour(shown, kRed, 0, lineHeight, textEnd, 2 * lineHeight), 0);
    EXPECT_GT(CountColour(shown, kGreen, 0, lineHeight, textEnd, 2 * lineHeight), 0);
    EXPECT_EQ(CountColour(shown, kBlue, 0, lineHeight, textEnd, 2 * lineHeight), 0);
    EXPECT_EQ(CountColour(shown, kBlue, textEnd, lineHeight, 640, 2 * lineHeight),
              (640 - textEnd) * lineHeight);
}

TEST_F(ConsoleRuntime, DoubleByteCharactersUseTheLeadCellsColoursAndALoneLeadByteIsDrawnAlone) {
    const int lineHeight = gRuntime.lineHeight;
    const int cellWidth = gRuntime.cellWidth;
    // "あ" in Shift-JIS, its trail cell coloured differently.
    PutRowText(0, "A\x82\xA0", kWhite, kRed);
    {
        ConsoleLockHold hold;
        gRuntime.backColourRows[0][2] = kGreen;
    }
    // A lead byte with nothing after it, in the last cell that can hold a byte.
    PutRowText(1, std::string(253, 'A') + "\x82", kWhite, kRed);
    RepaintAndWait(window);
    headless::Pixels shown = headless::ReadClient(window);

    EXPECT_EQ(CountColour(shown, kGreen, 0, 0, 640, lineHeight), 0);
    EXPECT_GT(CountColour(shown, kRed, cellWidth, 0, 2 * cellWidth, lineHeight), 0);
    EXPECT_GT(CountColour(shown, kRed, 2 * cellWidth, 0, 3 * cellWidth, lineHeight), 0);
    EXPECT_EQ(CountLit(shown, 3 * cellWidth, 0, 640, lineHeight), 0);

    ResizeAndWait(window, 256 * cellWidth, 4 * lineHeight);
    shown = headless::ReadClient(window);
    EXPECT_GT(CountColour(shown, kRed, 253 * cellWidth, lineHeight, 254 * cellWidth, 2 * lineHeight), 0);
    EXPECT_EQ(CountLit(shown, 254 * cellWidth, lineHeight, shown.width, 2 * lineHeight), 0);
}

}  // namespace
}  // namespace console_test
