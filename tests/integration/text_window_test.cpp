// Text on a window: TextOutA through a window's device context from a thread
// that does not own the window, as console output draws.
#include "window_thread.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlue = 0x00FF0000;

TEST(TextOnWindows, TextFromAnotherThreadLandsInItsCellAndIsPresented) {
    LOGFONTA description{};
    description.lfHeight = -16;
    description.lfCharSet = SHIFTJIS_CHARSET;
    description.lfPitchAndFamily = FIXED_PITCH;
    std::memcpy(description.lfFaceName, "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9", 10);
    HFONT font = CreateFontIndirectA(&description);
    ASSERT_NE(font, nullptr);

    testing_window::WindowThread owner;
    ASSERT_TRUE(owner.created());
    const HWND window = owner.window();
    ASSERT_TRUE(headless::WaitUntilIdle(window));
    const uint64_t presented = headless::PresentCount();

    HDC dc = GetDC(window);
    ASSERT_NE(dc, nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, kWhite);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kBlue);
    EXPECT_TRUE(TextOutA(dc, 24, 32, "\x82\xA0" "A", 3));
    SelectObject(dc, previous);
    ReleaseDC(window, dc);

    EXPECT_TRUE(headless::WaitUntil([&] { return headless::PresentCount() > presented; }))
        << "the owner presents what another thread drew";
    const headless::Pixels client = headless::ReadClient(window);
    ASSERT_GE(client.width, 64);
    ASSERT_GE(client.height, 64);
    int white = 0, blue = 0;
    for (int y = 0; y < client.height; ++y)
        for (int x = 0; x < client.width; ++x) {
            const bool inside = x >= 24 && x < 48 && y >= 32 && y < 48;
            const uint32_t pixel = client.At(x, y);
            if (!inside) {
                ASSERT_TRUE(pixel != kWhite && pixel != kBlue) << "outside the text at " << x << "," << y;
                continue;
            }
            white += pixel == kWhite;
            blue += pixel == kBlue;
        }
    EXPECT_EQ(white + blue, 24 * 16);
    EXPECT_GT(white, 20);
    EXPECT_TRUE(DeleteObject(font));
}

}  // namespace
