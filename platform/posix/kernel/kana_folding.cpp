#include "platform/posix/kernel/kana_folding.h"

#include <unicode/unorm2.h>

namespace posix {
namespace {

constexpr char16_t kKatakanaFirst = 0x30A1;   // ァ
constexpr char16_t kKatakanaLast = 0x30F6;    // ヶ
constexpr char16_t kKatakanaToHiragana = 0x60;
constexpr char16_t kKatakanaIteration = 0x30FD;        // ヽ
constexpr char16_t kKatakanaVoicedIteration = 0x30FE;  // ヾ
constexpr char16_t kHiraganaFirst = 0x3041;   // ぁ
constexpr char16_t kHiraganaLast = 0x3096;    // ゖ
constexpr char16_t kHiraganaIteration = 0x309D;        // ゝ
constexpr char16_t kHiraganaVoicedIteration = 0x309E;  // ゞ
constexpr char16_t kLongVowel = 0x30FC;       // ー
constexpr char16_t kHalfWidthFirst = 0xFF66;  // ｦ
constexpr char16_t kHalfWidthLongVowel = 0xFF70;  // ｰ
constexpr char16_t kHalfWidthLast = 0xFF9D;   // ﾝ
constexpr char16_t kHalfWidthVoicedMark = 0xFF9E;      // ﾞ
constexpr char16_t kHalfWidthSemiVoicedMark = 0xFF9F;  // ﾟ
constexpr char16_t kVoicedMark = 0x309B;      // ゛
constexpr char16_t kSemiVoicedMark = 0x309C;  // ゜

bool IsKatakana(char16_t unit) {
    return (unit >= kKatakanaFirst && unit <= kKatakanaLast) || unit == kKatakanaIteration ||
           unit == kKatakanaVoicedIteration;
}

bool IsHiragana(char16_t unit) {
    return (unit >= kHiraganaFirst && unit <= kHiraganaLast) || unit == kHiraganaIteration ||
           unit == kHiraganaVoicedIteration;
}

// The full-width katakana of a half-width one, from ICU's compatibility
// decomposition (ｶ is <narrow> カ).
char16_t WidenKatakana(char16_t unit) {
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfkc = unorm2_getNFKCInstance(&status);
    UChar decomposition[4];
    if (U_FAILURE(status) || unorm2_getRawDecomposition(nfkc, unit, decomposition, 4, &status) != 1 ||
        U_FAILURE(status)) {
        return unit;
    }
    return decomposition[0];
}

}  // namespace

void FoldKana(const std::u16string& text, std::u16string& folded, std::vector<KanaForm>& forms) {
    folded.reserve(folded.size() + text.size());
    for (char16_t unit : text) {
        if (unit == kVoicedMark || unit == kSemiVoicedMark) {
            folded.push_back(static_cast<char16_t>(unit - kVoicedMark + kHalfWidthVoicedMark));
            forms.push_back(KanaForm::kKatakana);
        } else if (unit == kHalfWidthVoicedMark || unit == kHalfWidthSemiVoicedMark) {
            folded.push_back(unit);
            forms.push_back(KanaForm::kHalfWidth);
        } else if (unit == kHalfWidthLongVowel) {
            folded.push_back(kLongVowel);
            forms.push_back(KanaForm::kHalfWidth);
        } else if (unit >= kHalfWidthFirst && unit <= kHalfWidthLast) {
            folded.push_back(static_cast<char16_t>(WidenKatakana(unit) - kKatakanaToHiragana));
            forms.push_back(KanaForm::kHalfWidth);
        } else if (IsKatakana(unit)) {
            folded.push_back(static_cast<char16_t>(unit - kKatakanaToHiragana));
            forms.push_back(KanaForm::kKatakana);
        } else if (unit == kLongVowel) {
            folded.push_back(unit);
            forms.push_back(KanaForm::kKatakana);
        } else {
            folded.push_back(unit);
            if (IsHiragana(unit)) forms.push_back(KanaForm::kHiragana);
        }
    }
}

int CompareKanaForms(const std::vector<KanaForm>& left, const std::vector<KanaForm>& right) {
    for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
        if (left[i] != right[i]) return left[i] < right[i] ? -1 : 1;
    }
    if (left.size() == right.size()) return 0;
    return left.size() < right.size() ? -1 : 1;
}

}  // namespace posix
