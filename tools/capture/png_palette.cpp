// Indexing a picture: each pixel's colour is looked up in a small
// open-addressing table. Recorded frames are mostly long runs of one colour,
// so a run reuses the last lookup and costs a comparison a pixel.
#include "tools/capture/png_palette.h"

#include <array>

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

// Packs each row at the given bit depth (4 or 8; at 4 the left pixel of a
// pair in the high nibble, an odd row ending in a zero nibble). False when
// the colours outgrow the depth. A pixel of the same colour as the one
// before it, the common case, skips the table.
bool PackRows(const Picture& picture, int bitDepth, IndexedImage& image) {
    image.palette.clear();
    ColourTable table(image.palette);
    const std::size_t width = static_cast<std::size_t>(picture.width);
    const std::size_t limit = bitDepth == 4 ? 16 : kMaxPaletteColours;
    image.bitDepth = bitDepth;
    image.rowBytes = bitDepth == 4 ? (width + 1) / 2 : width;
    image.rows.resize(image.rowBytes * static_cast<std::size_t>(picture.height));
    uint32_t lastColour = picture.pixels[0] & 0x00FFFFFFu;
    int lastIndex = table.IndexOf(lastColour);
    auto indexOf = [&](uint32_t pixel) {
        const uint32_t colour = pixel & 0x00FFFFFFu;
        if (colour != lastColour) {
            lastIndex = table.IndexOf(colour);
            lastColour = colour;
        }
        return lastIndex;
    };
    for (int32_t y = 0; y < picture.height; ++y) {
        const uint32_t* in = picture.pixels.data() + static_cast<std::size_t>(y) * width;
        uint8_t* out = image.rows.data() + static_cast<std::size_t>(y) * image.rowBytes;
        if (bitDepth == 8) {
            for (std::size_t x = 0; x < width; ++x) out[x] = static_cast<uint8_t>(indexOf(in[x]));
        } else {
            std::size_t x = 0;
            for (; x + 1 < width; x += 2) {
                const int left = indexOf(in[x]);
                out[x / 2] = static_cast<uint8_t>(left << 4 | indexOf(in[x + 1]));
            }
            if (x < width) out[x / 2] = static_cast<uint8_t>(indexOf(in[x]) << 4);
        }
        // The row holds an index this depth cannot store: give up early.
        if (table.Overflowed() || image.palette.size() > limit) return false;
    }
    return true;
}

}  // namespace

bool IndexPicture(const Picture& picture, IndexedImage& image) {
    image.palette.clear();
    if (picture.Empty()) return false;
    // Most pictures fit in 16 colours; the rest are packed again at 8 bits.
    return PackRows(picture, 4, image) || PackRows(picture, 8, image);
}
