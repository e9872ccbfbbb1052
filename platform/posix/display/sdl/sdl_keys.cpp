// SDL keys to Windows virtual-key codes.
#include "platform/posix/display/sdl/sdl_keys.h"

namespace posix {
namespace {

struct KeyPair {
    SDL_Keycode key;
    UINT virtualKey;
};

constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, VK_BACK},       {SDLK_TAB, VK_TAB},
    {SDLK_RETURN, VK_RETURN},        {SDLK_RETURN2, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},      {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_SPACE, VK_SPACE},          {SDLK_LEFT, VK_LEFT},
    {SDLK_UP, VK_UP},                {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},            {SDLK_DELETE, VK_DELETE},
    {SDLK_LSHIFT, VK_SHIFT},         {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},        {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, VK_MENU},            {SDLK_RALT, VK_MENU},
    {SDLK_LGUI, 0x5B},               {SDLK_RGUI, 0x5C},  // VK_LWIN, VK_RWIN
    {SDLK_APPLICATION, 0x5D},        {SDLK_MENU, 0x5D},  // VK_APPS
    {SDLK_PAGEUP, VK_PRIOR},         {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_END, VK_END},              {SDLK_HOME, VK_HOME},
    {SDLK_INSERT, VK_INSERT},        {SDLK_PAUSE, VK_PAUSE},
    {SDLK_CAPSLOCK, VK_CAPITAL},     {SDLK_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDLK_SCROLLLOCK, VK_SCROLL},    {SDLK_PRINTSCREEN, 0x2C},  // VK_SNAPSHOT
    {SDLK_CLEAR, VK_CLEAR},          {SDLK_SELECT, 0x29},       // VK_SELECT
    {SDLK_EXECUTE, 0x2B},            {SDLK_HELP, 0x2F},         // VK_EXECUTE, VK_HELP
    {SDLK_SLEEP, 0x5F},              {SDLK_CANCEL, VK_CANCEL},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY}, {SDLK_KP_PLUS, VK_ADD},
    {SDLK_KP_MINUS, VK_SUBTRACT},    {SDLK_KP_DIVIDE, VK_DIVIDE},
    {SDLK_KP_COMMA, VK_SEPARATOR},   {SDLK_KP_EQUALS, 0x92},    // VK_OEM_NEC_EQUAL
    // Punctuation, by the character the key types unshifted.
    {SDLK_SEMICOLON, VK_OEM_1},      {SDLK_COLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS},      {SDLK_PLUS, VK_OEM_PLUS},
    {SDLK_COMMA, VK_OEM_COMMA},      {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD},    {SDLK_SLASH, VK_OEM_2},
    {SDLK_BACKQUOTE, VK_OEM_3},      {SDLK_AT, VK_OEM_3},
    {SDLK_LEFTBRACKET, VK_OEM_4},    {SDLK_BACKSLASH, VK_OEM_5},
    {SDLK_RIGHTBRACKET, VK_OEM_6},   {SDLK_QUOTE, VK_OEM_7},
    {SDLK_CARET, VK_OEM_7},          {SDLK_LESS, VK_OEM_102},
    // Browser, media and launch keys.
    {SDLK_AC_BACK, 0xA6},            {SDLK_AC_FORWARD, 0xA7},
    {SDLK_AC_REFRESH, 0xA8},         {SDLK_AC_STOP, 0xA9},
    {SDLK_AC_SEARCH, 0xAA},          {SDLK_AC_BOOKMARKS, 0xAB},
    {SDLK_AC_HOME, 0xAC},            {SDLK_AUDIOMUTE, 0xAD},
    {SDLK_VOLUMEDOWN, 0xAE},         {SDLK_VOLUMEUP, 0xAF},
    {SDLK_AUDIONEXT, 0xB0},          {SDLK_AUDIOPREV, 0xB1},
    {SDLK_AUDIOSTOP, 0xB2},          {SDLK_AUDIOPLAY, 0xB3},
    {SDLK_MAIL, 0xB4},               {SDLK_MEDIASELECT, 0xB5},
    {SDLK_COMPUTER, 0xB6},           {SDLK_CALCULATOR, 0xB7},
};

