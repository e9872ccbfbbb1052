// Clipboard text: UTF-8 from the display, handed out in code page 932.
#include "platform/platform.h"
#include "platform/posix/display/headless.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

namespace {

// The clipboard's CF_TEXT as bytes; "<none>" when there is no text.
std::string ClipboardBytes() {
    EXPECT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    std::string bytes = "<none>";
    if (data != nullptr) bytes = static_cast<const char*>(GlobalLock(data));
    if (data != nullptr) GlobalUnlock(data);
    EXPECT_TRUE(CloseClipboard());
    return bytes;
}

TEST(Clipboard, TextIsConvertedToCodePage932) {
    // "日本語" is 93 FA 96 7B 8C EA; the euro sign and the emoji are not in CP932.
    headless::SetClipboardText("abc \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(ClipboardBytes(), "abc \x93\xFA\x96\x7B\x8C\xEA??z");
    // Malformed UTF-8 becomes '?' too, and the rest survives.
    headless::SetClipboardText("x\xE6\x97y\xFFw");
    EXPECT_EQ(ClipboardBytes(), "x?y?w");
    // Line ends become CR LF; existing CR LF pairs stay.
    headless::SetClipboardText("one\ntwo\r\nthree\n");
    EXPECT_EQ(ClipboardBytes(), "one\r\ntwo\r\nthree\r\n");
}

TEST(Clipboard, NoTextGivesNullAndTheClipboardMustBeOpen) {
    headless::SetClipboardText(std::nullopt);
    EXPECT_EQ(ClipboardBytes(), "<none>");
    headless::SetClipboardText("");
    EXPECT_EQ(ClipboardBytes(), "<none>");
    headless::SetClipboardText("text");
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr) << "not open";
    EXPECT_FALSE(CloseClipboard());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(2), nullptr) << "only CF_TEXT";
    bool otherOpened = true;
    std::thread([&] { otherOpened = OpenClipboard(nullptr); }).join();
    EXPECT_FALSE(otherOpened) << "one thread at a time";
    HANDLE first = GetClipboardData(CF_TEXT);
    EXPECT_EQ(GetClipboardData(CF_TEXT), first);
    EXPECT_TRUE(CloseClipboard());
}

TEST(Clipboard, MegabytesConvertCompletely) {
    // 3 MiB of mixed text: ASCII, kana (3 UTF-8 bytes -> 2) and unconvertible
    // emoji (4 UTF-8 bytes -> '?').
    const std::string unit = "ab\xE3\x81\x82\xF0\x9F\x98\x80";
    const std::string expectedUnit = "ab\x82\xA0?";
    std::string text, expected;
    while (text.size() < (3u << 20)) {
        text += unit;
        expected += expectedUnit;
    }
    headless::SetClipboardText(text);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    ASSERT_EQ(std::strlen(bytes), expected.size());
    EXPECT_TRUE(std::memcmp(bytes, expected.data(), expected.size()) == 0);
    CloseClipboard();
}

}  // namespace
