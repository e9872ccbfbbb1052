// What both PNG encoders share: a picture as PNG scanlines (indexed when it
// has at most 256 colours, 8-bit RGB otherwise, every row unfiltered) and
// the file around a zlib stream of them. Only the compression of RGB
// scanlines differs between the encoders (png_zlib.cpp, png_stored.cpp).
#pragma once
#include "tools/capture/picture.h"

#include <cstdint>
#include <vector>

struct PngImage {
    int32_t width = 0;
    int32_t height = 0;
    uint8_t bitDepth = 8;
    uint8_t colourType = 2;           // 2 RGB, 3 palette
    std::vector<uint32_t> palette;    // colour type 3: 0x00BBGGRR entries
    std::vector<uint8_t> scanlines;   // each row: filter byte 0, then its pixels
};

// False for an empty picture. The image's memory is reused.
bool MakePngImage(PixelView pixels, PngImage& image);

// The PNG file of an image from MakePngImage; false when compressing fails.
// Indexed scanlines are compressed as runs (png_runs.h), RGB ones by the
// encoder linked in.
bool EncodePngImage(const PngImage& image, std::vector<unsigned char>& png);

// The zlib stream of RGB scanlines. Each encoder (png_zlib.cpp,
// png_stored.cpp) has its own; false when compressing fails.
bool CompressRgbScanlines(const std::vector<uint8_t>& scanlines, std::vector<uint8_t>& stream);

// The whole file: signature, IHDR, PLTE (for a palette), one IDAT holding
// the zlib stream of the scanlines, IEND. No other chunk, so no time stamp.
void AssemblePng(const PngImage& image, const std::vector<uint8_t>& zlibStream, std::vector<unsigned char>& png);
