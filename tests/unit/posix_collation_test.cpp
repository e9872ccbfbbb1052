// CompareStringA: Japanese linguistic comparison of code-page-932 strings.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace {

int Compare(const std::string& left, const std::string& right) {
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, left.data(), static_cast<int>(left.size()),
                          right.data(), static_cast<int>(right.size()));
}

// Shift-JIS spellings used below.
const std::string kHiraganaA = "\x82\xa0";      // あ
const std::string kHiraganaI = "\x82\xa2";      // い
const std::string kHiraganaN = "\x82\xf1";      // ん
const std::string kKatakanaA = "\x83\x41";      // ア
const std::string kHalfwidthA = "\xb1";         // ｱ
const std::string kKanjiA = "\x88\x9f";         // 亜
const std::string kKanjiA2 = "\x88\xa0";        // 唖
const std::string kFullwidthA = "\x82\x60";     // Ａ
const std::string kFullwidthHyphen = "\x81\x7c";  // －

TEST(Collation, BasicOrderingAndEmptyStrings) {
    EXPECT_EQ(Compare("abc", "abd"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("abc", "abc"), CSTR_EQUAL);
    EXPECT_EQ(Compare("abc", ""), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("", "abc"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("", ""), CSTR_EQUAL);
    EXPECT_EQ(Compare("ab", "abc"), CSTR_LESS_THAN);
}

TEST(Collation, CaseDecidesOnlyAfterLettersLowerFirst) {
    EXPECT_EQ(Compare("a", "A"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("A", "b"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("ABC", "abd"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("abc", "ABC"), CSTR_LESS_THAN);
}

TEST(Collation, HyphenAndApostropheWeighLittleOtherPunctuationCounts) {
    // Word sort: "co-op" sorts as "coop" would, yet is not equal to it.
    EXPECT_EQ(Compare("co-op", "cooa"), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("co-op", "cop"), CSTR_LESS_THAN);
    EXPECT_NE(Compare("co-op", "coop"), CSTR_EQUAL);
    EXPECT_EQ(Compare("can't", "cano"), CSTR_GREATER_THAN);
    EXPECT_NE(Compare("can't", "cant"), CSTR_EQUAL);
    EXPECT_EQ(Compare("co" + kFullwidthHyphen + "op", "cooa"), CSTR_GREATER_THAN);
    // Case weighs more than a hyphen.
    EXPECT_EQ(Compare("Co-op", "coop"), CSTR_GREATER_THAN);
    // Only when all else is equal: a mark, an earlier mark or one more mark
    // sorts after; at the same place an apostrophe sorts before a hyphen.
    EXPECT_EQ(Compare("co-op", "coop"), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("can't", "cant"), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("a-b", "ab-"), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("--", "-"), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("-", ""), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("a'c", "a-c"), CSTR_LESS_THAN);
    // Other punctuation sorts before digits and letters.
    EXPECT_EQ(Compare("a!c", "ab"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("!", "0"), CSTR_LESS_THAN);
}

TEST(Collation, DigitsCompareCharacterByCharacterBeforeLetters) {
    EXPECT_EQ(Compare("10", "2"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("9", "a"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("a1", "a2"), CSTR_LESS_THAN);
}

TEST(Collation, KanaAndKanjiInShiftJis) {
    EXPECT_EQ(Compare(kHiraganaA, kHiraganaI), CSTR_LESS_THAN);
    EXPECT_EQ(Compare(kKatakanaA, kHiraganaI), CSTR_LESS_THAN);
    EXPECT_EQ(Compare(kHalfwidthA, kHiraganaI), CSTR_LESS_THAN);
    EXPECT_EQ(Compare(kHiraganaN, kKanjiA), CSTR_LESS_THAN);
    EXPECT_EQ(Compare(kKanjiA, kKanjiA2), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("z", kHiraganaA), CSTR_LESS_THAN);
    // Kana type and width make a difference, but a small one.
    EXPECT_NE(Compare(kHiraganaA, kKatakanaA), CSTR_EQUAL);
    EXPECT_NE(Compare(kHalfwidthA, kKatakanaA), CSTR_EQUAL);
    EXPECT_NE(Compare(kFullwidthA, "A"), CSTR_EQUAL);
    EXPECT_EQ(Compare(kFullwidthA, "b"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare(kKanjiA + kHiraganaA, kKanjiA + kHiraganaA), CSTR_EQUAL);
}

// Kana that differ in type or width only: half-width katakana, katakana,
// hiragana, and that difference is weighed after small letters, long-vowel
// and iteration marks and voicing anywhere in the string. Shift-JIS of
// each expected order, smallest first.
TEST(Collation, KanaTypeAndWidthDecideAfterEverythingElse) {
    const std::vector<std::vector<std::string>> orders = {
        {"\xB1", "\x83\x41", "\x82\xA0"},                        // ｱ ア あ
        {"\xB6\xB1", "\x83\x4A\x83\x41", "\x82\xA9\x82\xA0",   // ｶｱ カア かあ
         "\x83\x4A\x81\x5B", "\x83\x4A\x82\xA2"},               //   カー カい
        {"\x83\x41\x83\x41", "\x83\x41\x81\x5B", "\x83\x41\x83\x43"},  // アア アー アイ
        {"\x83\x41\x83\x41", "\x83\x41\x81\x52"},                // アア アヽ
        {"\x83\x4C\x83\x83", "\xB7\xD4"},                        // キャ ｷﾔ
        {"\x83\x4B", "\x82\xAA", "\xB6\xDE", "\x83\x70", "\xCA\xDE"},  // ガ が ｶﾞ パ ﾊﾞ
        {"\xB6\xDE", "\x83\x4A!"},                                // ｶﾞ カ!
    };
    for (const auto& order : orders) {
        for (std::size_t i = 0; i + 1 < order.size(); ++i) {
            EXPECT_EQ(Compare(order[i], order[i + 1]), CSTR_LESS_THAN) << "position " << i;
            EXPECT_EQ(Compare(order[i + 1], order[i]), CSTR_GREATER_THAN) << "position " << i;
        }
    }
}

TEST(Collation, ZeroBytesWeighNothingMinusOneStopsAtTheFirst) {
    const char withZero[] = "a\0b";
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, withZero, 3, "ab", 2), CSTR_EQUAL);
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, withZero, 2, "a", 1), CSTR_EQUAL);
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, withZero, 3, "ac", 2), CSTR_LESS_THAN);
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, withZero, 1, "", 0), CSTR_GREATER_THAN);
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, withZero, -1, "a", -1), CSTR_EQUAL);
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, "abc", 2, "abd", 2), CSTR_EQUAL);
}

