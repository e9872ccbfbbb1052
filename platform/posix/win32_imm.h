// Input-method manager: the composition window's position and font.
#pragma once
#include "win32_types.h"
#include "win32_gdi.h"

#define CFS_DEFAULT 0x0000
#define CFS_POINT 0x0002

struct COMPOSITIONFORM {
    DWORD dwStyle;
    POINT ptCurrentPos;
    RECT rcArea;
};
typedef COMPOSITIONFORM* LPCOMPOSITIONFORM;

HIMC ImmGetContext(HWND window);
BOOL ImmReleaseContext(HWND window, HIMC context);
BOOL ImmSetCompositionWindow(HIMC context, LPCOMPOSITIONFORM form);
BOOL ImmSetCompositionFontA(HIMC context, LPLOGFONTA font);
