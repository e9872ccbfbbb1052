// When a display presents a window's changed pixels.
#include "platform/posix/display/present_timing.h"

#include "platform/posix/gdi/rects.h"

#include <algorithm>

namespace posix {
namespace {

// However the drawing goes, a present comes at least this many refreshes
// after the last one.
constexpr int kMostRefreshesHeldBack = 4;

}  // namespace

PresentClock::duration TimeToPresent(const Window& window, const PresentTiming& timing,
                                     PresentClock::time_point now) {
    using Duration = PresentClock::duration;
    if (IsEmptyRect(window.changed) || PaintPending(window)) return Duration::max();
    PresentClock::time_point due = timing.lastPresent + timing.refresh;
    if (!window.drawnSincePaint) {
        const PresentClock::time_point latest = timing.lastPresent + kMostRefreshesHeldBack * timing.refresh;
        due = std::max(due, std::min(window.paintedAt + timing.refresh, latest));
    }
    return now >= due ? Duration::zero() : due - now;
}

}  // namespace posix
