// MultiByteToWideChar and WideCharToMultiByte between code page 932 and UTF-8.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::u16string ToWide(UINT codePage, const std::string& text, DWORD flags = 0) {
    const int units = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(units));
    EXPECT_EQ(MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide.data(), units), units);
    return std::u16string(wide.begin(), wide.end());
}

std::string FromWide(UINT codePage, const std::u16string& units, BOOL* usedDefault = nullptr) {
    std::vector<WCHAR> wide(units.begin(), units.end());
    const int size = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, usedDefault);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, usedDefault);
    return text;
}

TEST(PosixCodePage, ShiftJisAndUtf8RoundTrip) {
    const std::string shiftJis = "A\x93\xFA\x96\x7B\xB1\x95\x5C";  // A日本ｱ表
    const std::u16string wide = u"A日本ｱ表";
    EXPECT_EQ(ToWide(932, shiftJis), wide);
    EXPECT_EQ(FromWide(932, wide), shiftJis);
    EXPECT_EQ(ToWide(CP_UTF8, "A日本ｱ表"), wide);
    EXPECT_EQ(FromWide(CP_UTF8, wide), "A日本ｱ表");
    EXPECT_EQ(ToWide(CP_UTF8, "\xF0\x9F\x98\x80"), u"\U0001F600");  // two units
    EXPECT_EQ(FromWide(CP_UTF8, u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(PosixCodePage, MalformedAndUnmappableText) {
    EXPECT_EQ(ToWide(CP_UTF8, "a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xC0\xAF", 3, nullptr, 0), 0);  // overlong
    EXPECT_EQ(ToWide(932, "\x93"), u"\uFFFD");  // a lead byte without its trail byte
    BOOL usedDefault = FALSE;
    EXPECT_EQ(FromWide(932, u"a\U0001F600b", &usedDefault), "a?b");
    EXPECT_TRUE(usedDefault);
    WCHAR small[1];
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "ab", 2, small, 1), 0);  // too small
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "ab", -1, nullptr, 0), 3);  // with the zero
}

}  // namespace
