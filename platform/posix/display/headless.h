// The headless display's controls, for tests and tools: a virtual screen, a
// window whose pixels can be read back, and injected events. Link
// promptdisplay_headless to use it. Every function may be called from any
// thread.
#pragma once
#include "platform/posix/win32.h"
#include "platform/posix/user/keyboard.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace headless {

// Sizes, taken when the window is created: the screen (default 1024x768)
// and the client area of a window created with CW_USEDEFAULT (default, or
// 0x0: the screen's size).
void SetScreenSize(int width, int height);
void SetClientSize(int width, int height);
// With false, there is no screen: GetSystemMetrics gives 0 and
// CreateWindowExA fails. Default true.
void SetAvailable(bool available);

// The most recently created window that still lives, or null.
HWND CurrentWindow();

// A copy of a window's client pixels (0x00BBGGRR, rows packed), taken under
// the layer lock. Empty for a dead window.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> values;
    uint32_t At(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
};
Pixels ReadClient(HWND window);
// The client pixels as shown: with a visible caret drawn over them (inverted).
Pixels ReadComposed(HWND window);

// Events, as the user would cause them; they become messages for the
// window's owning thread.
void InjectClose(HWND window);
void InjectFocus(HWND window, bool gained);
void InjectResize(HWND window, int width, int height);
// Minimising gives a client area of 0x0; restoring is a resize to the old size.
void InjectMinimise(HWND window);
void InjectKeyDown(HWND window, UINT virtualKey, bool controlDown = false);
void InjectKey(HWND window, UINT virtualKey, posix::KeyModifiers modifiers);
void InjectText(HWND window, const std::string& utf8);
// The clipboard's text (UTF-8); nullopt empties it.
void SetClipboardText(std::optional<std::string> utf8);

struct CaretState {
    bool exists = false;
    bool visible = false;
    int x = 0, y = 0, width = 0, height = 0;
};
CaretState Caret(HWND window);
// Where the input method's composition goes, once a program placed it.
std::optional<POINT> CompositionPoint(HWND window);

// How often the owning threads presented changed pixels.
uint64_t PresentCount();

// Waits until the window's owning thread is blocked in GetMessageA with
// nothing left to do (no message, paint or unpresented pixels). False on
// timeout.
bool WaitUntilIdle(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(10));
// Waits until the predicate (called without the layer lock) holds. False on timeout.
bool WaitUntil(const std::function<bool()>& predicate,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace headless
