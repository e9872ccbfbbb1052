// EncodePng over libpng.
#include "tools/capture/png.h"

#include <png.h>

#include <csetjmp>

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// 0x00BBGGRR pixels to R, G, B bytes.
void PackRow(const Picture& picture, int32_t y, std::vector<png_byte>& row) {
    for (int32_t x = 0; x < picture.width; ++x) {
        const uint32_t colour = picture.At(x, y);
        row[3 * x] = static_cast<png_byte>(colour & 0xFF);
        row[3 * x + 1] = static_cast<png_byte>((colour >> 8) & 0xFF);
        row[3 * x + 2] = static_cast<png_byte>((colour >> 16) & 0xFF);
    }
}

// libpng reports errors by longjmp; nothing with a destructor lives between
// the setjmp and the calls that may jump, except the vectors owned by the
// caller, which stay valid.
bool EncodeRows(png_structp png, png_infop info, const Picture& picture,
                std::vector<png_byte>& row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
                 static_cast<png_uint_32>(picture.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // The console's pictures are large areas of a few flat colours: row
    // filters make them no smaller, and trying them all doubles the time.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    for (int32_t y = 0; y < picture.height; ++y) {
        PackRow(picture, y, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool EncodePng(const Picture& picture, std::vector<unsigned char>& out) {
    out.clear();
    if (picture.Empty()) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_byte> row(static_cast<std::size_t>(picture.width) * 3);
    png_set_write_fn(png, &out, AppendToVector, NoFlush);
    const bool encoded = EncodeRows(png, info, picture, row);
    png_destroy_write_struct(&png, &info);
    return encoded;
}
