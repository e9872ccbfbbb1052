// The caret and the input-method composition window, kept at the cursor
// while a line is being read.
#pragma once
#include "runtime/core/runtime_state.h"

inline constexpr int kCaretWidth = 9;
inline constexpr int kCaretHeight = 6;

// The caret block sits in the bottom of the cursor's cell, clear of the
// cell's last pixel row.
inline POINT CaretPosition(int32_t column, int32_t row, int32_t cellWidth, int32_t lineHeight) {
    return POINT{column * cellWidth, (row + 1) * lineHeight - 7};
}

// The composition window starts at the top-left corner of the cursor's cell.
inline POINT CompositionPoint(int32_t column, int32_t row, int32_t cellWidth, int32_t lineHeight) {
    return POINT{column * cellWidth, row * lineHeight};
}

// WM_SETFOCUS: while a line is being read, places the composition window and
// creates and shows the caret at the cursor; otherwise does nothing.
void PlaceInputCaret(HWND window);

// WM_KILLFOCUS: hides and destroys the caret, whether or not there is one.
void RemoveInputCaret(HWND window);
