// The caret: one per thread, a block the display draws over the window's
// pixels (never into them) and blinks.
#include "platform/posix/display/display.h"
#include "platform/posix/user/window.h"

namespace posix {
namespace {

// The window holding this thread's caret. The caret's state lives in that
// window's record, where the display reads it.
thread_local Window* caretWindow = nullptr;

// This thread's caret, when it exists and its window still lives. Lock held.
Caret* ThreadCaret() {
    if (caretWindow == nullptr || !caretWindow->alive || !caretWindow->caret.exists) return nullptr;
    return &caretWindow->caret;
}

void CaretChanged() { ActiveDisplay().Wake(); }

void RemoveCaret() {
    if (caretWindow != nullptr) caretWindow->caret = Caret{};
    caretWindow = nullptr;
    CaretChanged();
}

}  // namespace

void DestroyCaretOf(Window* window) {
    std::lock_guard lock(LayerLock());
    if (caretWindow == window) RemoveCaret();
}

}  // namespace posix

using namespace posix;

// A new caret replaces the thread's old one and starts hidden. The bitmap is
// ignored: the caret is always a solid block. A zero size gives one pixel.
BOOL CreateCaret(HWND handle, HBITMAP, int width, int height) {
    std::lock_guard lock(LayerLock());
    Window* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    if (caretWindow != nullptr) RemoveCaret();
    caretWindow = window;
    window->caret = Caret{true, 1, 0, 0, width > 0 ? width : 1, height > 0 ? height : 1};
    CaretChanged();
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    std::lock_guard lock(LayerLock());
    Caret* caret = ThreadCaret();
    if (caret == nullptr) return FALSE;
    caret->x = x;
    caret->y = y;
    CaretChanged();
    return TRUE;
}

// Show and hide count, as on Windows: each HideCaret needs a ShowCaret.
BOOL ShowCaret(HWND handle) {
    std::lock_guard lock(LayerLock());
    Caret* caret = ThreadCaret();
    if (caret == nullptr || (handle != nullptr && handle != AsHandle(caretWindow))) return FALSE;
    if (caret->hideCount > 0) --caret->hideCount;
    CaretChanged();
    return TRUE;
}

BOOL HideCaret(HWND handle) {
    std::lock_guard lock(LayerLock());
    Caret* caret = ThreadCaret();
    if (caret == nullptr || (handle != nullptr && handle != AsHandle(caretWindow))) return FALSE;
    ++caret->hideCount;
    CaretChanged();
    return TRUE;
}

BOOL DestroyCaret() {
    std::lock_guard lock(LayerLock());
    if (ThreadCaret() == nullptr) {
        caretWindow = nullptr;
        return FALSE;
    }
    RemoveCaret();
    return TRUE;
}
