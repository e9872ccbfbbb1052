// The SDL display: one real, resizable window on X11 or Wayland. The thread
// that initialises SDL (the first to ask for the screen or a window) owns the
// SDL window and renderer and runs the event loop; other threads only push a
// wake event.
#pragma once
#include "platform/posix/display/display.h"
#include "platform/posix/display/present_timing.h"
#include "platform/posix/display/sdl/sdl_composition.h"
#include "platform/posix/user/window.h"

#include <SDL.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace posix {

class SdlDisplay final : public Display {
public:
    bool ScreenSize(int& width, int& height) override;
    bool OpenWindow(Window* window, const std::string& titleUtf8, int& width,
                    int& height) override;
    void ShowWindow(Window* window) override;
    void CloseWindow(Window* window) override;
    void ProcessEvents() override;
    void WaitForEvents(std::unique_lock<std::mutex>& lock,
                       std::condition_variable& queueSignal) override;
    void Wake() override;
    std::optional<std::string> ClipboardText() override;

private:
    // What the last present showed of the caret.
    struct ShownCaret {
        bool visible = false;
        int x = 0, y = 0, width = 0, height = 0;
        bool operator==(const ShownCaret&) const = default;
    };

    bool Initialise();
    bool Refuse(const std::string& reason);
    void Handle(const SDL_Event& event);
    void HandleWindowEvent(const SDL_WindowEvent& event);
    void ApplyCompositionPoint();
    void DropTextOfThisKey();
    void Minimise(Window* window);
    void Restore(Window* window);

    // Presenting (sdl_present.cpp).
    void PresentIfDue();
    bool UploadChangedPixels();  // lock held
    void DrawCaret();
    ShownCaret CurrentCaret();   // lock held; blink phase applied
    Uint32 MillisecondsToNextWork();  // lock held; SDL_WaitEventTimeout's timeout
    PresentClock::duration PixelsDueIn(PresentClock::time_point now) const;  // lock held

    std::mutex initLock_;
    bool initTried_ = false;
    std::string initError_;  // why Initialise failed
    std::atomic<bool> ready_{false};
    std::thread::id owner_;
    int screenWidth_ = 0, screenHeight_ = 0;
    Uint32 refreshMs_ = 16;
    Uint32 wakeEvent_ = 0;
    std::atomic<bool> wakePending_{false};

    Window* window_ = nullptr;  // guarded by the layer lock after creation
    SDL_Window* sdlWindow_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int textureWidth_ = 0, textureHeight_ = 0;
    bool redraw_ = false;          // the frame must be presented again (expose, resize)
    PresentClock::time_point lastPresent_{};
    Uint32 blinkStart_ = 0;        // when the caret last changed; blink phase counts from here
    ShownCaret shownCaret_;
    ShownCaret caretAtBlinkStart_;
    bool compositionSet_ = false;
    bool minimised_ = false;  // the client area is reported as 0x0 meanwhile
    SDL_Rect composition_{};
    SdlComposition preedit_;       // the input method's text being composed
    SDL_BlendMode invertBlend_ = SDL_BLENDMODE_NONE;
};

}  // namespace posix