struct ScancodePair {
    SDL_Scancode scancode;
    UINT virtualKey;
};

// Keys known by where they are: the input method's keys and the extra keys
// of Japanese and ISO keyboards, whose SDL key codes vary with the layout.
constexpr ScancodePair kPositionedKeys[] = {
    {SDL_SCANCODE_INTERNATIONAL1, VK_OEM_102},  // ろ (backslash, underscore)
    {SDL_SCANCODE_INTERNATIONAL2, VK_KANA},     // カタカナ/ひらがな
    {SDL_SCANCODE_INTERNATIONAL3, VK_OEM_5},    // ¥ (yen, bar)
    {SDL_SCANCODE_INTERNATIONAL4, VK_CONVERT},  // 変換
    {SDL_SCANCODE_INTERNATIONAL5, VK_NONCONVERT},  // 無変換
    {SDL_SCANCODE_LANG1, VK_KANA},              // 한/영, かな
    {SDL_SCANCODE_LANG2, VK_KANJI},             // 한자, 英数
    {SDL_SCANCODE_LANG3, VK_KANA},              // カタカナ
    {SDL_SCANCODE_LANG4, VK_KANA},              // ひらがな
    {SDL_SCANCODE_LANG5, VK_KANJI},             // 半角/全角
    {SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102},
};

// With Num Lock off the keypad is a second set of navigation keys.
constexpr UINT kKeypadNavigation[] = {VK_INSERT, VK_END,  VK_DOWN, VK_NEXT, VK_LEFT,
                                      VK_CLEAR,  VK_RIGHT, VK_HOME, VK_UP,   VK_PRIOR};

UINT KeypadKey(SDL_Keycode key, bool numLock) {
    int digit = -1;
    if (key == SDLK_KP_0) digit = 0;
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) digit = 1 + static_cast<int>(key - SDLK_KP_1);
    if (digit >= 0) return numLock ? VK_NUMPAD0 + static_cast<UINT>(digit) : kKeypadNavigation[digit];
    if (key == SDLK_KP_PERIOD || key == SDLK_KP_DECIMAL) return numLock ? VK_DECIMAL : VK_DELETE;
    return 0;
}

UINT PositionedKey(SDL_Scancode scancode) {
    for (const ScancodePair& pair : kPositionedKeys)
        if (pair.scancode == scancode) return pair.virtualKey;
    return 0;
}

}  // namespace

UINT VirtualKeyFor(const SDL_Keysym& keysym) {
    const SDL_Keycode key = keysym.sym;
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + static_cast<UINT>(key - SDLK_F1);
    if (key >= SDLK_F13 && key <= SDLK_F24) return VK_F13 + static_cast<UINT>(key - SDLK_F13);
    if (UINT keypad = KeypadKey(key, (keysym.mod & KMOD_NUM) != 0)) return keypad;
    // A key whose symbol has no character carries the scancode of that symbol.
    if ((key & SDLK_SCANCODE_MASK) != 0)
        if (UINT positioned = PositionedKey(static_cast<SDL_Scancode>(key & ~SDLK_SCANCODE_MASK)))
            return positioned;
    for (const KeyPair& pair : kNamedKeys)
        if (pair.key == key) return pair.virtualKey;
    // Letter and digit keys of layouts with other letters keep the codes of
    // their position, as on the platform.
    const SDL_Scancode scancode = keysym.scancode;
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return static_cast<UINT>('A' + (scancode - SDL_SCANCODE_A));
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return static_cast<UINT>('1' + (scancode - SDL_SCANCODE_1));
    if (scancode == SDL_SCANCODE_0) return '0';
    return PositionedKey(scancode);
}

KeyModifiers ModifiersFor(Uint16 mod) {
    KeyModifiers modifiers;
    modifiers.control = (mod & KMOD_CTRL) != 0;
    modifiers.shift = (mod & KMOD_SHIFT) != 0;
    modifiers.alt = (mod & KMOD_ALT) != 0 && (mod & KMOD_MODE) == 0;
    return modifiers;
}

}  // namespace posix
