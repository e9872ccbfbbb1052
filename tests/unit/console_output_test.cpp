// Console output into a text grid the test allocates itself, with no window:
// what ConsolePrint stores, where the cursor ends, and Asc.
#include "runtime/console/console.h"
#include "runtime/console/console_output.h"
#include "runtime/console/text_grid.h"
#include "runtime/core/strings.h"
#include "tests/unit/runtime_reset.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kMarker = 0x00123456;

CountedString Text(const std::string& bytes) {
    CountedString s = StrAlloc(static_cast<int32_t>(bytes.size()));
    std::memcpy(s, bytes.data(), bytes.size());
    return s;
}

void Print(const std::string& bytes) { ConsolePrint(Text(bytes)); }

std::string RowText(int32_t row) {
    return reinterpret_cast<const char*>(gRuntime.characterRows[row]);
}

void MoveCursor(int32_t column, int32_t row) {
    gRuntime.cursorColumn = column;
    gRuntime.cursorRow = row;
}

class ConsoleOutput : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRuntime();
        AllocateTextGrid();
        gRuntime.currentForeColour = kWhite;
        gRuntime.currentBackColour = 0;
    }
    void TearDown() override { ReleaseTextGrid(); }
};

TEST_F(ConsoleOutput, TabsFillSpacesToTheNextMultipleOfEightKeepingTheirColours) {
    for (int32_t c = 0; c < kTextColumns; ++c) gRuntime.foreColourRows[0][c] = kMarker;
    gRuntime.currentForeColour = 0x00ABCDEF;
    gRuntime.currentBackColour = kTransparentBackColour;
    Print("A\tB");
    EXPECT_EQ(RowText(0), "A       B");
    EXPECT_EQ(gRuntime.cursorColumn, 9);
    EXPECT_EQ(gRuntime.foreColourRows[0][0], 0x00ABCDEFu);
    EXPECT_EQ(gRuntime.backColourRows[0][0], kTransparentBackColour);
    for (int32_t c = 1; c < 8; ++c) EXPECT_EQ(gRuntime.foreColourRows[0][c], kMarker) << c;
    EXPECT_EQ(gRuntime.foreColourRows[0][8], 0x00ABCDEFu);

    MoveCursor(8, 1);
    Print("\t");
    EXPECT_EQ(gRuntime.cursorColumn, 16);
    for (int32_t c = 0; c < 8; ++c) EXPECT_EQ(gRuntime.characterRows[1][c], 0) << c;
    for (int32_t c = 8; c < 16; ++c) EXPECT_EQ(gRuntime.characterRows[1][c], ' ') << c;

    MoveCursor(15, 2);
    Print("\t");
    EXPECT_EQ(gRuntime.cursorColumn, 16);
    EXPECT_EQ(gRuntime.characterRows[2][14], 0);
    EXPECT_EQ(gRuntime.characterRows[2][15], ' ');
    EXPECT_EQ(gRuntime.characterRows[2][16], 0);
}

TEST_F(ConsoleOutput, OnlyCarriageReturnLineFeedBreaksTheLine) {
    Print("ab\r\ncd");
    EXPECT_EQ(RowText(0), "ab");
    EXPECT_EQ(RowText(1), "cd");
    EXPECT_EQ(gRuntime.cursorColumn, 2);
    EXPECT_EQ(gRuntime.cursorRow, 1);

    // A lone line feed, a carriage return before another byte and one at the
    // very end are stored as characters.
    Print("x\ny\rz\r");
    EXPECT_EQ(RowText(1), "cdx\ny\rz\r");
    EXPECT_EQ(gRuntime.cursorColumn, 8);

    Print("\r\r\n");
    EXPECT_EQ(RowText(1), "cdx\ny\rz\r\r");
    EXPECT_EQ(gRuntime.cursorRow, 2);
    EXPECT_EQ(gRuntime.cursorColumn, 0);

    Print("\r\n");
    EXPECT_EQ(RowText(2), "");
    EXPECT_EQ(gRuntime.cursorRow, 3);
}

