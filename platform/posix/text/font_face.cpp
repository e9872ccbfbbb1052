// Opening faces with FreeType, their cell metrics, and sharing them between
// fonts of the same file and size.
#include "platform/posix/text/font_face.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <filesystem>
#include <map>
#include <new>
#include <tuple>

namespace posix {
namespace {

constexpr int kDefaultPixelSize = 16;
// Larger requests are clamped: a glyph bitmap is pixelSize squared bytes and
// nothing this layer draws needs more.
constexpr int64_t kMaxPixelSize = 1024;

FT_Library Library() {
    static FT_Library const library = [] {
        FT_Library opened = nullptr;
        return FT_Init_FreeType(&opened) == 0 ? opened : nullptr;
    }();
    return library;
}

using FaceKey = std::tuple<std::string, int, int>;  // file, index, pixel size

std::map<FaceKey, FontFace*>& OpenFaces() {
    static std::map<FaceKey, FontFace*> faces;
    return faces;
}

int64_t RoundedDivide(int64_t numerator, int64_t denominator) {
    return (numerator + denominator / 2) / denominator;
}

// Negative: the em height (Windows' "character height"); positive: the cell
// height, ascent plus descent, scaled back to an em.
int PixelSizeFor(FT_Face ft, LONG lfHeight) {
    int64_t size = kDefaultPixelSize;
    if (lfHeight < 0) {
        size = -static_cast<int64_t>(lfHeight);
    } else if (lfHeight > 0) {
        const int64_t cell = static_cast<int64_t>(ft->ascender) - ft->descender;
        size = cell > 0 ? RoundedDivide(int64_t{lfHeight} * ft->units_per_EM, cell) : lfHeight;
    }
    return static_cast<int>(std::clamp<int64_t>(size, 1, kMaxPixelSize));
}

// The cell comes from the font's own ascender and descender (hhea or typo
// metrics, as FreeType reports them), each rounded on its own: IPA Mincho at
// 16 pixels gives 14 + 2, the 16-pixel cell with the baseline at 14 that the
// console is laid out for. The Windows metrics (usWinAscent/usWinDescent)
// would give 18.
void SetCellMetrics(FontFace& face) {
    FT_Face ft = face.ft;
    const int64_t em = ft->units_per_EM > 0 ? ft->units_per_EM : 1;
    face.ascent = static_cast<int>(RoundedDivide(int64_t{ft->ascender} * face.pixelSize, em));
    face.descent = static_cast<int>(RoundedDivide(-int64_t{ft->descender} * face.pixelSize, em));
    if (face.ascent <= 0 || face.descent < 0) {
        face.ascent = face.pixelSize - face.pixelSize / 8;
        face.descent = face.pixelSize / 8;
    }
    // A half-width cell is the advance of the space, as the console measures
    // it; full-width characters take two.
    face.halfWidth = (face.pixelSize + 1) / 2;
    const FT_UInt space = FT_Get_Char_Index(ft, ' ');
    if (space != 0 && FT_Load_Glyph(ft, space, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) == 0 &&
        ft->glyph->advance.x > 0)
        face.halfWidth = static_cast<int>((ft->glyph->advance.x + 32) >> 6);
}

void SetStyle(FontFace& face, const FontCandidate& candidate) {
    face.italic = (face.ft->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face.ft, FT_SFNT_OS2));
    if (os2 != nullptr && os2->usWeightClass != 0) face.weight = os2->usWeightClass;
    face.fixedPitch = candidate.fixedPitch || FT_IS_FIXED_WIDTH(face.ft);
    face.japanese = candidate.japanese;
}

std::string CanonicalPath(const std::string& file) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::canonical(file, error);
    return error ? file : path.string();
}

}  // namespace

FontFace* AcquireFace(const FontCandidate& candidate, LONG lfHeight) {
    FT_Library library = Library();
    if (library == nullptr) return nullptr;
    const std::string file = CanonicalPath(candidate.file);
    FT_Face ft = nullptr;
    if (FT_New_Face(library, file.c_str(), candidate.index, &ft) != 0) return nullptr;
    const int pixelSize = PixelSizeFor(ft, lfHeight);
    if (!FT_IS_SCALABLE(ft) || FT_Set_Pixel_Sizes(ft, 0, pixelSize) != 0) {
        FT_Done_Face(ft);
        return nullptr;
    }
    const FaceKey key{file, candidate.index, pixelSize};
    if (auto found = OpenFaces().find(key); found != OpenFaces().end()) {
        FT_Done_Face(ft);
        ++found->second->references;
        return found->second;
    }
    auto* face = new (std::nothrow) FontFace;
    if (face == nullptr) {
        FT_Done_Face(ft);
        return nullptr;
    }
    face->file = file;
    face->index = candidate.index;
    face->pixelSize = pixelSize;
    face->ft = ft;
    SetCellMetrics(*face);
    SetStyle(*face, candidate);
    PrepareBoxes(*face);
    face->references = 1;
    OpenFaces().emplace(key, face);
    return face;
}

FontFace* AcquireFaceFor(const LOGFONTA& description) {
    for (const FontCandidate& candidate : FontCandidates(TextFontConfig(), description))
        if (FontFace* face = AcquireFace(candidate, description.lfHeight)) return face;
    return nullptr;
}

void ReleaseFace(FontFace* face) {
    if (face == nullptr || --face->references > 0) return;
    OpenFaces().erase(FaceKey{face->file, face->index, face->pixelSize});
    FT_Done_Face(face->ft);
    delete face;
}

}  // namespace posix
