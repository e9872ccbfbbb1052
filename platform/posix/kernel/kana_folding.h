// Kana that differ only in type or width (あ, ア, ｱ) collate as one letter
// first; the platform tells them apart only when all else is equal, and then
// the first difference decides: half-width katakana before katakana before
// hiragana. The collator sees every kana folded to hiragana; the forms are
// kept aside for that last comparison.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace posix {

enum class KanaForm : uint8_t { kHalfWidth, kKatakana, kHiragana };

// Appends `text` folded to `folded` and the form of each kana to `forms`.
// The spacing voiced and semi-voiced marks (゛゜) become their half-width
// forms, which the collator takes as accents, as the platform does; their
// width is kept among the forms.
void FoldKana(const std::u16string& text, std::u16string& folded, std::vector<KanaForm>& forms);

// -1, 0 or 1: the first differing form decides.
int CompareKanaForms(const std::vector<KanaForm>& left, const std::vector<KanaForm>& right);

}  // namespace posix
