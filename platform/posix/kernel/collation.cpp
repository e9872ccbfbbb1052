// CompareStringA: linguistic comparison of two code-page-932 strings, as the
// system-default locale of a Japanese system collates them.
//
// Conversion: ICU's "windows-932" converter (ibm-943_P15A-2003), which maps
// code page 932 as the platform does (0x5C to a backslash, the NEC and IBM
// extension rows, 0x815F/0x8160 to the full-width forms) and yields the UTF-16
// the collator takes, with no second library. A byte sequence it cannot map
// (0x80, 0xA0, 0xFD-0xFF, an undefined or truncated double-byte character)
// makes the comparison fail.
//
// Collation: the "ja" collator with two adjustments towards the platform's
// default "word sort":
// - Hyphens and apostrophes (and their full-width forms) carry no weight at
//   the primary to tertiary levels, so "co-op" sorts next to "coop". Other
//   punctuation keeps its weight and sorts before digits and letters. (The
//   alternate=shifted setting would make every punctuation mark ignorable,
//   which the platform does not do.)
// - Strength is identical: strings that differ in any character never compare
//   equal (a hyphen, an embedded zero, a case or kana-type difference), with
//   case still deciding before a hyphen does. Lower case sorts before upper
//   case at the tertiary level, as the platform does.
#include "platform/posix/win32_kernel.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <unicode/ucnv.h>
#include <unicode/ucol.h>

namespace {

constexpr char16_t kWordSortRules[] =
    u"[import ja]"
    u"&[last tertiary ignorable] = \\- = \\' = \uFF0D = \uFF07";

UCollator* CreateCollator() {
    UErrorCode status = U_ZERO_ERROR;
    UParseError parseError;
    UCollator* collator =
        ucol_openRules(reinterpret_cast<const UChar*>(kWordSortRules), -1, UCOL_DEFAULT,
                       UCOL_IDENTICAL, &parseError, &status);
    if (U_FAILURE(status)) return nullptr;
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

// UTF-16 text converted from code page 932, or no text when conversion fails.
struct WideText {
    std::unique_ptr<UChar[]> units;
    int32_t length = 0;
    bool ok = false;
};

// A converter is not thread-safe, so each conversion opens its own; ICU caches
// the mapping tables, which makes opening cheap.
WideText ToUtf16(const char* bytes, int32_t length) {
    WideText text;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> converter(ucnv_open("windows-932", &status));
    if (U_FAILURE(status)) return text;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    // Every character of code page 932 is one or two bytes and one UTF-16 unit;
    // one more unit leaves room for the terminator ICU writes when it fits.
    if (length == INT32_MAX) return text;
    int32_t capacity = length + 1;
    text.units.reset(new (std::nothrow) UChar[capacity]);
    if (!text.units) return text;
    text.length = ucnv_toUChars(converter.get(), text.units.get(), capacity, bytes, length, &status);
    text.ok = U_SUCCESS(status);
    return text;
}

bool ValidArgument(LPCSTR text, int length) { return text != nullptr && length >= -1; }

int32_t ByteLength(LPCSTR text, int length) {
    return length == -1 ? static_cast<int32_t>(std::strlen(text)) : length;
}

}  // namespace

// Any locale collates as Japanese, the one locale this layer knows. Only the
// default flags (0) are supported; other flags make the call fail. Lengths
// are byte counts, -1 for a zero-terminated string; with an explicit length,
// zero bytes inside the string take part in the comparison.
int CompareStringA(LCID, DWORD flags, LPCSTR left, int leftLength, LPCSTR right,
                   int rightLength) {
    if (flags != 0 || !ValidArgument(left, leftLength) || !ValidArgument(right, rightLength))
        return 0;
    const UCollator* collator = Collator();
    if (collator == nullptr) return 0;
    WideText leftText = ToUtf16(left, ByteLength(left, leftLength));
    WideText rightText = ToUtf16(right, ByteLength(right, rightLength));
    if (!leftText.ok || !rightText.ok) return 0;
    switch (ucol_strcoll(collator, leftText.units.get(), leftText.length, rightText.units.get(),
                         rightText.length)) {
        case UCOL_LESS: return CSTR_LESS_THAN;
        case UCOL_EQUAL: return CSTR_EQUAL;
        case UCOL_GREATER: return CSTR_GREATER_THAN;
    }
    return 0;
}
