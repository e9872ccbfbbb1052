// Storing printed text in the text grid (the part of ConsolePrint that does
// not draw).
#pragma once
#include "runtime/core/runtime_state.h"

// Stores the bytes of text up to its first zero at the cursor with the
// current colours: tabs become spaces up to the next multiple of 8, a CR-LF
// pair moves to the start of the next row, every other byte is stored as is.
// Bytes that would land beyond cell 253 are dropped, and the cursor column
// stops at 254. A line break on row 100 scrolls the grid up one row instead.
// Returns whether the grid scrolled. Caller holds the console lock.
bool StoreConsoleText(const unsigned char* text);

// How many of the first `length` bytes of text StoreConsoleText would show if
// printed from `column`: the longest run from the start in which every byte
// lands on a cell (a tab on its first cell) or is half of a CR-LF pair. A
// zero byte is never shown, and nothing after it.
int32_t ShownPrefixLength(const unsigned char* text, int32_t length, int32_t column);
