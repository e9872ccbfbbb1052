// EncodePng without libraries, for the Windows build: Debian ships no libpng
// or zlib for mingw-w64. The image data goes into "stored" (uncompressed)
// deflate blocks, so all this needs is the block framing, CRC-32 and Adler-32.
// The files are larger than compressed ones but every PNG reader takes them;
// pictures of at most 256 colours are indexed, as on Linux, which makes them
// six times smaller than RGB at 4 bits a pixel.
#include "tools/capture/png.h"
#include "tools/capture/png_palette.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t kMaxStoredBlock = 65535;

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

uint32_t Adler32(const Bytes& data) {
    constexpr uint32_t kModulus = 65521;
    uint32_t a = 1, b = 0;
    for (unsigned char byte : data) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

void PutBigEndian(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(value >> shift));
}

// Length, type, data and the CRC over type and data.
void PutChunk(Bytes& out, const char type[4], const Bytes& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

// Every row starts with filter type 0 (none), then its packed indices.
Bytes IndexedScanlines(const IndexedImage& image) {
    Bytes raw;
    const std::size_t height = image.rows.size() / image.rowBytes;
    raw.reserve(height * (1 + image.rowBytes));
    for (std::size_t y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = image.rows.begin() + static_cast<std::ptrdiff_t>(y * image.rowBytes);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(image.rowBytes));
    }
    return raw;
}

// Every row starts with filter type 0 (none), then R, G, B per pixel.
Bytes RgbScanlines(const Picture& picture) {
    Bytes raw;
    raw.reserve(static_cast<std::size_t>(picture.height) * (1 + 3 * static_cast<std::size_t>(picture.width)));
    for (int32_t y = 0; y < picture.height; ++y) {
        raw.push_back(0);
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint32_t colour = picture.At(x, y);
            raw.push_back(static_cast<unsigned char>(colour & 0xFF));
            raw.push_back(static_cast<unsigned char>((colour >> 8) & 0xFF));
            raw.push_back(static_cast<unsigned char>((colour >> 16) & 0xFF));
        }
    }
    return raw;
}

// A zlib stream of stored blocks: header 0x78 0x01, blocks of at most 65535
// bytes (final flag, type 00, LEN and its complement little-endian), Adler-32.
Bytes StoredZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<unsigned char>(length & 0xFF));
        out.push_back(static_cast<unsigned char>(length >> 8));
        out.push_back(static_cast<unsigned char>(~length & 0xFF));
        out.push_back(static_cast<unsigned char>((~length >> 8) & 0xFF));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

// Bit depth and colour type (2 RGB, 3 palette), then compression 0,
// filter 0, no interlace.
Bytes HeaderChunkData(const Picture& picture, unsigned char bitDepth, unsigned char colourType) {
    Bytes header;
    PutBigEndian(header, static_cast<uint32_t>(picture.width));
    PutBigEndian(header, static_cast<uint32_t>(picture.height));
    header.insert(header.end(), {bitDepth, colourType, 0, 0, 0});
    return header;
}

Bytes PaletteChunkData(const IndexedImage& image) {
    Bytes palette;
    for (uint32_t colour : image.palette)
        palette.insert(palette.end(), {static_cast<unsigned char>(colour & 0xFF),
                                       static_cast<unsigned char>((colour >> 8) & 0xFF),
                                       static_cast<unsigned char>((colour >> 16) & 0xFF)});
    return palette;
}

}  // namespace

bool EncodePng(const Picture& picture, std::vector<unsigned char>& png) {
    png.clear();
    if (picture.Empty()) return false;
    static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.assign(kSignature, kSignature + sizeof kSignature);
    IndexedImage image;
    if (IndexPicture(picture, image)) {
        PutChunk(png, "IHDR", HeaderChunkData(picture, static_cast<unsigned char>(image.bitDepth), 3));
        PutChunk(png, "PLTE", PaletteChunkData(image));
        PutChunk(png, "IDAT", StoredZlib(IndexedScanlines(image)));
    } else {
        PutChunk(png, "IHDR", HeaderChunkData(picture, 8, 2));
        PutChunk(png, "IDAT", StoredZlib(RgbScanlines(picture)));
    }
    PutChunk(png, "IEND", {});
    return true;
}
