// The SDL display: initialisation, the window and its events, waiting.
#include "platform/posix/display/sdl/sdl_display.h"

#include "platform/posix/display/sdl/sdl_keys.h"
#include "platform/posix/gdi/rects.h"
#include "platform/posix/kernel/last_error.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace posix {
namespace {

// The default client size leaves room for the 800x500 field and text rows
// around it, where the desktop allows.
constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 640;
// Room for the window manager's frame and panels when clamping to the desktop.
constexpr int kFrameAllowance = 48;

bool IsRealVideoDriver(const char* driver) {
    return driver != nullptr && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0);
}

// SDL falls back to a driver that shows nothing when no X11 or Wayland
// display can be opened; its own words for that say little, so the display
// asked for is named.
std::string NoDisplayReason(const char* driver) {
    const std::string fallback = std::string(" (SDL chose the \"") + (driver != nullptr ? driver : "none") +
                                 "\" video driver)";
    const char* x11 = std::getenv("DISPLAY");
    if (x11 != nullptr && *x11 != 0)
        return std::string("the X display \"") + x11 + "\" (DISPLAY) cannot be opened" + fallback;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland != nullptr && *wayland != 0)
        return std::string("the Wayland display \"") + wayland + "\" (WAYLAND_DISPLAY) cannot be opened" +
               fallback;
    return "neither DISPLAY nor WAYLAND_DISPLAY is set" + fallback;
}

}  // namespace

// SDL is initialised once, on the first thread that asks; that thread owns
// the display. Without X11 or Wayland SDL would fall back to a driver that
// shows nothing; that is refused.
bool SdlDisplay::Initialise() {
    std::lock_guard lock(initLock_);
    if (initTried_) return ready_;
    initTried_ = true;
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SdlComposition::ConfigureSdl();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        initError_ = std::string("no display available: ") + SDL_GetError();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!IsRealVideoDriver(driver)) {
        initError_ = "no display available: " + NoDisplayReason(driver);
        SDL_Quit();
        return false;
    }
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        initError_ = std::string("the display's size is unknown: ") + SDL_GetError();
        SDL_Quit();
        return false;
    }
    screenWidth_ = mode.w;
    screenHeight_ = mode.h;
    if (mode.refresh_rate > 0) refreshMs_ = static_cast<Uint32>(std::max(1, 1000 / mode.refresh_rate));
    wakeEvent_ = SDL_RegisterEvents(1);
    owner_ = std::this_thread::get_id();
    invertBlend_ = SDL_ComposeCustomBlendMode(
        SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR, SDL_BLENDFACTOR_ZERO, SDL_BLENDOPERATION_ADD,
        SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD);
    ready_ = true;
    return true;
}

// Why the display cannot serve, for the caller's GetLastError and FormatMessageA.
bool SdlDisplay::Refuse(const std::string& reason) {
    SetLastErrorText(ERROR_DEVICE_NOT_AVAILABLE, reason);
    return false;
}

bool SdlDisplay::ScreenSize(int& width, int& height) {
    if (!Initialise()) return false;
    width = screenWidth_;
    height = screenHeight_;
    return width > 0 && height > 0;
}

bool SdlDisplay::OpenWindow(Window* window, const std::string& titleUtf8, int& width, int& height) {
    if (!Initialise()) return Refuse(initError_);
    if (std::this_thread::get_id() != owner_)
        return Refuse("the window must be created on the thread that opened the display");
    if (sdlWindow_ != nullptr) return Refuse("the SDL display shows one window at a time");
    if (width == CW_USEDEFAULT || height == CW_USEDEFAULT) {
        SDL_Rect usable{0, 0, kDefaultWidth, kDefaultHeight + kFrameAllowance};
        SDL_GetDisplayUsableBounds(0, &usable);
        width = std::clamp(kDefaultWidth, 1, std::max(1, usable.w));
        height = std::clamp(kDefaultHeight, 1, std::max(1, usable.h - kFrameAllowance));
    }
    sdlWindow_ = SDL_CreateWindow(titleUtf8.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                  std::max(width, 1), std::max(height, 1),
                                  SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (sdlWindow_ != nullptr) renderer_ = SDL_CreateRenderer(sdlWindow_, -1, 0);
    if (renderer_ == nullptr) {
        const std::string reason = std::string("cannot open a window: ") + SDL_GetError();
        if (sdlWindow_ != nullptr) SDL_DestroyWindow(sdlWindow_);
        sdlWindow_ = nullptr;
        return Refuse(reason);
    }
    SDL_GetWindowSize(sdlWindow_, &width, &height);
    std::lock_guard lock(LayerLock());
    window_ = window;
    redraw_ = true;
    return true;
}

void SdlDisplay::ShowWindow(Window*) {
    if (sdlWindow_ == nullptr || std::this_thread::get_id() != owner_) return;
    SDL_ShowWindow(sdlWindow_);
    SDL_RaiseWindow(sdlWindow_);
}

void SdlDisplay::CloseWindow(Window* window) {
    {
        std::lock_guard lock(LayerLock());
        if (window != window_) return;
        window_ = nullptr;
    }
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (sdlWindow_ != nullptr) SDL_DestroyWindow(sdlWindow_);
    texture_ = nullptr;
    renderer_ = nullptr;
    sdlWindow_ = nullptr;
    textureWidth_ = textureHeight_ = 0;
    compositionSet_ = false;
    preedit_.Release();
}

void SdlDisplay::Wake() {
    if (!ready_ || wakePending_.exchange(true)) return;
    SDL_Event event{};
    event.type = wakeEvent_;
    if (SDL_PushEvent(&event) != 1) wakePending_ = false;
}

void SdlDisplay::ProcessEvents() {
    if (std::this_thread::get_id() != owner_ || sdlWindow_ == nullptr) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) Handle(event);
    ApplyCompositionPoint();
    PresentIfDue();
}

