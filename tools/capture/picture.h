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

// A part of a picture; the right and bottom edges are excluded.
struct PixelBox {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = INT32_MAX;
    int32_t bottom = INT32_MAX;
};

// Pixels held elsewhere, laid out as in a Picture: a picture's, or a
// canvas's own memory for as long as the canvas is locked.
struct PixelView {
    int32_t width = 0;
    int32_t height = 0;
    const uint32_t* pixels = nullptr;
    // Every pixel outside this part is black (0), as the view's source knows
    // (the back buffer keeps the box it was drawn in since it was cleared);
    // readers may skip the rest. By default the part is the whole view.
    PixelBox drawn;

    uint32_t At(int32_t x, int32_t y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x];
    }
    bool Empty() const { return width <= 0 || height <= 0 || pixels == nullptr; }
};

inline PixelView ViewOf(const Picture& picture) { return {picture.width, picture.height, picture.pixels.data(), {}}; }

// Copies the pixels into the picture, reusing its memory.
inline void CopyPixels(PixelView view, Picture& picture) {
    picture.width = view.width;
    picture.height = view.height;
    picture.pixels.assign(view.pixels, view.pixels + static_cast<std::size_t>(view.width) * view.height);
}
