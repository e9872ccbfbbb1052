// The back buffer: the screen-sized graphics layer behind the text, and the
// text cell metrics measured when it is built.
#pragma once
#include "runtime/core/runtime_state.h"

// WM_CREATE: builds the all-black back buffer and measures the cell width and
// line height with the console font. Ends the process with a message when the
// back buffer cannot be created.
void CreateBackBuffer(HWND window);

// WM_DESTROY: releases the back buffer.
void ReleaseBackBuffer();
