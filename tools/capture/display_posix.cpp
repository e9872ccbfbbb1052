// The console's window on the headless display: sizes chosen freely, and the
// client pixels read back once the console thread has gone idle.
#include "platform/posix/display/headless.h"
#include "runtime/core/runtime_state.h"
#include "tools/capture/console_capture.h"

#include <chrono>

namespace {

// Far beyond any real paint; only a hung console thread takes this long.
constexpr std::chrono::seconds kPaintTimeout{60};

}  // namespace

bool ChooseScreenSize(int32_t width, int32_t height, std::string&) {
    headless::SetScreenSize(width, height);
    return true;
}

bool ChooseClientSize(int32_t width, int32_t height, std::string&) {
    headless::SetClientSize(width, height);
    return true;
}

// Idle means the console thread waits in GetMessageA with no message, no
// invalid area and nothing unpresented left: the requested paint is done.
Picture PaintAndReadClient() {
    HWND window = gRuntime.consoleWindow;
    if (window == nullptr || !InvalidateRect(window, nullptr, FALSE)) return Picture{};
    if (!headless::WaitUntilIdle(window, kPaintTimeout)) return Picture{};
    headless::Pixels client = headless::ReadClient(window);
    Picture picture;
    picture.width = client.width;
    picture.height = client.height;
    picture.pixels = std::move(client.values);
    return picture;
}
