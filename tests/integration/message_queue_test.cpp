// The message queue, painting and invalidation, driven from the test thread,
// which owns the window and calls GetMessageA itself.
#include "platform/platform.h"
#include "platform/posix/display/headless.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT kTestMessage = 0x8100;

std::vector<UINT> procedureLog;

LRESULT CALLBACK LoggingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    procedureLog.push_back(message);
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window owned by the test thread; destroyed (and its quit drained) at the end.
struct LocalWindow {
    HWND handle = nullptr;

    explicit LocalWindow(HBRUSH background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)),
                         int width = 64, int height = 48) {
        static int number = 0;
        std::string name = "QueueTest" + std::to_string(number++);
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = LoggingProcedure;
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = name.c_str();
        EXPECT_NE(RegisterClassExA(&windowClass), 0);
        procedureLog.clear();
        handle = CreateWindowExA(0, name.c_str(), "local", WS_OVERLAPPEDWINDOW, 0, 0, width,
                                 height, nullptr, nullptr, nullptr, nullptr);
    }
    ~LocalWindow() {
        DestroyWindow(handle);
        PostQuitMessage(0);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    }
};

MSG Next() {
    MSG message{};
    int result = GetMessageA(&message, nullptr, 0, 0);
    if (result == 0) {
        EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    }
    return message;
}

TEST(MessageQueue, PostedMessagesComeInOrderAndQuitEndsTheLoop) {
    PostMessageA(nullptr, kTestMessage, 1, 10);
    PostMessageA(nullptr, kTestMessage, 2, 20);
    PostQuitMessage(7);
    MSG message{};
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(message.wParam, 1u);
    EXPECT_EQ(message.lParam, 10);
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(message.wParam, 2u);
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), 0);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_EQ(GetMessageA(nullptr, nullptr, 0, 0), -1);
}

