// Painting the console window.
#pragma once
#include "runtime/core/runtime_state.h"

// WM_PAINT: copies the back buffer onto the window, draws the text layer over
// it and then sets the ready flag.
void PaintConsoleWindow(HWND window);
