// Keys as the platform gives them: the SDL display's virtual-key codes, the
// message a key press becomes, and the characters TranslateMessage adds.
#include "platform/posix/display/sdl/sdl_keys.h"
#include "platform/posix/user/keyboard.h"

#include <gtest/gtest.h>

namespace {

using posix::CharacterForKey;
using posix::KeyDownMessage;
using posix::KeyModifiers;

UINT KeyCode(SDL_Keycode sym, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN, Uint16 mod = KMOD_NONE) {
    SDL_Keysym keysym{};
    keysym.sym = sym;
    keysym.scancode = scancode;
    keysym.mod = mod;
    return posix::VirtualKeyFor(keysym);
}

int Typed(UINT key, KeyModifiers modifiers = {}) {
    return CharacterForKey(KeyDownMessage(key, modifiers), key, modifiers);
}

TEST(SdlKeys, PunctuationGivesTheOemCodeOfItsCharacter) {
    EXPECT_EQ(KeyCode(SDLK_SEMICOLON), 0xBAu);
    EXPECT_EQ(KeyCode(SDLK_EQUALS), 0xBBu);
    EXPECT_EQ(KeyCode(SDLK_COMMA), 0xBCu);
    EXPECT_EQ(KeyCode(SDLK_MINUS), 0xBDu);
    EXPECT_EQ(KeyCode(SDLK_PERIOD), 0xBEu);
    EXPECT_EQ(KeyCode(SDLK_SLASH), 0xBFu);
    EXPECT_EQ(KeyCode(SDLK_BACKQUOTE), 0xC0u);
    EXPECT_EQ(KeyCode(SDLK_LEFTBRACKET), 0xDBu);
    EXPECT_EQ(KeyCode(SDLK_BACKSLASH), 0xDCu);
    EXPECT_EQ(KeyCode(SDLK_RIGHTBRACKET), 0xDDu);
    EXPECT_EQ(KeyCode(SDLK_QUOTE), 0xDEu);
    // The Japanese layout's own unshifted characters.
    EXPECT_EQ(KeyCode(SDLK_COLON), 0xBAu);
    EXPECT_EQ(KeyCode(SDLK_AT), 0xC0u);
    EXPECT_EQ(KeyCode(SDLK_CARET), 0xDEu);
}

TEST(SdlKeys, KeypadKeysFollowNumLock) {
    EXPECT_EQ(KeyCode(SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NUM), 0x60u);
    EXPECT_EQ(KeyCode(SDLK_KP_7, SDL_SCANCODE_KP_7, KMOD_NUM), 0x67u);
    EXPECT_EQ(KeyCode(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NUM), 0x6Eu);
    EXPECT_EQ(KeyCode(SDLK_KP_7), 0x24u);       // Home
    EXPECT_EQ(KeyCode(SDLK_KP_5), 0x0Cu);       // Clear
    EXPECT_EQ(KeyCode(SDLK_KP_0), 0x2Du);       // Insert
    EXPECT_EQ(KeyCode(SDLK_KP_PERIOD), 0x2Eu);  // Delete
    // The operators do not depend on it.
    EXPECT_EQ(KeyCode(SDLK_KP_MULTIPLY), 0x6Au);
    EXPECT_EQ(KeyCode(SDLK_KP_PLUS), 0x6Bu);
    EXPECT_EQ(KeyCode(SDLK_KP_MINUS), 0x6Du);
    EXPECT_EQ(KeyCode(SDLK_KP_DIVIDE), 0x6Fu);
    EXPECT_EQ(KeyCode(SDLK_KP_ENTER), 0x0Du);
}

TEST(SdlKeys, FunctionLockAndInputMethodKeys) {
    EXPECT_EQ(KeyCode(SDLK_F1), 0x70u);
    EXPECT_EQ(KeyCode(SDLK_F12), 0x7Bu);
    EXPECT_EQ(KeyCode(SDLK_F13), 0x7Cu);
    EXPECT_EQ(KeyCode(SDLK_F24), 0x87u);
    EXPECT_EQ(KeyCode(SDLK_PAUSE), 0x13u);
    EXPECT_EQ(KeyCode(SDLK_CAPSLOCK), 0x14u);
    EXPECT_EQ(KeyCode(SDLK_NUMLOCKCLEAR), 0x90u);
    EXPECT_EQ(KeyCode(SDLK_SCROLLLOCK), 0x91u);
    EXPECT_EQ(KeyCode(SDLK_LALT), 0x12u);
    // Known by the symbol's scancode, or by the key's position.
    EXPECT_EQ(KeyCode(SDL_SCANCODE_TO_KEYCODE(SDL_SCANCODE_INTERNATIONAL4)), 0x1Cu);  // 変換
    EXPECT_EQ(KeyCode(SDL_SCANCODE_TO_KEYCODE(SDL_SCANCODE_INTERNATIONAL5)), 0x1Du);  // 無変換
    EXPECT_EQ(KeyCode(SDL_SCANCODE_TO_KEYCODE(SDL_SCANCODE_LANG5)), 0x19u);           // 半角/全角
    EXPECT_EQ(KeyCode(SDLK_UNKNOWN, SDL_SCANCODE_INTERNATIONAL2), 0x15u);             // かな
    EXPECT_EQ(KeyCode(SDLK_UNKNOWN, SDL_SCANCODE_INTERNATIONAL3), 0xDCu);             // ¥
    EXPECT_EQ(KeyCode(SDLK_UNKNOWN, SDL_SCANCODE_INTERNATIONAL1), 0xE2u);             // ろ
    // A letter of another script keeps the code of its position.
    EXPECT_EQ(KeyCode(0x439, SDL_SCANCODE_Q), static_cast<UINT>('Q'));
    EXPECT_EQ(KeyCode(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), 0u);
}

TEST(SdlKeys, AltGrIsNotAlt) {
    EXPECT_TRUE(posix::ModifiersFor(KMOD_LALT).alt);
    EXPECT_FALSE(posix::ModifiersFor(KMOD_RALT | KMOD_MODE).alt);
    EXPECT_TRUE(posix::ModifiersFor(KMOD_RCTRL | KMOD_LSHIFT).control);
    EXPECT_TRUE(posix::ModifiersFor(KMOD_RCTRL | KMOD_LSHIFT).shift);
}

TEST(KeyTranslation, ControlCombinationsGiveThePlatformsCodes) {
    const KeyModifiers ctrl{.control = true};
    const KeyModifiers ctrlShift{.control = true, .shift = true};
    EXPECT_EQ(Typed(VK_RETURN, ctrl), 10);
    EXPECT_EQ(Typed(VK_BACK, ctrl), 127);
    EXPECT_EQ(Typed(VK_OEM_4, ctrl), 27);   // [
    EXPECT_EQ(Typed(VK_OEM_5, ctrl), 28);   // backslash
    EXPECT_EQ(Typed(VK_OEM_6, ctrl), 29);   // ]
    EXPECT_EQ(Typed('6', ctrlShift), 30);   // ^
    EXPECT_EQ(Typed(VK_OEM_MINUS, ctrlShift), 31);  // _
    EXPECT_EQ(Typed('2', ctrlShift), 0);    // @
    EXPECT_EQ(Typed(VK_SPACE, ctrl), 32);
    EXPECT_EQ(Typed('A', ctrl), 1);
    EXPECT_EQ(Typed('Z', ctrlShift), 26);
    EXPECT_EQ(Typed('V', ctrl), 22);
    // No character: Ctrl with a digit, with Tab, or with Shift and Enter.
    EXPECT_EQ(Typed('1', ctrl), -1);
    EXPECT_EQ(Typed(VK_TAB, ctrl), -1);
    EXPECT_EQ(Typed(VK_RETURN, ctrlShift), -1);
    // Without Ctrl only the editing keys give a character here.
    EXPECT_EQ(Typed(VK_RETURN), 13);
    EXPECT_EQ(Typed(VK_BACK), 8);
    EXPECT_EQ(Typed(VK_TAB), 9);
    EXPECT_EQ(Typed(VK_ESCAPE), 27);
    EXPECT_EQ(Typed('A'), -1);
    EXPECT_EQ(Typed(VK_OEM_4), -1);
}

TEST(KeyTranslation, AltMakesSystemKeysAndCharacters) {
    const KeyModifiers alt{.alt = true};
    EXPECT_EQ(KeyDownMessage('A', alt), static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_EQ(KeyDownMessage(VK_MENU, {}), static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_EQ(KeyDownMessage(VK_F10, {}), static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_EQ(KeyDownMessage('A', {.control = true, .alt = true}), static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(KeyDownMessage('A', {}), static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(Typed('A', alt), 'a');
    EXPECT_EQ(Typed('A', {.shift = true, .alt = true}), 'A');
    EXPECT_EQ(Typed('1', alt), '1');
    EXPECT_EQ(Typed(VK_OEM_4, {.shift = true, .alt = true}), '{');
    EXPECT_EQ(Typed(VK_F10), -1);
    EXPECT_EQ(Typed(VK_MENU, alt), -1);
}

}  // namespace
