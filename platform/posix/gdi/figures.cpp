// Ellipse, Arc and Pie: the DC's pen outlines the figure, its brush (unless
// hollow) paints the interior of Ellipse and Pie; the pixels come from the
// rasterizer. Only a DC that is not one fails; a DC without a surface, or a
// figure outside the drawable area, draws nothing and succeeds.
#include "platform/posix/gdi/objects.h"
#include "platform/posix/gdi/rects.h"
#include "platform/posix/raster/figures.h"

#include <algorithm>
#include <optional>

namespace posix {
namespace {

raster::FigureColours ColoursOf(const DeviceContext& dc, bool filled) {
    raster::FigureColours colours{dc.pen->colour, std::nullopt};
    if (filled && !dc.brush->hollow) colours.brush = dc.brush->colour;
    return colours;
}

// The figure's box (right and bottom excluded) within the drawable area.
RECT DrawnArea(int left, int top, int right, int bottom, const RECT& drawable) {
    const RECT box{std::min(left, right), std::min(top, bottom), std::max(left, right),
                   std::max(top, bottom)};
    return IntersectRects(box, drawable);
}

// Runs `draw(surface, drawable)` for a live DC under the layer lock and
// reports the changed area.
template <typename Draw>
BOOL DrawFigure(HDC dc, int left, int top, int right, int bottom, Draw draw) {
    std::lock_guard lock(LayerLock());
    DeviceContext* context = AsDc(dc);
    if (context == nullptr) return FALSE;
    Surface* surface = TargetSurface(context);
    if (surface == nullptr) return TRUE;
    const RECT drawable = DrawableArea(context);
    const RECT area = DrawnArea(left, top, right, bottom, drawable);
    if (IsEmptyRect(area)) return TRUE;
    draw(*surface, drawable, *context);
    NoteDrawn(context, area);
    return TRUE;
}

}  // namespace
}  // namespace posix

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    using namespace posix;
    return DrawFigure(dc, left, top, right, bottom,
                      [&](Surface& surface, const RECT& clip, const DeviceContext& context) {
                          raster::DrawEllipse(surface, clip, left, top, right, bottom,
                                              ColoursOf(context, true));
                      });
}

BOOL Arc(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    using namespace posix;
    return DrawFigure(dc, left, top, right, bottom,
                      [&](Surface& surface, const RECT& clip, const DeviceContext& context) {
                          raster::DrawArc(surface, clip, left, top, right, bottom, xs, ys, xe, ye,
                                          context.pen->colour);
                      });
}

BOOL Pie(HDC dc, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    using namespace posix;
    return DrawFigure(dc, left, top, right, bottom,
                      [&](Surface& surface, const RECT& clip, const DeviceContext& context) {
                          raster::DrawPie(surface, clip, left, top, right, bottom, xs, ys, xe, ye,
                                          ColoursOf(context, true));
                      });
}
