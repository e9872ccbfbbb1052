// Pie: the sector is the polygon from the centre to the arc's first pixel,
// along the arc, and from the pixel after its last one back to the centre.
// The brush paints the ellipse's interior pixels inside that polygon: those
// lying strictly within the sweep from the first side round to the second
// (when both sides lie along one ray, the sweep is empty or the whole turn,
// as the arc is short or long); then the pen draws the arc and the two sides
// over it.
#include "platform/posix/raster/arc_trace.h"
#include "platform/posix/raster/direction.h"
#include "platform/posix/raster/figures.h"
#include "platform/posix/raster/gdi_line.h"

#include <algorithm>

namespace posix::raster {
namespace {

// Offsets from the centre with y upwards.
struct Offset {
    int64_t x;
    int64_t y;
};

class Sweep {
public:
    Sweep(const ArcTrace& arc, Point64 centre)
        : centre_(centre), from_(OffsetOf(arc.StartPixel())), to_(OffsetOf(arc.EndPixel())) {
        const int turn = CrossSign(from_.x, from_.y, to_.x, to_.y);
        const bool sameRay = turn == 0 && (static_cast<__int128>(from_.x) * to_.x +
                                           static_cast<__int128>(from_.y) * to_.y) > 0;
        convex_ = turn > 0;
        nothing_ = sameRay && !arc.MoreThanHalfTurn();
    }

    bool Contains(int64_t x, int64_t y) const {
        if (nothing_) return false;
        const Offset p = OffsetOf(Point64{x, y});
        const bool pastFrom = CrossSign(from_.x, from_.y, p.x, p.y) > 0;
        const bool beforeTo = CrossSign(p.x, p.y, to_.x, to_.y) > 0;
        return convex_ ? (pastFrom && beforeTo) : (pastFrom || beforeTo);
    }

private:
    Offset OffsetOf(Point64 p) const { return {p.x - centre_.x, centre_.y - p.y}; }

    Point64 centre_;
    Offset from_;
    Offset to_;
    bool convex_ = false;
    bool nothing_ = false;
};

void FillSector(const PixelTarget& target, const FigureBox& box, const ArcTrace& arc,
                COLORREF brush) {
    if (arc.Empty()) return;
    const Sweep sweep(arc, Point64{box.CentreX(), box.CentreY()});
    const EllipseRows& rows = arc.Rows();
    const int64_t firstRow = std::max<int64_t>(0, target.Top() - box.top);
    const int64_t lastRow = std::min<int64_t>(box.height - 1, target.Bottom() - 1 - box.top);
    for (int64_t y = firstRow; y <= lastRow; ++y) {
        const std::optional<RowParts> parts = rows.Parts(y);
        if (!parts || parts->whole) continue;
        const int64_t row = box.top + y;
        const int64_t x0 = std::max(box.left + parts->interior.first, target.Left());
        const int64_t x1 = std::min(box.left + parts->interior.last, target.Right() - 1);
        if (arc.Full()) {
            target.Run(row, x0, x1, brush);
            continue;
        }
        for (int64_t x = x0; x <= x1; ++x) {
            if (sweep.Contains(x, row)) target.Plot(x, row, brush);
        }
    }
}

}  // namespace

void DrawPie(Surface& surface, const RECT& clip, int32_t left, int32_t top, int32_t right,
             int32_t bottom, int32_t xs, int32_t ys, int32_t xe, int32_t ye,
             const FigureColours& colours) {
    const FigureBox box = OrderedBox(left, top, right, bottom);
    const PixelTarget target(surface, clip);
    if (box.width == 0 || box.height == 0 || (box.width == 1 && box.height == 1)) return;
    if (target.Empty()) return;
    const ArcTrace arc(box, Point64{xs, ys}, Point64{xe, ye});
    if (!arc.HasOutline()) return;
    if (colours.brush) FillSector(target, box, arc, *colours.brush);
    arc.Draw(target, colours.pen);
    const Point64 centre{box.CentreX(), box.CentreY()};
    DrawLine(target, arc.EndPixel(), centre, colours.pen);
    DrawLine(target, centre, arc.StartPixel(), colours.pen);
}

}  // namespace posix::raster
