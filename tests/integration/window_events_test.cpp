// A window on its own thread, driven through the headless display: focus,
// keyboard, text, resizing, closing, cross-thread sends and drawing.
#include "window_thread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

using testing_window::Received;
using testing_window::WindowThread;

std::vector<WPARAM> CharCodes(WindowThread& window) {
    std::vector<WPARAM> codes;
    for (const Received& r : window.MessagesOf(WM_CHAR)) codes.push_back(r.wParam);
    return codes;
}

TEST(WindowEvents, ShowingFocusesAndPaintsEverythingOnTheOwnerThread) {
    headless::SetClientSize(200, 120);
    WindowThread window;
    headless::SetClientSize(0, 0);
    ASSERT_TRUE(window.created());
    EXPECT_EQ(headless::CurrentWindow(), window.window());
    ASSERT_TRUE(window.WaitForMessages(WM_PAINT, 1));
    std::vector<Received> log = window.Messages();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0].message, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(log[1].message, static_cast<UINT>(WM_SETFOCUS));
    Received paint = window.MessagesOf(WM_PAINT).front();
    EXPECT_EQ(paint.paintArea.right, 200);
    EXPECT_EQ(paint.paintArea.bottom, 120);
    for (const Received& r : log) EXPECT_EQ(r.thread, window.ownerThread());

    // Focus changes are reported once each.
    headless::InjectFocus(window.window(), false);
    headless::InjectFocus(window.window(), false);
    headless::InjectFocus(window.window(), true);
    ASSERT_TRUE(window.WaitForMessages(WM_SETFOCUS, 2));
    ASSERT_TRUE(headless::WaitUntilIdle(window.window()));
    EXPECT_EQ(window.MessagesOf(WM_KILLFOCUS).size(), 1u);
    EXPECT_EQ(window.MessagesOf(WM_SETFOCUS).size(), 2u);
}

TEST(WindowEvents, KeysBecomeCharactersWhereTheyGiveOne) {
    WindowThread window;
    ASSERT_TRUE(headless::WaitUntilIdle(window.window()));
    HWND w = window.window();
    headless::InjectKeyDown(w, VK_BACK);
    headless::InjectKeyDown(w, VK_RETURN);
    headless::InjectKeyDown(w, VK_TAB);
    headless::InjectKeyDown(w, VK_ESCAPE);
    headless::InjectKeyDown(w, 'V', true);
    headless::InjectKeyDown(w, 'A', true);
    headless::InjectKeyDown(w, 'Z', true);
    headless::InjectKeyDown(w, 'A');      // plain letters come as text instead
    headless::InjectKeyDown(w, VK_LEFT);  // no character
    ASSERT_TRUE(window.WaitForMessages(WM_KEYDOWN, 9));
    ASSERT_TRUE(headless::WaitUntilIdle(w));
    EXPECT_EQ(CharCodes(window), (std::vector<WPARAM>{8, 13, 9, 27, 22, 1, 26}));

    // Each character follows its own key, ahead of what was queued after it.
    window.ClearMessages();
    window.OnOwner([&] {
        headless::InjectKeyDown(w, VK_RETURN);
        headless::InjectText(w, "x");
        return 0;
    });
    ASSERT_TRUE(window.WaitForMessages(WM_CHAR, 2));
    std::vector<Received> log = window.Messages();
    std::vector<UINT> order;
    for (const Received& r : log)
        if (r.message == WM_KEYDOWN || r.message == WM_CHAR) order.push_back(r.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_CHAR}));
    EXPECT_EQ(CharCodes(window), (std::vector<WPARAM>{13, 'x'}));
}

TEST(WindowEvents, AltKeysBecomeSystemKeysAndCharacters) {
    WindowThread window;
    ASSERT_TRUE(headless::WaitUntilIdle(window.window()));
    HWND w = window.window();
    headless::InjectKey(w, VK_MENU, {});
    headless::InjectKey(w, 'F', {.alt = true});
    headless::InjectKey(w, 'F', {.shift = true, .alt = true});
    headless::InjectKey(w, 'F', {.control = true, .alt = true});  // AltGr: an ordinary key
    ASSERT_TRUE(window.WaitForMessages(WM_SYSKEYDOWN, 3));
    ASSERT_TRUE(headless::WaitUntilIdle(w));
    std::vector<WPARAM> systemKeys, systemChars;
    for (const Received& r : window.MessagesOf(WM_SYSKEYDOWN)) {
        systemKeys.push_back(r.wParam);
        EXPECT_NE(r.lParam & (LPARAM{1} << 29), 0);  // Alt held
    }
    for (const Received& r : window.MessagesOf(WM_SYSCHAR)) systemChars.push_back(r.wParam);
    EXPECT_EQ(systemKeys, (std::vector<WPARAM>{VK_MENU, 'F', 'F'}));
    EXPECT_EQ(systemChars, (std::vector<WPARAM>{'f', 'F'}));
    EXPECT_EQ(window.MessagesOf(WM_KEYDOWN).size(), 1u);
    EXPECT_TRUE(CharCodes(window).empty());
}

