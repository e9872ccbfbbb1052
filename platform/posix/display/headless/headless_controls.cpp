// The headless display's controls for tests: sizes, pixels, events, caret.
#include "platform/posix/display/display.h"
#include "platform/posix/display/headless.h"
#include "platform/posix/display/headless/headless_state.h"

#include <algorithm>

namespace headless {
namespace {

using posix::Window;

// The live window behind a handle. Lock held.
Window* Find(HWND handle) { return posix::FindWindow(handle); }

// Looks the window up under the lock, then delivers without it (the Deliver
// functions take the lock themselves). A window destroyed in between is
// refused there.
template <typename Deliver>
void WithWindow(HWND handle, Deliver deliver) {
    Window* window;
    {
        std::lock_guard lock(posix::LayerLock());
        window = Find(handle);
    }
    if (window != nullptr) deliver(window);
}

bool IsIdle(HWND handle) {
    Window* window = Find(handle);
    if (window == nullptr) return true;
    return window->queue->waiting && !posix::QueueHasWork(*window->queue);
}

}  // namespace

void SetScreenSize(int width, int height) {
    std::lock_guard lock(posix::LayerLock());
    GetState().screenWidth = width;
    GetState().screenHeight = height;
}

void SetClientSize(int width, int height) {
    std::lock_guard lock(posix::LayerLock());
    GetState().clientWidth = width;
    GetState().clientHeight = height;
}

void SetAvailable(bool available) {
    std::lock_guard lock(posix::LayerLock());
    GetState().available = available;
}

HWND CurrentWindow() {
    std::lock_guard lock(posix::LayerLock());
    Window* window = GetState().current;
    return window != nullptr && window->alive ? posix::AsHandle(window) : nullptr;
}

Pixels ReadClient(HWND handle) {
    std::lock_guard lock(posix::LayerLock());
    Pixels pixels;
    Window* window = Find(handle);
    if (window == nullptr || window->surface.pixels == nullptr) return pixels;
    const posix::Surface& surface = window->surface;
    pixels.width = surface.width;
    pixels.height = surface.height;
    pixels.values.assign(surface.pixels,
                         surface.pixels + static_cast<size_t>(surface.width) * surface.height);
    return pixels;
}

Pixels ReadComposed(HWND handle) {
    Pixels pixels = ReadClient(handle);
    CaretState caret = Caret(handle);
    if (!caret.visible) return pixels;
    int right = std::min(caret.x + caret.width, pixels.width);
    int bottom = std::min(caret.y + caret.height, pixels.height);
    for (int y = std::max(caret.y, 0); y < bottom; ++y)
        for (int x = std::max(caret.x, 0); x < right; ++x)
            pixels.values[static_cast<size_t>(y) * pixels.width + x] ^= 0x00FFFFFFu;
    return pixels;
}

void InjectClose(HWND window) { WithWindow(window, posix::DeliverClose); }

void InjectFocus(HWND window, bool gained) {
    WithWindow(window, [gained](Window* w) { posix::DeliverFocus(w, gained); });
}

void InjectResize(HWND window, int width, int height) {
    WithWindow(window, [=](Window* w) { posix::DeliverResize(w, width, height); });
}

void InjectMinimise(HWND window) {
    WithWindow(window, [](Window* w) { posix::DeliverMinimised(w); });
}

void InjectKeyDown(HWND window, UINT virtualKey, bool controlDown) {
    InjectKey(window, virtualKey, posix::KeyModifiers{.control = controlDown});
}

void InjectKey(HWND window, UINT virtualKey, posix::KeyModifiers modifiers) {
    WithWindow(window, [=](Window* w) { posix::DeliverKeyDown(w, virtualKey, modifiers); });
}

void InjectText(HWND window, const std::string& utf8) {
    WithWindow(window, [&](Window* w) { posix::DeliverText(w, utf8); });
}

void SetClipboardText(std::optional<std::string> utf8) {
    std::lock_guard lock(posix::LayerLock());
    GetState().clipboard = std::move(utf8);
}

CaretState Caret(HWND handle) {
    std::lock_guard lock(posix::LayerLock());
    Window* window = Find(handle);
    if (window == nullptr || !window->caret.exists) return CaretState{};
    const posix::Caret& caret = window->caret;
    return CaretState{true, caret.hideCount == 0, caret.x, caret.y, caret.width, caret.height};
}

std::optional<POINT> CompositionPoint(HWND handle) {
    std::lock_guard lock(posix::LayerLock());
    Window* window = Find(handle);
    if (window == nullptr || !window->hasCompositionPoint) return std::nullopt;
    return window->compositionPoint;
}

uint64_t PresentCount() {
    std::lock_guard lock(posix::LayerLock());
    return GetState().presents;
}

bool WaitUntilIdle(HWND window, std::chrono::milliseconds timeout) {
    std::unique_lock lock(posix::LayerLock());
    return GetState().observers.wait_for(lock, timeout, [&] { return IsIdle(window); });
}

// The predicate may look at anything (runtime state too), which does not
// notify; between checks the wait wakes on every present and idle, and at
// least every few milliseconds.
bool WaitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!predicate()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::unique_lock lock(posix::LayerLock());
        GetState().observers.wait_for(lock, std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace headless
