// RenderTextGrid: scroll the text up until the cursor row fits in the client
// area, then draw the rows, each character in its own cell and colours, over
// the graphics the back buffer holds.
#include "runtime/console/console.h"
#include "runtime/console/console_lock.h"
#include "runtime/console/text_grid.h"

namespace {

int32_t RowTextLength(const unsigned char* characters) {
    int32_t length = 0;
    while (length < kTextColumns && characters[length] != 0) ++length;
    return length;
}

// 64-bit products: a huge font or client area must not overflow.
int64_t RowTop(int32_t row) { return static_cast<int64_t>(row) * gRuntime.lineHeight; }

bool CursorRowFits(const RECT& client) { return RowTop(gRuntime.cursorRow + 1) <= client.bottom; }

// Returns whether the grid scrolled.
bool ScrollUntilCursorFits(const RECT& client) {
    bool scrolled = false;
    while (!CursorRowFits(client) && gRuntime.cursorRow > 0) {
        ScrollTextGridUp();
        --gRuntime.cursorRow;
        scrolled = true;
    }
    return scrolled;
}

void SelectCellColours(HDC target, COLORREF fore, COLORREF back) {
    SetTextColor(target, fore);
    if (back == kTransparentBackColour) {
        SetBkMode(target, TRANSPARENT);
    } else {
        SetBkMode(target, OPAQUE);
        SetBkColor(target, back);
    }
}

void DrawRow(HDC target, int32_t row, const RECT& client) {
    const unsigned char* characters = gRuntime.characterRows[row];
    const COLORREF* fore = gRuntime.foreColourRows[row];
    const COLORREF* back = gRuntime.backColourRows[row];
    const int32_t length = RowTextLength(characters);
    const int32_t top = row * gRuntime.lineHeight;

    SIZE extent{0, 0};
    if (length > 0) GetTextExtentPoint32A(target, reinterpret_cast<LPCSTR>(characters), length, &extent);
    const int32_t textEnd = length > 0 ? extent.cx : 0;
    // Restore the graphics right of the text, wiping what the row showed before.
    if (gRuntime.backBufferDc != nullptr) {
        BitBlt(target, textEnd, top, client.right, gRuntime.lineHeight, gRuntime.backBufferDc,
               textEnd, top, SRCCOPY);
    }

    for (int32_t j = 0; j < length; ++j) {
        SelectCellColours(target, fore[j], back[j]);
        const bool lead = IsDBCSLeadByte(characters[j]) != FALSE;
        // The last cell always holds zero, so j + 1 stays inside the row.
        const char glyph[3] = {static_cast<char>(characters[j]),
                               lead ? static_cast<char>(characters[j + 1]) : '\0', '\0'};
        TextOutA(target, j * gRuntime.cellWidth, top, glyph, lstrlenA(glyph));
        if (lead) ++j;
    }
}

}  // namespace

void RenderTextGrid(HDC target, int32_t firstRow, int32_t lastRow) {
    ConsoleLockHold hold;
    RECT client{0, 0, 0, 0};
    // Without a window there is no client area to fit the text into; scrolling
    // against an empty rectangle would throw the text away.
    if (!GetClientRect(gRuntime.consoleWindow, &client)) return;
    HGDIOBJ previousFont = SelectObject(target, gRuntime.consoleFont);

    if (ScrollUntilCursorFits(client)) firstRow = -1;
    for (int32_t row = 0; row <= kLastTextRow && RowTop(row) < client.bottom; ++row) {
        if (firstRow == -1 || (firstRow <= row && row <= lastRow)) DrawRow(target, row, client);
    }

    SelectObject(target, previousFont);
}
