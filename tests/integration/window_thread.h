// A window on a thread of its own, running a message loop with a test window
// procedure that records every message it receives. The layer's tests drive
// it from the test thread through the headless display.
#pragma once
#include "platform/platform.h"
#include "platform/posix/display/headless.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace testing_window {

constexpr UINT kRunOnOwner = 0x8001;  // wParam: std::function<LRESULT()>*

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::thread::id thread;
    RECT paintArea;  // WM_PAINT: the rcPaint BeginPaint gave
    bool handled;    // the procedure has returned
};

class WindowThread {
public:
    // `paint` runs inside WM_PAINT with the paint DC (may be empty).
    explicit WindowThread(std::function<void(HDC, const PAINTSTRUCT&)> paint = {},
                          HBRUSH background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ~WindowThread();

    HWND window() const { return window_; }
    bool created() const { return window_ != nullptr; }

    // Runs `work` on the owning thread (a cross-thread SendMessageA) and
    // returns its result.
    LRESULT OnOwner(const std::function<LRESULT()>& work);

    std::vector<Received> Messages();
    std::vector<Received> MessagesOf(UINT message);
    void ClearMessages();
    // Waits until `count` messages of that kind have been handled.
    bool WaitForMessages(UINT message, size_t count,
                         std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Waits until the message loop has ended; its GetMessageA result.
    bool WaitForLoopEnd(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    int loopResult() const { return loopResult_; }
    std::thread::id ownerThread() const { return thread_.get_id(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Run(HBRUSH background);

    std::function<void(HDC, const PAINTSTRUCT&)> paint_;
    std::mutex lock_;
    std::condition_variable changed_;
    std::vector<Received> received_;
    size_t firstShown_ = 0;  // ClearMessages hides what came before
    bool started_ = false;
    bool loopEnded_ = false;
    int loopResult_ = 1;
    HWND window_ = nullptr;
    std::thread thread_;
};

}  // namespace testing_window
