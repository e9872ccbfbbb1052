// Line input. The input buffer and length are changed under the console lock,
// so that a routine on the main thread that opens a read (input length 0) and
// waits for the finished line (input length -1 again) sees them whole. The
// messages that move the caret are sent with the lock released.
#include "runtime/console/line_input.h"
#include "runtime/console/console.h"
#include "runtime/console/console_lock.h"
#include "runtime/console/console_output.h"
#include "runtime/console/text_grid.h"
#include "runtime/core/strings.h"

#include <cstring>

namespace {

constexpr WPARAM kBackspace = 8;
constexpr WPARAM kEnter = 13;
constexpr WPARAM kPaste = 22;  // Ctrl+V
// Typed bytes the buffer holds; the last byte is kept for the terminating zero.
constexpr int32_t kInputCapacity = kInputBufferBytes - 1;

bool Reading() { return gRuntime.inputLength != -1; }

CountedString ReplaceEcho(CountedString& echo, int32_t length) {
    StrFree(echo);
    echo = StrAlloc(length);
    return echo;
}

// A Backspace after a paste that moved the echo to a new row would take the
// cursor left of column 0; the cursor then stays at column 0.
void EraseLastByte() {
    ConsoleLockHold hold;
    if (gRuntime.inputLength <= 0) return;
    --gRuntime.inputLength;
    gRuntime.inputBuffer[gRuntime.inputLength] = 0;
    if (gRuntime.cursorColumn <= 0) return;
    --gRuntime.cursorColumn;
    if (gRuntime.cursorColumn <= kLastTextCell) {
        gRuntime.characterRows[gRuntime.cursorRow][gRuntime.cursorColumn] = 0;
    }
}

void FinishLine(CountedString& echo) {
    {
        ConsoleLockHold hold;
        gRuntime.inputBuffer[gRuntime.inputLength] = 0;
        gRuntime.inputLength = -1;
    }
    CountedString lineBreak = ReplaceEcho(echo, 2);
    lineBreak[0] = '\r';
    lineBreak[1] = '\n';
}

// The line keeps exactly the bytes its echo shows. A row holds 254 bytes and
// lines do not wrap, so the echo cannot show everything the 255-byte buffer
// could hold; a byte that would land beyond the row's last cell (or a zero
// byte, which ends the row's text) is therefore refused, like a byte for a
// full buffer. What the user sees is then what the program gets, and each
// Backspace removes the byte whose cell it erases.
int32_t AcceptedLength(const unsigned char* bytes, int32_t length) {
    const int32_t room = kInputCapacity - gRuntime.inputLength;
    return ShownPrefixLength(bytes, length < room ? length : room, gRuntime.cursorColumn);
}

// Returns false when the byte is refused: it is dropped and not echoed.
bool StoreTypedByte(WPARAM code, CountedString& echo) {
    const unsigned char byte = static_cast<unsigned char>(code & 0xFF);
    {
        ConsoleLockHold hold;
        if (AcceptedLength(&byte, 1) == 0) return false;
        gRuntime.inputBuffer[gRuntime.inputLength] = byte;
        ++gRuntime.inputLength;
    }
    ReplaceEcho(echo, 2)[0] = static_cast<char>(byte);
    return true;
}

// Copies the clipboard's text into a new string; null when it holds none.
CountedString ReadClipboardText(HWND window) {
    OpenClipboard(window);
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    CountedString copy = nullptr;
    if (text != nullptr) {
        const int32_t length = lstrlenA(text);
        copy = StrAlloc(length);
        std::memcpy(copy, text, static_cast<size_t>(length));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return copy;
}

// Appends as much of the clipboard text as the line accepts; the echo shows
// exactly the bytes appended. Returns false when the clipboard has no text.
bool PasteClipboard(HWND window, CountedString& echo) {
    CountedString text = ReadClipboardText(window);
    if (text == nullptr) return false;
    int32_t appended = 0;
    {
        ConsoleLockHold hold;
        appended = AcceptedLength(reinterpret_cast<const unsigned char*>(text), StrLength(text));
        std::memcpy(gRuntime.inputBuffer + gRuntime.inputLength, text, static_cast<size_t>(appended));
        gRuntime.inputLength += appended;
        gRuntime.inputBuffer[gRuntime.inputLength] = 0;
    }
    std::memcpy(ReplaceEcho(echo, appended + 1), text, static_cast<size_t>(appended));
    StrFree(text);
    return true;
}

CountedString CopyOf(CountedString s) {
    CountedString copy = StrAlloc(StrLength(s));
    std::memcpy(copy, s, static_cast<size_t>(StrLength(s)));
    return copy;
}

// The caret is taken down while the echo is printed and put back at the new
// cursor; after Enter it stays down, since no line is being read any more.
void Echo(HWND window, CountedString echo) {
    SendMessageA(window, WM_KILLFOCUS, 0, 0);
    ConsolePrint(CopyOf(echo));
    SendMessageA(window, WM_SETFOCUS, 0, 0);
}

}  // namespace

void RecordKeyDown(WPARAM virtualKey) {
    ConsoleLockHold hold;
    if (!Reading()) gRuntime.lastKeyCode = static_cast<uint8_t>(virtualKey & 0xFF);
}

void HandleCharacter(HWND window, WPARAM code, CountedString& echo) {
    {
        ConsoleLockHold hold;
        if (!Reading()) return;
    }
    switch (code) {
        case kBackspace:
            EraseLastByte();
            break;
        case kEnter:
            FinishLine(echo);
            break;
        case kPaste:
            if (!PasteClipboard(window, echo)) return;
            break;
        default:
            if (!StoreTypedByte(code, echo)) return;
            break;
    }
    Echo(window, echo);
}