TEST(MessageQueue, WindowCreationSendsCreateAndRefusesBadRequests) {
    {
        LocalWindow window;
        ASSERT_NE(window.handle, nullptr);
        ASSERT_FALSE(procedureLog.empty());
        EXPECT_EQ(procedureLog.front(), static_cast<UINT>(WM_CREATE));
        RECT client;
        ASSERT_TRUE(GetClientRect(window.handle, &client));
        EXPECT_EQ(client.right, 64);
        EXPECT_EQ(client.bottom, 48);
    }
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "x", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    static int run = 0;
    std::string name = "WrongSize" + std::to_string(run++);
    WNDCLASSEXA wrongSize{};
    wrongSize.cbSize = 48;  // the size of the record on 32-bit Windows, not here
    wrongSize.lpfnWndProc = LoggingProcedure;
    wrongSize.lpszClassName = name.c_str();
    EXPECT_EQ(RegisterClassExA(&wrongSize), 0);
    wrongSize.cbSize = sizeof wrongSize;
    EXPECT_NE(RegisterClassExA(&wrongSize), 0);
    EXPECT_EQ(RegisterClassExA(&wrongSize), 0) << "a class name is registered once";

    headless::SetAvailable(false);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 0);
    EXPECT_EQ(CreateWindowExA(0, name.c_str(), "x", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    headless::SetAvailable(true);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
}

TEST(MessageQueue, PaintIsSynthesisedOnlyWhenNothingElseWaits) {
    LocalWindow window;
    // A hidden window is not painted.
    InvalidateRect(window.handle, nullptr, TRUE);
    PostQuitMessage(0);
    EXPECT_EQ(Next().message, static_cast<UINT>(WM_QUIT));

    ShowWindow(window.handle, SW_SHOW);
    PostMessageA(window.handle, kTestMessage, 0, 0);
    EXPECT_EQ(Next().message, static_cast<UINT>(kTestMessage));
    MSG paint = Next();
    EXPECT_EQ(paint.message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(paint.hwnd, window.handle);
    // Not validated yet: the next retrieval asks again.
    EXPECT_EQ(Next().message, static_cast<UINT>(WM_PAINT));
    DispatchMessageA(&paint);  // DefWindowProcA validates
    PostMessageA(window.handle, kTestMessage, 1, 0);
    EXPECT_EQ(Next().message, static_cast<UINT>(kTestMessage));
    PostQuitMessage(0);
    EXPECT_EQ(Next().message, static_cast<UINT>(WM_QUIT)) << "no paint after validation";

    // Invalidating again asks for another paint.
    InvalidateRect(window.handle, nullptr, FALSE);
    EXPECT_EQ(Next().message, static_cast<UINT>(WM_PAINT));
}

TEST(MessageQueue, BeginPaintClipsToTheBoundingInvalidArea) {
    HBRUSH background = CreateSolidBrush(RGB(0, 0, 200));
    LocalWindow window(background);
    ShowWindow(window.handle, SW_SHOW);
    PAINTSTRUCT paint;
    BeginPaint(window.handle, &paint);  // the first paint erases everything
    EXPECT_EQ(paint.rcPaint.right, 64);
    EXPECT_EQ(paint.rcPaint.bottom, 48);
    EndPaint(window.handle, &paint);
    headless::Pixels pixels = headless::ReadClient(window.handle);
    EXPECT_EQ(pixels.At(0, 0), RGB(0, 0, 200));
    EXPECT_EQ(pixels.At(63, 47), RGB(0, 0, 200));

    RECT first{2, 3, 5, 6}, second{10, 1, 12, 4}, outside{100, 100, 120, 120};
    InvalidateRect(window.handle, &first, FALSE);
    InvalidateRect(window.handle, &second, FALSE);
    InvalidateRect(window.handle, &outside, FALSE);
    HDC dc = BeginPaint(window.handle, &paint);
    EXPECT_EQ(paint.rcPaint.left, 2);
    EXPECT_EQ(paint.rcPaint.top, 1);
    EXPECT_EQ(paint.rcPaint.right, 12);
    EXPECT_EQ(paint.rcPaint.bottom, 6);
    HGDIOBJ old = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(PatBlt(dc, 0, 0, 64, 48, PATCOPY));
    SelectObject(dc, old);
    EndPaint(window.handle, &paint);
    pixels = headless::ReadClient(window.handle);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            bool inside = x >= 2 && x < 12 && y >= 1 && y < 6;
            ASSERT_EQ(pixels.At(x, y), inside ? RGB(255, 255, 255) : RGB(0, 0, 200)) << x << "," << y;
        }

    // Without erase the old pixels stay; with erase the class brush comes back.
    InvalidateRect(window.handle, nullptr, FALSE);
    BeginPaint(window.handle, &paint);
    EndPaint(window.handle, &paint);
    EXPECT_EQ(headless::ReadClient(window.handle).At(5, 3), RGB(255, 255, 255));
    InvalidateRect(window.handle, nullptr, TRUE);
    BeginPaint(window.handle, &paint);
    EndPaint(window.handle, &paint);
    EXPECT_EQ(headless::ReadClient(window.handle).At(5, 3), RGB(0, 0, 200));
    DestroyWindow(window.handle);
    EXPECT_TRUE(DeleteObject(background));
}

TEST(MessageQueue, InvalidateFromAnotherThreadWakesGetMessage) {
    LocalWindow window;
    ShowWindow(window.handle, SW_SHOW);
    PAINTSTRUCT paint;
    BeginPaint(window.handle, &paint);
    EndPaint(window.handle, &paint);

    std::atomic<bool> retrieving{false};
    std::thread invalidator([&] {
        // Invalidate only once the owner is blocked with nothing to do.
        while (!retrieving) std::this_thread::yield();
        ASSERT_TRUE(headless::WaitUntilIdle(window.handle));
        RECT area{1, 2, 3, 4};
        InvalidateRect(window.handle, &area, FALSE);
    });
    retrieving = true;
    MSG message = Next();
    invalidator.join();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
    BeginPaint(window.handle, &paint);
    EXPECT_EQ(paint.rcPaint.left, 1);
    EXPECT_EQ(paint.rcPaint.bottom, 4);
    EndPaint(window.handle, &paint);
}

TEST(MessageQueue, DestroyedWindowsAreDeadHandles) {
    HWND stale;
    {
        LocalWindow window;
        stale = window.handle;
        HDC dc = GetDC(stale);
        ASSERT_NE(dc, nullptr);
        ASSERT_TRUE(DestroyWindow(stale));
        EXPECT_EQ(procedureLog.back(), static_cast<UINT>(WM_DESTROY));
        // A DC kept past the destruction draws nothing but can still be released.
        EXPECT_FALSE(PatBlt(dc, 0, 0, 4, 4, PATCOPY));
        EXPECT_EQ(ReleaseDC(stale, dc), 1);
    }
    EXPECT_FALSE(InvalidateRect(stale, nullptr, TRUE));
    EXPECT_FALSE(PostMessageA(stale, kTestMessage, 0, 0));
    EXPECT_EQ(GetDC(stale), nullptr);
    EXPECT_FALSE(DestroyWindow(stale));
    RECT client;
    EXPECT_FALSE(GetClientRect(stale, &client));
    MSG message;
    EXPECT_EQ(GetMessageA(&message, stale, 0, 0), -1);
    EXPECT_EQ(SendMessageA(stale, kTestMessage, 0, 0), 0);
}

}  // namespace
