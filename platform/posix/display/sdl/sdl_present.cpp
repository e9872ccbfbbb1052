// The SDL display's presenting: changed pixels go to a streaming texture,
// at most once per display refresh; the caret blinks over the texture and
// the input method's composition text covers both.
#include "platform/posix/display/sdl/sdl_display.h"

#include "platform/posix/display/present_timing.h"
#include "platform/posix/gdi/rects.h"

#include <algorithm>

namespace posix {
namespace {

constexpr Uint32 kBlinkMs = 500;

}  // namespace

SdlDisplay::ShownCaret SdlDisplay::CurrentCaret() {
    const Caret& caret = window_->caret;
    ShownCaret raw{caret.exists && caret.hideCount == 0, caret.x, caret.y, caret.width, caret.height};
    Uint32 now = SDL_GetTicks();
    // A caret that moves or appears starts its blink in the "on" phase.
    if (!(raw == caretAtBlinkStart_)) {
        caretAtBlinkStart_ = raw;
        blinkStart_ = now;
    }
    bool on = ((now - blinkStart_) / kBlinkMs) % 2 == 0;
    if (!on) raw.visible = false;
    return raw;
}

// Changed pixels wait for what TimeToPresent says; an expose or resize is
// presented at the next refresh, once any paint it asked for is done.
PresentClock::duration SdlDisplay::PixelsDueIn(PresentClock::time_point now) const {
    const PresentTiming timing{lastPresent_, std::chrono::milliseconds(refreshMs_)};
    if (!redraw_ || PaintPending(*window_)) return TimeToPresent(*window_, timing, now);
    return std::max(PresentClock::duration::zero(), lastPresent_ + timing.refresh - now);
}

Uint32 SdlDisplay::MillisecondsToNextWork() {
    if (window_ == nullptr) return UINT32_MAX;
    Uint32 now = SDL_GetTicks();
    const PresentClock::duration wait = PixelsDueIn(PresentClock::now());
    if (wait != PresentClock::duration::max()) {
        // Rounded up, so that the present is due when the wait ends.
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait).count();
        return static_cast<Uint32>(std::clamp<long long>(ms, 1, refreshMs_ * 8));
    }
    if (caretAtBlinkStart_.visible || shownCaret_.visible) {
        CurrentCaret();
        return kBlinkMs - (now - blinkStart_) % kBlinkMs;
    }
    // A caret created or shown meanwhile sends a wake, so an endless wait is safe.
    return UINT32_MAX;
}

// Copies the changed rectangle of the window's surface into the texture,
// recreating the texture (and copying everything) when the size changed.
bool SdlDisplay::UploadChangedPixels() {
    const Surface& surface = window_->surface;
    RECT area = window_->changed;
    window_->changed = RECT{};
    if (surface.pixels == nullptr) return false;
    if (texture_ == nullptr || textureWidth_ != surface.width || textureHeight_ != surface.height) {
        if (texture_ != nullptr) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XBGR8888, SDL_TEXTUREACCESS_STREAMING,
                                     surface.width, surface.height);
        if (texture_ == nullptr) {
            textureWidth_ = textureHeight_ = 0;
            return false;
        }
        textureWidth_ = surface.width;
        textureHeight_ = surface.height;
        area = RECT{0, 0, surface.width, surface.height};
    }
    area = IntersectRects(area, RECT{0, 0, surface.width, surface.height});
    if (IsEmptyRect(area)) return true;
    SDL_Rect rect{area.left, area.top, area.right - area.left, area.bottom - area.top};
    const uint32_t* first = surface.pixels + static_cast<size_t>(area.top) * surface.width + area.left;
    SDL_UpdateTexture(texture_, &rect, first, surface.width * static_cast<int>(sizeof(uint32_t)));
    return true;
}

void SdlDisplay::DrawCaret() {
    SDL_Rect rect{shownCaret_.x, shownCaret_.y, shownCaret_.width, shownCaret_.height};
    // Inverting shows the caret on any background; renderers without custom
    // blending draw it white.
    if (invertBlend_ != SDL_BLENDMODE_NONE && SDL_SetRenderDrawBlendMode(renderer_, invertBlend_) == 0) {
        SDL_SetRenderDrawColor(renderer_, 255, 255, 255, 255);
    } else {
        SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer_, 255, 255, 255, 255);
    }
    SDL_RenderFillRect(renderer_, &rect);
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
}

void SdlDisplay::PresentIfDue() {
    if (renderer_ == nullptr) return;
    {
        std::lock_guard lock(LayerLock());
        if (window_ == nullptr) return;
        if (PaintPending(*window_)) return;  // the owner paints first, then presents
        bool pixelsChanged = redraw_ || !IsEmptyRect(window_->changed);
        ShownCaret caret = CurrentCaret();
        const bool preeditChanged = preedit_.Update(*window_);
        if (!pixelsChanged && caret == shownCaret_ && !preeditChanged) return;
        // The wait times out when the present is due.
        if (pixelsChanged && PixelsDueIn(PresentClock::now()) != PresentClock::duration::zero()) return;
        UploadChangedPixels();
        redraw_ = false;
        shownCaret_ = caret;
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    if (texture_ != nullptr) {
        SDL_Rect target{0, 0, textureWidth_, textureHeight_};
        SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    }
    if (shownCaret_.visible) DrawCaret();
    preedit_.Draw(renderer_);
    SDL_RenderPresent(renderer_);
    lastPresent_ = PresentClock::now();
}

}  // namespace posix
