// Line input: the keyboard handlers of the console window.
#pragma once
#include "runtime/core/runtime_state.h"

// WM_KEYDOWN: while no line is being read, remembers the key code.
void RecordKeyDown(WPARAM virtualKey);

// WM_CHAR: while a line is being read, edits the input buffer (Backspace,
// Enter, Ctrl+V paste, any other code stored) and echoes the change. echo is
// the window procedure's echo text; it may be replaced here and is released
// by the caller.
void HandleCharacter(HWND window, WPARAM code, CountedString& echo);