TEST_F(ConsoleOutput, PrintingStopsAtTheFirstZeroAndConsumesTheString) {
    const int32_t liveStrings = gRuntime.registryCount;
    Print(std::string("ab\0cd", 5));
    EXPECT_EQ(RowText(0), "ab");
    EXPECT_EQ(gRuntime.characterRows[0][3], 0);
    EXPECT_EQ(gRuntime.characterRows[0][4], 0);
    EXPECT_EQ(gRuntime.cursorColumn, 2);

    Print("");
    EXPECT_EQ(gRuntime.cursorColumn, 2);
    EXPECT_EQ(gRuntime.registryCount, liveStrings);
}

TEST_F(ConsoleOutput, ARowNeverLosesItsTerminatingZero) {
    Print(std::string(300, 'x'));
    EXPECT_EQ(RowText(0), std::string(254, 'x'));
    EXPECT_EQ(gRuntime.characterRows[0][254], 0);
    EXPECT_EQ(gRuntime.cursorColumn, 254);
    Print("\ty");
    EXPECT_EQ(gRuntime.characterRows[0][254], 0);
    EXPECT_EQ(gRuntime.cursorColumn, 254);
    Print("\r\nq");
    EXPECT_EQ(RowText(1), "q");

    MoveCursor(250, 2);
    Print("\t");
    for (int32_t c = 250; c <= 253; ++c) EXPECT_EQ(gRuntime.characterRows[2][c], ' ') << c;
    EXPECT_EQ(gRuntime.characterRows[2][254], 0);
    EXPECT_EQ(gRuntime.cursorColumn, 254);
}

TEST_F(ConsoleOutput, ALineBreakOnTheLastRowScrollsTheGrid) {
    Print("first\r\nsecond");
    unsigned char* secondRow = gRuntime.characterRows[1];
    MoveCursor(0, 100);
    Print("end\r\nnext");
    EXPECT_EQ(gRuntime.cursorRow, 100);
    EXPECT_EQ(gRuntime.cursorColumn, 4);
    EXPECT_EQ(gRuntime.characterRows[0], secondRow);  // rows move by pointer
    EXPECT_EQ(RowText(0), "second");
    EXPECT_EQ(RowText(99), "end");
    EXPECT_EQ(RowText(100), "next");
    EXPECT_EQ(gRuntime.foreColourRows[100][0], kWhite);
    EXPECT_EQ(gRuntime.foreColourRows[100][4], 0u);  // the new row starts empty
    EXPECT_EQ(gRuntime.backColourRows[100][4], 0u);
    for (int32_t row = 0; row < kTextRows; ++row) {
        ASSERT_NE(gRuntime.characterRows[row], nullptr);
        ASSERT_NE(gRuntime.foreColourRows[row], nullptr);
        ASSERT_NE(gRuntime.backColourRows[row], nullptr);
    }
}

// What the echo of typed text shows is what the line keeps: the count must
// agree with what printing the same bytes leaves on the row.
TEST(ShownPrefixLength, CountsTheBytesThatLandOnACell) {
    const auto shown = [](const std::string& text, int32_t column) {
        return ShownPrefixLength(reinterpret_cast<const unsigned char*>(text.data()),
                                 static_cast<int32_t>(text.size()), column);
    };
    EXPECT_EQ(shown(std::string(300, 'x'), 0), 254);
    EXPECT_EQ(shown("abc", 252), 2);
    EXPECT_EQ(shown("a", 254), 0);
    EXPECT_EQ(shown("\tz", 250), 1);     // the tab fills 250..253; z has no cell
    EXPECT_EQ(shown("a\r\nbc", 253), 5);  // the line break starts a new row
    EXPECT_EQ(shown("a\r", 253), 1);      // a lone CR needs a cell of its own
    EXPECT_EQ(shown(std::string("ab\0c", 4), 0), 2);
    EXPECT_EQ(shown("abc", 0), 3);
}

TEST_F(ConsoleOutput, AscGivesTheFirstByteUnsignedAndConsumesTheString) {
    const int32_t liveStrings = gRuntime.registryCount;
    EXPECT_EQ(Asc(Text(" ")), 32);
    EXPECT_EQ(Asc(Text("")), 0);
    EXPECT_EQ(Asc(Text("\xE0\x40")), 0xE0);
    EXPECT_EQ(gRuntime.registryCount, liveStrings);
}

}  // namespace
