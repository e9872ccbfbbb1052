// Ellipse: the rows of the walked (or, for huge boxes, computed) ellipse;
// each row's outline pixels in the pen colour, the rest in the brush.
// A box 2 pixels wide or high or less is a solid block in the pen colour.
#include "platform/posix/raster/ellipse_rows.h"
#include "platform/posix/raster/figure_box.h"
#include "platform/posix/raster/figures.h"
#include "platform/posix/raster/pixel_target.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace posix::raster {
namespace {

void DrawBlock(const PixelTarget& target, const FigureBox& box, uint32_t colour) {
    const int64_t lastRow = std::min(box.top + box.height, target.Bottom()) - 1;
    for (int64_t y = std::max(box.top, target.Top()); y <= lastRow; ++y) {
        target.Run(y, box.left, box.left + box.width - 1, colour);
    }
}

// Boxes up to this height keep their rows' parts between calls.
constexpr int64_t kRememberedHeight = 64;

// The parts of every row of the last small box drawn on this thread: a
// program draws the same small figure over and over (the swarm's circles),
// and then each call only writes pixels.
const std::vector<std::optional<RowParts>>& RememberedParts(int64_t width, int64_t height) {
    thread_local int64_t rememberedWidth = 0;
    thread_local int64_t rememberedHeight = 0;
    thread_local std::vector<std::optional<RowParts>> parts;
    if (width != rememberedWidth || height != rememberedHeight) {
        const EllipseRows rows(width, height);
        parts.resize(static_cast<size_t>(height));
        for (int64_t y = 0; y < height; ++y) parts[static_cast<size_t>(y)] = rows.Parts(y);
        rememberedWidth = width;
        rememberedHeight = height;
    }
    return parts;
}

template <typename PartsOfRow>
void DrawRowParts(const PixelTarget& target, const FigureBox& box, const FigureColours& colours,
                  PartsOfRow partsOfRow) {
    const int64_t firstRow = std::max<int64_t>(0, target.Top() - box.top);
    const int64_t lastRow = std::min<int64_t>(box.height - 1, target.Bottom() - 1 - box.top);
    for (int64_t y = firstRow; y <= lastRow; ++y) {
        const std::optional<RowParts>& parts = partsOfRow(y);
        if (!parts) continue;
        const int64_t row = box.top + y;
        const int64_t x0 = box.left + parts->span.first;
        const int64_t x1 = box.left + parts->span.last;
        if (parts->whole) {
            target.Run(row, x0, x1, colours.pen);
            continue;
        }
        const int64_t inner0 = box.left + parts->interior.first;
        const int64_t inner1 = box.left + parts->interior.last;
        target.Run(row, x0, inner0 - 1, colours.pen);
        target.Run(row, inner1 + 1, x1, colours.pen);
        if (colours.brush) target.Run(row, inner0, inner1, *colours.brush);
    }
}

void DrawRows(const PixelTarget& target, const FigureBox& box, const FigureColours& colours) {
    if (box.height <= kRememberedHeight && box.width <= kExactSide) {
        const auto& parts = RememberedParts(box.width, box.height);
        DrawRowParts(target, box, colours, [&](int64_t y) -> const std::optional<RowParts>& {
            return parts[static_cast<size_t>(y)];
        });
        return;
    }
    const EllipseRows rows(box.width, box.height);
    std::optional<RowParts> current;
    DrawRowParts(target, box, colours, [&](int64_t y) -> const std::optional<RowParts>& {
        current = rows.Parts(y);
        return current;
    });
}

}  // namespace

void DrawEllipse(Surface& surface, const RECT& clip, int32_t left, int32_t top, int32_t right,
                 int32_t bottom, const FigureColours& colours) {
    const FigureBox box = OrderedBox(left, top, right, bottom);
    const PixelTarget target(surface, clip);
    if (box.width == 0 || box.height == 0 || (box.width == 1 && box.height == 1)) return;
    if (target.Empty()) return;
    if (box.width <= 2 || box.height <= 2) {
        DrawBlock(target, box, colours.pen);
        return;
    }
    DrawRows(target, box, colours);
}

}  // namespace posix::raster
