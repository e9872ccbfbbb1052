// Creating the console's font, window class and window. Each ends the process
// with a message when its object cannot be created.
#pragma once
#include "runtime/core/runtime_state.h"

void CreateConsoleFont();
void RegisterConsoleClass();
HWND CreateConsoleWindow();
