// Console statements of BASIC programs: reading a typed line and choosing the
// colours of printed text.
#pragma once
#include "runtime/core/runtime_state.h"

// LINE INPUT: opens a read, shows the caret at the cursor and waits until the
// user ends the line with Enter. Returns the typed bytes as a new string
// (without the Enter). Call from the main thread after the prologue.
CountedString LineInput();

// COLOR: the palette colours (0..7) of text printed from now on.
void Color(int32_t foreIndex, int32_t backIndex);
