// Keyboard translation: character messages for keys that give a character.
#include "platform/posix/user/keyboard.h"
#include "platform/posix/user/window.h"

namespace posix {
namespace {

thread_local KeyModifiers retrievedModifiers;

struct TypedPair {
    UINT virtualKey;
    char plain, shifted;
};

// The US layout's punctuation keys, and the digits' shifted characters.
constexpr TypedPair kTypedKeys[] = {
    {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},     {VK_OEM_102, '\\', '|'},
    {VK_SPACE, ' ', ' '},     {'0', '0', ')'},           {'1', '1', '!'},
    {'2', '2', '@'},          {'3', '3', '#'},           {'4', '4', '$'},
    {'5', '5', '%'},          {'6', '6', '^'},           {'7', '7', '&'},
    {'8', '8', '*'},          {'9', '9', '('},
};

// Keys that give a control character whatever other modifiers are held.
int ControlCharacter(UINT key) {
    switch (key) {
        case VK_BACK: return 8;
        case VK_TAB: return 9;
        case VK_RETURN: return 13;
        case VK_ESCAPE: return 27;
        default: return -1;
    }
}

// Ctrl held, Alt not: the layout's Ctrl column.
int CharacterWithControl(UINT key, bool shift) {
    if (key >= 'A' && key <= 'Z') return static_cast<int>(key - 'A' + 1);
    if (shift) {
        switch (key) {
            case '2': return 0;             // Ctrl+@
            case '6': return 30;            // Ctrl+^
            case VK_OEM_MINUS: return 31;   // Ctrl+_
            default: return -1;
        }
    }
    switch (key) {
        case VK_RETURN: return 10;
        case VK_BACK: return 127;
        case VK_ESCAPE: return 27;
        case VK_SPACE: return ' ';
        case VK_CANCEL: return 3;
        case VK_OEM_4: return 27;    // Ctrl+[
        case VK_OEM_5:
        case VK_OEM_102: return 28;  // Ctrl+backslash
        case VK_OEM_6: return 29;    // Ctrl+]
        default: return -1;
    }
}

// Alt held: the character the key types, for WM_SYSCHAR.
int TypedCharacter(UINT key, bool shift) {
    if (key >= 'A' && key <= 'Z') return static_cast<int>(shift ? key : key - 'A' + 'a');
    for (const TypedPair& pair : kTypedKeys)
        if (pair.virtualKey == key) return shift ? pair.shifted : pair.plain;
    return ControlCharacter(key);
}

}  // namespace

UINT KeyDownMessage(UINT virtualKey, KeyModifiers modifiers) {
    if (modifiers.control) return WM_KEYDOWN;
    return modifiers.alt || virtualKey == VK_MENU || virtualKey == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN;
}

int CharacterForKey(UINT message, UINT virtualKey, KeyModifiers modifiers) {
    if (message == WM_SYSKEYDOWN) return modifiers.alt ? TypedCharacter(virtualKey, modifiers.shift) : -1;
    if (message != WM_KEYDOWN) return -1;
    if (modifiers.control && !modifiers.alt) return CharacterWithControl(virtualKey, modifiers.shift);
    return ControlCharacter(virtualKey);
}

void NoteRetrievedKeyState(KeyModifiers modifiers) { retrievedModifiers = modifiers; }
KeyModifiers RetrievedKeyState() { return retrievedModifiers; }

}  // namespace posix

// The character message is put at the front of the queue, so it is the next
// one retrieved, ahead of anything that arrived after the key press. A
// system key gives WM_SYSCHAR, every other key WM_CHAR.
BOOL TranslateMessage(const MSG* message) {
    using namespace posix;
    if (message == nullptr) return FALSE;
    if (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN) return FALSE;
    int character = CharacterForKey(message->message, static_cast<UINT>(message->wParam), RetrievedKeyState());
    if (character < 0) return FALSE;
    std::shared_ptr<MessageQueue> current = CurrentQueue();
    std::lock_guard lock(LayerLock());
    MSG charMessage = *message;
    charMessage.message = message->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    charMessage.wParam = static_cast<WPARAM>(character);
    current->posted.push_front(QueuedMessage{charMessage, KeyModifiers{}});
    return TRUE;
}
