// The headless display: a virtual screen, windows that only hold pixels, and
// events that tests inject.
#include "platform/posix/display/display.h"
#include "platform/posix/display/headless/headless_state.h"
#include "platform/posix/gdi/rects.h"

#include <cstdio>

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
            std::fprintf(stderr, "promptrt: the headless display is switched off; no window\n");
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

    // Presenting only forgets the changed area and counts.
    void ProcessEvents() override {
        std::lock_guard lock(posix::LayerLock());
        State& state = GetState();
        for (Window* window : posix::AllWindows()) {
            if (!OwnedHere(window) || posix::IsEmptyRect(window->changed)) continue;
            window->changed = RECT{};
            ++state.presents;
        }
        state.observers.notify_all();
    }

    void WaitForEvents(std::unique_lock<std::mutex>& lock,
                       std::condition_variable& queueSignal) override {
        for (Window* window : posix::AllWindows())
            if (OwnedHere(window) && !posix::IsEmptyRect(window->changed)) return;
        GetState().observers.notify_all();
        queueSignal.wait(lock);
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
