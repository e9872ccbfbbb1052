// The eight-colour palette: bit 0 of the index is blue, bit 1 red, bit 2 green.
#include "runtime/graphics/graphics.h"

namespace {

constexpr COLORREF kPalette[8] = {
    0x000000,  // black
    0xFF0000,  // blue
    0x0000FF,  // red
    0xFF00FF,  // magenta
    0x00FF00,  // green
    0xFFFF00,  // cyan
    0x00FFFF,  // yellow
    0xFFFFFF,  // white
};

}  // namespace

COLORREF PaletteColor(int32_t index) {
    if (index < 0 || index > 7) return 0x000000;
    return kPalette[index];
}
