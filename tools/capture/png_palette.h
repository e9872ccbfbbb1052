// A picture of at most 256 colours as palette indices packed into PNG
// scanlines: 4 bits a pixel for at most 16 colours, 8 bits for at most 256.
// Colours are numbered in the order they first appear, so the same picture
// always gives the same palette.
#pragma once
#include "tools/capture/picture.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct IndexedImage {
    std::vector<uint32_t> palette;  // 0x00BBGGRR, one entry per colour
    int bitDepth = 0;               // 4 or 8
    std::size_t stride = 0;         // bytes of one scanline: filter byte 0, packed indices
    std::vector<uint8_t> scanlines; // height * stride, top row first
};

constexpr std::size_t kMaxPaletteColours = 256;

// False (image unspecified) when the picture holds more than 256 colours.
bool IndexPicture(const Picture& picture, IndexedImage& image);
