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

// Pixels held elsewhere, laid out as in a Picture: a picture's, or a
// canvas's own memory for as long as the canvas is locked.
struct PixelView {
    int32_t width = 0;
    int32_t height = 0;
    const uint32_t* pixels = nullptr;

    uint32_t At(int32_t x, int32_t y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x];
    }
    bool Empty() const { return width <= 0 || height <= 0 || pixels == nullptr; }
};

inline PixelView ViewOf(const Picture& picture) { return {picture.width, picture.height, picture.pixels.data()}; }

// Copies the pixels into the picture, reusing its memory.
inline void CopyPixels(PixelView view, Picture& picture) {
    picture.width = view.width;
    picture.height = view.height;
    picture.pixels.assign(view.pixels, view.pixels + static_cast<std::size_t>(view.width) * view.height);
}
