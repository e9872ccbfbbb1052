// The display of a program linked without one: no screen, no windows. A
// program picks its display by linking promptdisplay_sdl or
// promptdisplay_headless, whose ActiveDisplay replaces this one.
#include "platform/posix/display/display.h"
#include "platform/posix/kernel/last_error.h"


namespace posix {
namespace {

class MissingDisplay final : public Display {
public:
    bool ScreenSize(int&, int&) override { return false; }
    bool OpenWindow(Window*, const std::string&, int&, int&) override {
        SetLastErrorText(ERROR_DEVICE_NOT_AVAILABLE,
                         "this program was linked without a display; no window can be opened");
        return false;
    }
    void ShowWindow(Window*) override {}
    void CloseWindow(Window*) override {}
    void ProcessEvents() override {}
    void WaitForEvents(std::unique_lock<std::mutex>& lock,
                       std::condition_variable& queueSignal) override {
        queueSignal.wait(lock);
    }
    void Wake() override {}
    std::optional<std::string> ClipboardText() override { return std::nullopt; }
};

}  // namespace

__attribute__((weak)) Display& ActiveDisplay() {
    static auto* display = new MissingDisplay;
    return *display;
}

}  // namespace posix