void SdlDisplay::Handle(const SDL_Event& event) {
    Window* window = window_;  // only this thread changes it
    if (event.type == wakeEvent_) {
        wakePending_ = false;
        return;
    }
    switch (event.type) {
        case SDL_QUIT: DeliverClose(window); break;
        case SDL_WINDOWEVENT: HandleWindowEvent(event.window); break;
        case SDL_KEYDOWN: {
            const KeyModifiers modifiers = ModifiersFor(event.key.keysym.mod);
            if (modifiers.control != modifiers.alt) DropTextOfThisKey();
            UINT key = VirtualKeyFor(event.key.keysym);
            if (key != 0) DeliverKeyDown(window, key, modifiers);
            break;
        }
        case SDL_TEXTINPUT: DeliverText(window, event.text.text); break;
        case SDL_TEXTEDITING:
#if SDL_VERSION_ATLEAST(2, 0, 22)
        case SDL_TEXTEDITING_EXT:
#endif
            preedit_.Follow(event);
            break;
        default: break;
    }
}

void SdlDisplay::HandleWindowEvent(const SDL_WindowEvent& event) {
    Window* window = window_;
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE: DeliverClose(window); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            SDL_StartTextInput();
            compositionSet_ = false;  // placed again below
            DeliverFocus(window, true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            SDL_StopTextInput();
            preedit_.Clear();
            DeliverFocus(window, false);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            if (!minimised_) DeliverResize(window, event.data1, event.data2);
            break;
        case SDL_WINDOWEVENT_MINIMIZED: Minimise(window); break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED: Restore(window); [[fallthrough]];
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN: {
            std::lock_guard lock(LayerLock());
            redraw_ = true;
            break;
        }
        default: break;
    }
}

// X11 reports text for Ctrl+1 or Alt+a, queued right behind the key press;
// on the platform such keys type nothing, or their character comes from
// TranslateMessage (WM_CHAR for Ctrl combinations, WM_SYSCHAR with Alt).
// Only text that directly follows the key is its own: a later commit of the
// input method still arrives.
void SdlDisplay::DropTextOfThisKey() {
    SDL_Event next;
    if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
        next.type == SDL_TEXTINPUT)
        SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT);
}

// A minimised window has a client area of 0x0, as on the platform: the
// window gets WM_SIZE with SIZE_MINIMIZED, paints nothing and draws nowhere
// until it is restored with its size back.
void SdlDisplay::Minimise(Window* window) {
    if (minimised_) return;
    minimised_ = true;
    DeliverMinimised(window);
}

void SdlDisplay::Restore(Window* window) {
    if (!minimised_) return;
    minimised_ = false;
    int width = 0, height = 0;
    SDL_GetWindowSize(sdlWindow_, &width, &height);
    DeliverResize(window, width, height);
}

// The input method's candidate window goes below the composition point.
void SdlDisplay::ApplyCompositionPoint() {
    SDL_Rect rect;
    {
        std::lock_guard lock(LayerLock());
        if (window_ == nullptr || !window_->hasCompositionPoint) return;
        rect = SDL_Rect{window_->compositionPoint.x, window_->compositionPoint.y, 1,
                        window_->compositionHeight};
    }
    if (compositionSet_ && std::memcmp(&rect, &composition_, sizeof rect) == 0) return;
    composition_ = rect;
    compositionSet_ = true;
    SDL_SetTextInputRect(&rect);
}

// Waits for SDL events (other threads push a wake event), or until the next
// present or caret blink is due. The layer lock is released while waiting.
void SdlDisplay::WaitForEvents(std::unique_lock<std::mutex>& lock, std::condition_variable& queueSignal) {
    if (std::this_thread::get_id() != owner_ || sdlWindow_ == nullptr) {
        queueSignal.wait(lock);
        return;
    }
    Uint32 timeout = MillisecondsToNextWork();
    lock.unlock();
    SDL_WaitEventTimeout(nullptr, timeout == UINT32_MAX ? -1 : static_cast<int>(timeout));
    lock.lock();
}

// SDL's clipboard is read on the display's own thread only.
std::optional<std::string> SdlDisplay::ClipboardText() {
    if (!ready_ || std::this_thread::get_id() != owner_ || !SDL_HasClipboardText()) return std::nullopt;
    char* text = SDL_GetClipboardText();
    if (text == nullptr) return std::nullopt;
    std::string result = text;
    SDL_free(text);
    return result;
}

Display& ActiveDisplay() {
    static auto* display = new SdlDisplay;
    return *display;
}

}  // namespace posix
