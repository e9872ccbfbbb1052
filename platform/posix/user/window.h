// The window layer's records: window classes, windows and per-thread message
// queues. Shared by user/, imm/ and the displays; everything here is guarded by
// the layer lock unless a comment says otherwise.
#pragma once
#include "platform/posix/gdi/objects.h"
#include "platform/posix/user/keyboard.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace posix {

struct WindowClass {
    std::string name;
    UINT style;
    WNDPROC procedure;
    HBRUSH background;
};

// A message as queued: the message itself, and for keyboard messages the
// modifiers held when the key went down (TranslateMessage needs them).
struct QueuedMessage {
    MSG message;
    KeyModifiers modifiers;
};

// A message sent from another thread, waiting for the owner to handle it.
struct SentMessage {
    MSG message;
    LRESULT result = 0;
    bool done = false;
    std::condition_variable finished;
};

// A thread's message queue. Created on the thread's first use; windows keep
// their owner's queue alive.
struct MessageQueue {
    std::deque<QueuedMessage> posted;
    std::deque<SentMessage*> sent;
    bool quit = false;
    int quitCode = 0;
    bool ownsDisplayWindow = false;  // the display's events reach this thread
    bool waiting = false;            // the owner is blocked in GetMessageA
    std::condition_variable signal;  // wakes the owner from GetMessageA
};

struct Caret {
    bool exists = false;
    int hideCount = 1;  // shown while 0, as on Windows: created hidden
    int x = 0, y = 0, width = 0, height = 0;
};

struct Window {
    WindowClass windowClass;
    std::string title;  // as given, in the ANSI code page
    std::shared_ptr<MessageQueue> queue;
    Surface surface;       // the client area's pixels
    bool alive = true;     // false once destroyed; the record itself stays
    bool destroying = false;  // DestroyWindow is running
    bool visible = false;
    bool focused = false;
    RECT invalid{};        // area needing paint (bounding rectangle)
    bool eraseBackground = false;
    RECT changed{};        // pixels drawn since the display last presented
    // When the window was last painted, and whether anything has been drawn
    // on it since (outside a paint): the display waits for that drawing, or
    // for a while, before it presents a fresh paint (present_timing.h).
    std::chrono::steady_clock::time_point paintedAt{};
    bool drawnSincePaint = true;
    Caret caret;
    bool hasCompositionPoint = false;
    POINT compositionPoint{};
    LONG compositionHeight = 16;
    bool hasCompositionFont = false;
    LOGFONTA compositionFont{};  // what ImmSetCompositionFontA was given
    void* displayData = nullptr;  // the display's own record for this window
};

// The live window for a handle, or null (destroyed, unknown or null). Lock held.
Window* FindWindow(HWND handle);
inline HWND AsHandle(Window* window) { return reinterpret_cast<HWND>(window); }

// Every window ever created (destroyed ones stay as dead records). Lock held.
const std::vector<Window*>& AllWindows();

// The calling thread's queue, created on first use. Needs no lock.
std::shared_ptr<MessageQueue> CurrentQueue();

// Wakes the queue's owner so it looks at its queue, windows and display again. Lock held.
void WakeQueue(MessageQueue& queue);

// Adds a message to the queue of the window's owner and wakes it. Lock held.
void PostToWindow(Window* window, UINT message, WPARAM wParam, LPARAM lParam,
                  KeyModifiers modifiers = {});

// Marks part of a window as needing paint (null area: all of it). Lock held.
void InvalidateWindow(Window* window, const RECT* area, bool erase);

// True when part of a shown window waits for its WM_PAINT. A display presents
// such a window only once it has been painted: after a clear the window shows
// what its paint copies, never the picture from before. Lock held.
bool PaintPending(const Window& window);

// True when the queue's owner has something to do: a message, a quit, a paint
// or pixels to present. Lock held.
bool QueueHasWork(const MessageQueue& queue);

// Finds a registered class by name (case-insensitive). Lock held.
const WindowClass* FindWindowClass(const char* name);

// Gives the window a surface of a new client size and asks for a full
// repaint with erase. Lock held.
void ResizeWindowSurface(Window* window, int width, int height);

// Removes the calling thread's caret if it belongs to the window. Lock NOT held.
void DestroyCaretOf(Window* window);

// The modifiers that came with the keyboard message GetMessageA last returned
// on this thread; TranslateMessage reads them. No lock.
void NoteRetrievedKeyState(KeyModifiers modifiers);
KeyModifiers RetrievedKeyState();

// Calls a window procedure. Lock NOT held.
LRESULT CallWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace posix