TEST(WindowEvents, TextArrivesAsCodePage932Bytes) {
    WindowThread window;
    // "a", HIRAGANA A (82 A0), KANJI "日" (93 FA), an emoji CP932 lacks, "~".
    headless::InjectText(window.window(), "a\xE3\x81\x82\xE6\x97\xA5\xF0\x9F\x98\x80~");
    ASSERT_TRUE(window.WaitForMessages(WM_CHAR, 7));
    EXPECT_EQ(CharCodes(window), (std::vector<WPARAM>{'a', 0x82, 0xA0, 0x93, 0xFA, '?', '~'}));
}

TEST(WindowEvents, ResizeGivesANewSurfaceAndRepaintsEverything) {
    headless::SetClientSize(100, 80);
    WindowThread window;
    headless::SetClientSize(0, 0);
    ASSERT_TRUE(headless::WaitUntilIdle(window.window()));
    window.ClearMessages();
    headless::InjectResize(window.window(), 150, 40);
    ASSERT_TRUE(window.WaitForMessages(WM_PAINT, 1));
    RECT client;
    ASSERT_TRUE(GetClientRect(window.window(), &client));
    EXPECT_EQ(client.right, 150);
    EXPECT_EQ(client.bottom, 40);
    headless::Pixels pixels = headless::ReadClient(window.window());
    EXPECT_EQ(pixels.width, 150);
    EXPECT_EQ(pixels.height, 40);
    std::vector<Received> sizes = window.MessagesOf(WM_SIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].lParam, 150 | (40 << 16));
    Received paint = window.MessagesOf(WM_PAINT).front();
    EXPECT_EQ(paint.paintArea.left, 0);
    EXPECT_EQ(paint.paintArea.top, 0);
    EXPECT_EQ(paint.paintArea.right, 150);
    EXPECT_EQ(paint.paintArea.bottom, 40);

    // Minimised: no pixels, nothing to paint, drawing does nothing; restored:
    // everything is painted again.
    headless::InjectMinimise(window.window());
    ASSERT_TRUE(window.WaitForMessages(WM_SIZE, 2));
    ASSERT_TRUE(headless::WaitUntilIdle(window.window()));
    ASSERT_TRUE(GetClientRect(window.window(), &client));
    EXPECT_EQ(client.right, 0);
    EXPECT_EQ(client.bottom, 0);
    EXPECT_EQ(window.MessagesOf(WM_SIZE).back().wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
    EXPECT_EQ(window.MessagesOf(WM_SIZE).back().lParam, 0);
    HDC dc = GetDC(window.window());
    EXPECT_FALSE(PatBlt(dc, 0, 0, 10, 10, PATCOPY));
    ReleaseDC(window.window(), dc);
    EXPECT_EQ(window.MessagesOf(WM_PAINT).size(), 1u);
    headless::InjectResize(window.window(), 150, 40);
    ASSERT_TRUE(window.WaitForMessages(WM_PAINT, 2));
    EXPECT_EQ(window.MessagesOf(WM_PAINT).back().paintArea.bottom, 40);
    EXPECT_EQ(window.MessagesOf(WM_SIZE).back().wParam, static_cast<WPARAM>(SIZE_RESTORED));
    EXPECT_EQ(window.MessagesOf(WM_SIZE).back().lParam, 150 | (40 << 16));
}

TEST(WindowEvents, ClosingDestroysTheWindowAndEndsTheLoop) {
    WindowThread window;
    HWND handle = window.window();
    headless::InjectClose(handle);
    ASSERT_TRUE(window.WaitForLoopEnd());
    EXPECT_EQ(window.loopResult(), 0);
    std::vector<Received> log = window.Messages();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2].message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(log.back().message, static_cast<UINT>(WM_DESTROY));
    EXPECT_EQ(headless::CurrentWindow(), nullptr);
    EXPECT_TRUE(headless::ReadClient(handle).values.empty());
}

TEST(WindowEvents, SendMessageFromAnotherThreadRunsOnTheOwner) {
    WindowThread window;
    std::atomic<bool> onOwner{false};
    LRESULT result = window.OnOwner([&] {
        onOwner = std::this_thread::get_id() == window.ownerThread();
        return 4242;
    });
    EXPECT_EQ(result, 4242);
    EXPECT_TRUE(onOwner);
}

