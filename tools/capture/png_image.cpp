// PNG scanlines and chunks.
#include "tools/capture/png_image.h"
#include "tools/capture/png.h"
#include "tools/capture/png_palette.h"
#include "tools/capture/png_runs.h"

#include <array>

namespace {

using Bytes = std::vector<unsigned char>;

std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

uint32_t Crc32(const unsigned char* data, std::size_t length) {
    static const std::array<uint32_t, 256> table = MakeCrcTable();
    uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < length; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void PutBigEndian(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(value >> shift));
}

// Length, type, data and the CRC over type and data.
void PutChunk(Bytes& out, const char type[4], const uint8_t* data, std::size_t length) {
    PutBigEndian(out, static_cast<uint32_t>(length));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + length);
    PutBigEndian(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

void PutChunk(Bytes& out, const char type[4], const Bytes& data) { PutChunk(out, type, data.data(), data.size()); }

// Every row: filter type 0 (none), then R, G, B per pixel.
void RgbScanlines(PixelView picture, std::vector<uint8_t>& scanlines) {
    scanlines.clear();
    scanlines.reserve(static_cast<std::size_t>(picture.height) * (1 + 3 * static_cast<std::size_t>(picture.width)));
    for (int32_t y = 0; y < picture.height; ++y) {
        scanlines.push_back(0);
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint32_t colour = picture.At(x, y);
            scanlines.push_back(static_cast<uint8_t>(colour & 0xFF));
            scanlines.push_back(static_cast<uint8_t>((colour >> 8) & 0xFF));
            scanlines.push_back(static_cast<uint8_t>((colour >> 16) & 0xFF));
        }
    }
}

Bytes HeaderChunkData(const PngImage& image) {
    Bytes header;
    PutBigEndian(header, static_cast<uint32_t>(image.width));
    PutBigEndian(header, static_cast<uint32_t>(image.height));
    // Then compression 0, filter 0, no interlace.
    header.insert(header.end(), {image.bitDepth, image.colourType, 0, 0, 0});
    return header;
}

Bytes PaletteChunkData(const PngImage& image) {
    Bytes palette;
    for (uint32_t colour : image.palette)
        palette.insert(palette.end(), {static_cast<unsigned char>(colour & 0xFF),
                                       static_cast<unsigned char>((colour >> 8) & 0xFF),
                                       static_cast<unsigned char>((colour >> 16) & 0xFF)});
    return palette;
}

}  // namespace

bool MakePngImage(PixelView pixels, PngImage& image) {
    if (pixels.Empty()) return false;
    image.width = pixels.width;
    image.height = pixels.height;
    if (const int bitDepth = IndexPixels(pixels, image.palette, image.scanlines)) {
        image.bitDepth = static_cast<uint8_t>(bitDepth);
        image.colourType = 3;
    } else {
        image.bitDepth = 8;
        image.colourType = 2;
        image.palette.clear();
        RgbScanlines(pixels, image.scanlines);
    }
    return true;
}

void AssemblePng(const PngImage& image, const std::vector<uint8_t>& zlibStream, std::vector<unsigned char>& png) {
    static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.assign(kSignature, kSignature + sizeof kSignature);
    PutChunk(png, "IHDR", HeaderChunkData(image));
    if (image.colourType == 3) PutChunk(png, "PLTE", PaletteChunkData(image));
    PutChunk(png, "IDAT", zlibStream.data(), zlibStream.size());
    PutChunk(png, "IEND", nullptr, 0);
}

bool EncodePngImage(const PngImage& image, std::vector<unsigned char>& png) {
    std::vector<uint8_t> stream;
    if (image.colourType == 3) {
        DeflateRuns(image.scanlines, stream);
    } else if (!CompressRgbScanlines(image.scanlines, stream)) {
        return false;
    }
    AssemblePng(image, stream, png);
    return true;
}

bool EncodePng(const Picture& picture, std::vector<unsigned char>& png) {
    png.clear();
    PngImage image;
    return MakePngImage(ViewOf(picture), image) && EncodePngImage(image, png);
}
