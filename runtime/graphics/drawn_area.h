// The part of the back buffer drawn since the graphics layer was last
// cleared. A clear blackens only that part and asks only for its repaint, so
// that clearing and painting cost what was drawn, not the screen's size.
#pragma once
#include "runtime/core/runtime_state.h"

// Adds the pixels of `area` (right and bottom edges excluded; the corners in
// any order) to the drawn part, within the back buffer. Caller holds the
// console lock.
void NoteGraphicsDrawn(const RECT& area);

// The drawn part, which is then empty again. Caller holds the console lock.
RECT TakeGraphicsDrawn();
