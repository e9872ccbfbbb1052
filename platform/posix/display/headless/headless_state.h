// The headless display's state, shared by the display and its test controls.
// Guarded by the layer lock.
#pragma once
#include "platform/posix/user/window.h"

#include <chrono>
#include <condition_variable>
#include <optional>
#include <string>

namespace headless {

struct State {
    int screenWidth = 1024;
    int screenHeight = 768;
    int clientWidth = 0;  // 0: the screen's size
    int clientHeight = 0;
    bool available = true;
    posix::Window* current = nullptr;
    std::optional<std::string> clipboard;
    uint64_t presents = 0;
    std::chrono::steady_clock::time_point lastPresent{};
    // Notified whenever an owning thread presents or goes idle.
    std::condition_variable observers;
};

State& GetState();

}  // namespace headless
