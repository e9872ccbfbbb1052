// RGB scanlines without libraries, for the Windows build: Debian ships no
// zlib for mingw-w64. They go into "stored" (uncompressed) deflate blocks,
// so all this needs is the block framing and Adler-32.
#include "tools/capture/png_image.h"

#include <algorithm>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t kMaxStoredBlock = 65535;

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

}  // namespace

bool CompressRgbScanlines(const std::vector<uint8_t>& scanlines, std::vector<uint8_t>& stream) {
    stream = StoredZlib(scanlines);
    return true;
}
