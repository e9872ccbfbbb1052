// The headless display: a virtual screen, windows that only hold pixels, and
// events that tests inject.
#include "platform/posix/display/display.h"
#include "platform/posix/display/headless/headless_state.h"
#include "platform/posix/display/present_timing.h"
#include "platform/posix/kernel/last_error.h"
#include "platform/posix/gdi/rects.h"


namespace headless {

State& GetState() {
    static auto* state = new State;
    return *state;
}

namespace {

using posix::Window;

bool OwnedHere(const Window* window) {
    return window->alive && window->queue == posix::CurrentQueue();
}

using Clock = posix::PresentClock;
constexpr auto kRefresh = std::chrono::microseconds(16667);  // a 60 Hz display

posix::PresentClock::duration TimeToPresent(const Window& window, Clock::time_point now) {
    return posix::TimeToPresent(window, posix::PresentTiming{GetState().lastPresent, kRefresh}, now);
}

// How long until a window of the calling thread may present its changed
// pixels; duration::max() when none has any to present. Lock held.
Clock::duration TimeToNextPresent(Clock::time_point now) {
    Clock::duration wait = Clock::duration::max();
    for (Window* window : posix::AllWindows())
        if (OwnedHere(window)) wait = std::min(wait, TimeToPresent(*window, now));
    return wait;
}

class HeadlessDisplay final : public posix::Display {
public:
    bool ScreenSize(int& width, int& height) override {
        std::lock_guard lock(posix::LayerLock());
        State& state = GetState();
        if (!state.available) return false;
        width = state.screenWidth;
        height = state.screenHeight;
        return true;
    }

    bool OpenWindow(Window* window, const std::string&, int& width, int& height) override {
        std::lock_guard lock(posix::LayerLock());
        State& state = GetState();
        if (!state.available) {
            posix::SetLastErrorText(ERROR_DEVICE_NOT_AVAILABLE,
                                    "the headless display is switched off; no window");
            return false;
        }
        if (width == CW_USEDEFAULT || height == CW_USEDEFAULT) {
            width = state.clientWidth > 0 ? state.clientWidth : state.screenWidth;
            height = state.clientHeight > 0 ? state.clientHeight : state.screenHeight;
        }
        state.current = window;
        return true;
    }

    void ShowWindow(Window*) override {}

    void CloseWindow(Window* window) override {
        std::lock_guard lock(posix::LayerLock());
        State& state = GetState();
        if (state.current == window) state.current = nullptr;
        state.observers.notify_all();
    }

    // Presenting only forgets the changed area and counts. As on a real
    // display, changes are presented when present_timing.h says so, at most
    // once per refresh: drawing that goes on meanwhile joins the pending
    // change and wakes nobody.
    void ProcessEvents() override {
        std::lock_guard lock(posix::LayerLock());
        State& state = GetState();
        const Clock::time_point now = Clock::now();
        bool presented = false;
        for (Window* window : posix::AllWindows()) {
            if (!OwnedHere(window) || TimeToPresent(*window, now) != Clock::duration::zero()) continue;
            window->changed = RECT{};
            ++state.presents;
            presented = true;
        }
        if (presented) state.lastPresent = now;
        state.observers.notify_all();
    }

    void WaitForEvents(std::unique_lock<std::mutex>& lock,
                       std::condition_variable& queueSignal) override {
        State& state = GetState();
        state.observers.notify_all();
        const Clock::time_point now = Clock::now();
        const Clock::duration wait = TimeToNextPresent(now);
        if (wait != Clock::duration::max()) {
            queueSignal.wait_until(lock, now + std::max(wait, Clock::duration(1)));
        } else {
            queueSignal.wait(lock);
        }
    }

    void Wake() override { GetState().observers.notify_all(); }

    std::optional<std::string> ClipboardText() override {
        std::lock_guard lock(posix::LayerLock());
        return GetState().clipboard;
    }
};

}  // namespace
}  // namespace headless

namespace posix {

Display& ActiveDisplay() {
    static auto* display = new headless::HeadlessDisplay;
    return *display;
}

}  // namespace posix
