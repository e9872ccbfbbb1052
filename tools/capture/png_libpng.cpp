// EncodePng over libpng: an indexed image when the picture has at most 256
// colours (png_palette.h), 8-bit RGB otherwise.
#include "tools/capture/png.h"
#include "tools/capture/png_palette.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// 0x00BBGGRR pixels to R, G, B bytes.
void PackRgbRow(const Picture& picture, int32_t y, std::vector<png_byte>& row) {
    for (int32_t x = 0; x < picture.width; ++x) {
        const uint32_t colour = picture.At(x, y);
        row[3 * x] = static_cast<png_byte>(colour & 0xFF);
        row[3 * x + 1] = static_cast<png_byte>((colour >> 8) & 0xFF);
        row[3 * x + 2] = static_cast<png_byte>((colour >> 16) & 0xFF);
    }
}

// The console's pictures are large areas of a few flat colours: row filters
// make them no smaller, and run-length matching finds their long runs of one
// byte as well as a full search does in a fraction of the time (measured in
// bench_record.cpp on recorded frames).
void ChooseCompression(png_structp png) {
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
    png_set_compression_strategy(png, Z_RLE);
}

void SetPalette(png_structp png, png_infop info, const IndexedImage& image) {
    png_color colours[kMaxPaletteColours];
    for (std::size_t i = 0; i < image.palette.size(); ++i) {
        const uint32_t colour = image.palette[i];
        colours[i] = png_color{static_cast<png_byte>(colour & 0xFF), static_cast<png_byte>((colour >> 8) & 0xFF),
                               static_cast<png_byte>((colour >> 16) & 0xFF)};
    }
    png_set_PLTE(png, info, colours, static_cast<int>(image.palette.size()));
}

// libpng reports errors by longjmp; nothing with a destructor lives between
// the setjmp and the calls that may jump, except the vectors owned by the
// caller, which stay valid.
bool EncodeIndexed(png_structp png, png_infop info, const Picture& picture, IndexedImage& image) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height),
                 image.bitDepth, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    SetPalette(png, info, image);
    ChooseCompression(png);
    png_write_info(png, info);
    for (int32_t y = 0; y < picture.height; ++y)
        png_write_row(png, image.rows.data() + static_cast<std::size_t>(y) * image.rowBytes);
    png_write_end(png, nullptr);
    return true;
}

bool EncodeRgb(png_structp png, png_infop info, const Picture& picture, std::vector<png_byte>& row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    ChooseCompression(png);
    png_write_info(png, info);
    for (int32_t y = 0; y < picture.height; ++y) {
        PackRgbRow(picture, y, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool EncodePng(const Picture& picture, std::vector<unsigned char>& out) {
    out.clear();
    if (picture.Empty()) return false;
    IndexedImage image;
    const bool indexed = IndexPicture(picture, image);
    std::vector<png_byte> row;
    if (!indexed) row.resize(static_cast<std::size_t>(picture.width) * 3);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    png_set_write_fn(png, &out, AppendToVector, NoFlush);
    const bool encoded = indexed ? EncodeIndexed(png, info, picture, image) : EncodeRgb(png, info, picture, row);
    png_destroy_write_struct(&png, &info);
    return encoded;
}
