// Circle: one figure, drawn onto the window (visible at once) and then into
// the back buffer (kept for every later paint).
#include "runtime/console/console_lock.h"
#include "runtime/graphics/drawn_area.h"
#include "runtime/graphics/figure_geometry.h"
#include "runtime/graphics/graphics.h"

#include <algorithm>
#include <climits>

namespace {

void DrawFigure(HDC dc, const Figure& figure) {
    const RECT& box = figure.box;
    switch (figure.kind) {
        case FigureKind::Ellipse:
            Ellipse(dc, box.left, box.top, box.right, box.bottom);
            break;
        case FigureKind::Arc:
            Arc(dc, box.left, box.top, box.right, box.bottom, figure.start.x, figure.start.y,
                figure.end.x, figure.end.y);
            break;
        case FigureKind::Pie:
            Pie(dc, box.left, box.top, box.right, box.bottom, figure.start.x, figure.start.y,
                figure.end.x, figure.end.y);
            break;
    }
}

// The pixels a figure may touch: its box, whose right and bottom edges the
// platform may draw too, widened by a pixel on every side for the pen.
RECT FigureArea(const RECT& box) {
    auto widen = [](LONG a, LONG b, int64_t before, int64_t after) {
        const int64_t low = std::min<int64_t>(a, b) - before;
        const int64_t high = std::max<int64_t>(a, b) + after;
        return std::pair{static_cast<LONG>(std::max<int64_t>(low, INT32_MIN)),
                         static_cast<LONG>(std::min<int64_t>(high, INT32_MAX))};
    };
    const auto [left, right] = widen(box.left, box.right, 1, 2);
    const auto [top, bottom] = widen(box.top, box.bottom, 1, 2);
    return RECT{left, top, right, bottom};
}

// Both surfaces are drawn under the console lock: a paint cannot copy the
// back buffer between the two drawings and wipe the figure off the window,
// and the window and the back buffer cannot be released halfway through.
void DrawOnWindowAndBackBuffer(const Figure& figure, HPEN pen, HBRUSH brush) {
    ConsoleLockHold hold;
    HWND window = gRuntime.consoleWindow;
    HDC back = gRuntime.backBufferDc;
    HDC surface = window != nullptr ? GetDC(window) : nullptr;
    if (surface != nullptr) {
        SelectObject(surface, pen);
        SelectObject(surface, brush);
    }
    HGDIOBJ keptPen = nullptr;
    HGDIOBJ keptBrush = nullptr;
    if (back != nullptr) {
        keptPen = SelectObject(back, pen);
        keptBrush = SelectObject(back, brush);
    }
    if (surface != nullptr) DrawFigure(surface, figure);
    if (back != nullptr) {
        DrawFigure(back, figure);
        NoteGraphicsDrawn(FigureArea(figure.box));
    }
    // Nothing is deleted while a live surface still holds it: the window
    // surface goes back and the back buffer gets its own pen and brush back
    // before the caller deletes them.
    if (surface != nullptr) ReleaseDC(window, surface);
    if (back != nullptr) {
        SelectObject(back, keptPen);
        SelectObject(back, keptBrush);
    }
}

}  // namespace

void Circle(int32_t x, int32_t y, int32_t radius, int32_t colour, double start, double end,
            double ratio, int32_t fill, int32_t fillColour) {
    HPEN pen = CreatePen(PS_SOLID, 1, PaletteColor(colour));
    HBRUSH brush = fill != 0 ? CreateSolidBrush(PaletteColor(fillColour))
                             : (HBRUSH)GetStockObject(NULL_BRUSH);
    DrawOnWindowAndBackBuffer(PlanFigure(x, y, radius, start, end, ratio), pen, brush);
    DeleteObject(pen);
    if (fill != 0) DeleteObject(brush);  // the stock hollow brush is never deleted
}
