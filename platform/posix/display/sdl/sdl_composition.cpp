// The composition overlay: SDL's editing events give the pre-edit text; the
// picture is drawn again only when its text, place, font or the window size
// changes, and shown over every frame while there is one.
//
// When to draw: SDL delivers editing events only when the input method leaves
// the pre-edit to the application (IBus is asked for that unless
// SDL_IME_INTERNAL_EDITING is "1"; an input method that shows its own window
// sends none). So the overlay draws whenever editing events bring text, and
// never doubles a window the input method shows itself.
#include "platform/posix/display/sdl/sdl_composition.h"

#include "platform/posix/display/display.h"

#include <cstring>

namespace posix {
namespace {

// Without a font from ImmSetCompositionFontA: the default Japanese fixed
// face at the composition height.
LOGFONTA CompositionFontOf(const Window& window) {
    if (window.hasCompositionFont) return window.compositionFont;
    LOGFONTA font{};
    font.lfHeight = -window.compositionHeight;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    return font;
}

// Without a composition point the text goes where the caret is, or to the
// client area's top-left corner.
POINT CompositionPointOf(const Window& window) {
    if (window.hasCompositionPoint) return window.compositionPoint;
    if (window.caret.exists) return POINT{window.caret.x, window.caret.y};
    return POINT{0, 0};
}

}  // namespace

bool SdlComposition::Source::operator==(const Source& other) const {
    return text == other.text && point.x == other.point.x && point.y == other.point.y &&
           std::memcmp(&font, &other.font, sizeof font) == 0 && clientWidth == other.clientWidth &&
           clientHeight == other.clientHeight;
}

void SdlComposition::ConfigureSdl() {
    // The pre-edit comes to the application (see above); candidate lists stay
    // the input method's own. Long pre-edit texts arrive whole, in
    // SDL_TEXTEDITING_EXT, instead of cut into 32-byte pieces.
    SDL_SetHint(SDL_HINT_IME_INTERNAL_EDITING, "0");
    SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
#if SDL_VERSION_ATLEAST(2, 0, 22)
    SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
#endif
}

void SdlComposition::Follow(const SDL_Event& event) {
    if (event.type == SDL_TEXTEDITING) {
        text_ = CompositionText{event.edit.text, event.edit.start, event.edit.length};
    }
#if SDL_VERSION_ATLEAST(2, 0, 22)
    else if (event.type == SDL_TEXTEDITING_EXT) {
        text_ = CompositionText{event.editExt.text != nullptr ? event.editExt.text : "",
                                event.editExt.start, event.editExt.length};
        SDL_free(event.editExt.text);  // the application owns the copy
    }
#endif
}

void SdlComposition::Clear() { text_ = CompositionText{}; }

FontFace* SdlComposition::FaceFor(const LOGFONTA& font) {
    if (face_ != nullptr && std::memcmp(&font, &faceFont_, sizeof font) == 0) return face_;
    if (face_ != nullptr) ReleaseFace(face_);
    face_ = AcquireFaceFor(font);
    faceFont_ = font;
    return face_;
}

bool SdlComposition::Update(Window& window) {
    Source source{text_, CompositionPointOf(window), CompositionFontOf(window), window.surface.width,
                  window.surface.height};
    if (source == drawn_) return false;
    const bool wasShown = !picture_.Empty();
    drawn_ = source;
    picture_ = CompositionPicture{};
    if (!source.text.utf8.empty()) {
        if (FontFace* face = FaceFor(source.font))
            picture_ = DrawCompositionPicture(source.text, source.point, *face, source.clientWidth,
                                              source.clientHeight);
    }
    uploadPending_ = !picture_.Empty();
    return wasShown || !picture_.Empty();
}

void SdlComposition::Draw(SDL_Renderer* renderer) {
    if (picture_.Empty()) return;
    if (uploadPending_) {
        if (texture_ == nullptr || textureWidth_ != picture_.width || textureHeight_ != picture_.height) {
            if (texture_ != nullptr) SDL_DestroyTexture(texture_);
            texture_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_XBGR8888, SDL_TEXTUREACCESS_STATIC,
                                         picture_.width, picture_.height);
            textureWidth_ = texture_ != nullptr ? picture_.width : 0;
            textureHeight_ = texture_ != nullptr ? picture_.height : 0;
        }
        if (texture_ == nullptr) return;
        SDL_UpdateTexture(texture_, nullptr, picture_.pixels.data(),
                          picture_.width * static_cast<int>(sizeof(uint32_t)));
        uploadPending_ = false;
    }
    const SDL_Rect target{picture_.x, picture_.y, picture_.width, picture_.height};
    SDL_RenderCopy(renderer, texture_, nullptr, &target);
}

void SdlComposition::Release() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    textureWidth_ = textureHeight_ = 0;
    picture_ = CompositionPicture{};
    drawn_ = Source{};
    text_ = CompositionText{};
    std::lock_guard lock(LayerLock());
    if (face_ != nullptr) ReleaseFace(face_);
    face_ = nullptr;
}

}  // namespace posix
