// A picture read back from the console: pixels as 0x00BBGGRR values (red in
// the lowest byte, as the runtime's colours), rows packed top to bottom.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int32_t x, int32_t y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x];
    }
    bool Empty() const { return width <= 0 || height <= 0; }
};
