// SDL key codes to Windows virtual-key codes.
#pragma once
#include "platform/posix/win32.h"

#include <SDL.h>

namespace posix {

// The virtual-key code of a key, or 0 for keys the layer does not report.
// Letters give upper-case codes 'A'..'Z' whatever the shift state.
UINT VirtualKeyFor(SDL_Keycode key);

}  // namespace posix
