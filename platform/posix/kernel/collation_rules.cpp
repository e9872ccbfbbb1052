#include "platform/posix/kernel/collation_rules.h"

#include <cstring>
#include <string>
#include <unicode/uchar.h>
#include <unicode/unorm2.h>

namespace posix {
namespace {

constexpr char16_t kLongVowel = 0x30FC;            // ー
constexpr char16_t kIterationMark = 0x309D;        // ゝ
constexpr char16_t kVoicedIterationMark = 0x309E;  // ゞ

// A hiragana whose voiced form follows it in the code chart (か, が).
bool IsVoicable(char16_t hiragana) {
    UChar decomposition[4];
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
    return U_SUCCESS(status) &&
           unorm2_getRawDecomposition(nfd, static_cast<UChar32>(hiragana + 1), decomposition, 4, &status) == 2 &&
           decomposition[0] == hiragana && decomposition[1] == 0x3099;
}

// The vowel a hiragana ends in, read from its Unicode name ("HIRAGANA
// LETTER SMALL KA" ends in A); ん is its own. 0 for a code point without one.
char16_t VowelOf(char16_t hiragana) {
    char name[64];
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = u_charName(hiragana, U_UNICODE_CHAR_NAME, name, sizeof name, &status);
    if (U_FAILURE(status) || length == 0) return 0;
    const std::string syllable = std::strrchr(name, ' ') + 1;
    if (syllable == "N") return u'ん';
    switch (syllable.back()) {
        case 'A': return u'あ';
        case 'I': return u'い';
        case 'U': return u'う';
        case 'E': return u'え';
        case 'O': return u'お';
        default: return 0;
    }
}

// "&reset<<<character" with the character taken after a prefix.
void AppendAfterPrefix(std::u16string& rules, char16_t reset, char16_t prefix, char16_t character) {
    rules += {u'&', reset, u'<', u'<', u'<', prefix, u'|', character};
}

// The Japanese rules, tailored as the platform collates (every kana is
// folded to hiragana before it is collated, so only hiragana need rules):
// - a long-vowel mark after a kana is its vowel, an iteration mark the kana
//   itself (ゞ voiced), each just after the spelled-out letter;
// - a voiced or semi-voiced mark (ﾞ, and ゛ folded to it) after a kana is an
//   accent that weighs more than the kana's own voicing (パ before ﾊﾞ); on
//   its own it weighs nothing but that accent.
std::u16string CollationRules() {
    std::u16string rules = u"[import ja]&\u309A<<\uFF9E<<\uFF9F";
    for (char16_t hiragana = u'ぁ'; hiragana <= u'ゖ'; ++hiragana) {
        const char16_t vowel = VowelOf(hiragana);
        if (vowel == 0) continue;
        AppendAfterPrefix(rules, vowel, hiragana, kLongVowel);
        AppendAfterPrefix(rules, hiragana, hiragana, kIterationMark);
        if (IsVoicable(hiragana)) {
            AppendAfterPrefix(rules, static_cast<char16_t>(hiragana + 1), hiragana, kVoicedIterationMark);
        }
    }
    return rules;
}

}  // namespace

UCollator* CollatorFromRules() {
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    const std::u16string rules = CollationRules();
    UCollator* collator = ucol_openRules(reinterpret_cast<const UChar*>(rules.c_str()), -1,
                                         UCOL_DEFAULT, UCOL_IDENTICAL, &parseError, &status);
    if (U_FAILURE(status)) return nullptr;
    ucol_setStrength(collator, UCOL_IDENTICAL);
    return collator;
}

}  // namespace posix
