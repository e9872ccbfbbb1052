// Ellipses, arcs and sectors drawn into a surface, clipped to a rectangle,
// following the platform's pixel rules. Pure drawing: no handles, no locks.
// The box is given as the caller gave it (any corner order); the figure
// lies in its columns left .. right-1 and rows top .. bottom-1. An empty box
// and a 1x1 box draw nothing. Work is bounded by the visible part and, for
// boxes up to kExactSide a side, by the box's perimeter.
#pragma once
#include "platform/posix/gdi/objects.h"

#include <cstdint>
#include <optional>

namespace posix::raster {

struct FigureColours {
    COLORREF pen = 0;
    std::optional<COLORREF> brush;  // none: the interior is left as it was
};

// The ellipse inscribed in the box, its outline in the pen colour and its
// interior in the brush colour.
void DrawEllipse(Surface& surface, const RECT& clip, int32_t left, int32_t top, int32_t right,
                 int32_t bottom, const FigureColours& colours);

// The part of that ellipse's outline from the direction of (xs, ys) counter-
// clockwise to the direction of (xe, ye), seen from the box's whole-number
// centre; the arc's first pixel is drawn and its last one is not.
void DrawArc(Surface& surface, const RECT& clip, int32_t left, int32_t top, int32_t right,
             int32_t bottom, int32_t xs, int32_t ys, int32_t xe, int32_t ye, COLORREF pen);

// The same arc closed by lines from its ends to the centre, the enclosed
// sector painted with the brush.
void DrawPie(Surface& surface, const RECT& clip, int32_t left, int32_t top, int32_t right,
             int32_t bottom, int32_t xs, int32_t ys, int32_t xe, int32_t ye,
             const FigureColours& colours);

}  // namespace posix::raster
