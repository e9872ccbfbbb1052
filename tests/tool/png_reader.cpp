// Decoding with libpng's simplified reading interface.
#include "tests/tool/png_reader.h"

#include <png.h>

#include <fstream>
#include <iterator>

namespace {

bool FinishRead(png_image& image, Picture& picture, std::string& error) {
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        error = image.message;
        png_image_free(&image);
        return false;
    }
    picture.width = static_cast<int32_t>(image.width);
    picture.height = static_cast<int32_t>(image.height);
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = rgb[3 * i] | (rgb[3 * i + 1] << 8) | (rgb[3 * i + 2] << 16);
    return true;
}

}  // namespace

bool DecodePng(const std::vector<unsigned char>& png, Picture& picture, std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) {
        error = image.message;
        return false;
    }
    return FinishRead(image, picture, error);
}

bool ReadPngFile(const std::string& path, Picture& picture, std::string& error) {
    const std::vector<unsigned char> bytes = ReadFileBytes(path);
    if (bytes.empty()) {
        error = "cannot read " + path;
        return false;
    }
    return DecodePng(bytes, picture, error);
}

std::vector<unsigned char> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}
