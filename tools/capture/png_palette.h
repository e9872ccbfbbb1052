// A picture of at most 256 colours as palette indices packed into PNG
// scanlines: 4 bits a pixel for at most 16 colours, 8 bits for at most 256.
// Colours are numbered in the order they first appear, so the same picture
// always gives the same palette.
#pragma once
#include "tools/capture/picture.h"

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr std::size_t kMaxPaletteColours = 256;

// Fills palette (0x00BBGGRR entries) and scanlines (each row: filter byte 0,
// then the packed indices) and returns the bit depth, 4 or 8; returns 0
// (both unspecified) when the pixels hold more than 256 colours. The vectors'
// memory is reused.
int IndexPixels(PixelView pixels, std::vector<uint32_t>& palette, std::vector<uint8_t>& scanlines);
