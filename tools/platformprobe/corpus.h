// The byte strings that platformprobe asks the platform about. Text is
// Shift-JIS, the console's code page; lengths are explicit so that strings
// may hold zero bytes.
#pragma once
#include <span>
#include <string_view>

struct StringPair {
    std::string_view left;
    std::string_view right;
};

// Pairs for CompareStringA; each is also asked in reverse order.
std::span<const StringPair> ComparisonCorpus();
// Texts whose width and height GetTextExtentPoint32A reports.
std::span<const std::string_view> ExtentCorpus();
