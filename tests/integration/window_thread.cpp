#include "window_thread.h"

#include <atomic>

namespace testing_window {
namespace {

std::atomic<WindowThread*> currentWindowThread{nullptr};
std::atomic<int> classNumber{0};

}  // namespace

WindowThread::WindowThread(std::function<void(HDC, const PAINTSTRUCT&)> paint, HBRUSH background)
    : paint_(std::move(paint)) {
    currentWindowThread = this;
    thread_ = std::thread([this, background] { Run(background); });
    std::unique_lock lock(lock_);
    changed_.wait(lock, [&] { return started_; });
}

WindowThread::~WindowThread() {
    if (window_ != nullptr && !WaitForLoopEnd(std::chrono::milliseconds(0))) {
        headless::InjectClose(window_);
        WaitForLoopEnd();
    }
    if (thread_.joinable()) thread_.join();
    currentWindowThread = nullptr;
}

void WindowThread::Run(HBRUSH background) {
    std::string className = "IntegrationTest" + std::to_string(classNumber++);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &WindowThread::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className.c_str();
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, className.c_str(), "TEST", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    {
        std::lock_guard lock(lock_);
        window_ = window;
        started_ = true;
        loopEnded_ = window == nullptr;
    }
    changed_.notify_all();
    if (window == nullptr) return;
    ShowWindow(window, SW_SHOW);
    MSG message;
    int result;
    while ((result = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    {
        std::lock_guard lock(lock_);
        loopEnded_ = true;
        loopResult_ = result;
    }
    changed_.notify_all();
}

LRESULT WindowThread::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowThread* self = currentWindowThread;
    size_t index;
    {
        std::lock_guard lock(self->lock_);
        index = self->received_.size();
        self->received_.push_back(
            Received{message, wParam, lParam, std::this_thread::get_id(), RECT{}, false});
    }
    LRESULT result = 0;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            {
                std::lock_guard lock(self->lock_);
                self->received_[index].paintArea = paint.rcPaint;
            }
            if (self->paint_) self->paint_(paint.hdc, paint);
            EndPaint(window, &paint);
            break;
        }
        case WM_DESTROY: PostQuitMessage(0); break;
        case kRunOnOwner: result = (*reinterpret_cast<std::function<LRESULT()>*>(wParam))(); break;
        case WM_CLOSE: result = DefWindowProcA(window, message, wParam, lParam); break;
        default: break;
    }
    {
        std::lock_guard lock(self->lock_);
        self->received_[index].handled = true;
    }
    self->changed_.notify_all();
    return result;
}

LRESULT WindowThread::OnOwner(const std::function<LRESULT()>& work) {
    std::function<LRESULT()> copy = work;
    return SendMessageA(window_, kRunOnOwner, reinterpret_cast<WPARAM>(&copy), 0);
}

std::vector<Received> WindowThread::Messages() {
    std::lock_guard lock(lock_);
    return std::vector<Received>(received_.begin() + firstShown_, received_.end());
}

std::vector<Received> WindowThread::MessagesOf(UINT message) {
    std::vector<Received> result;
    for (const Received& r : Messages())
        if (r.message == message) result.push_back(r);
    return result;
}

void WindowThread::ClearMessages() {
    std::lock_guard lock(lock_);
    firstShown_ = received_.size();
}

bool WindowThread::WaitForMessages(UINT message, size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(lock_);
    return changed_.wait_for(lock, timeout, [&] {
        size_t seen = 0;
        for (size_t i = firstShown_; i < received_.size(); ++i)
            seen += received_[i].message == message && received_[i].handled;
        return seen >= count;
    });
}

bool WindowThread::WaitForLoopEnd(std::chrono::milliseconds timeout) {
    std::unique_lock lock(lock_);
    return changed_.wait_for(lock, timeout, [&] { return loopEnded_; });
}

}  // namespace testing_window
