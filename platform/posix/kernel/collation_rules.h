// The Japanese collation rules of CompareStringA, tailored as the platform
// collates, and the collator built from them. Building it parses the whole
// Japanese tailoring (about 0.7 s), so the build stores the built collator as
// an image (collation_image_tool) that CompareStringA opens in milliseconds.
#pragma once
#include <cstddef>
#include <cstdint>
#include <unicode/ucol.h>

namespace posix {

// The collator built from the rules; nullptr when ICU's data is missing.
UCollator* CollatorFromRules();

// The image the build made of CollatorFromRules() (collation_image.cpp, generated).
extern const uint8_t kCollationImage[];
extern const std::size_t kCollationImageSize;

}  // namespace posix
