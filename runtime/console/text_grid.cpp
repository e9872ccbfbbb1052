// The text grid's rows. Rows move by moving their pointers; cells are never
// copied.
#include "runtime/console/text_grid.h"
#include "runtime/core/startup.h"

namespace {

constexpr int32_t kColourRowBytes = kTextColumns * static_cast<int32_t>(sizeof(COLORREF));

void AllocateRowInto(int32_t entry) {
    gRuntime.characterRows[entry] = static_cast<unsigned char*>(MemAlloc(kTextColumns));
    gRuntime.foreColourRows[entry] = static_cast<COLORREF*>(MemAlloc(kColourRowBytes));
    gRuntime.backColourRows[entry] = static_cast<COLORREF*>(MemAlloc(kColourRowBytes));
}

void FreeRowAt(int32_t entry) {
    MemFree(gRuntime.characterRows[entry]);
    MemFree(gRuntime.foreColourRows[entry]);
    MemFree(gRuntime.backColourRows[entry]);
    gRuntime.characterRows[entry] = nullptr;
    gRuntime.foreColourRows[entry] = nullptr;
    gRuntime.backColourRows[entry] = nullptr;
}

}  // namespace

void AllocateTextGrid() {
    for (int32_t row = 0; row <= kLastTextRow; ++row) AllocateRowInto(row);
}

void ReleaseTextGrid() {
    for (int32_t row = 0; row <= kLastTextRow; ++row) FreeRowAt(row);
}

void ScrollTextGridUp() {
    FreeRowAt(0);
    for (int32_t k = 0; k < kLastTextRow; ++k) {
        gRuntime.characterRows[k] = gRuntime.characterRows[k + 1];
        gRuntime.foreColourRows[k] = gRuntime.foreColourRows[k + 1];
        gRuntime.backColourRows[k] = gRuntime.backColourRows[k + 1];
    }
    // MemAlloc ends the process when the heap is exhausted, so a scroll never
    // leaves a null row behind.
    AllocateRowInto(kLastTextRow);
}
