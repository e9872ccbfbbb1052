// The text grid's rows: allocation, release and scrolling. Each row is three
// zero-filled heap blocks reached through the three row tables.
#pragma once
#include "runtime/core/runtime_state.h"

inline constexpr int32_t kLastTextRow = kTextRows - 1;         // 100
inline constexpr int32_t kLastTextCell = kTextColumns - 2;     // 253: last cell that holds a byte
inline constexpr COLORREF kTransparentBackColour = 0xFFFFFFFFu;

void AllocateTextGrid();
// Frees every row and leaves its table entries null.
void ReleaseTextGrid();

// Drops row 0, moves every other row up one entry and puts a new empty row
// at the bottom. The cursor does not move. Caller holds the console lock.
void ScrollTextGridUp();
