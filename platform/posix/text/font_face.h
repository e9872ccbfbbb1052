// A font file opened at one pixel size, with its cell metrics and its cache
// of rendered glyphs. Fonts (the GDI records) share faces: one face per file,
// face index and pixel size. Every function here expects the layer's lock.
#pragma once
#include "platform/posix/text/font_match.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace posix {

// A monochrome glyph image placed relative to the top-left of its cell.
struct Glyph {
    bool present = false;  // the font maps the character
    int left = 0;          // ink box offset from the cell's left edge
    int top = 0;           // ink box offset from the cell's top edge
    int width = 0;
    int height = 0;
    std::vector<uint8_t> ink;  // width * height, row by row; 1 = drawn
};

struct FontFace {
    std::string file;  // canonical path of the font file
    int index = 0;
    int pixelSize = 0;  // the em in pixels
    FT_Face ft = nullptr;
    int ascent = 0;     // pixels from the cell top to the baseline
    int descent = 0;    // pixels from the baseline to the cell bottom
    int halfWidth = 0;  // one cell; a full-width character takes two
    int weight = 400;
    bool italic = false;
    bool fixedPitch = false;
    bool japanese = false;
    std::unordered_map<char32_t, Glyph> glyphs;
    Glyph boxes[2];  // hollow boxes one and two cells wide: characters the font cannot show
    int references = 0;
};

inline int CellHeight(const FontFace& face) { return face.ascent + face.descent; }

// A face for `candidate` at the size `lfHeight` asks for (negative: the em in
// pixels; positive: the cell height; zero: the default 16), shared with
// earlier fonts of the same file and size. Null when FreeType cannot open the
// file as a scalable font.
FontFace* AcquireFace(const FontCandidate& candidate, LONG lfHeight);

// The first candidate for `description` that opens; null when none does.
FontFace* AcquireFaceFor(const LOGFONTA& description);

// Gives back one reference; the last one closes the face.
void ReleaseFace(FontFace* face);

// The glyph of a character, rendered on first use and cached with the face.
const Glyph& GlyphFor(FontFace& face, char32_t codePoint);

// Renders the hollow boxes for a face whose metrics are set.
void PrepareBoxes(FontFace& face);

}  // namespace posix
