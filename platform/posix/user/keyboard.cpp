// Keyboard translation: character messages for keys that give a character.
#include "platform/posix/user/window.h"

namespace posix {
namespace {

thread_local bool retrievedControlDown = false;

// The character a key press gives when the display does not deliver it as
// text: Backspace, Tab, Enter and Escape, and Ctrl with a letter (1 to 26).
// Printable characters arrive from the display's text input as WM_CHAR.
int CharacterForKey(WPARAM key, bool controlDown) {
    switch (key) {
        case VK_BACK: return 8;
        case VK_TAB: return 9;
        case VK_RETURN: return 13;
        case VK_ESCAPE: return 27;
        default: break;
    }
    if (controlDown && key >= 'A' && key <= 'Z') return static_cast<int>(key - 'A' + 1);
    return -1;
}

}  // namespace

void NoteRetrievedKeyState(bool controlDown) { retrievedControlDown = controlDown; }
bool RetrievedControlDown() { return retrievedControlDown; }

}  // namespace posix

// The character message is put at the front of the queue, so it is the next
// one retrieved, ahead of anything that arrived after the key press.
BOOL TranslateMessage(const MSG* message) {
    using namespace posix;
    if (message == nullptr || message->message != WM_KEYDOWN) return FALSE;
    int character = CharacterForKey(message->wParam, RetrievedControlDown());
    if (character < 0) return FALSE;
    std::shared_ptr<MessageQueue> current = CurrentQueue();
    std::lock_guard lock(LayerLock());
    MSG charMessage = *message;
    charMessage.message = WM_CHAR;
    charMessage.wParam = static_cast<WPARAM>(character);
    current->posted.push_front(QueuedMessage{charMessage, false});
    return TRUE;
}
