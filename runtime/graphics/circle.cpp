// Circle: one figure, drawn onto the window (visible at once) and then into
// the back buffer (kept for every later paint).
#include "runtime/console/console_lock.h"
#include "runtime/graphics/figure_geometry.h"
#include "runtime/graphics/graphics.h"

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
    if (back != nullptr) DrawFigure(back, figure);
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
