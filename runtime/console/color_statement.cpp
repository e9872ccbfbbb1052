// COLOR: the colours of printed text.
#include "runtime/console/console_lock.h"
#include "runtime/console/statements.h"
#include "runtime/graphics/graphics.h"

void Color(int32_t foreIndex, int32_t backIndex) {
    ConsoleLockHold hold;
    gRuntime.currentForeColour = PaletteColor(foreIndex);
    gRuntime.currentBackColour = PaletteColor(backIndex);
}
