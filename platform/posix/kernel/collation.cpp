// CompareStringA: linguistic comparison of two code-page-932 strings, as the
// system-default locale of a Japanese system collates them.
//
// Conversion, as the platform's own conversion of ANSI text: ICU's
// "windows-932" converter (ibm-943_P15A-2003) for the characters it knows,
// which maps code page 932 as the platform does (0x5C to a backslash, the
// NEC and IBM extension rows, 0x815F/0x8160 to the full-width forms). Bytes
// it cannot map do not make the comparison fail; they become what the
// platform's table gives them: 0x80 is U+0080, 0xA0 and 0xFD to 0xFF are
// U+F8F0 to U+F8F3, and a lead byte with an undefined or missing trail byte
// is the default character U+30FB, taking the trail byte with it.
//
// Collation: the "ja" collator at identical strength, so that strings that
// differ in any character that counts never compare equal, with lower case
// before upper case as the platform sorts, and with the platform's default
// "word sort" rules on top:
// - A zero character weighs nothing at all: "a\0b" equals "ab".
// - Kana that differ only in type or width compare as one letter; their
//   forms decide only after everything else but hyphens and apostrophes
//   (kana_folding.h).
// - A long-vowel mark after a kana stands for that kana's vowel and sorts
//   just after it: アア before アー before アイ.
// - Hyphens and apostrophes (and their full-width forms) are compared last:
//   the strings are first compared without them, so "co-op" sorts next to
//   "coop"; when that is a tie, the one whose first such mark stands earlier
//   sorts after ("a-b" after "ab-"; "co-op" after "coop"), and at the same
//   place an apostrophe sorts before a hyphen. Other punctuation keeps its
//   weight and sorts before digits and letters.
#include "platform/posix/kernel/collation_rules.h"
#include "platform/posix/kernel/kana_folding.h"
#include "platform/posix/win32_kernel.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <unicode/ucnv.h>
#include <unicode/ucol.h>
#include <vector>

namespace {

constexpr char16_t kDefaultCharacter = 0x30FB;  // the code page's default character

// The image made at build time opens in milliseconds; an image this ICU
// cannot read (another ICU version than the build's) falls back to the rules.
UCollator* CreateCollator() {
    UErrorCode status = U_ZERO_ERROR;
    // Kept for the process's life: the collator opened from the image refers to it.
    static const UCollator* const root = ucol_open("", &status);
    if (root == nullptr) status = U_MISSING_RESOURCE_ERROR;
    UCollator* collator = U_SUCCESS(status) ? ucol_openBinary(posix::kCollationImage,
                                                              static_cast<int32_t>(posix::kCollationImageSize),
                                                              root, &status)
                                            : nullptr;
    if (collator == nullptr || U_FAILURE(status)) {
        if (collator != nullptr) ucol_close(collator);
        collator = posix::CollatorFromRules();
        if (collator == nullptr) return nullptr;
    }
    ucol_setStrength(collator, UCOL_IDENTICAL);
    return collator;
}

// Created once, on first use; ucol_strcoll on a shared collator is thread-safe.
// A collator that cannot be created (ICU data missing) makes every comparison fail.
const UCollator* Collator() {
    static UCollator* const collator = CreateCollator();
    return collator;
}

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The platform's mapping of the single bytes that ICU's table leaves out.
char16_t UnmappedSingleByte(unsigned char byte) {
    if (byte == 0x80) return 0x0080;
    if (byte == 0xA0) return 0xF8F0;
    if (byte >= 0xFD) return static_cast<char16_t>(0xF8F1 + (byte - 0xFD));
    return kDefaultCharacter;
}

// One character of 1 or 2 bytes; false when ICU has no mapping for it.
bool ConvertCharacter(UConverter* converter, const char* bytes, int32_t length, std::u16string& text) {
    UChar units[4];
    UErrorCode status = U_ZERO_ERROR;
    int32_t count = ucnv_toUChars(converter, units, 4, bytes, length, &status);
    if (U_FAILURE(status) || count == 0) return false;
    text.append(reinterpret_cast<const char16_t*>(units), static_cast<std::size_t>(count));
    return true;
}

// UTF-16 text converted from code page 932; false only when no converter can
// be opened. Each call opens its own converter (a converter is not
// thread-safe); ICU caches the mapping tables, which makes opening cheap.
bool ToUtf16(const char* bytes, int32_t length, std::u16string& text) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open("windows-932", &status));
    if (U_FAILURE(status)) return false;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    text.reserve(static_cast<std::size_t>(length));
    for (int32_t at = 0; at < length;) {
        const unsigned char byte = static_cast<unsigned char>(bytes[at]);
        const int32_t size = IsLeadByte(byte) ? std::min<int32_t>(2, length - at) : 1;
        if (!ConvertCharacter(converter.get(), bytes + at, size, text)) {
            text.push_back(IsLeadByte(byte) ? kDefaultCharacter : UnmappedSingleByte(byte));
        }
        at += size;
    }
    return true;
}

