// The clipboard: the display's text, in code page 932, for the thread that
// opened it.
#include "platform/posix/display/display.h"
#include "platform/posix/user/cp932.h"
#include "platform/posix/win32.h"

#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace {

struct ClipboardState {
    std::mutex lock;
    bool open = false;
    std::thread::id opener;
    std::unique_ptr<std::string> text;  // what GetClipboardData handed out
};

ClipboardState& Clipboard() {
    static auto* state = new ClipboardState;
    return *state;
}

// The desktop's clipboards end lines with LF; the ANSI clipboard text ends
// them with CR LF.
std::string WithCrLf(const std::string& text) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}

bool OpenedByThisThread(ClipboardState& state) {
    return state.open && state.opener == std::this_thread::get_id();
}

}  // namespace

// One thread at a time has the clipboard open.
BOOL OpenClipboard(HWND) {
    ClipboardState& state = Clipboard();
    std::lock_guard lock(state.lock);
    if (state.open && state.opener != std::this_thread::get_id()) return FALSE;
    state.open = true;
    state.opener = std::this_thread::get_id();
    return TRUE;
}

// The text handed out by GetClipboardData is released here.
BOOL CloseClipboard() {
    ClipboardState& state = Clipboard();
    std::lock_guard lock(state.lock);
    if (!OpenedByThisThread(state)) return FALSE;
    state.open = false;
    state.text.reset();
    return TRUE;
}

// CF_TEXT only: zero-terminated code page 932 bytes (characters it cannot hold
// become '?'), valid until CloseClipboard. Null when the clipboard is not
// open on this thread or holds no text.
HANDLE GetClipboardData(UINT format) {
    ClipboardState& state = Clipboard();
    {
        std::lock_guard lock(state.lock);
        if (format != CF_TEXT || !OpenedByThisThread(state)) return nullptr;
        if (state.text) return state.text->data();
    }
    std::optional<std::string> utf8 = posix::ActiveDisplay().ClipboardText();
    if (!utf8 || utf8->empty()) return nullptr;
    auto text = std::make_unique<std::string>(posix::Utf8ToCp932(WithCrLf(*utf8)));
    std::lock_guard lock(state.lock);
    state.text = std::move(text);
    return state.text->data();
}
