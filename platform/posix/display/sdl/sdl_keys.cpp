// SDL key codes to Windows virtual-key codes.
#include "platform/posix/display/sdl/sdl_keys.h"

namespace posix {
namespace {

constexpr UINT kPageUp = 0x21, kPageDown = 0x22, kEnd = 0x23, kHome = 0x24, kInsert = 0x2D;
constexpr UINT kNumpad0 = 0x60, kF1 = 0x70;

struct KeyPair {
    SDL_Keycode key;
    UINT virtualKey;
};

constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, VK_BACK},   {SDLK_TAB, VK_TAB},          {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},  {SDLK_ESCAPE, VK_ESCAPE},    {SDLK_SPACE, VK_SPACE},
    {SDLK_LEFT, VK_LEFT},        {SDLK_UP, VK_UP},            {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},        {SDLK_DELETE, VK_DELETE},    {SDLK_LSHIFT, VK_SHIFT},
    {SDLK_RSHIFT, VK_SHIFT},     {SDLK_LCTRL, VK_CONTROL},    {SDLK_RCTRL, VK_CONTROL},
    {SDLK_PAGEUP, kPageUp},      {SDLK_PAGEDOWN, kPageDown},  {SDLK_END, kEnd},
    {SDLK_HOME, kHome},          {SDLK_INSERT, kInsert},
};

}  // namespace

UINT VirtualKeyFor(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return kNumpad0 + 1 + static_cast<UINT>(key - SDLK_KP_1);
    if (key == SDLK_KP_0) return kNumpad0;
    if (key >= SDLK_F1 && key <= SDLK_F12) return kF1 + static_cast<UINT>(key - SDLK_F1);
    for (const KeyPair& pair : kNamedKeys)
        if (pair.key == key) return pair.virtualKey;
    return 0;
}

}  // namespace posix