// Bytes that are no character of the code page are converted as the
// platform converts them and compared, not refused.
TEST(Collation, BytesOutsideTheCodePageStillCompare) {
    EXPECT_EQ(Compare("a\x80", "a"), CSTR_GREATER_THAN);   // U+0080
    EXPECT_EQ(Compare("\x80", "\xA0"), CSTR_LESS_THAN);    // U+0080, U+F8F0
    EXPECT_EQ(Compare("\xFD", "\xFF"), CSTR_LESS_THAN);    // U+F8F1, U+F8F3
    // A lead byte cut off at the end, or with a trail byte the code page
    // lacks, is the default character, which takes the trail byte with it.
    EXPECT_EQ(Compare("a\x82", "a"), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("\x81", "\x81 "), CSTR_EQUAL);
    EXPECT_EQ(Compare("\x85\x40", "\x81"), CSTR_EQUAL);   // an undefined double-byte character
    EXPECT_EQ(Compare("\x81", "\x81\x45"), CSTR_EQUAL);   // the default character itself
}

TEST(Collation, FailuresReturnZero) {
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, nullptr, 0, "a", 1), 0);
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, "a", 1, nullptr, -1), 0);
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, "a", -2, "a", 1), 0);
    EXPECT_EQ(CompareStringA(LOCALE_SYSTEM_DEFAULT, 1, "a", 1, "a", 1), 0);
}

std::string WithoutZeros(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

// A small corpus of all the kinds above; the comparison must be an order.
std::vector<std::string> Corpus() {
    return {"",        "a",           "A",           "abc",       "abd",        "ABC",
            "co-op",   "coop",        "cooa",        "cop",       "can't",      "cant",
            "a!c",     "10",          "2",           "9",         kHiraganaA,   kHiraganaI,
            "a-b",     "ab-",         "-",           "--",        "\x80",      "\xFD",
            kKatakanaA, kHalfwidthA,  kHiraganaN,    kKanjiA,     kKanjiA2,     kFullwidthA,
            std::string("a\0b", 3),   std::string("a\0", 2)};
}

TEST(Collation, CorpusIsTotallyOrdered) {
    std::vector<std::string> corpus = Corpus();
    for (const auto& a : corpus) {
        EXPECT_EQ(Compare(a, a), CSTR_EQUAL);
        for (const auto& b : corpus) {
            int ab = Compare(a, b);
            ASSERT_NE(ab, 0);
            EXPECT_EQ(ab, 4 - Compare(b, a)) << "antisymmetry";
            if (WithoutZeros(a) != WithoutZeros(b)) {
                EXPECT_NE(ab, CSTR_EQUAL) << "distinct strings";
            } else {
                EXPECT_EQ(ab, CSTR_EQUAL) << "strings that differ in zero bytes only";
            }
            for (const auto& c : corpus) {
                if (ab == CSTR_LESS_THAN && Compare(b, c) == CSTR_LESS_THAN) {
                    EXPECT_EQ(Compare(a, c), CSTR_LESS_THAN) << "transitivity";
                }
            }
        }
    }
}

TEST(Collation, ConcurrentComparisonsAgree) {
    std::vector<std::string> corpus = Corpus();
    std::vector<int> expected;
    for (const auto& a : corpus)
        for (const auto& b : corpus) expected.push_back(Compare(a, b));
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 20; ++round) {
                std::size_t k = 0;
                for (const auto& a : corpus)
                    for (const auto& b : corpus) mismatches[t] += Compare(a, b) != expected[k++];
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

}  // namespace
