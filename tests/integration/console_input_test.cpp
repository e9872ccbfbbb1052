// Line input through the console window: caret and composition window,
// typing, Backspace, Enter, paste, and the idle state.
#include "tests/integration/console_runtime.h"

#include <optional>

namespace console_test {
namespace {

void StartReading() {
    ConsoleLockHold hold;
    gRuntime.inputLength = 0;
    std::memset(gRuntime.inputBuffer, 0, sizeof gRuntime.inputBuffer);
}

void MoveCursor(int column, int row) {
    ConsoleLockHold hold;
    gRuntime.cursorColumn = column;
    gRuntime.cursorRow = row;
}

int32_t InputLength() {
    ConsoleLockHold hold;
    return gRuntime.inputLength;
}

std::string InputText() {
    ConsoleLockHold hold;
    return reinterpret_cast<const char*>(gRuntime.inputBuffer);
}

std::string RowText(int row) {
    ConsoleLockHold hold;
    return reinterpret_cast<const char*>(gRuntime.characterRows[row]);
}

void Type(HWND window, const std::string& text) {
    headless::InjectText(window, text);
    ASSERT_TRUE(headless::WaitUntilIdle(window));
}

void Press(HWND window, UINT key, bool control = false) {
    headless::InjectKeyDown(window, key, control);
    ASSERT_TRUE(headless::WaitUntilIdle(window));
}

void Focus(HWND window, bool gained) {
    headless::InjectFocus(window, gained);
    ASSERT_TRUE(headless::WaitUntilIdle(window));
}

TEST_F(ConsoleRuntime, WhileReadingTheCaretAndCompositionWindowFollowTheCursor) {
    StartReading();
    MoveCursor(3, 2);
    Focus(window, true);
    const int cw = gRuntime.cellWidth;
    const int lh = gRuntime.lineHeight;
    headless::CaretState caret = headless::Caret(window);
    EXPECT_TRUE(caret.exists);
    EXPECT_TRUE(caret.visible);
    EXPECT_EQ(caret.x, 3 * cw);  // 24 for 8 by 16 cells
    EXPECT_EQ(caret.y, 3 * lh - 7);  // 41
    EXPECT_EQ(caret.width, 9);
    EXPECT_EQ(caret.height, 6);
    std::optional<POINT> composition = headless::CompositionPoint(window);
    ASSERT_TRUE(composition.has_value());
    EXPECT_EQ(composition->x, 3 * cw);  // 24
    EXPECT_EQ(composition->y, 2 * lh);  // 32

    Focus(window, false);
    EXPECT_FALSE(headless::Caret(window).exists);
}

TEST_F(ConsoleRuntime, FocusWithoutAReadCreatesNoCaret) {
    Focus(window, true);
    EXPECT_FALSE(headless::Caret(window).exists);
    Focus(window, false);  // destroying a caret that is not there is harmless
    EXPECT_FALSE(headless::Caret(window).exists);
}

TEST_F(ConsoleRuntime, TypedBytesAreStoredEditedAndEchoedUntilEnter) {
    StartReading();
    Focus(window, true);
    Type(window, "12");
    EXPECT_EQ(InputText(), "12");
    EXPECT_EQ(RowText(0), "12");
    Press(window, VK_BACK);
    EXPECT_EQ(InputLength(), 1);
    EXPECT_EQ(RowText(0), "1");
    EXPECT_EQ(headless::Caret(window).x, gRuntime.cellWidth);  // back at column 1
    Type(window, "3");
    Press(window, VK_RETURN);

    EXPECT_EQ(InputLength(), -1);
    EXPECT_EQ(InputText(), "13");
    EXPECT_EQ(RowText(0), "13");
    EXPECT_EQ(gRuntime.cursorColumn, 0);
    EXPECT_EQ(gRuntime.cursorRow, 1);
    EXPECT_FALSE(headless::Caret(window).exists);  // the read is over

    // Idle again: a key is remembered, its character ignored.
    Press(window, 'A');
    EXPECT_EQ(gRuntime.lastKeyCode, 0x41);
    EXPECT_EQ(InputText(), "13");
    EXPECT_EQ(RowText(1), "");
}

// The keys reach the line as the platform delivers them: Ctrl+Enter and
// Ctrl+Backspace are characters of their own, Alt with a letter is a system
// key that the line never sees.
TEST_F(ConsoleRuntime, ControlCombinationsAreStoredAndAltLettersAreNot) {
    StartReading();
    Type(window, "a");
    Press(window, VK_RETURN, true);   // 10: stored, the read goes on
    Press(window, VK_BACK, true);     // 127
    Press(window, VK_OEM_4, true);    // 27
    headless::InjectKey(window, 'X', {.alt = true});
    headless::InjectKey(window, VK_MENU, {.alt = true});
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    EXPECT_EQ(InputLength(), 4);
    EXPECT_EQ(InputText(), "a\n\x7f\x1b");
    Press(window, VK_RETURN);
    EXPECT_EQ(InputLength(), -1);
    EXPECT_EQ(InputText(), "a\n\x7f\x1b");
}

// While idle, every key down updates the last key code; Alt keys are system
// keys and leave it alone.
TEST_F(ConsoleRuntime, EveryKeyUpdatesTheLastKeyCode) {
    for (UINT key : {UINT{VK_OEM_1}, UINT{VK_OEM_102}, UINT{VK_MULTIPLY}, UINT{VK_DIVIDE},
                     UINT{VK_CONVERT}, UINT{VK_KANJI}, UINT{VK_F13}, UINT{VK_F24}, UINT{VK_PAUSE},
                     UINT{VK_CAPITAL}}) {
        Press(window, key);
        EXPECT_EQ(gRuntime.lastKeyCode, key);
    }
    headless::InjectKey(window, 'Q', {.alt = true});
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    EXPECT_EQ(gRuntime.lastKeyCode, VK_CAPITAL);
}

TEST_F(ConsoleRuntime, BackspaceWithNothingTypedChangesNothingButRebuildsTheCaret) {
    StartReading();
    MoveCursor(4, 1);
    Focus(window, true);
    Press(window, VK_BACK);
    EXPECT_EQ(InputLength(), 0);
    headless::CaretState caret = headless::Caret(window);
    EXPECT_TRUE(caret.exists);
    EXPECT_EQ(caret.x, 4 * gRuntime.cellWidth);
}

TEST_F(ConsoleRuntime, PasteAppendsTheClipboardTextAndEchoesItAsPrinted) {
    StartReading();
    Type(window, "x");
    headless::SetClipboardText("ab\tc");
    Press(window, 'V', true);
    EXPECT_EQ(InputText(), "xab\tc");
    EXPECT_EQ(InputLength(), 5);
    EXPECT_EQ(RowText(0), "xab     c");
    EXPECT_EQ(gRuntime.cursorColumn, 9);

    headless::SetClipboardText(std::nullopt);
    Press(window, 'V', true);
    EXPECT_EQ(InputLength(), 5);
    EXPECT_EQ(RowText(0), "xab     c");
}

// The line keeps exactly what its echo shows: a row holds 254 bytes.
TEST_F(ConsoleRuntime, AtTheRightEdgeTheLineHoldsWhatTheEchoShows) {
    StartReading();
    headless::SetClipboardText(std::string(300, 'p'));
    Press(window, 'V', true);
    EXPECT_EQ(InputLength(), 254);
    EXPECT_EQ(InputText(), std::string(254, 'p'));
    EXPECT_EQ(RowText(0), std::string(254, 'p'));
    Type(window, "q");
    EXPECT_EQ(InputLength(), 254);
    EXPECT_EQ(RowText(0), std::string(254, 'p'));
    Press(window, VK_BACK);
    EXPECT_EQ(InputText(), std::string(253, 'p'));
    EXPECT_EQ(RowText(0), std::string(253, 'p'));
    EXPECT_EQ(gRuntime.cursorColumn, 253);
    Type(window, "q");
    EXPECT_EQ(InputText(), std::string(253, 'p') + "q");
    EXPECT_EQ(RowText(0), InputText());

    // After bytes typed first there is less room; a tab counts when its first
    // cell is on the row, and Backspace takes it away with one cell.
    StartReading();
    MoveCursor(0, 1);
    Type(window, "ab");
    headless::SetClipboardText(std::string(247, 'r') + "\tst");
    Press(window, 'V', true);
    EXPECT_EQ(InputText(), "ab" + std::string(247, 'r') + "\t");
    EXPECT_EQ(RowText(1), "ab" + std::string(247, 'r') + std::string(5, ' '));
    Press(window, VK_BACK);
    EXPECT_EQ(InputText(), "ab" + std::string(247, 'r'));
    EXPECT_EQ(RowText(1), "ab" + std::string(247, 'r') + std::string(4, ' '));

    // A pasted line break takes the echo to a new row; Backspace then stays
    // at column 0.
    StartReading();
    MoveCursor(0, 3);
    headless::SetClipboardText("ab\r\n");
    Press(window, 'V', true);
    EXPECT_EQ(gRuntime.cursorRow, 4);
    EXPECT_EQ(gRuntime.cursorColumn, 0);
    Press(window, VK_BACK);
    EXPECT_EQ(InputText(), "ab\r");
    EXPECT_EQ(gRuntime.cursorColumn, 0);
    EXPECT_EQ(RowText(3), "ab");
}

}  // namespace
}  // namespace console_test
