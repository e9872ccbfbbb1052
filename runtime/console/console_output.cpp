// Storing printed text in the text grid.
#include "runtime/console/console_output.h"
#include "runtime/console/console.h"
#include "runtime/console/text_grid.h"
#include "runtime/core/strings.h"

namespace {

constexpr unsigned char kTab = 9;
constexpr unsigned char kCarriageReturn = 13;
constexpr unsigned char kLineFeed = 10;
constexpr int32_t kTabWidth = 8;
// The column after the last storable cell: where the row's terminating zero
// stands. Printing past it stores nothing and leaves the cursor there.
constexpr int32_t kCursorColumnLimit = kLastTextCell + 1;

int32_t AdvanceColumn(int32_t column, int32_t cells) {
    int32_t next = column + cells;
    return next < kCursorColumnLimit ? next : kCursorColumnLimit;
}

unsigned char SpaceByte() {
    CountedString space = StrAlloc(1);
    space[0] = ' ';
    return static_cast<unsigned char>(Asc(space));
}

void StoreByte(unsigned char byte) {
    const int32_t column = gRuntime.cursorColumn;
    const int32_t row = gRuntime.cursorRow;
    if (column <= kLastTextCell) {
        gRuntime.characterRows[row][column] = byte;
        gRuntime.foreColourRows[row][column] = gRuntime.currentForeColour;
        gRuntime.backColourRows[row][column] = gRuntime.currentBackColour;
    }
    gRuntime.cursorColumn = AdvanceColumn(column, 1);
}

// Tab cells take a space and keep the colours they held.
void StoreTab() {
    const int32_t column = gRuntime.cursorColumn;
    const int32_t cells = kTabWidth - column % kTabWidth;
    const unsigned char space = SpaceByte();
    unsigned char* characters = gRuntime.characterRows[gRuntime.cursorRow];
    for (int32_t c = column; c < column + cells && c <= kLastTextCell; ++c) characters[c] = space;
    gRuntime.cursorColumn = AdvanceColumn(column, cells);
}

// Returns whether the grid had to scroll because the cursor was on the last row.
bool StoreLineBreak() {
    gRuntime.cursorColumn = 0;
    if (gRuntime.cursorRow < kLastTextRow) {
        ++gRuntime.cursorRow;
        return false;
    }
    ScrollTextGridUp();
    return true;
}

}  // namespace

bool StoreConsoleText(const unsigned char* text) {
    bool scrolled = false;
    for (const unsigned char* p = text; *p != 0;) {
        if (*p == kTab) {
            StoreTab();
            ++p;
        } else if (*p == kCarriageReturn && p[1] == kLineFeed) {
            scrolled = StoreLineBreak() || scrolled;
            p += 2;
        } else {
            StoreByte(*p);
            ++p;
        }
    }
    return scrolled;
}

int32_t ShownPrefixLength(const unsigned char* text, int32_t length, int32_t column) {
    int32_t shown = 0;
    while (shown < length && text[shown] != 0) {
        if (text[shown] == kCarriageReturn && shown + 1 < length && text[shown + 1] == kLineFeed) {
            column = 0;
            shown += 2;
            continue;
        }
        if (column > kLastTextCell) break;
        column = text[shown] == kTab ? AdvanceColumn(column, kTabWidth - column % kTabWidth)
                                     : AdvanceColumn(column, 1);
        ++shown;
    }
    return shown;
}
