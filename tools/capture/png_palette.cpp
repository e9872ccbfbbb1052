// Indexing a picture: each pixel's colour is looked up in a small
// open-addressing table; pixels the view knows to be black are not read. Recorded frames are mostly long runs of one colour,
// so a pixel like the one before reuses its index, and eight at a time are
// compared with it where they can be.
#include "tools/capture/png_palette.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Twice the largest palette, so probes stay short.
constexpr std::size_t kSlots = 512;
constexpr uint32_t kFree = 0xFFFFFFFFu;  // no pixel has a high byte set

class ColourTable {
public:
    explicit ColourTable(std::vector<uint32_t>& palette) : palette_(palette) {
        colours_.fill(kFree);
    }

    // The colour's index, added when new; -1 once the palette is full.
    int IndexOf(uint32_t colour) {
        std::size_t slot = (colour * 0x9E3779B1u) >> 23;  // 9 bits: 0..511
        while (colours_[slot] != kFree) {
            if (colours_[slot] == colour) return indices_[slot];
            slot = (slot + 1) % kSlots;
        }
        if (palette_.size() == kMaxPaletteColours) {
            overflowed_ = true;
            return -1;
        }
        colours_[slot] = colour;
        indices_[slot] = static_cast<uint8_t>(palette_.size());
        palette_.push_back(colour);
        return indices_[slot];
    }

    // Whether some colour found the palette full.
    bool Overflowed() const { return overflowed_; }

private:
    std::vector<uint32_t>& palette_;
    bool overflowed_ = false;
    std::array<uint32_t, kSlots> colours_;
    std::array<uint8_t, kSlots> indices_{};
};

// Eight pixels from `in` equal to `pair` (one pixel value twice): the test
// that lets a run of one colour skip the table eight pixels at a time.
bool EightAre(const uint32_t* in, uint64_t pair) {
    uint64_t words[4];
    std::memcpy(words, in, sizeof words);
    return ((words[0] ^ pair) | (words[1] ^ pair) | (words[2] ^ pair) | (words[3] ^ pair)) == 0;
}

// Indexes pixels one at a time, remembering the last colour's index.
class RowIndexer {
public:
    explicit RowIndexer(std::vector<uint32_t>& palette) : table_(palette) {}

    int IndexOf(uint32_t pixel) {
        if (pixel != lastPixel_) {
            lastPixel_ = pixel;
            lastIndex_ = table_.IndexOf(pixel & 0x00FFFFFFu);
        }
        return lastIndex_;
    }
    // The last pixel twice over, as EightAre compares it.
    uint64_t LastPair() const { return static_cast<uint64_t>(lastPixel_) << 32 | lastPixel_; }
    int LastIndex() const { return lastIndex_; }
    bool Overflowed() const { return table_.Overflowed(); }

private:
    ColourTable table_;
    uint32_t lastPixel_ = 0xFFFFFFFFu;  // no pixel yet
    int lastIndex_ = 0;
};

void PackRow8(const uint32_t* in, std::size_t width, RowIndexer& indexer, uint8_t* out) {
    std::size_t x = 0;
    while (x < width) {
        if (x + 8 <= width && EightAre(in + x, indexer.LastPair())) {
            std::memset(out + x, indexer.LastIndex(), 8);
            x += 8;
        } else {
            out[x] = static_cast<uint8_t>(indexer.IndexOf(in[x]));
            ++x;
        }
    }
}

// Two pixels a byte, the left one in the high nibble; an odd row ends in a
// zero nibble.
void PackRow4(const uint32_t* in, std::size_t width, RowIndexer& indexer, uint8_t* out) {
    std::size_t x = 0;
    while (x + 1 < width) {
        if (x + 8 <= width && EightAre(in + x, indexer.LastPair())) {
            std::memset(out + x / 2, indexer.LastIndex() * 0x11, 4);
            x += 8;
        } else {
            const int left = indexer.IndexOf(in[x]);
            out[x / 2] = static_cast<uint8_t>(left << 4 | indexer.IndexOf(in[x + 1]));
            x += 2;
        }
    }
    if (x < width) out[x / 2] = static_cast<uint8_t>(indexer.IndexOf(in[x]) << 4);
}

// The part of the view to read: its drawn part, widened to even columns so
// that no 4-bit byte holds a pixel read and one taken as black.
PixelBox PartToRead(PixelView picture) {
    const PixelBox& drawn = picture.drawn;
    PixelBox part{std::clamp(drawn.left, 0, picture.width) & ~1, std::clamp(drawn.top, 0, picture.height),
                  std::clamp(drawn.right, 0, picture.width), std::clamp(drawn.bottom, 0, picture.height)};
    if (part.right % 2 != 0 && part.right < picture.width) ++part.right;
    if (part.left >= part.right || part.top >= part.bottom) return PixelBox{0, 0, 0, 0};
    return part;
}

// Black pixels [begin, end) of a row, known without reading them; begin is
// even for 4 bits.
void PackBlack(std::size_t begin, std::size_t end, int bitDepth, RowIndexer& indexer, uint8_t* out) {
    if (begin >= end) return;
    const int black = indexer.IndexOf(0);
    if (bitDepth == 8) {
        std::memset(out + begin, black, end - begin);
        return;
    }
    std::memset(out + begin / 2, black * 0x11, (end - begin) / 2);
    if ((end - begin) % 2 != 0) out[end / 2] = static_cast<uint8_t>(black << 4);
}

// Packs every row at the given bit depth (4 or 8), reading only the drawn
// part. The pixels are met in the same order as row by row, so the palette
// and the scanlines are those of reading every pixel. False when the colours
// outgrow the depth, found out at the end of the row where they do.
bool PackRows(PixelView picture, int bitDepth, std::vector<uint32_t>& palette, std::vector<uint8_t>& scanlines) {
    palette.clear();
    RowIndexer indexer(palette);
    const std::size_t width = static_cast<std::size_t>(picture.width);
    const std::size_t limit = bitDepth == 4 ? 16 : kMaxPaletteColours;
    const std::size_t stride = 1 + (bitDepth == 4 ? (width + 1) / 2 : width);
    const PixelBox part = PartToRead(picture);
    const std::size_t left = static_cast<std::size_t>(part.left), right = static_cast<std::size_t>(part.right);
    scanlines.resize(stride * static_cast<std::size_t>(picture.height));
    for (int32_t y = 0; y < picture.height; ++y) {
        const uint32_t* in = picture.pixels + static_cast<std::size_t>(y) * width;
        uint8_t* out = scanlines.data() + static_cast<std::size_t>(y) * stride;
        *out++ = 0;  // filter type none
        if (y < part.top || y >= part.bottom) {
            PackBlack(0, width, bitDepth, indexer, out);
        } else {
            PackBlack(0, left, bitDepth, indexer, out);
            if (bitDepth == 8) {
                PackRow8(in + left, right - left, indexer, out + left);
            } else {
                PackRow4(in + left, right - left, indexer, out + left / 2);
            }
            PackBlack(right, width, bitDepth, indexer, out);
        }
        if (indexer.Overflowed() || palette.size() > limit) return false;
    }
    return true;
}

}  // namespace

int IndexPixels(PixelView pixels, std::vector<uint32_t>& palette, std::vector<uint8_t>& scanlines) {
    if (pixels.Empty()) return 0;
    // Most pictures fit in 16 colours; the rest are packed again at 8 bits.
    if (PackRows(pixels, 4, palette, scanlines)) return 4;
    return PackRows(pixels, 8, palette, scanlines) ? 8 : 0;
}
