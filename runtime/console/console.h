// The console: its thread and window, the text-grid rendering, and console
// output. Text is bytes of the Shift-JIS code page.
#pragma once
#include "runtime/core/runtime_state.h"

// Start routine of the console thread: builds the text grid, the font and the
// window, runs the message loop and ends the process when the window closes.
DWORD WINAPI ConsoleThreadMain(LPVOID parameter);

// Window procedure of the console window class.
LRESULT CALLBACK ConsoleWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the text rows firstRow..lastRow onto target (firstRow -1: all rows),
// after scrolling the grid up until the cursor row fits in the client area.
void RenderTextGrid(HDC target, int32_t firstRow, int32_t lastRow);

// Stores text at the cursor with the current colours and renders the rows it
// touched. Consumes text.
void ConsolePrint(CountedString text);

// The first byte of text (0 for an empty string). Consumes text.
int32_t Asc(CountedString text);
