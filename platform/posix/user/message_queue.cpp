// Per-thread message queues: posting, waiting for and dispatching messages.
#include "platform/posix/display/display.h"
#include "platform/posix/gdi/rects.h"
#include "platform/posix/user/window.h"

namespace posix {
namespace {

struct MessageFilter {
    HWND window;
    UINT first, last;

    bool Accepts(HWND target, UINT message) const {
        if (window != nullptr && target != window) return false;
        return (first == 0 && last == 0) || (message >= first && message <= last);
    }
};

bool TakePosted(MessageQueue& queue, const MessageFilter& filter, MSG& out) {
    for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
        if (!filter.Accepts(it->message.hwnd, it->message.message)) continue;
        out = it->message;
        if (out.message >= WM_KEYDOWN && out.message <= WM_SYSKEYUP) NoteRetrievedKeyState(it->modifiers);
        queue.posted.erase(it);
        return true;
    }
    return false;
}

// Paint comes last: only when no posted message waits, a visible window of
// this thread with an invalid area gets a WM_PAINT.
Window* WindowNeedingPaint(const MessageQueue& queue, const MessageFilter* filter) {
    for (Window* window : AllWindows()) {
        if (!window->alive || !window->visible || window->queue.get() != &queue) continue;
        if (IsEmptyRect(window->invalid)) continue;
        if (filter == nullptr || filter->Accepts(AsHandle(window), WM_PAINT)) return window;
    }
    return nullptr;
}

bool HasChangedPixels(const MessageQueue& queue) {
    for (Window* window : AllWindows())
        if (window->alive && window->queue.get() == &queue && !IsEmptyRect(window->changed))
            return true;
    return false;
}

// Handles one message sent from another thread; the lock is released while
// the window procedure runs. Returns false when none is waiting.
bool RunSentMessage(MessageQueue& queue, std::unique_lock<std::mutex>& lock) {
    if (queue.sent.empty()) return false;
    SentMessage* sent = queue.sent.front();
    queue.sent.pop_front();
    lock.unlock();
    LRESULT result = CallWindowProcedure(sent->message.hwnd, sent->message.message,
                                         sent->message.wParam, sent->message.lParam);
    lock.lock();
    sent->result = result;
    sent->done = true;
    sent->finished.notify_all();
    return true;
}

void Wait(MessageQueue& queue, std::unique_lock<std::mutex>& lock) {
    queue.waiting = true;
    if (queue.ownsDisplayWindow) {
        ActiveDisplay().WaitForEvents(lock, queue.signal);
    } else {
        queue.signal.wait(lock);
    }
    queue.waiting = false;
}

MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return MSG{window, message, wParam, lParam, GetTickCount(), POINT{0, 0}};
}

}  // namespace

std::shared_ptr<MessageQueue> CurrentQueue() {
    thread_local std::shared_ptr<MessageQueue> queue = std::make_shared<MessageQueue>();
    return queue;
}

void WakeQueue(MessageQueue& queue) {
    queue.signal.notify_all();
    if (queue.ownsDisplayWindow) ActiveDisplay().Wake();
}

void PostToWindow(Window* window, UINT message, WPARAM wParam, LPARAM lParam, KeyModifiers modifiers) {
    window->queue->posted.push_back(
        QueuedMessage{MakeMessage(AsHandle(window), message, wParam, lParam), modifiers});
    WakeQueue(*window->queue);
}

bool QueueHasWork(const MessageQueue& queue) {
    return !queue.posted.empty() || !queue.sent.empty() || queue.quit ||
           WindowNeedingPaint(queue, nullptr) != nullptr || HasChangedPixels(queue);
}

}  // namespace posix

using namespace posix;

// Order of retrieval: display events become messages, messages sent from
// other threads are handled, then posted messages in order, then
// the quit request, then WM_PAINT. Returns 0 for WM_QUIT, -1 for a bad
// argument (null record, dead filter window).
BOOL GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax) {
    if (message == nullptr) return -1;
    std::shared_ptr<MessageQueue> queue = CurrentQueue();
    MessageFilter filter{window, filterMin, filterMax};
    std::unique_lock lock(LayerLock());
    for (;;) {
        if (window != nullptr && FindWindow(window) == nullptr) return -1;
        if (queue->ownsDisplayWindow) {
            lock.unlock();
            ActiveDisplay().ProcessEvents();
            lock.lock();
        }
        // Everything below is checked under the lock right up to the wait,
        // so nothing queued meanwhile goes unnoticed.
        if (RunSentMessage(*queue, lock)) continue;
        if (TakePosted(*queue, filter, *message)) return message->message == WM_QUIT ? 0 : TRUE;
        if (queue->quit && filter.Accepts(nullptr, WM_QUIT)) {
            queue->quit = false;
            *message = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(queue->quitCode), 0);
            return 0;
        }
        if (Window* painted = WindowNeedingPaint(*queue, &filter)) {
            *message = MakeMessage(AsHandle(painted), WM_PAINT, 0, 0);
            return TRUE;
        }
        Wait(*queue, lock);
    }
}

LRESULT DispatchMessageA(const MSG* message) {
    if (message == nullptr || message->hwnd == nullptr) return 0;
    return CallWindowProcedure(message->hwnd, message->message, message->wParam, message->lParam);
}

// On the owning thread the procedure is called directly. From another thread
// the message is handed to the owner, which runs it inside its GetMessageA,
// and the caller waits for the result (as Windows does; the owner must be
// pumping messages).
LRESULT SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<MessageQueue> current = CurrentQueue();
    std::unique_lock lock(LayerLock());
    Window* window = FindWindow(handle);
    if (window == nullptr) return 0;
    if (window->queue == current) {
        lock.unlock();
        return CallWindowProcedure(handle, message, wParam, lParam);
    }
    std::shared_ptr<MessageQueue> owner = window->queue;
    SentMessage sent;
    sent.message = MakeMessage(handle, message, wParam, lParam);
    owner->sent.push_back(&sent);
    WakeQueue(*owner);
    sent.finished.wait(lock, [&] { return sent.done; });
    return sent.result;
}

// A null window posts to the calling thread's own queue.
BOOL PostMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<MessageQueue> current = CurrentQueue();
    std::lock_guard lock(LayerLock());
    if (handle == nullptr) {
        current->posted.push_back(QueuedMessage{MakeMessage(nullptr, message, wParam, lParam), KeyModifiers{}});
        WakeQueue(*current);
        return TRUE;
    }
    Window* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    PostToWindow(window, message, wParam, lParam);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    std::shared_ptr<MessageQueue> current = CurrentQueue();
    std::lock_guard lock(LayerLock());
    current->quit = true;
    current->quitCode = exitCode;
    WakeQueue(*current);
}
