// The PNG encoder linked into this test (zlib's or the stored-block one),
// checked by decoding its files with libpng.
#include "tests/tool/png_reader.h"
#include "tests/tool/run_tool.h"
#include "tools/capture/png.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

Picture RandomPicture(int32_t width, int32_t height, uint32_t seed) {
    std::mt19937 generator(seed);
    Picture picture{width, height, {}};
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
    for (uint32_t& pixel : picture.pixels) pixel = generator() & 0x00FFFFFFu;
    return picture;
}

void ExpectRoundTrip(const Picture& picture) {
    std::vector<unsigned char> png;
    ASSERT_TRUE(EncodePng(picture, png));
    Picture decoded;
    std::string error;
    ASSERT_TRUE(DecodePng(png, decoded, error)) << error;
    ASSERT_EQ(decoded.width, picture.width);
    ASSERT_EQ(decoded.height, picture.height);
    EXPECT_EQ(decoded.pixels, picture.pixels);
}

}  // namespace

// Pixels survive to the bit: red in the lowest byte of a value is the PNG's
// first channel. Sizes cover one pixel, one-pixel-wide and -high strips, and
// pictures whose rows span several 65535-byte stored blocks, with a block
// boundary inside a row.
TEST(PngEncoder, DecodesToTheSamePixels) {
    ExpectRoundTrip(Picture{1, 1, {0x000000FFu}});
    ExpectRoundTrip(RandomPicture(1, 300, 1));
    ExpectRoundTrip(RandomPicture(300, 1, 2));
    ExpectRoundTrip(RandomPicture(257, 171, 3));  // 257*3+1 does not divide 65535
    ExpectRoundTrip(RandomPicture(1024, 768, 4));

    Picture primaries{3, 1, {0x0000FFu, 0x00FF00u, 0xFF0000u}};
    std::vector<unsigned char> png;
    ASSERT_TRUE(EncodePng(primaries, png));
    Picture decoded;
    std::string error;
    ASSERT_TRUE(DecodePng(png, decoded, error)) << error;
    EXPECT_EQ(decoded.At(0, 0), 0x0000FFu);  // red
    EXPECT_EQ(decoded.At(2, 0), 0xFF0000u);  // blue
}

// The same picture gives the same bytes (no time stamp or other varying
// chunk), a different one different bytes, and nothing is made of no pixels.
TEST(PngEncoder, IsDeterministicAndRefusesAnEmptyPicture) {
    const Picture picture = RandomPicture(64, 48, 5);
    std::vector<unsigned char> first, second, other;
    ASSERT_TRUE(EncodePng(picture, first));
    ASSERT_TRUE(EncodePng(picture, second));
    EXPECT_EQ(first, second);
    Picture changed = picture;
    changed.pixels[100] ^= 1;
    ASSERT_TRUE(EncodePng(changed, other));
    EXPECT_NE(first, other);

    std::vector<unsigned char> empty;
    EXPECT_FALSE(EncodePng(Picture{}, empty));
    EXPECT_FALSE(EncodePng(Picture{0, 10, {}}, empty));
}

// Files: written whole and readable; an unwritable path is reported with the
// path and leaves no file.
TEST(PngEncoder, WritesFilesAndReportsUnwritablePaths) {
    ScratchDirectory scratch;
    ASSERT_FALSE(scratch.path.empty());
    const Picture picture = RandomPicture(20, 10, 6);
    std::string error;
    const std::string path = scratch.Path("picture.png");
    ASSERT_TRUE(WritePngFile(path, picture, error)) << error;
    Picture read;
    ASSERT_TRUE(ReadPngFile(path, read, error)) << error;
    EXPECT_EQ(read.pixels, picture.pixels);

    const std::string missing = scratch.Path("no/such/dir/picture.png");
    EXPECT_FALSE(WritePngFile(missing, picture, error));
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(missing));

    // Encoding fails after the file was opened: the empty file goes again.
    const std::string refused = scratch.Path("empty.png");
    std::FILE* file = OpenPngFile(refused, error);
    ASSERT_NE(file, nullptr) << error;
    EXPECT_FALSE(WritePngAndClose(file, refused, Picture{}, error));
    EXPECT_FALSE(std::filesystem::exists(refused));
}

namespace {

// A picture whose pixels cycle through `colours` distinct colours.
Picture PictureOfColours(int32_t width, int32_t height, uint32_t colours) {
    Picture picture{width, height, {}};
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = static_cast<uint32_t>(i % colours) * 0x000101u;
    return picture;
}

struct Header {
    int bitDepth;
    int colourType;
};

// IHDR follows the 8-byte signature: length, type, width, height, then the
// bit depth and colour type.
Header HeaderOf(const std::vector<unsigned char>& png) { return {png.at(24), png.at(25)}; }

}  // namespace

// The picture's colour count picks the format: 4-bit indices up to 16
// colours, 8-bit up to 256, RGB beyond; each decodes to the same pixels,
// with odd widths (a half-filled last byte at 4 bits) and runs long enough
// for the eight-pixel shortcut.
TEST(PngEncoder, IndexesPicturesOfFewColours) {
    const struct {
        uint32_t colours;
        Header header;
    } cases[] = {{1, {4, 3}}, {16, {4, 3}}, {17, {8, 3}}, {256, {8, 3}}, {257, {8, 2}}};
    for (const auto& c : cases) {
        for (const Picture& picture : {PictureOfColours(37, 29, c.colours), PictureOfColours(64, 40, c.colours)}) {
            std::vector<unsigned char> png;
            ASSERT_TRUE(EncodePng(picture, png));
            EXPECT_EQ(HeaderOf(png).bitDepth, c.header.bitDepth) << c.colours;
            EXPECT_EQ(HeaderOf(png).colourType, c.header.colourType) << c.colours;
            ExpectRoundTrip(picture);
        }
    }

    // Long runs of one colour broken by single pixels, at both depths.
    Picture runs{203, 7, std::vector<uint32_t>(203 * 7, 0x000000u)};
    for (std::size_t i = 0; i < runs.pixels.size(); i += 13) runs.pixels[i] = 0x00FF00u;
    ExpectRoundTrip(runs);
    for (std::size_t i = 5; i < runs.pixels.size(); i += 11) runs.pixels[i] = static_cast<uint32_t>(i);
    ExpectRoundTrip(runs);

    // The 257th colour comes in the middle of a row that goes on in known
    // colours: the picture still needs RGB.
    Picture late = PictureOfColours(300, 2, 256);
    late.pixels[10] = 0xABCDEFu;
    std::vector<unsigned char> png;
    ASSERT_TRUE(EncodePng(late, png));
    EXPECT_EQ(HeaderOf(png).colourType, 2);
    ExpectRoundTrip(late);
}