// The main thread draws through GetDC while the owner paints and the window
// is resized: every drawing call finds the current surface.
TEST(WindowEvents, DrawingFromAnotherThreadWhileTheOwnerPaints) {
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(memory, 300, 200);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    WindowThread window([&](HDC dc, const PAINTSTRUCT&) {
        BitBlt(dc, 0, 0, 300, 200, memory, 0, 0, SRCCOPY);
    });
    HWND w = window.window();
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    uint64_t presentsBefore = headless::PresentCount();
    for (int i = 0; i < 300; ++i) {
        HDC dc = GetDC(w);
        ASSERT_NE(dc, nullptr);
        SelectObject(dc, red);
        PatBlt(dc, i % 50, i % 30, 20, 20, PATCOPY);
        ReleaseDC(w, dc);
        if (i % 10 == 0) InvalidateRect(w, nullptr, FALSE);
        if (i % 50 == 25) headless::InjectResize(w, 100 + i, 60 + i / 2);
    }
    ASSERT_TRUE(headless::WaitUntilIdle(w));
    EXPECT_GT(headless::PresentCount(), presentsBefore);
    // After the last paint the window shows the (black) memory bitmap where
    // it was copied, and the last rectangle drawn since then, if any, in red.
    HDC dc = GetDC(w);
    SelectObject(dc, red);
    PatBlt(dc, 5, 5, 3, 3, PATCOPY);
    ReleaseDC(w, dc);
    ASSERT_TRUE(headless::WaitUntilIdle(w));
    headless::Pixels pixels = headless::ReadClient(w);
    EXPECT_EQ(pixels.At(6, 6), RGB(255, 0, 0));
    window.OnOwner([] { return 0; });
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
    DeleteObject(bitmap);
    DeleteObject(red);
}

TEST(WindowEvents, CaretIsDrawnOverThePixelsNotIntoThem) {
    WindowThread window;
    HWND w = window.window();
    ASSERT_TRUE(headless::WaitUntilIdle(w));
    // Without a caret these are harmless.
    EXPECT_FALSE(window.OnOwner([&] { return HideCaret(w); }));
    EXPECT_FALSE(window.OnOwner([] { return DestroyCaret(); }));
    EXPECT_FALSE(headless::Caret(w).exists);

    window.OnOwner([&] {
        CreateCaret(w, nullptr, 9, 6);
        SetCaretPos(24, 41);
        return 0;
    });
    headless::CaretState caret = headless::Caret(w);
    EXPECT_TRUE(caret.exists);
    EXPECT_FALSE(caret.visible) << "a new caret starts hidden";
    window.OnOwner([&] { return ShowCaret(w); });
    caret = headless::Caret(w);
    EXPECT_TRUE(caret.visible);
    EXPECT_EQ(caret.x, 24);
    EXPECT_EQ(caret.y, 41);
    EXPECT_EQ(caret.width, 9);
    EXPECT_EQ(caret.height, 6);

    headless::Pixels plain = headless::ReadClient(w);
    headless::Pixels shown = headless::ReadComposed(w);
    EXPECT_EQ(plain.At(24, 41), 0u) << "the surface keeps its pixels";
    EXPECT_EQ(shown.At(24, 41), 0x00FFFFFFu);
    EXPECT_EQ(shown.At(32, 46), 0x00FFFFFFu);
    EXPECT_EQ(shown.At(33, 46), 0u);
    EXPECT_EQ(shown.At(24, 47), 0u);

    // Hides nest; the caret is the thread's, so another thread cannot move it.
    window.OnOwner([&] { return HideCaret(w) && HideCaret(w) && ShowCaret(w); });
    EXPECT_FALSE(headless::Caret(w).visible);
    EXPECT_FALSE(SetCaretPos(0, 0));
    window.OnOwner([] { return DestroyCaret(); });
    EXPECT_FALSE(headless::Caret(w).exists);
}

TEST(WindowEvents, CompositionPointFollowsTheInputContext) {
    WindowThread window;
    HWND w = window.window();
    EXPECT_FALSE(headless::CompositionPoint(w).has_value());
    HIMC context = ImmGetContext(w);
    ASSERT_NE(context, nullptr);
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = POINT{24, 32};
    EXPECT_TRUE(ImmSetCompositionWindow(context, &form));
    LOGFONTA font{};
    font.lfHeight = -16;
    EXPECT_TRUE(ImmSetCompositionFontA(context, &font));
    EXPECT_TRUE(ImmReleaseContext(w, context));
    std::optional<POINT> point = headless::CompositionPoint(w);
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(point->x, 24);
    EXPECT_EQ(point->y, 32);
    EXPECT_EQ(ImmGetContext(nullptr), nullptr);
    EXPECT_FALSE(ImmSetCompositionWindow(context, nullptr));
}

}  // namespace
