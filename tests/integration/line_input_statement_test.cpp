// LINE INPUT and COLOR through the running console on the headless display.
#include "runtime/console/statements.h"
#include "runtime/core/strings.h"
#include "tests/integration/console_runtime.h"

#include <future>

namespace console_test {
namespace {

bool ReadIsOpen() {
    ConsoleLockHold hold;
    return gRuntime.inputLength != -1;
}

std::string TakeString(CountedString s) {
    std::string bytes(reinterpret_cast<const char*>(s), static_cast<size_t>(StrLength(s)));
    StrFree(s);
    return bytes;
}

// The read runs on a thread of its own, standing in for the program's main
// thread; the test thread plays the user.
TEST_F(ConsoleRuntime, LineInputShowsTheCaretAndReturnsTheEditedLine) {
    std::future<CountedString> read = std::async(std::launch::async, LineInput);
    ASSERT_TRUE(headless::WaitUntil(ReadIsOpen));
    // The caret is up without any focus change from the user. It is created
    // and then shown by two calls, so wait for both to have happened.
    ASSERT_TRUE(headless::WaitUntil([&] {
        const auto caret = headless::Caret(window);
        return caret.exists && caret.visible;
    }));

    headless::InjectText(window, "abc");
    headless::InjectKeyDown(window, VK_BACK);
    headless::InjectText(window, "d");
    headless::SetClipboardText(std::string(300, 'p'));
    headless::InjectKeyDown(window, 'V', true);
    headless::InjectKeyDown(window, VK_RETURN);
    ASSERT_EQ(read.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    const std::string line = TakeString(read.get());
    // What the row shows, 254 bytes: "abd" and as much of the paste as fits.
    EXPECT_EQ(line, "abd" + std::string(251, 'p'));
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    EXPECT_FALSE(headless::Caret(window).exists);
    headless::SetClipboardText(std::nullopt);

    // A second read starts empty and an empty line is a string of length 0.
    read = std::async(std::launch::async, LineInput);
    ASSERT_TRUE(headless::WaitUntil(ReadIsOpen));
    headless::InjectKeyDown(window, VK_RETURN);
    ASSERT_EQ(read.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(TakeString(read.get()), "");
}

TEST_F(ConsoleRuntime, ColorSetsThePaletteColoursOfPrintedText) {
    Color(6, 1);
    CountedString text = StrAlloc(1);
    text[0] = 'x';
    ConsolePrint(text);
    ConsoleLockHold hold;
    EXPECT_EQ(gRuntime.foreColourRows[0][0], PaletteColor(6));
    EXPECT_EQ(gRuntime.backColourRows[0][0], PaletteColor(1));
    EXPECT_EQ(gRuntime.characterRows[0][0], 'x');
    Color(9, -1);  // outside the palette: black
    EXPECT_EQ(gRuntime.currentForeColour, 0u);
    EXPECT_EQ(gRuntime.currentBackColour, 0u);
}

}  // namespace
}  // namespace console_test
