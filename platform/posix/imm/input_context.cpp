// The input method's context: where the composition window goes. The display
// places its input method there (SDL's text-input rectangle).
#include "platform/posix/display/display.h"
#include "platform/posix/user/window.h"

#include <cstdlib>

namespace {

// A window's input context is the window itself.
posix::Window* ContextWindow(HIMC context) {
    return posix::FindWindow(reinterpret_cast<HWND>(context));
}

}  // namespace

HIMC ImmGetContext(HWND window) {
    std::lock_guard lock(posix::LayerLock());
    return posix::FindWindow(window) != nullptr ? reinterpret_cast<HIMC>(window) : nullptr;
}

BOOL ImmReleaseContext(HWND window, HIMC context) {
    return context != nullptr && reinterpret_cast<HWND>(context) == window ? TRUE : FALSE;
}

// CFS_POINT places the composition at a client point; CFS_DEFAULT lets the
// display choose.
BOOL ImmSetCompositionWindow(HIMC context, LPCOMPOSITIONFORM form) {
    std::lock_guard lock(posix::LayerLock());
    posix::Window* window = ContextWindow(context);
    if (window == nullptr || form == nullptr) return FALSE;
    window->hasCompositionPoint = (form->dwStyle & CFS_POINT) != 0;
    window->compositionPoint = form->ptCurrentPos;
    posix::ActiveDisplay().Wake();
    return TRUE;
}

// The display draws composition text in this font; its height also sizes the
// text-input rectangle.
BOOL ImmSetCompositionFontA(HIMC context, LPLOGFONTA font) {
    std::lock_guard lock(posix::LayerLock());
    posix::Window* window = ContextWindow(context);
    if (window == nullptr || font == nullptr) return FALSE;
    window->compositionFont = *font;
    window->hasCompositionFont = true;
    window->compositionHeight = font->lfHeight == 0 ? 16 : std::abs(font->lfHeight);
    posix::ActiveDisplay().Wake();
    return TRUE;
}
