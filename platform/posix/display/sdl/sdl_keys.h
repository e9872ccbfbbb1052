// SDL keys to Windows virtual-key codes and modifier state.
#pragma once
#include "platform/posix/user/keyboard.h"
#include "platform/posix/win32.h"

#include <SDL.h>

namespace posix {

// The virtual-key code of a key, or 0 for a key without one. Letters give
// upper-case codes 'A'..'Z' whatever the shift state; punctuation keys give
// the OEM code of the character they type unshifted (US conventions, plus the
// Japanese layout's ':' '@' '^'); keypad digits give VK_NUMPAD0..9 with Num
// Lock on and the navigation codes with it off, as the platform does.
UINT VirtualKeyFor(const SDL_Keysym& key);

// Ctrl, Shift and Alt as the platform counts them. A level-three shift
// (AltGr, SDL's KMOD_MODE) is not Alt: it types characters.
KeyModifiers ModifiersFor(Uint16 mod);

}  // namespace posix
