// Keyboard translation: which message a key press becomes, and which
// character TranslateMessage adds for it. Pure functions, no lock.
#pragma once
#include "platform/posix/win32.h"

namespace posix {

// The modifier keys held when a key went down.
struct KeyModifiers {
    bool control = false;
    bool shift = false;
    bool alt = false;
};

// WM_SYSKEYDOWN for a key pressed with Alt but without Ctrl (Ctrl+Alt is the
// AltGr of many layouts and types characters), for Alt itself and for F10;
// WM_KEYDOWN for every other key.
UINT KeyDownMessage(UINT virtualKey, KeyModifiers modifiers);

// The character code TranslateMessage adds for a key-down message, as the
// US layout gives it, or -1 for none. From WM_KEYDOWN: Backspace, Tab, Enter,
// Escape and the Ctrl combinations (Ctrl+letter 1..26, Ctrl+Enter 10,
// Ctrl+Backspace 127, Ctrl+Space 32, Ctrl+[ \ ] 27..29, Ctrl+Shift+2 6 -
// for @ ^ _ 0, 30, 31); printable characters come from the display's text
// input instead. From WM_SYSKEYDOWN: the character the key types, which
// becomes WM_SYSCHAR.
int CharacterForKey(UINT message, UINT virtualKey, KeyModifiers modifiers);

}  // namespace posix
