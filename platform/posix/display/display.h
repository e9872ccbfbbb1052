// What stands behind the windows: a real screen (SDL) or a headless one for
// tests. The window layer calls a Display; the display turns its own events
// into messages with the Deliver functions below. One implementation is linked
// into each program (promptdisplay_sdl or promptdisplay_headless).
#pragma once
#include "platform/posix/win32.h"
#include "platform/posix/user/keyboard.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

namespace posix {

struct Window;

class Display {
public:
    virtual ~Display() = default;

    // Screen size in pixels; false when there is no screen. Any thread, no lock.
    virtual bool ScreenSize(int& width, int& height) = 0;

    // Opens the display's side of a window on the calling thread, which then
    // owns it. `width`/`height` hold the requested client size or CW_USEDEFAULT,
    // and receive the size chosen. False when no window can be opened, with
    // the reason as the thread's last error (SetLastErrorText). No lock.
    virtual bool OpenWindow(Window* window, const std::string& titleUtf8, int& width,
                            int& height) = 0;
    // Shows the window. Owner thread, no lock.
    virtual void ShowWindow(Window* window) = 0;
    // Closes the display's side of a destroyed window. Owner thread, no lock.
    virtual void CloseWindow(Window* window) = 0;

    // Turns pending events into messages, presents changed pixels and keeps
    // the caret. Owner thread, no lock.
    virtual void ProcessEvents() = 0;
    // Blocks the owner thread until there may be something to do: an event,
    // a Wake, or the display's own timing (caret blink, present). `lock` is
    // the layer lock, held on entry and on return; `queueSignal` is notified
    // whenever a message is queued for the owner.
    virtual void WaitForEvents(std::unique_lock<std::mutex>& lock,
                               std::condition_variable& queueSignal) = 0;
    // Something changed for the owner thread (message, pixels, caret,
    // composition point). Any thread, lock held.
    virtual void Wake() = 0;

    // The clipboard's text as UTF-8, or nothing. Owner thread, no lock.
    virtual std::optional<std::string> ClipboardText() = 0;
};

// The display linked into this program.
Display& ActiveDisplay();

// Events from the display, turned into messages for the window's owner.
// Any thread, lock NOT held.
void DeliverClose(Window* window);
void DeliverFocus(Window* window, bool gained);
void DeliverResize(Window* window, int width, int height);
void DeliverMinimised(Window* window);
void DeliverKeyDown(Window* window, UINT virtualKey, KeyModifiers modifiers);
void DeliverText(Window* window, const std::string& utf8);

}  // namespace posix
