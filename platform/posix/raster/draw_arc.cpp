// Arc: the outline stretch that ArcTrace finds, in the pen colour.
#include "platform/posix/raster/arc_trace.h"
#include "platform/posix/raster/figures.h"

namespace posix::raster {

void DrawArc(Surface& surface, const RECT& clip, int32_t left, int32_t top, int32_t right,
             int32_t bottom, int32_t xs, int32_t ys, int32_t xe, int32_t ye, COLORREF pen) {
    const FigureBox box = OrderedBox(left, top, right, bottom);
    const PixelTarget target(surface, clip);
    if (box.width == 0 || box.height == 0 || (box.width == 1 && box.height == 1)) return;
    if (target.Empty()) return;
    const ArcTrace arc(box, Point64{xs, ys}, Point64{xe, ye});
    arc.Draw(target, pen);
}

}  // namespace posix::raster