// Hyphens and apostrophes: compared only when all else is equal.
int SpecialRank(char16_t unit) {
    switch (unit) {
        case u'\'': return 1;
        case 0xFF07: return 2;  // full-width apostrophe
        case u'-': return 3;
        case 0xFF0D: return 4;  // full-width hyphen-minus
        default: return 0;
    }
}

struct Special {
    std::size_t position;
    int rank;
};

// Splits text into the characters that are collated and the hyphens and
// apostrophes with their places; zero characters are dropped.
void SplitText(const std::u16string& text, std::u16string& collated, std::vector<Special>& specials) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit == 0) continue;
        if (int rank = SpecialRank(unit)) {
            specials.push_back({i, rank});
        } else {
            collated.push_back(unit);
        }
    }
}

// The tie-break on hyphens and apostrophes: more marks, or a mark earlier in
// the string, sort after; at the same place the lower rank sorts first.
int CompareSpecials(const std::vector<Special>& left, const std::vector<Special>& right) {
    for (std::size_t i = 0; i < left.size() || i < right.size(); ++i) {
        if (i == left.size()) return CSTR_LESS_THAN;
        if (i == right.size()) return CSTR_GREATER_THAN;
        if (left[i].position != right[i].position) {
            return left[i].position < right[i].position ? CSTR_GREATER_THAN : CSTR_LESS_THAN;
        }
        if (left[i].rank != right[i].rank) return left[i].rank < right[i].rank ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
    }
    return CSTR_EQUAL;
}

bool ValidArgument(LPCSTR text, int length) { return text != nullptr && length >= -1; }

int32_t ByteLength(LPCSTR text, int length) {
    return length == -1 ? static_cast<int32_t>(std::strlen(text)) : length;
}

}  // namespace

// Any locale collates as Japanese, the one locale this layer knows. Only the
// default flags (0) are supported; other flags make the call fail. Lengths
// are byte counts, -1 for a zero-terminated string.
int CompareStringA(LCID, DWORD flags, LPCSTR left, int leftLength, LPCSTR right,
                   int rightLength) {
    if (flags != 0 || !ValidArgument(left, leftLength) || !ValidArgument(right, rightLength))
        return 0;
    const UCollator* collator = Collator();
    if (collator == nullptr) return 0;
    std::u16string leftText, rightText;
    if (!ToUtf16(left, ByteLength(left, leftLength), leftText) ||
        !ToUtf16(right, ByteLength(right, rightLength), rightText)) {
        return 0;
    }
    std::u16string leftCollated, rightCollated, leftFolded, rightFolded;
    std::vector<Special> leftSpecials, rightSpecials;
    std::vector<posix::KanaForm> leftForms, rightForms;
    SplitText(leftText, leftCollated, leftSpecials);
    SplitText(rightText, rightCollated, rightSpecials);
    posix::FoldKana(leftCollated, leftFolded, leftForms);
    posix::FoldKana(rightCollated, rightFolded, rightForms);
    switch (ucol_strcoll(collator, reinterpret_cast<const UChar*>(leftFolded.data()),
                         static_cast<int32_t>(leftFolded.size()),
                         reinterpret_cast<const UChar*>(rightFolded.data()),
                         static_cast<int32_t>(rightFolded.size()))) {
        case UCOL_LESS: return CSTR_LESS_THAN;
        case UCOL_GREATER: return CSTR_GREATER_THAN;
        case UCOL_EQUAL: break;
    }
    if (int forms = posix::CompareKanaForms(leftForms, rightForms)) {
        return forms < 0 ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
    }
    return CompareSpecials(leftSpecials, rightSpecials);
}
