// The drawn part of the back buffer, kept as one bounding rectangle.
#include "runtime/graphics/drawn_area.h"

#include <algorithm>

namespace {

bool IsEmpty(const RECT& area) { return area.left >= area.right || area.top >= area.bottom; }

}  // namespace

void NoteGraphicsDrawn(const RECT& area) {
    const LONG left = std::max<LONG>(std::min(area.left, area.right), 0);
    const LONG top = std::max<LONG>(std::min(area.top, area.bottom), 0);
    const LONG right = std::min<LONG>(std::max(area.left, area.right), gRuntime.screenWidth);
    const LONG bottom = std::min<LONG>(std::max(area.top, area.bottom), gRuntime.screenHeight);
    const RECT added{left, top, right, bottom};
    if (IsEmpty(added)) return;
    RECT& drawn = gRuntime.graphicsDrawn;
    drawn = IsEmpty(drawn) ? added
                           : RECT{std::min(drawn.left, left), std::min(drawn.top, top),
                                  std::max(drawn.right, right), std::max(drawn.bottom, bottom)};
}

RECT TakeGraphicsDrawn() {
    const RECT drawn = gRuntime.graphicsDrawn;
    gRuntime.graphicsDrawn = RECT{0, 0, 0, 0};
    return drawn;
}
