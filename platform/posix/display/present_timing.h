// When a display presents a window's changed pixels. At most once per
// refresh, as a real screen shows them; never while a paint waits (after a
// clear, the picture from before it must not reach the screen); and not
// right after a paint either, unless something has been drawn on the window
// since: a paint that follows a clear copies a freshly cleared back buffer,
// and the program draws over it a moment later, so a present in between
// would show a black window far more often than a screen's own timing does.
// A fresh paint with no drawing after it is presented a refresh later, and
// presents are never held back longer than a few refreshes.
#pragma once
#include "platform/posix/user/window.h"

#include <chrono>

namespace posix {

using PresentClock = std::chrono::steady_clock;

struct PresentTiming {
    PresentClock::time_point lastPresent;
    PresentClock::duration refresh;
};

// How long to wait before the window's changed pixels may be presented:
// zero when they may be now, duration::max() when nothing is to be presented
// or a paint must come first (the owner paints without waiting). Lock held.
PresentClock::duration TimeToPresent(const Window& window, const PresentTiming& timing,
                                     PresentClock::time_point now);

}  // namespace posix
