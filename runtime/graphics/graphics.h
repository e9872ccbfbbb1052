// The graphics layer: palette, screen clearing and circle drawing.
#pragma once
#include "runtime/core/runtime_state.h"

// The colour value (0x00BBGGRR) of a palette index 0..7; black for any other.
COLORREF PaletteColor(int32_t index);

// Mode 0 or 1: clears the text layer; 2: the graphics layer; 3: both; any
// other: nothing. Then asks for a repaint of what changed (the whole window
// for a mode that clears nothing).
void Cls(int32_t mode);

// Draws an ellipse (start = end = 0), an open arc, or a sector (either angle
// negative) around (x, y) onto the window and into the back buffer, outlined
// in palette colour `colour` and, when fill is not 0, filled with fillColour.
void Circle(int32_t x, int32_t y, int32_t radius, int32_t colour, double start, double end,
            double ratio, int32_t fill, int32_t fillColour);
