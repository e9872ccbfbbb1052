// Fuzz target: printed text and line-input messages against the console.
// The console window is built on this thread the way the console thread
// builds it, so the window procedure can be called directly and every
// handler runs on the window's own thread, as it does in a program. Each
// input is a little program of operations; AddressSanitizer watches the grid
// rows, the input buffer and the echo strings.
#include "platform/posix/display/headless.h"
#include "runtime/console/console.h"
#include "runtime/console/console_lock.h"
#include "runtime/console/console_window.h"
#include "runtime/console/text_grid.h"
#include "runtime/core/startup.h"
#include "runtime/core/strings.h"

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>

namespace {

HWND gWindow = nullptr;

// Reads the fuzz input front to back; past its end every read gives 0.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Done() const { return position_ >= size_; }
    uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }
    std::string Bytes(size_t count) {
        std::string bytes;
        while (count-- > 0 && !Done()) bytes.push_back(static_cast<char>(Byte()));
        return bytes;
    }
    // A short pattern from the input repeated to count bytes, so that short
    // inputs still reach and pass the input buffer's limit.
    std::string Repeated(size_t count) {
        const std::string pattern = Bytes(Byte() % 4 + 1);
        std::string bytes;
        while (!pattern.empty() && bytes.size() < count) bytes += pattern;
        bytes.resize(std::min(bytes.size(), count));
        return bytes;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

void BuildConsole() {
    headless::SetScreenSize(1024, 768);
    headless::SetClientSize(800, 600);
    RuntimeStartup();
    gRuntime.inputLength = -1;
    AllocateTextGrid();
    gRuntime.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    gRuntime.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    CreateConsoleFont();
    RegisterConsoleClass();
    gWindow = CreateConsoleWindow();
    gRuntime.consoleWindow = gWindow;
    ShowWindow(gWindow, SW_SHOW);
}

// Empty grid, cursor home, white on black, no read open.
void ResetConsole() {
    ConsoleLockHold hold;
    for (int row = 0; row < kTextRows; ++row) {
        std::memset(gRuntime.characterRows[row], 0, kTextColumns);
        std::memset(gRuntime.foreColourRows[row], 0, kTextColumns * sizeof(COLORREF));
        std::memset(gRuntime.backColourRows[row], 0, kTextColumns * sizeof(COLORREF));
    }
    gRuntime.cursorColumn = 0;
    gRuntime.cursorRow = 0;
    gRuntime.currentForeColour = 0x00FFFFFF;
    gRuntime.currentBackColour = 0;
    gRuntime.inputLength = -1;
}

void Print(const std::string& bytes) {
    CountedString text = StrAlloc(static_cast<int32_t>(bytes.size()));
    std::memcpy(text, bytes.data(), bytes.size());
    ConsolePrint(text);
}

// Mostly the codes the editing treats specially, otherwise any byte.
WPARAM CharacterCode(uint8_t choice, uint8_t byte) {
    static constexpr WPARAM kSpecial[] = {8, 13, 22, 9, 10, 0, 27};
    return choice % 2 == 0 ? kSpecial[byte % std::size(kSpecial)] : byte;
}

void Send(UINT message, WPARAM wParam) { ConsoleWndProc(gWindow, message, wParam, 0); }

void OpenRead() {
    ConsoleLockHold hold;
    std::memset(gRuntime.inputBuffer, 0, sizeof gRuntime.inputBuffer);
    gRuntime.inputLength = 0;
}

// Anywhere a cursor can stand: column 0..254, row 0..100.
void MoveCursor(uint8_t column, uint8_t row) {
    ConsoleLockHold hold;
    gRuntime.cursorColumn = column % (kLastTextCell + 2);
    gRuntime.cursorRow = row % kTextRows;
}

void Step(Reader& in) {
    switch (in.Byte() % 8) {
        case 0: Print(in.Bytes(in.Byte())); break;
        case 1: {
            const uint8_t choice = in.Byte();
            Send(WM_CHAR, CharacterCode(choice, in.Byte()));
            break;
        }
        case 2: Send(WM_KEYDOWN, in.Byte()); break;
        case 3: {
            // Up to 510 bytes, so a paste may overflow what the buffer holds.
            const size_t length = in.Byte() * 2u;
            if (length == 0) headless::SetClipboardText(std::nullopt);
            else if (length % 4 == 0) headless::SetClipboardText(in.Repeated(length));
            else headless::SetClipboardText(in.Bytes(length));
            break;
        }
        case 4: Send(in.Byte() % 2 ? WM_SETFOCUS : WM_KILLFOCUS, 0); break;
        case 5: OpenRead(); break;
        case 6: {
            const uint8_t column = in.Byte();
            MoveCursor(column, in.Byte());
            break;
        }
        default: {
            // A run of typing, long enough to fill the line.
            for (char c : in.Repeated(in.Byte() * 2u)) Send(WM_CHAR, static_cast<unsigned char>(c));
            break;
        }
    }
}

// What must hold after every operation.
void CheckInvariants() {
    ConsoleLockHold hold;
    if (gRuntime.inputLength < -1 || gRuntime.inputLength > kInputBufferBytes - 1) __builtin_trap();
    if (gRuntime.cursorColumn < 0 || gRuntime.cursorColumn > kLastTextCell + 1) __builtin_trap();
    if (gRuntime.cursorRow < 0 || gRuntime.cursorRow > kLastTextRow) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    BuildConsole();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetConsole();
    Send(WM_KILLFOCUS, 0);
    headless::SetClipboardText(std::nullopt);
    Reader in(data, size);
    while (!in.Done()) {
        Step(in);
        CheckInvariants();
    }
    return 0;
}
