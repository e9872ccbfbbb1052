// Test support: looking at the pictures the tools write.
#pragma once
#include "tests/tool/png_reader.h"

#include <cstdint>
#include <map>
#include <set>
#include <utility>

using PixelMap = std::map<std::pair<int32_t, int32_t>, uint32_t>;  // (x, y) -> colour

// Every pixel that is not black.
inline PixelMap LitPixels(const Picture& picture) {
    PixelMap lit;
    for (int32_t y = 0; y < picture.height; ++y)
        for (int32_t x = 0; x < picture.width; ++x)
            if (picture.At(x, y) != 0) lit[{x, y}] = picture.At(x, y);
    return lit;
}

inline std::set<uint32_t> Colours(const PixelMap& pixels) {
    std::set<uint32_t> colours;
    for (const auto& [where, colour] : pixels) colours.insert(colour);
    return colours;
}

// The outline of a radius-2 circle around (x, y): its box runs from x-2 to
// x+2 and the figure covers the box without its right and bottom edges,
// a 4 by 4 square whose corners stay dark.
inline std::set<std::pair<int32_t, int32_t>> RadiusTwoOutline(int32_t x, int32_t y) {
    return {{x - 1, y - 2}, {x, y - 2}, {x - 2, y - 1}, {x + 1, y - 1},
            {x - 2, y},     {x + 1, y}, {x - 1, y + 1}, {x, y + 1}};
}

// 0x00BBGGRR of the palette's eight colours.
inline constexpr uint32_t kPalette[8] = {0x000000, 0xFF0000, 0x0000FF, 0xFF00FF,
                                         0x00FF00, 0xFFFF00, 0x00FFFF, 0xFFFFFF};
