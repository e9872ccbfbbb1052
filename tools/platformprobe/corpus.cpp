#include "tools/platformprobe/corpus.h"

#include <array>

using namespace std::string_view_literals;

namespace {

// Shift-JIS bytes of the Japanese samples.
constexpr std::string_view kHiraganaA = "\x82\xA0"sv;       // あ
constexpr std::string_view kHiraganaKa = "\x82\xA9"sv;      // か
constexpr std::string_view kHiraganaGa = "\x82\xAA"sv;      // が
constexpr std::string_view kKatakanaA = "\x83\x41"sv;       // ア
constexpr std::string_view kHalfWidthA = "\xB1"sv;          // ｱ (single byte)
constexpr std::string_view kLongVowel = "\x81\x5B"sv;       // ー
constexpr std::string_view kKanjiKan = "\x8A\xBF"sv;        // 漢
constexpr std::string_view kKanjiWord = "\x8A\xBF\x8E\x9A"sv;  // 漢字
constexpr std::string_view kNihon = "\x93\xFA\x96\x7B"sv;   // 日本
constexpr std::string_view kHonjitsu = "\x96\x7B\x93\xFA"sv;  // 本日
constexpr std::string_view kFullWidthA = "\x82\x60"sv;      // Ａ
constexpr std::string_view kFullWidthOne = "\x82\x50"sv;    // １
constexpr std::string_view kIdeographicSpace = "\x81\x40"sv;

constexpr std::array kPairs = {
    // Empty strings and zero bytes: the stored lengths are compared, so a
    // zero byte takes part like any other character.
    StringPair{""sv, ""sv},
    StringPair{""sv, "a"sv},
    StringPair{"\0"sv, ""sv},
    StringPair{"a\0"sv, "a"sv},
    StringPair{"a\0b"sv, "a\0c"sv},
    StringPair{"a\0b"sv, "ab"sv},
    StringPair{"\0a"sv, "a"sv},
    // Case.
    StringPair{"abc"sv, "ABC"sv},
    StringPair{"a"sv, "B"sv},
    StringPair{"A"sv, "b"sv},
    StringPair{"Apple"sv, "apple"sv},
    StringPair{"apple"sv, "Apples"sv},
    StringPair{"Z"sv, "a"sv},
    StringPair{"abc"sv, "abd"sv},
    StringPair{"abc"sv, "ab"sv},
    // Hyphens and apostrophes, which word sorting ranks apart.
    StringPair{"co-op"sv, "coop"sv},
    StringPair{"co-op"sv, "co-op"sv},
    StringPair{"can't"sv, "cant"sv},
    StringPair{"-a"sv, "a"sv},
    StringPair{"a-"sv, "a"sv},
    StringPair{"a-b"sv, "ab-"sv},
    StringPair{"'"sv, "-"sv},
    StringPair{"-"sv, ""sv},
    StringPair{"--"sv, "-"sv},
    StringPair{"a-c"sv, "ab"sv},
    StringPair{"a'c"sv, "a-c"sv},
    // Digits, spaces and punctuation.
    StringPair{"10"sv, "9"sv},
    StringPair{"2"sv, "10"sv},
    StringPair{"a1"sv, "a01"sv},
    StringPair{"1"sv, kFullWidthOne},
    StringPair{" a"sv, "a"sv},
    StringPair{"a b"sv, "ab"sv},
    StringPair{"!"sv, "?"sv},
    StringPair{"a"sv, "_"sv},
    StringPair{"\x01"sv, ""sv},
    StringPair{"a\x7F"sv, "a"sv},
    StringPair{"~"sv, "a"sv},
    StringPair{" "sv, kIdeographicSpace},
    // Kana and kanji in Shift-JIS.
    StringPair{kHiraganaA, kKatakanaA},
    StringPair{kKatakanaA, kHalfWidthA},
    StringPair{kHiraganaA, kHalfWidthA},
    StringPair{kHiraganaKa, kHiraganaGa},
    StringPair{kKanjiWord, kKanjiKan},
    StringPair{kNihon, kHonjitsu},
    StringPair{kFullWidthA, "A"sv},
    StringPair{kFullWidthA, "a"sv},
    StringPair{"a"sv, kHiraganaA},
    StringPair{kHiraganaA, kKanjiKan},
    StringPair{"\x83\x41\x81\x5B"sv, "\x83\x41\x83\x41"sv},  // アー, アア
    StringPair{"\x82\xA9"sv, "\x83\x4A"sv},           // か, カ
    StringPair{"\x83\x4A"sv, "\xB6"sv},                // カ, ｶ
    StringPair{"\x82\xAA"sv, "\xB6\xDE"sv},            // が, ｶﾞ
    StringPair{"\x82\x9F"sv, "\x82\xA0"sv},           // ぁ, あ
    StringPair{"\x82\xA9\x82\xA0"sv, "\x83\x4A\x82\xA2"sv},  // かあ, カい: kana type against a later letter
    StringPair{kLongVowel, "-"sv},
    // Kana type and width weigh less than small letters, long-vowel and
    // iteration marks and voicing anywhere in the string.
    StringPair{"\x82\xA9\x82\xA0"sv, "\x83\x4A\x81\x5B"sv},  // かあ, カー
    StringPair{"\x83\x4C\x83\x83"sv, "\xB7\xD4"sv},            // キャ, ｷﾔ
    StringPair{"\x83\x41\x81\x52"sv, "\x83\x41\x83\x41"sv},  // アヽ, アア
    StringPair{"\x83\x4B"sv, "\xB6\xDE"sv},                      // ガ, ｶﾞ
    StringPair{"\x83\x70"sv, "\xCA\xDE"sv},                      // パ, ﾊﾞ
    StringPair{"\xB6\xDE\xB7"sv, "\x82\xA9\x82\xAB"sv},       // ｶﾞｷ, かき
    StringPair{"\xB6\xDE"sv, "\x83\x4A!"sv},                     // ｶﾞ, カ!
    StringPair{"\x81\x4A"sv, "!"sv},                               // ゛, !
    // Long-vowel and iteration marks with no kana before them.
    StringPair{kLongVowel, kKanjiKan},
    StringPair{"\x81\x5B\x81\x5B"sv, "\xB0\xB0"sv},            // ーー, ｰｰ
    StringPair{"a\x81\x5B"sv, "aa"sv},                            // aー, aa
    // Bytes that are no proper Shift-JIS text: a lone lead byte, a lead
    // byte before a space, and bytes unused by the code page.
    StringPair{"\x81"sv, ""sv},
    StringPair{"\x81"sv, "\x81\x20"sv},
    StringPair{"\x80"sv, "\xA0"sv},
    StringPair{"\xFD"sv, "\xFF"sv},
    StringPair{"a\x81"sv, "a"sv},
};

constexpr std::array kExtents = {
    ""sv,
    " "sv,
    "A"sv,
    "W"sv,
    "i"sv,
    "ABC"sv,
    "Hello, world"sv,
    "\0"sv,
    "\t"sv,
    kHalfWidthA,
    "\xB1\xB2\xB3"sv,  // ｱｲｳ
    kHiraganaA,
    kKanjiWord,
    "a\x8A\xBF" "b"sv,
    kFullWidthA,
    kIdeographicSpace,
    kLongVowel,
    "\x81"sv,       // a lead byte without its trail byte
    "\x81\x20"sv,   // a lead byte with a trail byte the code page lacks
    "\x80"sv,
    "\xFD"sv,
    "\xFF"sv,
    "0123456789012345678901234567890123456789"sv,
};

}  // namespace

std::span<const StringPair> ComparisonCorpus() { return kPairs; }
std::span<const std::string_view> ExtentCorpus() { return kExtents; }
