// Font objects: CreateFontIndirectA and the release that DeleteObject asks for.
#include "platform/posix/gdi/objects.h"
#include "platform/posix/text/font_face.h"
#include "platform/posix/text/font_match.h"

#include <cstdio>
#include <mutex>
#include <new>

namespace {

void ReportMissingFont(const LOGFONTA& description) {
    std::fprintf(stderr,
                 "promptplatform: CreateFontIndirectA found no usable font for face \"%s\" "
                 "(height %d, character set %d): fontconfig matched no scalable font file "
                 "that FreeType could open\n",
                 posix::FaceNameUtf8(description).c_str(), static_cast<int>(description.lfHeight),
                 static_cast<int>(description.lfCharSet));
}

}  // namespace

HFONT CreateFontIndirectA(const LOGFONTA* description) {
    if (description == nullptr) return nullptr;
    std::lock_guard lock(posix::LayerLock());
    posix::FontFace* face = posix::AcquireFaceFor(*description);
    if (face == nullptr) {
        ReportMissingFont(*description);
        return nullptr;
    }
    auto* font = new (std::nothrow) posix::Font{};
    if (font == nullptr) {
        posix::ReleaseFace(face);
        return nullptr;
    }
    font->kind = posix::ObjectKind::Font;
    font->stock = false;
    font->description = *description;
    font->face = face;
    return reinterpret_cast<HFONT>(static_cast<posix::GdiObject*>(font));
}

namespace posix {

void DestroyFont(Font* font) {
    if (font == nullptr) return;
    ReleaseFace(font->face);
    delete font;
}

}  // namespace posix
