// The console font, the window class "PROMPT" and the window "BASIC PROMPT".
#include "runtime/console/console_window.h"
#include "runtime/console/console.h"
#include "runtime/core/startup.h"

#include <cstring>

namespace {

constexpr char kClassName[] = "PROMPT";
constexpr char kWindowTitle[] = "BASIC PROMPT";
// The fixed-pitch Mincho face, as its Shift-JIS bytes.
constexpr char kFaceName[] = "\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9";
constexpr LONG kCharacterHeight = -16;  // negative: character height, not cell height

}  // namespace

void CreateConsoleFont() {
    LOGFONTA& font = gRuntime.fontDescription;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = kCharacterHeight;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    lstrcpyA(font.lfFaceName, kFaceName);
    gRuntime.consoleFont = CreateFontIndirectA(&font);
    if (gRuntime.consoleFont == nullptr) FatalPlatformError("Console window: the font could not be created");
}

void RegisterConsoleClass() {
    WNDCLASSEXA windowClass;
    std::memset(&windowClass, 0, sizeof windowClass);
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = ConsoleWndProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconA(nullptr, IDI_WINLOGO);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExA(&windowClass) == 0) {
        FatalPlatformError("Console window: the window class could not be registered");
    }
}

// The window procedure builds the back buffer inside this call (WM_CREATE).
HWND CreateConsoleWindow() {
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, kWindowTitle, WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) FatalPlatformError("Console window: the window could not be created");
    return window;
}
